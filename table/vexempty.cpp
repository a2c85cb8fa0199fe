#include "vexempty.h"

#include "ccard.h"
#include "mitempaint.h"

#include <QGraphicsSceneMouseEvent>

namespace solvane {

namespace {
const QRectF kRect(0, 0, kCardWidth, kCardHeight);
const QString kModeKey = QStringLiteral("Mode");
} // namespace

VexEmpty::VexEmpty(QGraphicsItem* parent) : QGraphicsObject(parent)
{
    setAcceptedMouseButtons(Qt::LeftButton);
}

void VexEmpty::Pic(const QPixmap& pic)
{
    if (pic.isNull())
        return;
    pic_ = pic;
    Refreshcard();
}

void VexEmpty::SetMode(int32_t mode)
{
    mode_ = mode;
    Refreshcard();
    emit ModeChanged();
}

void VexEmpty::Refreshcard()
{
    ++redraws_;
    update();
}

void VexEmpty::ReadProperties(const QVariantMap& props)
{
    bool ok = false;
    const int32_t mode = props.value(kModeKey, 0).toInt(&ok);
    mode_ = ok ? mode : 0;
    Refreshcard();
}

void VexEmpty::WriteProperties(QVariantMap& props) const { props.insert(kModeKey, mode_); }

QRectF VexEmpty::boundingRect() const { return kRect; }

QPainterPath VexEmpty::shape() const { return CardOutline(kRect); }

void VexEmpty::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    DrawItemPicture(*painter, pic_, kRect);
}

void VexEmpty::mousePressEvent(QGraphicsSceneMouseEvent* event) { event->accept(); }

void VexEmpty::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (shape().contains(event->pos()))
        emit Click();
}

} // namespace solvane
