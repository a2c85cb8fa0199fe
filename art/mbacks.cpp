#include "mbacks.h"

#include "martmetrics.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <map>

namespace solvane {

namespace {
constexpr double kMargin = 4.5;
const QRectF kCard(0.5, 0.5, kCardPixelWidth - 1.0, kCardPixelHeight - 1.0);
const QRectF kPanel(kMargin, kMargin, kCardPixelWidth - 2 * kMargin, kCardPixelHeight - 2 * kMargin);
constexpr double kPanelRadius = 2.5;
const QPointF kCentre(kCardPixelWidth / 2.0, kCardPixelHeight / 2.0);

QPainterPath PanelPath()
{
    QPainterPath path;
    path.addRoundedRect(kPanel, kPanelRadius, kPanelRadius);
    return path;
}

void NoPen(QPainter& p, const QColor& fill)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
}

// A flower of `petals` round petals around a centre.
void Flower(QPainter& p, QPointF at, double r, int petals, const QColor& petal, const QColor& heart,
            double turn = 0)
{
    NoPen(p, petal);
    for (int i = 0; i < petals; ++i) {
        p.save();
        p.translate(at);
        p.rotate(turn + 360.0 * i / petals);
        p.drawEllipse(QPointF(0, -r * 0.55), r * 0.32, r * 0.5);
        p.restore();
    }
    NoPen(p, heart);
    p.drawEllipse(at, r * 0.28, r * 0.28);
}

void Leaf(QPainter& p, QPointF at, double len, double angle, const QColor& c)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(len * 0.5, -len * 0.35, len, 0);
    leaf.quadTo(len * 0.5, len * 0.35, 0, 0);
    NoPen(p, c);
    p.drawPath(leaf);
    p.setPen(QPen(c.darker(140), 0.4));
    p.drawLine(QPointF(0, 0), QPointF(len * 0.85, 0));
    p.restore();
}

// ---- Flowers
void Daisies(QPainter& p)
{
    p.fillRect(kPanel, QColor(0xC8, 0x3E, 0x6A));
    for (int row = -1; row < 9; ++row)
        for (int col = -1; col < 6; ++col) {
            const QPointF at(kPanel.left() + 6 + col * 13 + (row % 2 ? 6.5 : 0), kPanel.top() + 5 + row * 11);
            Flower(p, at, 5.2, 8, QColor(0xFF, 0xF6, 0xF0), QColor(0xF2, 0xB8, 0x22), row * 11.0);
        }
}

