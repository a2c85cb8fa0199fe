#include "mcourt.h"

#include "martmetrics.h"
#include "mfaces.h"
#include "msuits.h"

#include <QPainter>
#include <QPainterPath>

namespace solvane {

namespace {
// The frame, and one half of it (the figure's own box: its bottom is the card's middle).
constexpr double kFrameLeft = 13.5;
constexpr double kFrameTop = 11.5;
constexpr double kFrameWidth = kCardPixelWidth - 2 * kFrameLeft;
constexpr double kFrameHeight = kCardPixelHeight - 2 * kFrameTop;
constexpr double kHalf = kFrameHeight / 2;
constexpr double kCx = kFrameWidth / 2; // the figure's axis
constexpr double kOutline = 0.55;

const QColor kGold(0xE3, 0xB3, 0x2A);
const QColor kRed(0xC8, 0x20, 0x2F);
const QColor kBlue(0x2F, 0x5F, 0xB3);
const QColor kNavy(0x26, 0x32, 0x4F);
const QColor kSkin(0xF6, 0xD5, 0xB5);
const QColor kLine(0x3A, 0x2A, 0x1A);
const QColor kSteel(0xDD, 0xE2, 0xEA);
const QColor kWood(0x7A, 0x4E, 0x26);
const QColor kLeaf(0x2E, 0x7D, 0x32);
const QColor kPaper(0xFC, 0xF6, 0xE4);

struct Palette {
    QColor Robe, Trim, Accent, Hair;
};

Palette SuitPalette(int suit)
{
    switch (suit) {
    case kClubs: return {kBlue, kGold, kRed, QColor(0x5A, 0x3A, 0x20)};
    case kDiamonds: return {kRed, kGold, kBlue, QColor(0xC9, 0x9A, 0x3A)};
    case kSpades: return {kNavy, kGold, kRed, QColor(0x3A, 0x2A, 0x1E)};
    default: return {kRed, kBlue, kGold, QColor(0xB8, 0x7A, 0x2E)};
    }
}

void Fill(QPainter& p, const QPainterPath& path, const QColor& c)
{
    p.setPen(QPen(kLine, kOutline));
    p.setBrush(c);
    p.drawPath(path);
}

void Disc(QPainter& p, QPointF at, double r, const QColor& c, bool outline = true)
{
    p.setPen(outline ? QPen(kLine, kOutline) : QPen(Qt::NoPen));
    p.setBrush(c);
    p.drawEllipse(at, r, r);
}

// Shoulders and robe down to the middle of the card; `inset` narrows the shoulders.
void Robe(QPainter& p, const Palette& pal, double inset)
{
    QPainterPath robe;
    robe.moveTo(5 + inset, kHalf + 1);
    robe.lineTo(5 + inset, 28);
    robe.quadTo(6 + inset, 21, 15, 19.5);
    robe.lineTo(kFrameWidth - 15, 19.5);
    robe.quadTo(kFrameWidth - 6 - inset, 21, kFrameWidth - 5 - inset, 28);
    robe.lineTo(kFrameWidth - 5 - inset, kHalf + 1);
    robe.closeSubpath();
    Fill(p, robe, pal.Robe);
    // A band of trim down the front, studded with the accent colour.
    QPainterPath band;
    band.addRect(QRectF(kCx - 2.2, 22, 4.4, kHalf - 21));
    Fill(p, band, pal.Trim);
    for (double y = 25; y < kHalf; y += 4.5)
        Disc(p, QPointF(kCx, y), 0.9, pal.Accent, false);
}

void Face(QPainter& p)
{
    QPainterPath face;
    face.addEllipse(QPointF(kCx, 12.6), 4.8, 5.5);
    Fill(p, face, kSkin);
    p.setPen(Qt::NoPen);
    p.setBrush(kLine);
    p.drawEllipse(QPointF(kCx - 1.7, 11.6), 0.55, 0.55);
    p.drawEllipse(QPointF(kCx + 1.7, 11.6), 0.55, 0.55);
    p.setPen(QPen(kLine, 0.45));
    p.drawLine(QPointF(kCx, 12.2), QPointF(kCx - 0.5, 14.0));
}

void Hand(QPainter& p, QPointF at) { Disc(p, at, 1.8, kSkin); }

// An arm from the shoulder to the hand, in a sleeve a shade darker than the robe, with a
// cuff of trim at the wrist.
void Arm(QPainter& p, const Palette& pal, QPointF shoulder, QPointF elbow, QPointF hand)
{
    QPainterPath arm;
    arm.moveTo(shoulder);
    arm.quadTo(elbow, hand);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLine, 5.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.setPen(QPen(pal.Robe.darker(125), 3.9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    const QPointF cuff = hand + (elbow - hand) * 0.28;
    p.setPen(QPen(pal.Trim, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(hand + (cuff - hand) * 0.6, cuff);
    Hand(p, hand);
}

void King(QPainter& p, const Palette& pal)
{
    Robe(p, pal, 0);
    // Ermine collar.
    QPainterPath collar;
    collar.addRoundedRect(QRectF(kCx - 10.5, 18.2, 21, 4.6), 2.2, 2.2);
    Fill(p, collar, Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(kLine);
    for (double x = kCx - 7; x <= kCx + 7.5; x += 3.5)
        p.drawEllipse(QPointF(x, 20.5), 0.45, 0.7);

    Disc(p, QPointF(kCx, 12), 6, pal.Hair);
    Face(p);
    QPainterPath beard;
    beard.moveTo(kCx - 4.5, 12.8);
    beard.quadTo(kCx - 4.6, 21, kCx, 22.6);
    beard.quadTo(kCx + 4.6, 21, kCx + 4.5, 12.8);
    beard.quadTo(kCx + 2.2, 15.8, kCx, 15.6);
    beard.quadTo(kCx - 2.2, 15.8, kCx - 4.5, 12.8);
    beard.closeSubpath();
    Fill(p, beard, QColor(0xE2, 0xE2, 0xE2));

    // Crown: a band with five points and a jewel.
    QPainterPath crown;
    crown.moveTo(kCx - 5.6, 7.4);
    crown.lineTo(kCx - 5.6, 1.6);
    crown.lineTo(kCx - 2.8, 4.2);
    crown.lineTo(kCx, 0.6);
    crown.lineTo(kCx + 2.8, 4.2);
    crown.lineTo(kCx + 5.6, 1.6);
    crown.lineTo(kCx + 5.6, 7.4);
    crown.closeSubpath();
    Fill(p, crown, kGold);
    Disc(p, QPointF(kCx, 5.8), 0.9, pal.Accent);
    for (double dx : {-5.6, 0.0, 5.6})
        Disc(p, QPointF(kCx + dx, dx == 0 ? 0.6 : 1.6), 0.6, kGold);

    // Sword held upright at the figure's side.
    const double sx = kFrameWidth - 7.5;
    QPainterPath blade;
    blade.moveTo(sx, 0.5);
    blade.lineTo(sx + 1.1, 2.5);
    blade.lineTo(sx + 1.1, 23.6);
    blade.lineTo(sx - 1.1, 23.6);
    blade.lineTo(sx - 1.1, 2.5);
    blade.closeSubpath();
    Fill(p, blade, kSteel);
    QPainterPath guard;
    guard.addRoundedRect(QRectF(sx - 3.6, 23.4, 7.2, 1.6), 0.8, 0.8);
    Fill(p, guard, kGold);
    QPainterPath grip;
    grip.addRect(QRectF(sx - 0.8, 25, 1.6, 5));
    Fill(p, grip, kWood);
    Disc(p, QPointF(sx, 30.8), 1.1, kGold);
    Arm(p, pal, QPointF(kCx + 8.5, 22), QPointF(kCx + 10, 29), QPointF(sx, 27.3));
    Arm(p, pal, QPointF(kCx - 8.5, 22), QPointF(kCx - 10, 32), QPointF(kCx - 3.5, 31));
}

void Queen(QPainter& p, const Palette& pal)
{
    // Long hair falls behind the shoulders.
    QPainterPath hair;
    hair.addRoundedRect(QRectF(kCx - 7, 7, 14, 17), 6, 6);
    Fill(p, hair, pal.Hair);
    Robe(p, pal, 1.5);
    QPainterPath neckline;
    neckline.moveTo(kCx - 6, 19.5);
    neckline.quadTo(kCx, 27, kCx + 6, 19.5);
    neckline.closeSubpath();
    Fill(p, neckline, kSkin);
    for (int i = 0; i <= 6; ++i) { // pearls along the neckline
        const double t = i / 6.0;
        const double x = kCx - 5.2 + 10.4 * t;
        const double y = 20.4 + 4.6 * (1 - (2 * t - 1) * (2 * t - 1));
        Disc(p, QPointF(x, y), 0.65, Qt::white);
    }
    Face(p);
    Disc(p, QPointF(kCx, 15.6), 0.6, kRed, false);
    QPainterPath fringe;
    fringe.moveTo(kCx - 4.6, 11);
    fringe.quadTo(kCx - 4, 6.6, kCx, 6.8);
    fringe.quadTo(kCx + 4, 6.6, kCx + 4.6, 11);
    fringe.quadTo(kCx, 8.4, kCx - 4.6, 11);
    fringe.closeSubpath();
    Fill(p, fringe, pal.Hair);

    // Tiara: a band with three pearls and a jewel.
    QPainterPath tiara;
    tiara.addRoundedRect(QRectF(kCx - 5, 5.2, 10, 1.8), 0.9, 0.9);
    Fill(p, tiara, kGold);
    Disc(p, QPointF(kCx - 3, 4.4), 1.0, kGold);
    Disc(p, QPointF(kCx + 3, 4.4), 1.0, kGold);
    Disc(p, QPointF(kCx, 3.2), 1.4, kGold);
    Disc(p, QPointF(kCx, 3.2), 0.7, pal.Accent, false);

    // A rose on a stem, held in the hand.
    const QPointF rose(8.5, 15.5);
    p.setPen(QPen(kLeaf, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.2, 30), rose);
    QPainterPath leaf;
    leaf.addEllipse(QPointF(6.6, 22.5), 2.2, 1.0);
    Fill(p, leaf, kLeaf);
    for (int i = 0; i < 5; ++i) {
        QTransform t;
        t.translate(rose.x(), rose.y());
        t.rotate(72.0 * i);
        QPainterPath petal;
        petal.addEllipse(QPointF(0, -1.9), 1.5, 1.9);
        Fill(p, t.map(petal), pal.Accent == kGold ? kRed : pal.Accent);
    }
    Disc(p, rose, 1.0, kGold);
    Arm(p, pal, QPointF(kCx - 7.5, 22), QPointF(kCx - 10, 30), QPointF(9.3, 27.5));
    Arm(p, pal, QPointF(kCx + 7.5, 22), QPointF(kCx + 10, 32), QPointF(kCx + 3.5, 31));
}

void Jack(QPainter& p, const Palette& pal)
{
    Robe(p, pal, 2.5);
    // Collar: a zigzag of trim.
    QPainterPath collar;
    collar.moveTo(kCx - 8, 19.5);
    for (int i = 0; i <= 8; ++i)
        collar.lineTo(kCx - 8 + 2 * i, i % 2 ? 23.5 : 19.5);
    collar.closeSubpath();
    Fill(p, collar, pal.Trim);

    Disc(p, QPointF(kCx, 11.6), 5.4, pal.Hair);
    Face(p);
    // Cap with a band and a long feather.
    QPainterPath feather;
    feather.moveTo(kCx + 3, 5.5);
    feather.cubicTo(kCx + 9, 0.5, kCx + 14, 0.8, kCx + 16, 4.5);
    feather.cubicTo(kCx + 12, 2.8, kCx + 8, 3.8, kCx + 3.5, 7);
    feather.closeSubpath();
    Fill(p, feather, Qt::white);
    QPainterPath cap;
    cap.addEllipse(QPointF(kCx, 5.6), 7, 3.2);
    Fill(p, cap, pal.Accent == kGold ? kRed : pal.Accent);
    QPainterPath capBand;
    capBand.addRoundedRect(QRectF(kCx - 5.4, 6.4, 10.8, 1.6), 0.8, 0.8);
    Fill(p, capBand, pal.Trim);

    // Halberd: a staff with an axe head and a spike.
    const double hx = 7.5;
    QPainterPath staff;
    staff.addRect(QRectF(hx - 0.7, 2, 1.4, kHalf - 1.5));
    Fill(p, staff, kWood);
    QPainterPath head;
    head.moveTo(hx, 3);
    head.lineTo(hx - 4.8, 4.2);
    head.quadTo(hx - 5.6, 7, hx - 4.8, 9.8);
    head.lineTo(hx, 8.2);
    head.closeSubpath();
    head.moveTo(hx - 0.9, 3);
    head.lineTo(hx, -0.2);
    head.lineTo(hx + 0.9, 3);
    head.closeSubpath();
    Fill(p, head, kSteel);
    Arm(p, pal, QPointF(kCx - 7, 22), QPointF(kCx - 9, 29.5), QPointF(hx, 26.5));
    Arm(p, pal, QPointF(kCx + 7, 22), QPointF(kCx + 10, 32), QPointF(kCx + 3.5, 31));
}

void Half(QPainter& p, int suit, int num)
{
    const Palette pal = SuitPalette(suit);
    p.save();
    p.translate(kFrameLeft, kFrameTop);
    p.setClipRect(QRectF(0, 0, kFrameWidth, kHalf));
    switch (num) {
    case kJack: Jack(p, pal); break;
    case kQueen: Queen(p, pal); break;
    default: King(p, pal); break;
    }
    // The suit stands in the frame's corner, beside the figure's head.
    p.setPen(Qt::NoPen);
    p.setBrush(SuitInk(suit));
    const double x = num == kJack ? kFrameWidth - 5.2 : 5.2;
    p.drawPath(SuitPath(suit, QPointF(x, num == kJack ? 12.5 : 5.5), 7.0));
    p.restore();
}
} // namespace

void PaintCourt(QPainter& p, int suit, int num)
{
    p.save();
    const QRectF frame(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawRect(frame);
    Half(p, suit, num);
    p.translate(kCardPixelWidth, kCardPixelHeight);
    p.rotate(180);
    Half(p, suit, num);
    p.restore();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(SuitInk(suit), 0.9));
    p.drawRect(frame);
    p.setPen(QPen(SuitInk(suit), 0.5));
    p.drawLine(QPointF(kFrameLeft, kCardPixelHeight / 2.0),
               QPointF(kFrameLeft + kFrameWidth, kCardPixelHeight / 2.0));
    p.restore();
}

} // namespace solvane
