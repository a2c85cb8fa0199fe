#pragma once
// A preview of a table background, painted as the table paints it, optionally with one
// card standing in its middle to show a card back on that background.
#include <QGraphicsView>
#include <QPixmap>

#include <cstdint>

class QGraphicsPixmapItem;

namespace solvane {

class cPictures;


class cBGPreview : public QGraphicsView {
    Q_OBJECT
public:
    explicit cBGPreview(QWidget* parent = nullptr);

    void SetPictures(cPictures* pictures) { pictures_ = pictures; }
    // The background choice, fade and custom colour to paint; repaints.
    void SetBG(int bgIndex, int fade, int32_t customColor);
    int BGIndex() const { return bgIndex_; }
    int Fade() const { return fade_; }
    int32_t CustomColor() const { return customColor_; }

    // Shows the back of a deck choice on a card in the middle; an unknown choice shows the
    // default back.
    void ShowBack(int deckIndex);
    int ShownBack() const { return deckIndex_; }
    // The picture of the back shown, or none before the first ShowBack.
    QPixmap BackPic() const;

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Centre();

    cPictures* pictures_ = nullptr;
    QGraphicsPixmapItem* card_ = nullptr;
    int bgIndex_ = 0, fade_ = 1;
    int32_t customColor_ = 0;
    int deckIndex_ = 0;
};

} // namespace solvane