void Sunflower(QPainter& p)
{
    QRadialGradient sky(kCentre, 48);
    sky.setColorAt(0, QColor(0x3F, 0x7F, 0xC8));
    sky.setColorAt(1, QColor(0x1D, 0x3F, 0x7A));
    p.fillRect(kPanel, sky);
    // Small flowers in the corners, a large one in the middle.
    for (QPointF c : {QPointF(14, 14), QPointF(57, 14), QPointF(14, 82), QPointF(57, 82)})
        Flower(p, c, 6, 6, QColor(0xFF, 0xE0, 0x70), QColor(0xB0, 0x5A, 0x1A));
    Leaf(p, QPointF(35.5, 62), 16, 35, QColor(0x3C, 0x9A, 0x3C));
    Leaf(p, QPointF(35.5, 62), 16, 145, QColor(0x3C, 0x9A, 0x3C));
    p.setPen(QPen(QColor(0x3C, 0x9A, 0x3C), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(35.5, 48), QPointF(35.5, 88));
    NoPen(p, QColor(0xF6, 0xC0, 0x20));
    for (int i = 0; i < 16; ++i) {
        p.save();
        p.translate(35.5, 42);
        p.rotate(22.5 * i);
        QPainterPath petal;
        petal.moveTo(0, -6);
        petal.quadTo(3.2, -13, 0, -19);
        petal.quadTo(-3.2, -13, 0, -6);
        p.drawPath(petal);
        p.restore();
    }
    NoPen(p, QColor(0x6B, 0x3A, 0x16));
    p.drawEllipse(QPointF(35.5, 42), 8, 8);
    NoPen(p, QColor(0x3A, 0x1E, 0x0A));
    for (int i = 0; i < 21; ++i) { // seeds on a golden-angle spiral
        const double a = i * 2.39996, r = 1.6 * std::sqrt(i + 0.5);
        p.drawEllipse(QPointF(35.5 + r * std::cos(a), 42 + r * std::sin(a)), 0.7, 0.7);
    }
}

void Tulip(QPainter& p, QPointF base, const QColor& bloom)
{
    p.setPen(QPen(QColor(0x2F, 0x7A, 0x2F), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, base + QPointF(0, -9));
    Leaf(p, base, 6, -60, QColor(0x3F, 0x96, 0x3F));
    Leaf(p, base, 6, -120, QColor(0x3F, 0x96, 0x3F));
    QPainterPath cup;
    const QPointF top = base + QPointF(0, -9);
    cup.moveTo(top + QPointF(-3.6, -5.5));
    cup.lineTo(top + QPointF(-1.8, -3.4));
    cup.lineTo(top + QPointF(0, -6));
    cup.lineTo(top + QPointF(1.8, -3.4));
    cup.lineTo(top + QPointF(3.6, -5.5));
    cup.quadTo(top + QPointF(4.2, 0.6), top);
    cup.quadTo(top + QPointF(-4.2, 0.6), top + QPointF(-3.6, -5.5));
    NoPen(p, bloom);
    p.drawPath(cup);
}

void Tulips(QPainter& p)
{
    QLinearGradient g(kPanel.topLeft(), kPanel.bottomLeft());
    g.setColorAt(0, QColor(0xF4, 0xEC, 0xD0));
    g.setColorAt(1, QColor(0xE6, 0xD8, 0xB0));
    p.fillRect(kPanel, g);
    const QColor blooms[] = {QColor(0xD8, 0x2A, 0x3A), QColor(0xF0, 0xB0, 0x1C), QColor(0xB0, 0x3A, 0xA8)};
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 5; ++col) {
            const double x = kPanel.left() + 7 + col * 12.5 + (row % 2 ? 6 : 0);
            Tulip(p, QPointF(x, kPanel.top() + 17 + row * 14.5), blooms[(row + col) % 3]);
        }
}

// ---- Garden
void Trellis(QPainter& p)
{
    p.fillRect(kPanel, QColor(0x1E, 0x4D, 0x2B));
    p.setPen(QPen(QColor(0xEF, 0xE8, 0xD6), 1.4));
    constexpr double step = 10;
    for (double d = -100; d < 100; d += step) {
        p.drawLine(QPointF(kCentre.x() + d - 60, kCentre.y() - 60), QPointF(kCentre.x() + d + 60, kCentre.y() + 60));
        p.drawLine(QPointF(kCentre.x() + d + 60, kCentre.y() - 60), QPointF(kCentre.x() + d - 60, kCentre.y() + 60));
    }
    // Ivy leaves at the crossings.
    for (double y = kCentre.y() - 50; y < kCentre.y() + 50; y += step)
        for (double x = kCentre.x() - 50; x < kCentre.x() + 50; x += step) {
            const int k = int(std::lround((x + y * 3) / step));
            if (k % 3 == 0)
                continue;
            Leaf(p, QPointF(x, y + step / 2), 5.5, (k % 4) * 90.0 + 45, k % 2 ? QColor(0x5C, 0xB0, 0x4A) : QColor(0x3E, 0x92, 0x3A));
        }
}

void Parterre(QPainter& p)
{
    p.fillRect(kPanel, QColor(0xD9, 0xC7, 0x9A)); // gravel paths
    const QColor hedge(0x2E, 0x7A, 0x36), lawn(0x6C, 0xB0, 0x52);
    // Four beds around a fountain, each a lawn edged with hedge.
    const double w = 24, h = 36, gap = 4;
    for (int i = 0; i < 4; ++i) {
        const double x = i % 2 ? kCentre.x() + gap : kCentre.x() - gap - w;
        const double y = i / 2 ? kCentre.y() + gap : kCentre.y() - gap - h;
        QPainterPath bed;
        bed.addRoundedRect(QRectF(x, y, w, h), 3, 3);
        QPainterPath cut;
        cut.addEllipse(kCentre, 11, 11);
        bed = bed.subtracted(cut);
        p.setPen(QPen(hedge, 2.4));
        p.setBrush(lawn);
        p.drawPath(bed);
        NoPen(p, hedge);
        const QPointF c(x + w / 2, y + h / 2 + (i / 2 ? 3 : -3));
        p.drawEllipse(c, 3.2, 3.2); // a clipped shrub in each bed
        Flower(p, c + QPointF(0, i / 2 ? 9 : -9), 4, 5, QColor(0xE8, 0x4A, 0x6A), QColor(0xFF, 0xE0, 0x60));
    }
    QRadialGradient water(kCentre, 8);
    water.setColorAt(0, QColor(0xB8, 0xE4, 0xF8));
    water.setColorAt(1, QColor(0x3A, 0x8C, 0xC8));
    p.setPen(QPen(QColor(0xF2, 0xEE, 0xE2), 1.6));
    p.setBrush(water);
    p.drawEllipse(kCentre, 8, 8);
    NoPen(p, QColor(0xF2, 0xEE, 0xE2));
    p.drawEllipse(kCentre, 1.6, 1.6);
}

// ---- Geometry
void Argyle(QPainter& p)
{
    p.fillRect(kPanel, QColor(0x1E, 0x2F, 0x5C));
    const double dw = 15.5, dh = 21.75;
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col) {
            const QPointF c(kPanel.left() + col * dw, kPanel.top() + row * dh);
            const bool light = (row + col) % 2 == 0;
            QPolygonF d;
            d << c + QPointF(0, -dh / 2) << c + QPointF(dw / 2, 0) << c + QPointF(0, dh / 2) << c + QPointF(-dw / 2, 0);
            NoPen(p, light ? QColor(0x3B, 0x6F, 0xB8) : QColor(0x8C, 0x1C, 0x2C));
            p.drawPolygon(d);
        }
    p.setPen(QPen(QColor(0xF0, 0xE6, 0xC8), 0.6, Qt::DashLine));
    for (int k = -6; k < 12; ++k) {
        const double x = kPanel.left() + k * dw - dw / 2;
        p.drawLine(QPointF(x, kPanel.top()), QPointF(x + dw * 4, kPanel.top() + dh * 4));
        p.drawLine(QPointF(x + dw * 4, kPanel.top()), QPointF(x, kPanel.top() + dh * 4));
    }
}

