#include "micon.h"

#include "msuits.h"

#include <QPainter>
#include <QRadialGradient>

namespace solvane {

namespace {
// The icon is designed on a 64-unit square.
constexpr double kDesign = 64.0;
constexpr int kSmallIcon = 24;

void Card(QPainter& p, QPointF centre, double angle, const QColor& face, const QColor& rim)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(QPen(rim, 1.4));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(-14, -20, 28, 40), 3.5, 3.5);
    p.restore();
}
} // namespace

void PaintIcon(QPainter& p, int size)
{
    p.save();
    p.scale(size / kDesign, size / kDesign);
    QRadialGradient felt(QPointF(26, 22), 48);
    felt.setColorAt(0, QColor(0x2E, 0x9A, 0x4E));
    felt.setColorAt(1, QColor(0x0E, 0x52, 0x26));
    p.setPen(QPen(QColor(0x0A, 0x3A, 0x1A), 1.5));
    p.setBrush(felt);
    p.drawRoundedRect(QRectF(1.5, 1.5, 61, 61), 12, 12);

    if (size <= kSmallIcon) {
        // Small: one card with a bold heart.
        Card(p, QPointF(32, 32), 0, Qt::white, QColor(0x30, 0x30, 0x30));
        p.setPen(Qt::NoPen);
        p.setBrush(SuitInk(kHearts));
        p.drawPath(SuitPath(kHearts, QPointF(32, 33), 24));
        p.restore();
        return;
    }
    // A back underneath, fanned left; the ace of spades on top, fanned right.
    Card(p, QPointF(25, 33), -14, QColor(0x1B, 0x4A, 0x9A), Qt::white);
    p.save();
    p.translate(25, 33);
    p.rotate(-14);
    p.setPen(QPen(QColor(0x6C, 0x9A, 0xDE), 0.8));
    for (double d = -28; d < 28; d += 4) {
        p.setClipRect(QRectF(-11.5, -17.5, 23, 35));
        p.drawLine(QPointF(d - 20, -20), QPointF(d + 20, 20));
        p.drawLine(QPointF(d + 20, -20), QPointF(d - 20, 20));
    }
    p.restore();
    Card(p, QPointF(39, 31), 12, Qt::white, QColor(0x30, 0x30, 0x30));
    p.save();
    p.translate(39, 31);
    p.rotate(12);
    p.setPen(Qt::NoPen);
    p.setBrush(SuitInk(kSpades));
    p.drawPath(SuitPath(kSpades, QPointF(0, 1), 20));
    p.setBrush(SuitInk(kHearts));
    p.drawPath(SuitPath(kHearts, QPointF(-9, -14), 7));
    p.restore();
    p.restore();
}

} // namespace solvane
