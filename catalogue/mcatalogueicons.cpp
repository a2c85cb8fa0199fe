#include "mcatalogueicons.h"

#include "mdrawnicon.h"

#include <QPainter>
#include <QPainterPath>

namespace solvane {

namespace {
void Card(QPainter& p, const QRectF& r, const QColor& pip, qreal angle)
{
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF c(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    p.setPen(QPen(QColor(70, 70, 70), 0.7));
    p.setBrush(Qt::white);
    p.drawRoundedRect(c, 1.5, 1.5);
    // A diamond pip in the middle tells a card at a glance.
    QPainterPath d;
    d.moveTo(0, -2.6);
    d.lineTo(1.9, 0);
    d.lineTo(0, 2.6);
    d.lineTo(-1.9, 0);
    d.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(pip);
    p.drawPath(d);
    p.restore();
}

void Game(QPainter& p, const QColor& pip)
{
    Card(p, QRectF(2.5, 2.5, 8, 11), QColor(40, 40, 40), -12);
    Card(p, QRectF(5.5, 2.5, 8, 11), pip, 10);
}
} // namespace

QIcon GroupIcon()
{
    return DrawnIcon([](QPainter& p) {
        p.setPen(QPen(QColor(150, 110, 30), 0.8));
        p.setBrush(QColor(240, 200, 90));
        QPainterPath folder;
        folder.moveTo(1.5, 3.5);
        folder.lineTo(6, 3.5);
        folder.lineTo(7.5, 5);
        folder.lineTo(14.5, 5);
        folder.lineTo(14.5, 13.5);
        folder.lineTo(1.5, 13.5);
        folder.closeSubpath();
        p.drawPath(folder);
        p.setBrush(QColor(250, 220, 120));
        p.drawRect(QRectF(1.5, 6.5, 13, 7));
    });
}

QIcon StandardGameIcon()
{
    return DrawnIcon([](QPainter& p) { Game(p, QColor(200, 30, 30)); });
}

QIcon CustomGameIcon()
{
    return DrawnIcon([](QPainter& p) {
        Game(p, QColor(30, 90, 200));
        // A pencil: the player's own design.
        p.setPen(QPen(QColor(120, 70, 20), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9.5, 14), QPointF(15, 8.5));
        p.setPen(QPen(QColor(250, 190, 60), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 13.5), QPointF(14.5, 9));
    });
}

} // namespace solvane
