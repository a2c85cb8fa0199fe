#include "cpointerplay.h"

#include "carray.h"
#include "cdata.h"
#include "cmouseplay.h"
#include "cselection.h"
#include "mplaymove.h"
#include "mrules.h"

#include <cmath>

namespace solvane {

cPointerPlay::cPointerPlay(cData& data, cArray& board, cMousePlay& mouse, cSelection& selection, QObject* parent)
    : QObject(parent), data_(data), board_(board), mouse_(mouse), selection_(selection)
{
}

bool cPointerPlay::DoubleClickMoves() const { return data_.DoubleClickMove() == 1; }

void cPointerPlay::Press(int pic, double x, double y)
{
    if (swallow_)
        return;
    // With double-clicks on, a press says nothing until it turns out to be a drag, so that
    // the first press of a double-click leaves no pick-up sound behind.
    mouse_.SetQuiet(DoubleClickMoves());
    moved_ = false;
    startLeft_ = board_.Card(pic).Left;
    startTop_ = board_.Card(pic).Top;
    mouse_.MouseDown(pic, x, y);
}

void cPointerPlay::Move(int pic, double x, double y)
{
    if (swallow_ || !mouse_.Dragging())
        return;
    mouse_.MouseMove(pic, x, y);
    if (moved_ || std::hypot(board_.Card(pic).Left - startLeft_, board_.Card(pic).Top - startTop_) <= slop_)
        return;
    moved_ = true;
    if (DoubleClickMoves())
        data_.PlaySound(QStringLiteral("CardDown"));
    selection_.Clear();
    emit DragStarted(pic, mouse_.RunLength());
}

void cPointerPlay::Release(int pic, double x, double y)
{
    if (swallow_) {
        swallow_ = false;
        return;
    }
    if (moved_) {
        moved_ = false;
        emit DragEnded();
        mouse_.MouseUp(pic, x, y);
        if (DoubleClickMoves())
            data_.PlaySound(QStringLiteral("CardUp"));
        return;
    }
    // A click: the cards taken by the press go back where they lay, silently.
    mouse_.Cancel(pic);
    if (!DoubleClickMoves())
        data_.PlaySound(QStringLiteral("CardUp"));
    Click(pic);
}

void cPointerPlay::Click(int pic)
{
    if (!data_.GameRunning())
        return;
    if (!selection_.Holding()) {
        selection_.Take(pic);
        return;
    }
    // On a held card: let go. Elsewhere: put the cards there, or let go if they may not.
    const int held = selection_.Pic();
    const bool onHeld = board_.CardCell(pic) == board_.CardCell(held) && board_.CardPile(pic) == board_.CardPile(held) &&
                        board_.CardPos(pic) >= board_.CardPos(held);
    if (onHeld)
        selection_.Clear();
    else
        selection_.PutOn(board_.CardCell(pic), board_.CardPile(pic));
}

void cPointerPlay::DoubleClick(int pic)
{
    if (!DoubleClickMoves() || !data_.GameRunning())
        return;
    // The second press that follows is part of the double-click, not a new drag.
    swallow_ = true;
    mouse_.Cancel(pic);
    selection_.Clear();
    if (!SendHome(pic))
        emit Refused(pic);
}

bool cPointerPlay::SendHome(int pic)
{
    int count = 0;
    if (!CanPickUp(board_, pic, count) || count != 0)
        return false;
    for (int f = 0; f < board_.Games().Piles(kFoundation); ++f)
        if (PlayMove(board_, pic, 0, kFoundation, f))
            return true;
    if (board_.CardCell(pic) != kTableau)
        return false; // a card in a free cell or on a foundation only goes home
    for (int r = 0; r < board_.Games().Piles(kReserve); ++r)
        if (PlayMove(board_, pic, 0, kReserve, r))
            return true;
    return false;
}

void cPointerPlay::PlaceClicked(int cell, int pile)
{
    if (selection_.Holding())
        selection_.PutOn(cell, pile);
}

void cPointerPlay::TableClicked() { selection_.Clear(); }

} // namespace solvane
