#include "vexdeck.h"

#include "ccard.h"
#include "mitempaint.h"

#include <QPainter>

#include <algorithm>

namespace solvane {

namespace {
const QColor kEdgeFill(0xf4, 0xf1, 0xe8);
const QColor kEdgeLine(0x70, 0x70, 0x70);
constexpr double kLineTwips = 15; // a pixel at the layout's size
} // namespace

VexDeck::VexDeck()
{
    setAcceptedMouseButtons(Qt::NoButton);
    hide();
}

void VexDeck::SetCards(int cards)
{
    const int edges = std::clamp(cards > 1 ? (cards + kCardsPerEdge - 1) / kCardsPerEdge : 0, 0,
                                 kMaxReach / kEdgeStep);
    if (edges == edges_)
        return;
    prepareGeometryChange();
    edges_ = edges;
    setVisible(edges_ > 0);
}

QRectF VexDeck::boundingRect() const
{
    const double reach = edges_ * kEdgeStep + kLineTwips;
    return QRectF(-reach, -reach, kCardWidth + reach, kCardHeight + reach);
}

void VexDeck::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(kEdgeLine, kLineTwips));
    painter->setBrush(kEdgeFill);
    // The cards under the top one, the lowest first, each a step further up and left.
    for (int i = edges_; i >= 1; --i)
        painter->drawPath(CardOutline(QRectF(-i * kEdgeStep, -i * kEdgeStep, kCardWidth, kCardHeight)));
    painter->restore();
}

} // namespace solvane