void Honeycomb(QPainter& p)
{
    p.fillRect(kPanel, QColor(0x7A, 0x4A, 0x0E));
    const double r = 6.0, w = std::sqrt(3.0) * r;
    for (int row = -1; row < 12; ++row)
        for (int col = -1; col < 7; ++col) {
            const QPointF c(kPanel.left() + col * w + (row % 2 ? w / 2 : 0), kPanel.top() + row * r * 1.5);
            QPolygonF hex;
            for (int i = 0; i < 6; ++i) {
                const double a = (60.0 * i + 30) * 3.141592653589793 / 180;
                hex << c + QPointF(std::cos(a), std::sin(a)) * (r - 0.7);
            }
            QRadialGradient g(c + QPointF(-1.5, -1.5), r);
            const bool deep = (row * 7 + col * 3) % 5 == 0;
            g.setColorAt(0, deep ? QColor(0xF8, 0xC8, 0x50) : QColor(0xFC, 0xE0, 0x8A));
            g.setColorAt(1, deep ? QColor(0xD8, 0x8C, 0x14) : QColor(0xE8, 0xAA, 0x30));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawPolygon(hex);
        }
}

void Cubes(QPainter& p)
{
    p.fillRect(kPanel, QColor(0x22, 0x22, 0x2A));
    const double s = 8.0, w = std::sqrt(3.0) * s;
    const QColor top(0xE8, 0xE4, 0xD8), left(0x2C, 0x8C, 0x8C), right(0x1A, 0x4E, 0x5E);
    for (int row = -1; row < 10; ++row)
        for (int col = -1; col < 6; ++col) {
            const QPointF c(kPanel.left() + col * w + (row % 2 ? w / 2 : 0), kPanel.top() + row * s * 1.5);
            const QPointF up = c + QPointF(0, -s), ul = c + QPointF(-w / 2, -s / 2), ur = c + QPointF(w / 2, -s / 2);
            const QPointF dl = c + QPointF(-w / 2, s / 2), dr = c + QPointF(w / 2, s / 2), dn = c + QPointF(0, s);
            NoPen(p, top);
            p.drawPolygon(QPolygonF({c, ul, up, ur}));
            NoPen(p, left);
            p.drawPolygon(QPolygonF({c, ul, dl, dn}));
            NoPen(p, right);
            p.drawPolygon(QPolygonF({c, ur, dr, dn}));
        }
}

