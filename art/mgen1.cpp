#include "mgen1.h"

#include "cpictures.h"
#include "martlist.h"
#include "mcolortable.h"

#include <QPainter>

#include <array>
#include <cmath>

namespace solvane {

namespace {
constexpr int kComponents = 3;
constexpr double kLastBand = kGradientBands - 1;

// Rounds half to even, as every real that becomes a colour component is rounded.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }
} // namespace

void PaintGradient(QPainter& p, const QRectF& area, int32_t color, int fade)
{
    if (!p.isActive() || area.isEmpty())
        return;
    const int32_t endColor = fade == 1 ? 0 : color;
    std::array<double, kComponents> start{}, step{};
    for (int k = 0; k < kComponents; ++k) {
        start[k] = ColorComponent(color, k + 1);
        step[k] = (ColorComponent(endColor, k + 1) - start[k]) / kLastBand;
    }
    p.save();
    // Bands meet edge to edge; smoothing their edges would show as faint lines.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    const double bandHeight = area.height() / kGradientBands;
    for (int i = 0; i < kGradientBands; ++i) {
        std::array<int, kComponents> c{};
        for (int k = 0; k < kComponents; ++k)
            c[k] = RoundEven(std::max(0.0, start[k] + i * step[k]));
        p.fillRect(QRectF(area.left(), area.top() + i * bandHeight, area.width(), bandHeight),
                   QColor(c[0], c[1], c[2]));
    }
    p.restore();
}

bool TileBitmap(QPainter& p, const QRectF& area, cPictures& pictures, int id)
{
    if (!p.isActive() || !IsTileId(id))
        return false;
    const double ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    return TilePixmap(p, area, pictures.GetPic(id, ratio * std::abs(p.worldTransform().m11())));
}

bool TilePixmap(QPainter& p, const QRectF& area, const QPixmap& tile)
{
    if (!p.isActive() || tile.isNull())
        return false;
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    // The tile's logical size is what a tile step covers, whatever its pixel ratio.
    const QSizeF step = tile.deviceIndependentSize();
    const QRectF drawn = p.clipBoundingRect() & area;
    const double firstX = area.left() + std::floor((drawn.left() - area.left()) / step.width()) * step.width();
    const double firstY = area.top() + std::floor((drawn.top() - area.top()) / step.height()) * step.height();
    for (double y = firstY; y <= drawn.bottom(); y += step.height())
        for (double x = firstX; x <= drawn.right(); x += step.width())
            p.drawPixmap(QRectF(QPointF(x, y), step), tile, QRectF(tile.rect()));
    p.restore();
    return true;
}

void SetBG(int b, QPainter& p, const QRectF& area, int fade, int32_t customColor,
           cPictures& pictures)
{
    if (b <= kLastTileIndex) {
        if (TileBitmap(p, area, pictures, b))
            return;
    } else if (b == kCustomColorIndex) {
        PaintGradient(p, area, customColor, fade);
        return;
    } else if (const auto entry = ColorEntry(b)) {
        PaintGradient(p, area, entry->Color, fade);
        return;
    }
    PaintGradient(p, area, ColorEntry(kFallbackBackground)->Color, 1);
}

} // namespace solvane
