#include "vexcard.h"

#include "ccard.h"
#include "mitempaint.h"

#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>

namespace solvane {

namespace {
const QRectF kCardRect(0, 0, kCardWidth, kCardHeight);

// Every pixel's colour inverted; transparent corners stay transparent.
QPixmap Inverted(const QPixmap& pm)
{
    QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
    img.invertPixels(QImage::InvertRgb);
    QPixmap out = QPixmap::fromImage(img);
    out.setDevicePixelRatio(pm.devicePixelRatio());
    return out;
}
} // namespace

VexCard::VexCard(QGraphicsItem* parent) : QGraphicsObject(parent)
{
    setAcceptedMouseButtons(Qt::AllButtons);
    setAcceptHoverEvents(true);
    Refreshcard();
}

void VexCard::SetValue(int16_t suit, int16_t num, int16_t suitpile)
{
    suit_ = suit;
    num_ = num;
    suitpile_ = suitpile;
    Refreshcard();
}

void VexCard::SetLoc(int16_t cell, int16_t pile, int16_t pos)
{
    cell_ = cell;
    pile_ = pile;
    pos_ = pos;
}

void VexCard::DeckPic(const QPixmap& pic)
{
    if (pic.isNull())
        return;
    back_ = pic;
    Refreshcard();
}

void VexCard::MainPic(const QPixmap& pic)
{
    if (pic.isNull())
        return;
    face_ = pic;
    Refreshcard();
}

void VexCard::SetFaceMode(int32_t mode)
{
    if (mode == faceMode_)
        return;
    faceMode_ = mode;
    Refreshcard();
}

void VexCard::SetSelected(bool selected)
{
    if (selected == selected_)
        return;
    selected_ = selected;
    Refreshcard();
}

int VexCard::FacePicture() const { return suit_ * kRanks + num_ + 1; }

void VexCard::Refreshcard()
{
    if (faceMode_ == kFaceDownMode)
        shown_ = back_;
    else
        shown_ = selected_ && !face_.isNull() ? Inverted(face_) : face_;
    ++redraws_;
    update();
}

QRectF VexCard::boundingRect() const { return kCardRect; }

QPainterPath VexCard::shape() const { return CardOutline(kCardRect); }

void VexCard::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    DrawItemPicture(*painter, shown_, kCardRect);
}

// The event's own item position may still refer to where the card stood before the last
// move of a drag (the scene updates item transforms lazily), so it is taken afresh.
QPointF VexCard::LocalPos(QPointF scenePoint) const
{
    return scenePoint - scenePos();
}

void VexCard::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept(); // the card takes the following moves and the release of this press
    emit MouseDown(float(LocalPos(event->scenePos()).x()), float(LocalPos(event->scenePos()).y()));
}

void VexCard::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    emit MouseMove(float(LocalPos(event->scenePos()).x()), float(LocalPos(event->scenePos()).y()));
}

void VexCard::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    emit MouseUp(float(LocalPos(event->scenePos()).x()), float(LocalPos(event->scenePos()).y()));
}

void VexCard::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    // The second press of a double click is a press as well, so quick play loses no drag.
    event->accept();
    emit DblClick();
    emit MouseDown(float(LocalPos(event->scenePos()).x()), float(LocalPos(event->scenePos()).y()));
}

void VexCard::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    emit MouseMove(float(LocalPos(event->scenePos()).x()), float(LocalPos(event->scenePos()).y()));
}

} // namespace solvane
