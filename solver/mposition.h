#pragma once
// Between the engine's board and the solver's position.
#include "cposition.h"

#include <optional>
#include <string>

namespace solvane {

class cArray;

// Lays the board into an empty position; gives the reason when the board is not a
// position of the rules (cards outside the game's piles, a card missing or face down).
std::optional<std::string> LoadPosition(const cArray& board, cPosition& p);

// The board address (cell kind, pile) of a place of the position.
void LocateOnBoard(int loc, int& cell, int& pile);

} // namespace solvane
