#include "msuits.h"

#include <QTransform>

namespace solvane {

namespace {
// Every symbol is designed in a 100 x 100 box.
constexpr double kDesignBox = 100.0;

QPainterPath Heart()
{
    QPainterPath p;
    p.moveTo(50, 96);
    p.cubicTo(22, 74, 2, 54, 2, 31);
    p.cubicTo(2, 14, 14, 4, 28, 4);
    p.cubicTo(39, 4, 47, 11, 50, 22);
    p.cubicTo(53, 11, 61, 4, 72, 4);
    p.cubicTo(86, 4, 98, 14, 98, 31);
    p.cubicTo(98, 54, 78, 74, 50, 96);
    p.closeSubpath();
    return p;
}

QPainterPath Spade()
{
    QPainterPath p;
    p.moveTo(50, 2);
    p.cubicTo(62, 24, 97, 40, 97, 62);
    p.cubicTo(97, 76, 87, 84, 75, 84);
    p.cubicTo(65, 84, 57, 79, 53, 71);
    p.quadTo(54, 90, 67, 98);
    p.lineTo(33, 98);
    p.quadTo(46, 90, 47, 71);
    p.cubicTo(43, 79, 35, 84, 25, 84);
    p.cubicTo(13, 84, 3, 76, 3, 62);
    p.cubicTo(3, 40, 38, 24, 50, 2);
    p.closeSubpath();
    return p;
}

QPainterPath Club()
{
    // Each lobe is united on its own: overlapping subpaths of one path would cancel out
    // under the even-odd rule and leave holes.
    auto disc = [](double x, double y, double r) {
        QPainterPath d;
        d.addEllipse(QPointF(x, y), r, r);
        return d;
    };
    constexpr double r = 21.5;
    QPainterPath stem;
    stem.moveTo(46.5, 56);
    stem.quadTo(46, 88, 33, 98);
    stem.lineTo(67, 98);
    stem.quadTo(54, 88, 53.5, 56);
    stem.closeSubpath();
    return disc(50, 26, r).united(disc(25, 60, r)).united(disc(75, 60, r)).united(disc(50, 54, 12)).united(stem);
}

QPainterPath Diamond()
{
    QPainterPath p;
    p.moveTo(50, 1);
    p.quadTo(64, 29, 88, 50);
    p.quadTo(64, 71, 50, 99);
    p.quadTo(36, 71, 12, 50);
    p.quadTo(36, 29, 50, 1);
    p.closeSubpath();
    return p;
}

const QPainterPath& Design(int suit)
{
    static const QPainterPath designs[] = {Club(), Diamond(), Spade(), Heart()};
    return designs[suit & 3];
}
} // namespace

QPainterPath SuitPath(int suit, QPointF centre, double height)
{
    const double s = height / kDesignBox;
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(s, s);
    t.translate(-kDesignBox / 2, -kDesignBox / 2);
    return t.map(Design(suit));
}

bool IsRedSuit(int suit) { return suit == kDiamonds || suit == kHearts; }

QColor SuitInk(int suit) { return IsRedSuit(suit) ? QColor(0xCC, 0x12, 0x2C) : QColor(0x14, 0x14, 0x18); }

} // namespace solvane
