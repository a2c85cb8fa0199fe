#pragma once
// A position written out exactly, as the table of positions keeps it: two positions are
// written alike if and only if they differ at most in the order of interchangeable places
// and in which of two twins lies where, so that the table never takes one position for
// another, whatever their fingerprints.
#include "cposition.h"

#include <cstdint>

namespace solvane {

// Six bits a symbol, a card's twin or the end of a place, four symbols to three bytes.
constexpr int kMaxCanonicalBytes = (kSolverCards + kLocations + kSolverFoundations + 3) / 4 * 3;

// Writes the position, whose Key() must be up to date; answers the number of bytes written.
int Canonical(const cPosition& p, uint8_t* out);

} // namespace solvane
