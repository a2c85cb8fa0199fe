#pragma once
// Painting the table background: a colour, plain or fading to black in 256 bands, or a
// tile repeated over the area. Every routine paints into the painter's own coordinates,
// one unit being one logical pixel, and touches nothing but the given area.
#include <QRectF>

#include <cstdint>

class QPainter;
class QPixmap;

namespace solvane {

class cPictures;

constexpr int kGradientBands = 256;

// Fills the area with colour c (0x00BBGGRR); with fade 1 the colour darkens to black
// in 256 bands from top to bottom. Does nothing on an inactive painter.
void PaintGradient(QPainter& p, const QRectF& area, int32_t color, int fade);

// Repeats tile `id` from the area's top-left corner over the whole area, the last row and
// column clipped at its edge. Answers false, painting nothing, when there is no such tile.
bool TileBitmap(QPainter& p, const QRectF& area, cPictures& pictures, int id = 1);
// The same with a tile picture at hand (its logical size is a tile's step); only the tiles
// within the painter's clip are drawn.
bool TilePixmap(QPainter& p, const QRectF& area, const QPixmap& tile);

// Paints background choice b: a tile (b up to 999), the custom colour (1000) or a colour
// of the table (1001..1025), the colours faded when fade is 1. Any choice without a
// picture paints the default background, "Dark Green" faded.
void SetBG(int b, QPainter& p, const QRectF& area, int fade, int32_t customColor,
           cPictures& pictures);

} // namespace solvane
