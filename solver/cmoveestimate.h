#pragma once
// The estimate of the positions single moves lead to, worked out without making them:
// a move changes at most two tableau piles, and the position counts every pile bottom up,
// so its count below any depth tells what a pile would add once cards are taken off its
// top or laid on it. Only for play without autoplay, where a move changes nothing but its
// two places.
#include "cposition.h"

namespace solvane {

class cMoveEstimate {
public:
    explicit cMoveEstimate(const cPosition& p);

    // Estimate(p) after the move, which must be a legal move of p.
    int After(const SolverMove& m) const;

private:
    const cPosition& p_;
    int blockers_ = 0;
    int cellsUsed_ = 0;
};

} // namespace solvane