// ---- Misc
void BorderRule(QPainter& p, const QColor& c, double inset)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 1.0));
    p.drawRoundedRect(kPanel.adjusted(inset, inset, -inset, -inset), 2, 2);
}

void Medallion(QPainter& p, const QColor& fill, const QColor& ink)
{
    p.setPen(QPen(ink, 1.0));
    p.setBrush(fill);
    p.drawEllipse(kCentre, 10, 12);
    NoPen(p, ink);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(kCentre);
        p.rotate(90.0 * i);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.quadTo(3.4, -4.5, 0, -8.5);
        petal.quadTo(-3.4, -4.5, 0, 0);
        p.drawPath(petal);
        p.restore();
    }
    p.setBrush(fill);
    p.drawEllipse(kCentre, 1.6, 1.6);
}

void ClassicBlue(QPainter& p)
{
    const QColor ground(0x1B, 0x4A, 0x9A), line(0x6C, 0x9A, 0xDE), rule(0xF4, 0xF1, 0xE8);
    p.fillRect(kPanel, ground);
    p.setPen(QPen(line, 0.7));
    constexpr double step = 4.0;
    for (double d = -120; d < 120; d += step) {
        p.drawLine(QPointF(d, 0), QPointF(d + 100, 100));
        p.drawLine(QPointF(d + 100, 0), QPointF(d, 100));
    }
    BorderRule(p, rule, 2.5);
    BorderRule(p, rule, 4.5);
    Medallion(p, ground, rule);
}

void Rosette(QPainter& p)
{
    const QColor ground(0x8E, 0x14, 0x24), gold(0xE8, 0xC0, 0x60);
    p.fillRect(kPanel, ground);
    // Overlapping circles, each through its neighbours' centres.
    const double r = 7.0, w = std::sqrt(3.0) * r;
    p.setPen(QPen(gold, 0.6));
    p.setBrush(Qt::NoBrush);
    for (int row = -2; row < 16; ++row)
        for (int col = -2; col < 8; ++col)
            p.drawEllipse(QPointF(kCentre.x() + col * w - 3 * w + (row % 2 ? w / 2 : 0), kCentre.y() + (row - 7) * r * 1.5), r, r);
    BorderRule(p, gold, 2.5);
}

