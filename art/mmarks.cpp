#include "mmarks.h"

#include "cpictures.h"
#include "martmetrics.h"
#include "mfaces.h"
#include "mglyphs.h"
#include "msuits.h"

#include <QPainter>

namespace solvane {

namespace {
constexpr double kMidX = kCardPixelWidth / 2.0;
constexpr double kMidY = kCardPixelHeight / 2.0;
// White ink and a dark rim, both translucent: the white shows on dark tables, the rim on
// light ones (paper, marble), and the table shows through either way.
const QColor kShade(0, 0, 0, 28);
const QColor kFill(255, 255, 255, 38);
const QColor kRim(255, 255, 255, 150);
const QColor kShadowRim(0, 0, 0, 110);
const QColor kInk(255, 255, 255, 165);

void Outline(QPainter& p)
{
    const QRectF card(0.5, 0.5, kCardPixelWidth - 1.0, kCardPixelHeight - 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kShade);
    p.drawRoundedRect(card, kCardCornerRadius, kCardCornerRadius);
    p.setBrush(kFill);
    p.setPen(QPen(kShadowRim, 1.0));
    p.drawRoundedRect(card, kCardCornerRadius, kCardCornerRadius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRim, 1.2, Qt::DashLine));
    p.drawRoundedRect(QRectF(2.5, 2.5, kCardPixelWidth - 5.0, kCardPixelHeight - 5.0),
                      kCardCornerRadius - 1.5, kCardCornerRadius - 1.5);
}

void Rank(QPainter& p, int num)
{
    const double h = 30.0;
    p.setPen(QPen(kShadowRim, 1.0));
    p.setBrush(kInk);
    p.drawPath(GlyphPath(RankText(num), QRectF(kMidX - 24, kMidY - h / 2, 48, h)));
}

// A die showing five: chance decides the base card.
void Random(QPainter& p)
{
    const QRectF die(kMidX - 15, kMidY - 15, 30, 30);
    p.setPen(QPen(kShadowRim, 3.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(die, 6, 6);
    p.setPen(QPen(kInk, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(die, 6, 6);
    p.setPen(QPen(kShadowRim, 0.8));
    p.setBrush(kInk);
    const double d = 7.5;
    for (QPointF c : {QPointF(-d, -d), QPointF(d, -d), QPointF(0, 0), QPointF(-d, d), QPointF(d, d)})
        p.drawEllipse(die.center() + c, 2.6, 2.6);
}

// The four suits in a square: any card will do.
void AnyCard(QPainter& p)
{
    p.setPen(QPen(kShadowRim, 0.8));
    p.setBrush(kInk);
    const double d = 11.0, h = 15.0;
    const QPointF at[] = {{kMidX - d, kMidY - d}, {kMidX + d, kMidY - d},
                          {kMidX + d, kMidY + d}, {kMidX - d, kMidY + d}};
    const int suits[] = {kSpades, kHearts, kClubs, kDiamonds};
    for (int i = 0; i < 4; ++i)
        p.drawPath(SuitPath(suits[i], at[i], h));
}
} // namespace

void PaintMark(QPainter& p, int mark)
{
    p.save();
    Outline(p);
    if (mark == kMarkRandom)
        Random(p);
    else if (mark == kMarkAny)
        AnyCard(p);
    else
        Rank(p, mark);
    p.restore();
}

} // namespace solvane
