#include "msolver.h"

#include "carray.h"
#include "csolver.h"
#include "mposition.h"

#include <optional>

namespace solvane {


SolveResult Solve(const GameRules& rules, const cArray& board, bool autoplay, const SolveLimits& limits)
{
    SolveResult result;
    if (auto why = ValidateRules(rules)) {
        result.reason = *why;
        return result;
    }
    const cSolverRules compiled = cSolverRules::FromBoard(rules, board, autoplay);
    cPosition start(compiled);
    if (auto why = LoadPosition(board, start)) {
        result.reason = *why;
        return result;
    }
    cSolver solver(start, limits);
    result.verdict = solver.Run();
    result.positions = solver.Positions();
    switch (solver.LastOutcome()) {
    case cSolver::Outcome::Time: result.reason = "time"; break;
    case cSolver::Outcome::Memory: result.reason = "memory"; break;
    case cSolver::Outcome::Cancelled: result.reason = "cancelled"; break;
    default: break;
    }
    if (result.verdict != Verdict::Winnable)
        return result;
    // Replays the moves on the compact position to name each card and its places.
    cPosition p = start;
    AutoMove chain[kMaxChain];
    for (const SolverMove& m : solver.Solution()) {
        SolveStep s;
        s.pic = p.CardAt(m.from, p.Len(m.from) - 1 - m.count);
        s.count = m.count;
        LocateOnBoard(m.from, s.fromCell, s.fromPile);
        LocateOnBoard(m.to, s.toCell, s.toPile);
        result.moves.push_back(s);
        p.Apply(m, chain);
    }
    return result;
}

void PlayStep(cArray& board, const SolveStep& step, int speed)
{
    int32_t mode = kModeNormal;
    board.MoveCard(step.pic, step.toCell, step.toPile, board.GetTop(step.toCell, step.toPile) + 1,
                   mode, speed, step.count, false);
}

} // namespace solvane
