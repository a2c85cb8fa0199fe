#include "cbgpreview.h"

#include "ccard.h"
#include "cpictures.h"
#include "mgen1.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QResizeEvent>

namespace solvane {

cBGPreview::cBGPreview(QWidget* parent) : QGraphicsView(parent)
{
    setScene(new QGraphicsScene(this));
    setInteractive(false);
    setFrameShape(QFrame::StyledPanel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCacheMode(QGraphicsView::CacheNone);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    // The scene is measured in twips like the table, so the card has the table's size.
    setTransform(QTransform::fromScale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel));
}

void cBGPreview::SetBG(int bgIndex, int fade, int32_t customColor)
{
    bgIndex_ = bgIndex;
    fade_ = fade;
    customColor_ = customColor;
    viewport()->update();
}

void cBGPreview::ShowBack(int deckIndex)
{
    deckIndex_ = deckIndex;
    if (!pictures_)
        return;
    if (!card_) {
        card_ = scene()->addPixmap(QPixmap());
        card_->setTransformationMode(Qt::SmoothTransformation);
        Centre();
    }
    // Painted for the preview's pixels; the scene is in twips, so the item scales it to
    // exactly the card's size on the screen.
    const QPixmap back = pictures_->DeckPic(deckIndex, devicePixelRatioF());
    card_->setPixmap(back);
    card_->setScale(kCardWidth / back.deviceIndependentSize().width());
}

QPixmap cBGPreview::BackPic() const { return card_ ? card_->pixmap() : QPixmap(); }

void cBGPreview::drawBackground(QPainter* painter, const QRectF&)
{
    if (!pictures_)
        return;
    // Painted in the viewport's pixels, so the gradient and the tiles look as on the table.
    painter->save();
    painter->resetTransform();
    solvane::SetBG(bgIndex_, *painter, QRectF(viewport()->rect()), fade_, customColor_, *pictures_);
    painter->restore();
}

void cBGPreview::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    Centre();
}

// The scene covers the viewport exactly, the card in its middle.
void cBGPreview::Centre()
{
    const QSizeF size = QSizeF(viewport()->size()) * kTwipsPerPixel;
    setSceneRect(QRectF(QPointF(0, 0), size));
    if (card_)
        card_->setPos((size.width() - kCardWidth) / 2, (size.height() - kCardHeight) / 2);
}

} // namespace solvane
