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

// Whether a move back from the foundations can be part of the only way to win from here.
// Not when the rules make such moves useless (cSolverRules::FoundationFirst). Not with
// same-suit foundations and autoplay, once autoplay has settled: the card goes straight back
// up. Not with same-suit foundations when no card in play may lie on any card on the
// foundations: the cards a way to win takes down then only ever carry each other, and the
// same way without them wins too.
bool BackMovesMatter(const cPosition& p, bool autoplaySettled);

} // namespace solvane
