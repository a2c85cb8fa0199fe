#include "mfaces.h"

#include "martmetrics.h"
#include "mcourt.h"
#include "mglyphs.h"
#include "msuits.h"

#include <QPainter>
#include <QString>

#include <array>
#include <vector>

namespace solvane {

namespace {
constexpr double kMidX = kCardPixelWidth / 2.0;
constexpr double kMidY = kCardPixelHeight / 2.0;

// The pip grid: three columns and rows from the top pip to the bottom one.
constexpr double kLeftCol = 21.5;
constexpr double kRightCol = kCardPixelWidth - kLeftCol;
constexpr double kTopRow = 17.0;
constexpr double kBottomRow = kCardPixelHeight - kTopRow;
constexpr double kPipHeight = 13.0;
constexpr double kAceHeight = 32.0;
constexpr double kSpadeAceHeight = 42.0;

// Corner index: the rank above a small suit symbol, both within the top 16 pixels, which
// is what a fanned tableau pile (250 twips apart) leaves visible of a covered card.
constexpr double kIndexCentreX = 7.4;
constexpr double kIndexTop = 2.3;
constexpr double kIndexHeight = 8.0;
constexpr double kIndexMaxWidth = 10.5;
constexpr double kIndexSuitY = 14.2;
constexpr double kIndexSuitHeight = 5.8;

struct Pip {
    double X, Y;
};

double Row(double fraction) { return kTopRow + (kBottomRow - kTopRow) * fraction; }

// The classic arrangement of pips for Two to Ten.
std::vector<Pip> PipLayout(int num)
{
    const double L = kLeftCol, R = kRightCol, C = kMidX;
    switch (num + 1) {
    case 2: return {{C, Row(0)}, {C, Row(1)}};
    case 3: return {{C, Row(0)}, {C, Row(0.5)}, {C, Row(1)}};
    case 4: return {{L, Row(0)}, {R, Row(0)}, {L, Row(1)}, {R, Row(1)}};
    case 5: return {{L, Row(0)}, {R, Row(0)}, {C, Row(0.5)}, {L, Row(1)}, {R, Row(1)}};
    case 6:
        return {{L, Row(0)}, {R, Row(0)}, {L, Row(0.5)}, {R, Row(0.5)}, {L, Row(1)}, {R, Row(1)}};
    case 7:
        return {{L, Row(0)},   {R, Row(0)}, {C, Row(0.25)}, {L, Row(0.5)},
                {R, Row(0.5)}, {L, Row(1)}, {R, Row(1)}};
    case 8:
        return {{L, Row(0)},   {R, Row(0)},    {C, Row(0.25)}, {L, Row(0.5)},
                {R, Row(0.5)}, {C, Row(0.75)}, {L, Row(1)},    {R, Row(1)}};
    case 9:
        return {{L, Row(0)},       {R, Row(0)},       {L, Row(1.0 / 3)}, {R, Row(1.0 / 3)},
                {C, Row(0.5)},     {L, Row(2.0 / 3)}, {R, Row(2.0 / 3)}, {L, Row(1)},
                {R, Row(1)}};
    case 10:
        return {{L, Row(0)},       {R, Row(0)},       {C, Row(1.0 / 6)}, {L, Row(1.0 / 3)},
                {R, Row(1.0 / 3)}, {L, Row(2.0 / 3)}, {R, Row(2.0 / 3)}, {C, Row(5.0 / 6)},
                {L, Row(1)},       {R, Row(1)}};
    default: return {};
    }
}

// A suit symbol; those below the middle stand on their heads, as on a printed card.
void DrawPip(QPainter& p, int suit, QPointF at, double height)
{
    if (at.y() > kMidY + 0.5) {
        p.save();
        p.translate(at);
        p.rotate(180);
        p.drawPath(SuitPath(suit, QPointF(0, 0), height));
        p.restore();
    } else {
        p.drawPath(SuitPath(suit, at, height));
    }
}

void DrawIndex(QPainter& p, int suit, int num)
{
    const QRectF box(kIndexCentreX - kIndexMaxWidth / 2, kIndexTop, kIndexMaxWidth, kIndexHeight);
    p.drawPath(GlyphPath(RankText(num), box));
    p.drawPath(SuitPath(suit, QPointF(kIndexCentreX, kIndexSuitY), kIndexSuitHeight));
}

void DrawBlank(QPainter& p)
{
    const QRectF card(0.5, 0.5, kCardPixelWidth - 1.0, kCardPixelHeight - 1.0);
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, kCardCornerRadius, kCardCornerRadius);
}

void DrawAce(QPainter& p, int suit)
{
    const bool spade = suit == kSpades;
    const double h = spade ? kSpadeAceHeight : kAceHeight;
    p.drawPath(SuitPath(suit, QPointF(kMidX, kMidY), h));
    if (spade) {
        // The ace of spades carries a ring of its own, as it traditionally does.
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(SuitInk(suit), 0.8));
        p.drawEllipse(QPointF(kMidX, kMidY), h * 0.64, h * 0.64);
        p.restore();
    }
}
} // namespace

QString RankText(int num)
{
    static const std::array<const char*, kFaceRanks> texts{"A", "2", "3", "4", "5", "6", "7",
                                                           "8", "9", "10", "J", "Q", "K"};
    return (num >= 0 && num < kFaceRanks) ? QString::fromLatin1(texts[num]) : QString();
}

void PaintFace(QPainter& p, int suit, int num)
{
    p.save();
    DrawBlank(p);
    const QColor ink = SuitInk(suit);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    DrawIndex(p, suit, num);
    p.save();
    p.translate(kCardPixelWidth, kCardPixelHeight);
    p.rotate(180);
    DrawIndex(p, suit, num);
    p.restore();

    if (num == 0)
        DrawAce(p, suit);
    else if (num >= kJack)
        PaintCourt(p, suit, num);
    else
        for (const Pip& pip : PipLayout(num))
            DrawPip(p, suit, QPointF(pip.X, pip.Y), kPipHeight);
    p.restore();
}

} // namespace solvane
