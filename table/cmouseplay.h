#pragma once
// Mouse play: a press picks up a card or a run, moving drags it, a release drops it on the
// pile under it or sends it back. The rules are asked of the engine; accepted moves go
// through MoveCard.
#include <cstdint>

namespace solvane {

class cArray;
class cData;

class cMousePlay {
public:
    cMousePlay(cData& data, cArray& board) : data_(data), board_(board) {}

    // Card events, positions in the card's own twips. Each answers whether it did something.
    bool MouseDown(int pic, double x, double y);
    bool MouseMove(int pic, double x, double y);
    bool MouseUp(int pic, double x, double y);

    bool Dragging() const { return dragging_; }
    int RunLength() const { return runLength_; }
    // Ends a drag without a drop: the cards go back at once, silently (a click, not a drag).
    void Cancel(int pic);
    // Quiet: the press and the release play no sound of their own; the caller plays them
    // once it knows the press was a drag.
    void SetQuiet(bool quiet) { quiet_ = quiet; }

private:
    bool PressOnTableau(int pic);
    void BringRunToFront(int pic);
    // Finds the first accepting target of a pass and makes the move there.
    bool DropPass(int pic, int mode);
    bool TryTableau(int pic, int mode);
    bool TryFreeCells(int pic, int mode);
    bool TryFoundations(int pic, int mode);
    void ReturnCards(int pic, int steps);
    int RunCard(int pic, int i) const;
    // Twips from the run's first card to its i-th card, as they lie in their pile.
    int RunOffset(int pic, int i) const;

    cData& data_;
    cArray& board_;
    bool dragging_ = false;
    bool quiet_ = false;
    int runLength_ = 0;
    int pressX_ = 0, pressY_ = 0;
    int startLeft_ = 0, startTop_ = 0;
};

} // namespace solvane
