#pragma once
// The pictures of the Jack, Queen and King: a framed, double-ended half figure of each
// rank with its own attributes (cap and halberd, tiara and rose, crown and sword), in
// the colours of its suit.
class QPainter;

namespace solvane {

// Paints the court picture of rank num (10 Jack, 11 Queen, 12 King) on the face.
void PaintCourt(QPainter& p, int suit, int num);

} // namespace solvane
