#include "vexglow.h"

#include "ccard.h"
#include "mitempaint.h"

#include <QPainter>

namespace solvane {

namespace {
const QRectF kCardRect(0, 0, kCardWidth, kCardHeight);
const QColor kTargetFill(255, 236, 140, 70);
const QColor kTargetLine(255, 226, 110, 220);
const QColor kFocusLine(40, 150, 255);
constexpr double kTargetPen = 45; // twips: three pixels at the layout's size
constexpr double kFocusPen = 60;
constexpr double kFocusOut = 45; // the focus frame stands this far outside the card
} // namespace

VexGlow::VexGlow(Style style) : style_(style)
{
    setAcceptedMouseButtons(Qt::NoButton);
    hide();
}

QRectF VexGlow::boundingRect() const
{
    const double out = kFocusOut + kFocusPen;
    return kCardRect.adjusted(-out, -out, out, out);
}

void VexGlow::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (style_ == Style::Target) {
        painter->setPen(QPen(kTargetLine, kTargetPen));
        painter->setBrush(kTargetFill);
        painter->drawPath(CardOutline(kCardRect.adjusted(kTargetPen / 2, kTargetPen / 2, -kTargetPen / 2, -kTargetPen / 2)));
    } else {
        painter->setPen(QPen(kFocusLine, kFocusPen, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(CardOutline(kCardRect.adjusted(-kFocusOut, -kFocusOut, kFocusOut, kFocusOut)));
    }
    painter->restore();
}

} // namespace solvane
