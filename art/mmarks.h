#pragma once
// The marks of empty piles: a translucent card outline with the rank that may start the
// pile (0 Ace .. 12 King), a die for the random base card (13), or the four suits for a
// pile that takes any card (14).
class QPainter;

namespace solvane {

// Paints mark 0..14 into the card box (0, 0, 71, 96).
void PaintMark(QPainter& p, int mark);

} // namespace solvane