void Tartan(QPainter& p)
{
    p.fillRect(kPanel, QColor(0x1C, 0x4A, 0x30));
    struct Stripe {
        double at, width;
        QColor c;
    };
    const Stripe stripes[] = {{0, 8, QColor(0xB0, 0x1E, 0x2A, 200)}, {11, 3, QColor(0x10, 0x1C, 0x40, 200)},
                              {15, 1.2, QColor(0xF2, 0xD0, 0x40, 230)}, {18, 3, QColor(0x10, 0x1C, 0x40, 200)}};
    const double repeat = 24;
    for (double base = kPanel.left() - repeat; base < kPanel.right(); base += repeat)
        for (const Stripe& s : stripes)
            p.fillRect(QRectF(base + s.at, kPanel.top(), s.width, kPanel.height()), s.c);
    for (double base = kPanel.top() - repeat; base < kPanel.bottom(); base += repeat)
        for (const Stripe& s : stripes)
            p.fillRect(QRectF(kPanel.left(), base + s.at, kPanel.width(), s.width), s.c);
    // The twill: fine diagonal lines give the woven look.
    p.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
    for (double d = -100; d < 100; d += 1.5)
        p.drawLine(QPointF(d, 0), QPointF(d + 100, 100));
}

// ---- Nature
void Seigaiha(QPainter& p)
{
    p.fillRect(kPanel, QColor(0x16, 0x3C, 0x78));
    const double r = 9.0;
    const QColor rings[] = {QColor(0x1E, 0x5A, 0xA8), QColor(0xF4, 0xF6, 0xFA), QColor(0x2A, 0x78, 0xC4),
                            QColor(0xF4, 0xF6, 0xFA), QColor(0x16, 0x3C, 0x78)};
    for (int row = 0; row < 24; ++row)
        for (int col = -1; col < 6; ++col) {
            const QPointF c(kPanel.left() + col * 2 * r + (row % 2 ? r : 0), kPanel.top() + row * r / 2);
            for (int k = 0; k < 5; ++k) {
                NoPen(p, rings[k]);
                const double rr = r * (1 - k * 0.2);
                p.drawPie(QRectF(c.x() - rr, c.y() - rr, 2 * rr, 2 * rr), 0, 180 * 16);
            }
        }
}

void Mountains(QPainter& p)
{
    QLinearGradient sky(kPanel.topLeft(), kPanel.bottomLeft());
    sky.setColorAt(0, QColor(0xF0, 0x8A, 0x4A));
    sky.setColorAt(0.45, QColor(0xF8, 0xD0, 0x8A));
    sky.setColorAt(1, QColor(0x8A, 0xB8, 0xD8));
    p.fillRect(kPanel, sky);
    NoPen(p, QColor(0xFF, 0xF2, 0xC8));
    p.drawEllipse(QPointF(46, 30), 8, 8);
    auto ridge = [&](const std::vector<QPointF>& pts, const QColor& c) {
        QPainterPath path;
        path.moveTo(kPanel.left(), kPanel.bottom());
        for (const QPointF& pt : pts)
            path.lineTo(pt);
        path.lineTo(kPanel.right(), kPanel.bottom());
        path.closeSubpath();
        NoPen(p, c);
        p.drawPath(path);
    };
    ridge({{4, 56}, {16, 40}, {24, 48}, {36, 30}, {50, 50}, {58, 44}, {67, 54}}, QColor(0x8A, 0x7A, 0xA8));
    // Snow on the highest peak.
    NoPen(p, QColor(0xF8, 0xF8, 0xFF));
    p.drawPolygon(QPolygonF({QPointF(36, 30), QPointF(40.5, 36.5), QPointF(37, 35), QPointF(34, 37.5), QPointF(31.5, 36)}));
    ridge({{4, 66}, {14, 56}, {26, 64}, {42, 52}, {56, 62}, {67, 58}}, QColor(0x4E, 0x6A, 0x8C));
    ridge({{4, 74}, {20, 68}, {34, 74}, {50, 66}, {67, 72}}, QColor(0x2C, 0x5A, 0x4A));
    QLinearGradient lake(QPointF(0, 78), QPointF(0, 92));
    lake.setColorAt(0, QColor(0x6A, 0xA8, 0xD0));
    lake.setColorAt(1, QColor(0x2A, 0x5E, 0x90));
    p.fillRect(QRectF(kPanel.left(), 78, kPanel.width(), kPanel.bottom() - 78), lake);
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.6));
    for (double y = 81; y < 91; y += 3)
        p.drawLine(QPointF(14 + y / 3, y), QPointF(30 + y / 4, y));
}

