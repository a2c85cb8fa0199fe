#pragma once
namespace solvane {

class cArray;

// Plays every exposed card that may go to a foundation, tableau piles left to right, then
// the free cells. Each play is an ordinary move, so it sets off further plays before
// this returns. Does nothing when the game forbids it or the player's switch is off.
void Autoplay(cArray& a);

} // namespace solvane
