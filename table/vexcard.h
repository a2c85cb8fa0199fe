#pragma once
// One playing card on the table. It holds the card's values and board address, shows the
// deck's back or the card's face, and passes every mouse event on with the position in
// its own twips. It knows no rule of play: the board decides, the card mirrors.
#include <QGraphicsObject>
#include <QPixmap>

#include <cstdint>

namespace solvane {

class VexCard : public QGraphicsObject {
    Q_OBJECT
public:
    static constexpr int32_t kFaceDownMode = 1;

    explicit VexCard(QGraphicsItem* parent = nullptr);

    // Stores the values, then redraws.
    void SetValue(int16_t suit, int16_t num, int16_t suitpile);
    // Stores the board address; the picture does not change.
    void SetLoc(int16_t cell, int16_t pile, int16_t pos);
    // The back and face pictures; a null picture is ignored and the old one kept.
    void DeckPic(const QPixmap& pic);
    void MainPic(const QPixmap& pic);
    void Refreshcard();

    // Face mode 1 shows the back; any other value shows the face. Writing the value held
    // already does nothing; another value is stored and redrawn. Selected likewise.
    int32_t FaceMode() const { return faceMode_; }
    void SetFaceMode(int32_t mode);
    bool Selected() const { return selected_; }
    void SetSelected(bool selected);

    int16_t Suit() const { return suit_; }
    int16_t Num() const { return num_; }
    int16_t Suitpile() const { return suitpile_; }
    int16_t Cell() const { return cell_; }
    int16_t Pile() const { return pile_; }
    int16_t Pos() const { return pos_; }
    // 1 for the black suits (0, 2), 2 for the red ones.
    int16_t Color() const { return (suit_ == 0 || suit_ == 2) ? 1 : 2; }
    // The face picture number of the present values, Suit x 13 + Num + 1.
    int FacePicture() const;

    const QPixmap& FacePic() const { return face_; }
    const QPixmap& BackPic() const { return back_; }
    // What the card draws now: the back, the face, or the face inverted.
    const QPixmap& ShownPicture() const { return shown_; }
    // How often the card has redrawn itself; lets the redraw rules be checked.
    int RedrawCount() const { return redraws_; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void DblClick();
    void MouseDown(float x, float y);
    void MouseMove(float x, float y);
    void MouseUp(float x, float y);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;

private:
    QPointF LocalPos(QPointF scenePoint) const;

    int16_t suit_ = 0, num_ = 0, suitpile_ = 0;
    bool selected_ = false;
    int32_t faceMode_ = kFaceDownMode;
    int16_t cell_ = 0, pile_ = 0, pos_ = 0;
    QPixmap back_, face_, shown_;
    int redraws_ = 0;
};

} // namespace solvane
