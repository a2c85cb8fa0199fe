#include "mitempaint.h"

#include "ccard.h"
#include "martmetrics.h"

#include <QPainter>

#include <cmath>

namespace solvane {


void DrawItemPicture(QPainter& p, const QPixmap& pm, const QRectF& target)
{
    if (pm.isNull())
        return;
    const QTransform& t = p.worldTransform();
    if (t.type() <= QTransform::TxScale && t.m11() > 0 && t.m22() > 0) {
        const QRectF dev = t.mapRect(target);
        const double ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
        // A picture painted for this size is a whole number of pixels, up to one more than
        // the card covers; that pixel is transparent.
        if (std::abs(dev.width() * ratio - pm.width()) < 1 && std::abs(dev.height() * ratio - pm.height()) < 1) {
            // Pixel for pixel, snapped to a whole device pixel so the picture stays crisp.
            const QRectF at(std::round(dev.left() * ratio) / ratio, std::round(dev.top() * ratio) / ratio,
                            pm.width() / ratio, pm.height() / ratio);
            p.save();
            p.resetTransform();
            p.drawPixmap(at, pm, QRectF(pm.rect()));
            p.restore();
            return;
        }
    }
    // A picture of another size shows only until the right one is painted: drawn quickly.
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawPixmap(target, pm, QRectF(pm.rect()));
    p.restore();
}

QPainterPath CardOutline(const QRectF& rect)
{
    const double r = kCardCornerRadius * kTwipsPerPixel;
    QPainterPath path;
    path.addRoundedRect(rect, r, r);
    return path;
}

} // namespace solvane
