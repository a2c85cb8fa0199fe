#pragma once
// The program icon: two fanned cards on a green table.
class QPainter;

namespace solvane {

// Paints the icon into the square (0, 0, size, size); small sizes get fewer details.
void PaintIcon(QPainter& p, int size);

} // namespace solvane
