#pragma once
// The mouse on the table: a press and a drag is mouse play (a drop, or the cards slide
// back); a press and a release in place is a click, which takes the card and the cards on
// it or puts what is held on the clicked place; a double-click sends a card home, or to a
// free cell, when the switch "Double-click moves cards" is on.
#include <QObject>

namespace solvane {

class cArray;
class cData;
class cMousePlay;
class cSelection;

class cPointerPlay : public QObject {
    Q_OBJECT
public:
    cPointerPlay(cData& data, cArray& board, cMousePlay& mouse, cSelection& selection, QObject* parent = nullptr);

    // How far the pointer may move, in twips, while a press stays a click.
    void SetClickSlop(double twips) { slop_ = twips; }

    // A card's mouse events, positions in its own twips.
    void Press(int pic, double x, double y);
    void Move(int pic, double x, double y);
    void Release(int pic, double x, double y);
    void DoubleClick(int pic);
    // A click on an empty pile's mark, and on the table beside every card and mark.
    void PlaceClicked(int cell, int pile);
    void TableClicked();

    // The double-click's move: a foundation that takes the card, or failing that the first
    // empty free cell (not for a card in a free cell). Answers whether the card moved.
    bool SendHome(int pic);

signals:
    // Cards are being dragged (their first card, and how many lie on it), and no longer.
    void DragStarted(int pic, int count);
    void DragEnded();
    // The card may not go where it was sent: it says no.
    void Refused(int pic);

private:
    bool DoubleClickMoves() const;
    void Click(int pic);

    cData& data_;
    cArray& board_;
    cMousePlay& mouse_;
    cSelection& selection_;
    double slop_ = 60;
    double startLeft_ = 0, startTop_ = 0;
    bool moved_ = false;
    bool swallow_ = false; // the rest of a double-click's second press
};

} // namespace solvane
