#include "mscoreicons.h"

#include "mdrawnicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace solvane {

namespace {
constexpr double kPi = 3.14159265358979323846;
const QColor kInk(60, 60, 60);

QPen Pen(const QColor& c, double width = 1.2) { return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
} // namespace

QIcon GameIcon()
{
    return DrawnIcon([](QPainter& p) {
        p.setPen(Pen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(3, 1.5, 10, 13), 1.5, 1.5);
        QPainterPath diamond;
        diamond.moveTo(8, 4.5);
        diamond.lineTo(11, 8);
        diamond.lineTo(8, 11.5);
        diamond.lineTo(5, 8);
        diamond.closeSubpath();
        p.fillPath(diamond, QColor(190, 30, 30));
    });
}

QIcon PeriodIcon()
{
    return DrawnIcon([](QPainter& p) {
        p.setPen(Pen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2, 3, 12, 11));
        p.fillRect(QRectF(2.5, 3.5, 11, 3), QColor(176, 48, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawRect(QRectF(4 + col * 3, 8 + row * 3, 1.8, 1.8));
    });
}

QIcon ScoreIcon()
{
    return DrawnIcon([](QPainter& p) {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 == 0 ? 7 : 3;
            const double a = -kPi / 2 + i * kPi / 5;
            const QPointF pt(8 + r * std::cos(a), 8.5 + r * std::sin(a));
            if (i == 0)
                star.moveTo(pt);
            else
                star.lineTo(pt);
        }
        star.closeSubpath();
        p.setPen(Pen(QColor(150, 100, 0), 0.8));
        p.setBrush(QColor(240, 190, 40));
        p.drawPath(star);
    });
}

QIcon MovesIcon()
{
    return DrawnIcon([](QPainter& p) {
        p.setPen(Pen(QColor(42, 110, 175), 2));
        p.drawLine(QPointF(2.5, 8), QPointF(12, 8));
        p.drawLine(QPointF(8.5, 4), QPointF(12.5, 8));
        p.drawLine(QPointF(8.5, 12), QPointF(12.5, 8));
    });
}

QIcon TimeIcon()
{
    return DrawnIcon([](QPainter& p) {
        p.setPen(Pen(kInk, 1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(Pen(QColor(176, 48, 40), 1.4));
        p.drawLine(QPointF(8, 8), QPointF(8, 4));
        p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
    });
}

QIcon FavouriteIcon()
{
    return DrawnIcon([](QPainter& p) {
        QPainterPath heart;
        heart.moveTo(8, 14);
        heart.cubicTo(1, 9, 1, 3, 5, 3);
        heart.cubicTo(6.8, 3, 8, 4.5, 8, 5.5);
        heart.cubicTo(8, 4.5, 9.2, 3, 11, 3);
        heart.cubicTo(15, 3, 15, 9, 8, 14);
        p.setPen(Pen(QColor(130, 20, 30), 0.8));
        p.setBrush(QColor(210, 50, 60));
        p.drawPath(heart);
    });
}

QIcon WonIcon()
{
    return DrawnIcon([](QPainter& p) {
        p.setPen(Pen(QColor(39, 140, 76), 2.2));
        p.drawLine(QPointF(3, 8.5), QPointF(6.5, 12));
        p.drawLine(QPointF(6.5, 12), QPointF(13, 4));
    });
}

QIcon LostIcon()
{
    return DrawnIcon([](QPainter& p) {
        p.setPen(Pen(QColor(176, 48, 40), 2.2));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    });
}

} // namespace solvane
