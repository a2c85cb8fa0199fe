#pragma once
// The 33 background tiles: procedural textures in eight groups (bricks, marbles, paper,
// rocks, stars, surfaces, water, wood) that repeat without a visible seam.
#include <QImage>
#include <QSize>

namespace solvane {

// The logical size of tile `id`, 80 to 200 pixels a side; empty for an unknown id.
QSize TileSize(int id);
// Tile `id` painted at a pixel ratio; a null image for an unknown id.
QImage PaintTile(int id, qreal ratio);

} // namespace solvane
