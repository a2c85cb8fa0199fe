#include "mheuristic.h"

namespace solvane {

using namespace estimate;

int PileEstimate(const cPosition& p, int t)
{
    return kPerBlocker * p.Blockers(t, p.Len(t));
}

int TableEstimate(const cPosition& p)
{
    const int cellsUsed = p.Rules().Cells() - p.EmptyCells();
    return kPerCardOff * (kSolverCards - p.OnFoundations()) + kPerCellUsed * cellsUsed;
}

int Estimate(const cPosition& p)
{
    int e = TableEstimate(p);
    for (int t = 0; t < p.Rules().Piles(); ++t)
        e += PileEstimate(p, t);
    return e;
}

bool SafeFoundationMove(const cPosition& p, const std::vector<SolverMove>& moves, SolverMove& safe)
{
    const cSolverRules& r = p.Rules();
    const CardMask up = p.FoundationCards();
    for (const SolverMove& m : moves) {
        if (!IsFoundationLoc(m.to) || IsFoundationLoc(m.from))
            continue;
        if ((r.TableauChildren(p.Top(m.from)) & ~up) == 0) {
            safe = m;
            return true;
        }
    }
    return false;
}

} // namespace solvane
