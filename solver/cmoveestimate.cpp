#include "cmoveestimate.h"

#include "mheuristic.h"

namespace solvane {

using namespace estimate;

cMoveEstimate::cMoveEstimate(const cPosition& p) : p_(p)
{
    const cSolverRules& r = p.Rules();
    for (int t = 0; t < r.Piles(); ++t)
        blockers_ += p.Blockers(t, p.Len(t));
    cellsUsed_ = r.Cells() - p.EmptyCells();
}

int cMoveEstimate::After(const SolverMove& m) const
{
    const int n = m.count + 1;
    int onFoundations = p_.OnFoundations();
    int cellsUsed = cellsUsed_;
    int blockers = blockers_;
    if (IsFoundationLoc(m.to))
        onFoundations += n;
    if (IsFoundationLoc(m.from))
        onFoundations -= n;
    // A card moved from one free cell to another leaves as many in use.
    cellsUsed += int(IsCellLoc(m.to)) - int(IsCellLoc(m.from));
    const int fromLen = p_.Len(m.from);
    if (IsTableauLoc(m.from))
        blockers += p_.Blockers(m.from, fromLen - n) - p_.Blockers(m.from, fromLen);
    if (IsTableauLoc(m.to)) {
        const int toLen = p_.Len(m.to);
        int b = p_.Blockers(m.to, toLen);
        int lowest = p_.LowestRise(m.to, toLen);
        for (int i = fromLen - n; i < fromLen; ++i)
            CountCard(p_.Rules().Rise(p_.CardAt(m.from, i)), b, lowest);
        blockers += b - p_.Blockers(m.to, toLen);
    }
    return kPerCardOff * (kSolverCards - onFoundations) + kPerCellUsed * cellsUsed + kPerBlocker * blockers;
}

} // namespace solvane
