#include "cmoveestimate.h"

#include "mheuristic.h"

namespace solvane {

using namespace estimate;

cMoveEstimate::cMoveEstimate(const cPosition& p) : p_(p)
{
    const cSolverRules& r = p.Rules();
    for (int t = 0; t < r.Piles(); ++t) {
        int blockers = 0;
        int lowest = kNoRise;
        blockers_[t][0] = 0;
        lowest_[t][0] = static_cast<int8_t>(lowest);
        for (int i = 0; i < p.Len(t); ++i) {
            CountCard(r.Rise(p.CardAt(t, i)), blockers, lowest);
            blockers_[t][i + 1] = static_cast<uint8_t>(blockers);
            lowest_[t][i + 1] = static_cast<int8_t>(lowest);
        }
        piles_ += blockers;
    }
    cellsUsed_ = r.Cells() - p.EmptyCells();
}

int cMoveEstimate::After(const SolverMove& m) const
{
    const int n = m.count + 1;
    int onFoundations = p_.OnFoundations();
    int cellsUsed = cellsUsed_;
    int blockers = piles_;
    if (IsFoundationLoc(m.to))
        onFoundations += n;
    if (IsFoundationLoc(m.from))
        onFoundations -= n;
    // A card moved from one free cell to another leaves as many in use.
    cellsUsed += int(IsCellLoc(m.to)) - int(IsCellLoc(m.from));
    const int fromLen = p_.Len(m.from);
    if (IsTableauLoc(m.from))
        blockers += blockers_[m.from][fromLen - n] - blockers_[m.from][fromLen];
    if (IsTableauLoc(m.to)) {
        const int toLen = p_.Len(m.to);
        int b = blockers_[m.to][toLen];
        int lowest = lowest_[m.to][toLen];
        for (int i = fromLen - n; i < fromLen; ++i)
            CountCard(p_.Rules().Rise(p_.CardAt(m.from, i)), b, lowest);
        blockers += b - blockers_[m.to][toLen];
    }
    return kPerCardOff * (kSolverCards - onFoundations) + kPerCellUsed * cellsUsed + kPerBlocker * blockers;
}

} // namespace solvane
