#include "mitempaint.h"

#include "ccard.h"
#include "martmetrics.h"

#include <QPainter>

#include <cmath>

namespace solvane {

namespace {
constexpr double kSizeTolerance = 0.01; // logical pixels
}

void DrawItemPicture(QPainter& p, const QPixmap& pm, const QRectF& target)
{
    if (pm.isNull())
        return;
    const QTransform& t = p.worldTransform();
    if (t.type() <= QTransform::TxScale && t.m11() > 0 && t.m22() > 0) {
        const QRectF dev = t.mapRect(target);
        const QSizeF size = pm.deviceIndependentSize();
        if (std::abs(dev.width() - size.width()) < kSizeTolerance &&
            std::abs(dev.height() - size.height()) < kSizeTolerance) {
            // Snap to a whole device pixel so the picture stays crisp.
            const double ratio = pm.devicePixelRatio();
            const QPointF at(std::round(dev.left() * ratio) / ratio, std::round(dev.top() * ratio) / ratio);
            p.save();
            p.resetTransform();
            p.drawPixmap(at, pm);
            p.restore();
            return;
        }
    }
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
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
