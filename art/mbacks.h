#pragma once
// The 14 card backs, 71 x 96 logical pixels each: Flowers 501..503, Garden 511..512,
// Geometry 521..523, Misc 531..533, Nature 541..544.
class QPainter;

namespace solvane {

// Paints back `id` into the card box (0, 0, 71, 96); answers false, painting nothing,
// for a number that is no back.
bool PaintBack(QPainter& p, int id);

} // namespace solvane
