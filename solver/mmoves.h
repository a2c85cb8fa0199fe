#pragma once
// The moves a player can make in a position: the top card or a run of a tableau pile
// (within the capacity counted at pick-up), a free-cell card or a foundation's top card,
// to a tableau pile, an empty free cell or a foundation.
#include "cposition.h"

#include <vector>

namespace solvane {

struct MoveFilter {
    // Also the moves that only change which of several interchangeable piles a card lands
    // on, or that lead to the position itself up to the order of the piles.
    bool every = false;
    // Moves of a foundation's top card back into play.
    bool fromFoundations = true;
};

void GenerateMoves(const cPosition& p, const MoveFilter& filter, std::vector<SolverMove>& out);

// Whether some exposed card would be taken by a foundation (autoplay has work to do).
bool AutoplayPending(const cPosition& p);

} // namespace solvane
