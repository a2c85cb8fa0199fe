#include "mtoolicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace solvane {

namespace {
constexpr int kSize = 24;
const QColor kInk(40, 52, 64);
const QColor kGreen(34, 139, 34);
const QColor kRed(190, 40, 40);
const QColor kCard(250, 250, 246);

using Draw = std::function<void(QPainter&)>;

void Card(QPainter& p, QRectF r)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kCard);
    p.drawRoundedRect(r, 2.5, 2.5);
}

void Arrow(QPainter& p, bool clockwise, QColor c)
{
    // A three-quarter circle with a head at its end.
    p.setPen(QPen(c, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF r(5, 5, 14, 14);
    p.drawArc(r, clockwise ? 60 * 16 : 120 * 16, clockwise ? -270 * 16 : 270 * 16);
    QPainterPath head;
    if (clockwise) {
        head.moveTo(17, 2.5);
        head.lineTo(21.5, 7.5);
        head.lineTo(15, 9);
    } else {
        head.moveTo(7, 2.5);
        head.lineTo(2.5, 7.5);
        head.lineTo(9, 9);
    }
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(head);
}

void Triangle(QPainter& p, double x, bool right)
{
    QPainterPath t;
    t.moveTo(x, 6);
    t.lineTo(right ? x + 8 : x - 8, 12);
    t.lineTo(x, 18);
    t.closeSubpath();
    p.drawPath(t);
}

const std::map<QString, Draw>& Drawings()
{
    static const std::map<QString, Draw> kDraw = {
        {"New", [](QPainter& p) {
             Card(p, {5, 3, 13, 18});
             p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(16, 16), QPointF(22, 16));
             p.drawLine(QPointF(19, 13), QPointF(19, 19));
         }},
        {"Select", [](QPainter& p) {
             p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
             for (int i = 0; i < 4; ++i) {
                 p.drawPoint(QPointF(5, 6 + 4 * i));
                 p.drawLine(QPointF(9, 6 + 4 * i), QPointF(20, 6 + 4 * i));
             }
         }},
        {"Restart", [](QPainter& p) { Arrow(p, true, kGreen); }},
        {"Autoplay", [](QPainter& p) {
             Card(p, {3, 6, 12, 16});
             p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(18, 18), QPointF(18, 4));
             p.drawLine(QPointF(18, 4), QPointF(14.5, 8));
             p.drawLine(QPointF(18, 4), QPointF(21.5, 8));
         }},
        {"Undo", [](QPainter& p) { Arrow(p, false, kInk); }},
        {"Redo", [](QPainter& p) { Arrow(p, true, kInk); }},
        {"Back", [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(kInk);
             Triangle(p, 12, false);
             Triangle(p, 20, false);
         }},
        {"ReplayStop", [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(kRed);
             p.drawRoundedRect(QRectF(6, 6, 12, 12), 1.5, 1.5);
         }},
        {"Forward", [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(kInk);
             Triangle(p, 4, true);
             Triangle(p, 12, true);
         }},
        {"Statistics", [](QPainter& p) {
             p.setPen(Qt::NoPen);
             const QColor c[] = {QColor(60, 120, 200), kGreen, QColor(220, 150, 30)};
             const int h[] = {8, 14, 11};
             for (int i = 0; i < 3; ++i) {
                 p.setBrush(c[i]);
                 p.drawRect(QRectF(4 + 6 * i, 21 - h[i], 5, h[i]));
             }
             p.setPen(QPen(kInk, 1.2));
             p.drawLine(QPointF(2.5, 21.5), QPointF(21.5, 21.5));
         }},
        {"Highscore", [](QPainter& p) {
             QPainterPath star;
             for (int i = 0; i < 10; ++i) {
                 const double a = -M_PI / 2 + i * M_PI / 5;
                 const double rad = i % 2 ? 4.2 : 10;
                 const QPointF pt(12 + rad * std::cos(a), 12.5 + rad * std::sin(a));
                 i ? star.lineTo(pt) : star.moveTo(pt);
             }
             star.closeSubpath();
             p.setPen(QPen(QColor(160, 110, 0), 1));
             p.setBrush(QColor(250, 200, 40));
             p.drawPath(star);
         }},
        {"Help", [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(50, 110, 190));
             p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
             QFont f = p.font();
             f.setBold(true);
             f.setPixelSize(15);
             p.setFont(f);
             p.setPen(Qt::white);
             p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, QStringLiteral("?"));
         }},
        {"Hint", [](QPainter& p) {
             p.setPen(QPen(QColor(150, 110, 0), 1.2));
             p.setBrush(QColor(255, 220, 80));
             p.drawEllipse(QRectF(6, 2.5, 12, 12));
             p.setBrush(QColor(150, 150, 150));
             p.drawRect(QRectF(9, 15, 6, 5));
             p.drawLine(QPointF(10, 21.5), QPointF(14, 21.5));
         }},
        {"Solve", [](QPainter& p) {
             Card(p, {3, 4, 13, 17});
             p.setPen(QPen(kGreen, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.setBrush(Qt::NoBrush);
             QPainterPath tick;
             tick.moveTo(11, 14);
             tick.lineTo(15, 19);
             tick.lineTo(22, 7);
             p.drawPath(tick);
         }},
        {"Close", [](QPainter& p) {
             p.setPen(QPen(kRed, 2.6, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(6, 6), QPointF(18, 18));
             p.drawLine(QPointF(18, 6), QPointF(6, 18));
         }},
    };
    return kDraw;
}

QPixmap Paint(const Draw& draw, qreal ratio)
{
    QPixmap pm(QSize(kSize, kSize) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pm;
}
} // namespace

QIcon ToolIcon(const QString& key)
{
    const auto it = Drawings().find(key);
    if (it == Drawings().end())
        return {};
    QIcon icon;
    for (qreal ratio : {1.0, 2.0})
        icon.addPixmap(Paint(it->second, ratio));
    return icon;
}

} // namespace solvane
