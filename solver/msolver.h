#pragma once
// Solving a position of any game of the family: whether it can still be won, and how.
// Solve is a pure function of its arguments and may run in any thread, several at once.
#include "gamerules.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace solvane {

class cArray;

enum class Verdict { Winnable, NotWinnable, Unknown };

struct SolveLimits {
    static constexpr size_t kDefaultBytes = size_t(160) << 20;
    double seconds = 10;
    // The memory the search may hold for positions and its path.
    size_t bytes = kDefaultBytes;
    // Whether a solution found is then made shorter where single moves can replace
    // stretches of it (a little more time, fewer moves to play out).
    bool shorten = true;
    // Set from another thread to stop the search; it then answers Unknown.
    const std::atomic<bool>* cancel = nullptr;
};

// One move of the player, as mouse play makes it: the card (picture id) with the `count`
// cards lying on it goes from (fromCell, fromPile) to the top of (toCell, toPile).
struct SolveStep {
    int pic = 0;
    int fromCell = 0;
    int fromPile = 0;
    int toCell = 0;
    int toPile = 0;
    int count = 0;
};

struct SolveResult {
    Verdict verdict = Verdict::Unknown;
    // The player's moves that win, for Winnable; autoplay's own moves are not listed.
    std::vector<SolveStep> moves;
    // Positions the search met.
    uint64_t positions = 0;
    // Why the answer is Unknown: "time", "memory", "cancelled" or what is wrong with the board.
    std::string reason;
};

// Solves the board under the rules, with every move followed by the autoplay chain when
// `autoplay` is on. The board is only read.
SolveResult Solve(const GameRules& rules, const cArray& board, bool autoplay, const SolveLimits& limits);

// Makes one solution move on the board through MoveCard, as the player would.
void PlayStep(cArray& board, const SolveStep& step, int speed = 0);

} // namespace solvane
