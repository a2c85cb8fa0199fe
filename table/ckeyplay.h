#pragma once
// Play from the keyboard: a focus moves over the tableau piles (the lower row) and the free
// cells and foundations (the upper row) with the arrow keys; Space or Enter takes the
// focused place's top card (with Shift, the longest run that may move; again on the same
// pile, one card more) and puts what is held on the focused place; Esc lets go.
#include "mrules.h"

#include <QObject>

#include <vector>

namespace solvane {

class cArray;
class cData;
class cSelection;

class cKeyPlay : public QObject {
    Q_OBJECT
public:
    cKeyPlay(cData& data, cArray& board, cSelection& selection, QObject* parent = nullptr);

    // Answers whether the key belongs to play (it is then used up).
    bool Key(int key, Qt::KeyboardModifiers modifiers);
    // The focused place, and whether its mark shows (only once the keyboard was used).
    PileAddress Focus() const;
    bool FocusShown() const { return shown_; }
    // A mouse press hides the mark; the next key shows it where it was.
    void HideFocus();

signals:
    void FocusChanged();
    // A put that the rules refuse: the held card says no.
    void Refused(int pic);

private:
    std::vector<PileAddress> Row(int row) const;
    void MoveAlong(int step);
    void MoveAcross(int row);
    void TakeOrPut(bool longestRun);
    // The card below the held one that may be taken with everything on it, or -1.
    int OneMore() const;

    cData& data_;
    cArray& board_;
    cSelection& selection_;
    int row_ = 1; // 0: free cells and foundations, 1: tableau
    int index_ = 0;
    bool shown_ = false;
};

} // namespace solvane
