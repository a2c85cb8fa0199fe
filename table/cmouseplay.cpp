#include "cmouseplay.h"

#include "carray.h"
#include "cdata.h"
#include "mplaymove.h"
#include "mrules.h"
#include "mround.h"

namespace solvane {

namespace {
constexpr int kCentrePass = 0;
constexpr int kOverlapPass = -1;
int Round(double v) { return static_cast<int>(RoundHalfEven(v)); }
} // namespace

bool cMousePlay::MouseDown(int pic, double x, double y)
{
    if (!data_.GameRunning())
        return false;
    runLength_ = 0;
    dragging_ = false;
    pressX_ = Round(x);
    pressY_ = Round(y);
    startLeft_ = board_.CardLeft(pic);
    startTop_ = board_.CardTop(pic);
    switch (board_.CardCell(pic)) {
    case kFoundation:
    case kReserve:
        dragging_ = true;
        break;
    case kTableau:
        dragging_ = PressOnTableau(pic);
        break;
    default:
        break;
    }
    if (!quiet_)
        data_.PlaySound(QStringLiteral("CardDown"));
    return true;
}

bool cMousePlay::PressOnTableau(int pic)
{
    const int top = board_.GetTop(kTableau, board_.CardPile(pic));
    if (board_.CardPos(pic) == top)
        return true;
    runLength_ = top - board_.CardPos(pic);
    const bool movable = board_.CardFace(pic) == kFaceUp && board_.Games().MultiMove() &&
                         SequenceOK(board_, pic, runLength_) &&
                         runLength_ <= SequenceCapacity(board_);
    if (movable)
        BringRunToFront(pic);
    return movable;
}

void cMousePlay::BringRunToFront(int pic)
{
    for (int i = 0; i <= runLength_; ++i) {
        const int card = RunCard(pic, i);
        board_.PositionCard(card, board_.Card(card).Left, board_.Card(card).Top);
    }
}

int cMousePlay::RunCard(int pic, int i) const
{
    return board_.GetPicID(kTableau, board_.CardPile(pic), board_.CardPos(pic) + i);
}

bool cMousePlay::MouseMove(int pic, double x, double y)
{
    if (!data_.GameRunning() || !dragging_)
        return false;
    const int left = Round(board_.CardLeft(pic) + x - pressX_);
    const int top = Round(board_.CardTop(pic) + y - pressY_);
    board_.PositionCard(pic, left, top);
    for (int i = 1; i <= runLength_; ++i)
        board_.PositionCard(RunCard(pic, i), left, top + RunOffset(pic, i));
    return true;
}

bool cMousePlay::MouseUp(int pic, double, double)
{
    if (!data_.GameRunning() || !dragging_)
        return false;
    dragging_ = false;
    if (!DropPass(pic, kCentrePass) && !DropPass(pic, kOverlapPass))
        ReturnCards(pic, kPlaySpeed);
    if (!quiet_)
        data_.PlaySound(QStringLiteral("CardUp"));
    return true;
}

bool cMousePlay::DropPass(int pic, int mode)
{
    return TryTableau(pic, mode) || TryFreeCells(pic, mode) || TryFoundations(pic, mode);
}

bool cMousePlay::TryTableau(int pic, int mode)
{
    for (int t = 0; t < board_.Games().Piles(kTableau); ++t)
        if (board_.SlotHit(pic, kTableau, t, board_.GetTop(kTableau, t), mode) &&
            PlayMove(board_, pic, runLength_, kTableau, t))
            return true;
    return false;
}

bool cMousePlay::TryFreeCells(int pic, int mode)
{
    for (int r = 0; r < board_.Games().Piles(kReserve); ++r)
        if (board_.SlotHit(pic, kReserve, r, 0, mode) && PlayMove(board_, pic, runLength_, kReserve, r))
            return true;
    return false;
}

bool cMousePlay::TryFoundations(int pic, int mode)
{
    for (int f = 0; f < board_.Games().Piles(kFoundation); ++f)
        if (board_.SlotHit(pic, kFoundation, f, 0, mode) && PlayMove(board_, pic, runLength_, kFoundation, f))
            return true;
    return false;
}

void cMousePlay::ReturnCards(int pic, int steps)
{
    // Slid back at the speed of a move, the run hanging from its card as in its pile.
    board_.SlideCard(pic, startLeft_, startTop_, steps);
    for (int i = 1; i <= runLength_; ++i)
        board_.SlideCard(RunCard(pic, i), startLeft_, startTop_ + RunOffset(pic, i), steps);
}

void cMousePlay::Cancel(int pic)
{
    if (!dragging_)
        return;
    dragging_ = false;
    ReturnCards(pic, 0);
}

int cMousePlay::RunOffset(int pic, int i) const
{
    // The run keeps the spacing of its pile, closer where the pile lies closer.
    const int pile = board_.CardPile(pic), pos = board_.CardPos(pic);
    return board_.CordY(kTableau, pile, pos + i) - board_.CordY(kTableau, pile, pos);
}

} // namespace solvane
