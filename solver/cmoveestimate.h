#pragma once
// The estimate of the positions single moves lead to, worked out without making them:
// a move changes at most two tableau piles, and each pile's share of the estimate is
// counted bottom up, so the state after every card of a pile tells what a pile would
// add once cards are taken off its top or laid on it. Only for play without autoplay,
// where a move changes nothing but its two places.
#include "cposition.h"

#include <cstdint>

namespace solvane {

class cMoveEstimate {
public:
    explicit cMoveEstimate(const cPosition& p);

    // Estimate(p) after the move, which must be a legal move of p.
    int After(const SolverMove& m) const;

private:
    const cPosition& p_;
    // For every tableau pile and every number of cards from its bottom: the blockers
    // counted so far and the lowest rise met so far.
    uint8_t blockers_[kSolverPiles][kSolverCards + 1];
    int8_t lowest_[kSolverPiles][kSolverCards + 1];
    int piles_ = 0;
    int cellsUsed_ = 0;
};

} // namespace solvane
