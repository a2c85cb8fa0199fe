#pragma once
// Guesses that steer the search towards a win. They never decide what is tried at all in
// a complete pass; the quick passes may follow them alone.
#include "cposition.h"

#include <vector>

namespace solvane {

namespace estimate {
// Weights of the estimate's parts, per card still off the foundations, per card lying on
// a card that must reach the foundations before it, and per occupied free cell.
constexpr int kPerCardOff = 3;
constexpr int kPerBlocker = 2;
constexpr int kPerCellUsed = 1;
} // namespace estimate

// A rough count of the moves still needed: cards off the foundations, cards lying on a
// card that must reach the foundations before them, occupied free cells.
int Estimate(const cPosition& p);
// Its parts: what one tableau pile adds, and what the rest of the table adds.
int PileEstimate(const cPosition& p, int pile);
int TableEstimate(const cPosition& p);

// A move to a foundation of a card on which nothing still in play could ever be built:
// worth making at once when cards are never taken back from the foundations.
bool SafeFoundationMove(const cPosition& p, const std::vector<SolverMove>& moves, SolverMove& safe);

} // namespace solvane
