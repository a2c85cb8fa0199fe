#pragma once
// The move every way of playing ends in (a drop, a click, a double-click, a key): the
// rules are asked once more, then MoveCard makes it.
namespace solvane {

class cArray;

// Moves the card with the `count` cards on it onto the pile (cell, pile) if the rules
// accept it there; answers whether it did.
bool PlayMove(cArray& board, int pic, int count, int cell, int pile);

} // namespace solvane
