#pragma once
// The search behind Solve. Short depth-first dashes along the likely moves win most deals;
// a short complete pass settles most lost positions; a best-first pass over the likely moves
// (counting the moves made a little) finds the harder wins; then a complete depth-first pass
// over fingerprinted positions tries every move that can matter, so that running out of
// positions proves the game cannot be won; when it runs out of room or of its share of the
// time instead, a best-first pass that counts the moves made more has the time left. Under
// rules where the likely moves are all that can matter (FoundationFirst), the best-first pass
// is complete and comes first, and the complete pass has all the time after it.
#include "cposition.h"
#include "ctranstable.h"
#include "mmoves.h"
#include "msolver.h"
#include "searchoutcome.h"

#include <chrono>
#include <vector>

namespace solvane {

class cSolver {
public:
    using Outcome = SearchOutcome;

    struct Pass {
        // Every move, no shortcuts: an exhausted complete pass is a proof.
        bool complete = true;
        // Positions this pass may visit; 0 for no limit.
        uint64_t budget = 0;
        // How much the estimate of the position a move leads to counts in the move order,
        // against the move's own merits (0: not at all).
        int estimateWeight = 0;
    };

    cSolver(const cPosition& start, const SolveLimits& limits);

    // Both passes; the verdict and, when won, the moves.
    Verdict Run();
    Outcome RunPass(const Pass& pass);

    const std::vector<SolverMove>& Solution() const { return solution_; }
    uint64_t Positions() const { return positions_; }
    Outcome LastOutcome() const { return last_; }

private:
    struct Frame {
        uint32_t movesBegin = 0;
        uint32_t movesEnd = 0;
        uint32_t next = 0;
        uint32_t chainBegin = 0;
        uint8_t chainLength = 0;
        SolverMove applied;
    };

    Verdict Search();
    // Replaces stretches of the solution by single moves that reach the same position.
    void Shorten();
    bool PushFrame(const Pass& pass, bool root);
    // Leaves out of scratch_ the move that takes back the parent frame's move.
    void DropWayBack(const Frame& parent);
    // Short depth-first passes: Won, Exhausted when one saw all it could, Budget when none
    // was decisive, or the limit that stopped them.
    Outcome Dashes();
    // A best-first pass over the likely moves until `end`, the moves that led to a position
    // counting `perFour` for every four of them (cBestFirst::SetDepthWeight); the solution
    // when it wins.
    Outcome Quick(std::chrono::steady_clock::time_point end, int perFour);
    // Scores the moves into ranked_, the better the higher.
    void Rank(const std::vector<SolverMove>& moves, int estimateWeight);
    // The frame's best move not yet tried.
    SolverMove TakeBest(Frame& f);
    int Score(const SolverMove& m, CardMask wanted) const;
    Outcome Check();
    size_t PathBytes() const;

    cPosition start_;
    cPosition p_;
    SolveLimits limits_;
    cTransTable table_;
    std::chrono::steady_clock::time_point deadline_;
    // Where the pass under way stops for time: the deadline, or sooner.
    std::chrono::steady_clock::time_point passEnd_;
    std::vector<Frame> frames_;
    struct Ranked {
        int score;
        SolverMove move;
    };
    // The moves of every frame of the path.
    std::vector<Ranked> moves_;
    std::vector<AutoMove> chain_;
    std::vector<SolverMove> scratch_;
    std::vector<Ranked> ranked_;
    std::vector<SolverMove> solution_;
    int noise_ = 0;
    uint64_t noiseState_ = 0;
    uint64_t positions_ = 0;
    uint64_t passPositions_ = 0;
    Outcome last_ = Outcome::Exhausted;
};

} // namespace solvane