void AutumnLeaves(QPainter& p)
{
    p.fillRect(kPanel, QColor(0x4A, 0x2C, 0x18));
    const QColor tints[] = {QColor(0xE0, 0x6A, 0x1C), QColor(0xC8, 0x2C, 0x1C), QColor(0xE8, 0xB0, 0x28),
                            QColor(0x9A, 0x4A, 0x1A)};
    int k = 0;
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 5; ++col, ++k) {
            const QPointF at(kPanel.left() + 2 + col * 13 + (row % 2 ? 6.5 : 0), kPanel.top() + 4 + row * 11.5);
            Leaf(p, at, 11, (k * 67) % 360, tints[(k * 3 + row) % 4]);
        }
}

void NightSky(QPainter& p)
{
    QLinearGradient sky(kPanel.topLeft(), kPanel.bottomLeft());
    sky.setColorAt(0, QColor(0x0A, 0x12, 0x36));
    sky.setColorAt(1, QColor(0x24, 0x3C, 0x7A));
    p.fillRect(kPanel, sky);
    QPainterPath moon;
    moon.addEllipse(QPointF(35.5, 40), 13, 13);
    QPainterPath bite;
    bite.addEllipse(QPointF(42, 35), 11.5, 11.5);
    NoPen(p, QColor(0xFF, 0xF0, 0xB8));
    p.drawPath(moon.subtracted(bite));
    const QPointF stars[] = {{12, 14}, {25, 22}, {55, 14}, {60, 30}, {14, 44}, {52, 56}, {20, 66},
                             {40, 72}, {58, 78}, {12, 84}, {30, 86}, {46, 24}, {22, 52}, {62, 66}};
    for (size_t i = 0; i < std::size(stars); ++i) {
        const double r = i % 3 == 0 ? 2.2 : 1.3;
        QPainterPath star;
        for (int j = 0; j < 8; ++j) {
            const double a = j * 3.141592653589793 / 4;
            const double rr = j % 2 ? r * 0.35 : r;
            const QPointF pt = stars[i] + QPointF(std::cos(a), std::sin(a)) * rr;
            j ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        NoPen(p, QColor(0xFF, 0xFA, 0xE0));
        p.drawPath(star);
    }
    // Hills at the foot of the sky.
    QPainterPath hill;
    hill.moveTo(kPanel.left(), kPanel.bottom());
    hill.lineTo(kPanel.left(), 84);
    hill.quadTo(26, 74, 42, 82);
    hill.quadTo(56, 78, kPanel.right(), 80);
    hill.lineTo(kPanel.right(), kPanel.bottom());
    hill.closeSubpath();
    NoPen(p, QColor(0x0A, 0x1A, 0x20));
    p.drawPath(hill);
}

using BackPainter = void (*)(QPainter&);
const std::map<int, BackPainter>& Backs()
{
    static const std::map<int, BackPainter> backs{
        {501, Daisies},  {502, Sunflower}, {503, Tulips},   {511, Trellis},      {512, Parterre},
        {521, Argyle},   {522, Honeycomb}, {523, Cubes},    {531, ClassicBlue},  {532, Rosette},
        {533, Tartan},   {541, Seigaiha},  {542, Mountains}, {543, AutumnLeaves}, {544, NightSky},
    };
    return backs;
}
} // namespace

bool PaintBack(QPainter& p, int id)
{
    const auto it = Backs().find(id);
    if (it == Backs().end())
        return false;
    p.save();
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(kCard, kCardCornerRadius, kCardCornerRadius);
    p.setClipPath(PanelPath());
    it->second(p);
    p.setClipping(false);
    p.setPen(QPen(QColor(0, 0, 0, 90), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(PanelPath());
    p.restore();
    return true;
}

} // namespace solvane
