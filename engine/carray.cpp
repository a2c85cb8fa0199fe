#include "carray.h"

#include "ctrans.h"
#include "iboardhost.h"
#include "iboardobserver.h"
#include "mautoplay.h"
#include "mround.h"

#include <algorithm>
#include <stdexcept>

namespace solvane {

namespace {
constexpr int kFoundationsCounted = 8;
constexpr double kHalfCardWidth = kCardWidth / 2.0;
constexpr int kHalfCardHeight = kCardHeight / 2;
constexpr float kShuffleReset = -10.0f;
} // namespace

cArray::cArray(cGames& games) : games_(games)
{
    board_.assign(kBoardCells * kBoardPiles * positions_, kEmpty);
    for (auto& cell : top_)
        cell.fill(kEmpty);
    random_.assign(positions_, 0);
}

void cArray::CheckCellPile(int cell, int pile)
{
    if (cell < 0 || cell >= kBoardCells || pile < 0 || pile >= kBoardPiles)
        throw std::out_of_range("board address out of range");
}

int16_t& cArray::Slot(int cell, int pile, int pos)
{
    CheckCellPile(cell, pile);
    if (pos < 0 || pos >= positions_)
        throw std::out_of_range("board position out of range");
    return board_[(cell * kBoardPiles + pile) * positions_ + pos];
}

int16_t cArray::Slot(int cell, int pile, int pos) const
{
    return const_cast<cArray*>(this)->Slot(cell, pile, pos);
}

void cArray::CopyStateFrom(const cArray& other)
{
    positions_ = other.positions_;
    board_ = other.board_;
    top_ = other.top_;
    random_ = other.random_;
    cards_ = other.cards_;
    baseRank_ = other.baseRank_;
    rng_ = other.rng_;
}

void cArray::Init(double gameNo)
{
    positions_ = games_.TotalCards() + 1;
    board_.assign(kBoardCells * kBoardPiles * positions_, kEmpty);
    for (auto& cell : top_)
        cell.fill(kEmpty);
    random_.assign(positions_, 0);
    // A fresh board holds no card, so no card may keep an address from the last game.
    for (auto& c : cards_)
        c.Cell = c.Pile = c.Pos = 0;
    RandomInit(gameNo);
}

void cArray::RandomInit(double gameNo)
{
    const int n = games_.TotalCards();
    std::vector<int16_t> w(n + 1);
    for (int i = 0; i < n; ++i)
        w[i] = static_cast<int16_t>(i);
    rng_.Rnd(kShuffleReset); // a fixed state, whatever was drawn before
    for (int j = 0; j < n; ++j) {
        rng_.Randomize(gameNo);
        const float r = rng_.Rnd();
        const int k = n - 1 - j;
        const int a = static_cast<int>(RoundHalfEven(static_cast<double>(r) * k));
        random_[j] = w[a];
        w[a] = w[k];
    }
}

int16_t cArray::GetTop(int cell, int pile) const
{
    CheckCellPile(cell, pile);
    return top_[cell][pile];
}

int16_t cArray::GetPicID(int cell, int pile, int pos) const { return Slot(cell, pile, pos); }

int16_t cArray::GetRandom(int pic) const
{
    if (pic < 0 || pic >= static_cast<int>(random_.size()))
        throw std::out_of_range("picture id out of range");
    return random_[pic];
}

int cArray::TotalGoalCards() const
{
    int sum = 0;
    for (int p = 0; p < kFoundationsCounted; ++p)
        sum += top_[kFoundation][p] + 1;
    return sum;
}

int cArray::ClosedCards(int pile) const
{
    int n = 0;
    for (int i = 0; i <= GetTop(kTableau, pile); ++i) {
        const int pic = Slot(kTableau, pile, i);
        if (pic >= 0 && cards_[pic].FaceMode == kFaceDown)
            ++n;
    }
    return n;
}

int cArray::EmptyPiles(int cell) const
{
    if (cell < 0 || cell >= kBoardCells)
        return 0;
    int n = 0;
    for (int p = 0; p < games_.Piles(cell) && p < kBoardPiles; ++p)
        if (top_[cell][p] == kEmpty)
            ++n;
    return n;
}

int cArray::CordY(int cell, int pile, int pos) const
{
    const int closed = cell == kTableau ? ClosedCards(pile) : 0;
    const int y = games_.GetCordY(cell, pile, pos, closed);
    if (cell != kTableau || tableauBottom_ <= 0 || pos <= 0)
        return y;
    int last = std::max<int>(top_[kTableau][pile], pos);
    if (pile == growingPile_)
        last = std::max(last, growingTop_);
    const int first = games_.GetCordY(cell, pile, 0, closed);
    const int reach = games_.GetCordY(cell, pile, last, closed) - first;
    const int room = std::max(0, tableauBottom_ - kCardHeight - first);
    if (reach <= room)
        return y;
    return first + static_cast<int>(RoundHalfEven((y - first) * double(room) / reach));
}

void cArray::SetTableauBottom(int bottom)
{
    bottom = std::max(bottom, 0);
    if (bottom == tableauBottom_)
        return;
    tableauBottom_ = bottom;
    for (int t = 0; t < games_.Piles(kTableau) && t < kBoardPiles; ++t)
        RespacePile(t);
}

void cArray::RespacePile(int pile)
{
    for (int pos = 0; pos <= top_[kTableau][pile]; ++pos) {
        const int pic = Slot(kTableau, pile, pos);
        if (pic < 0)
            continue;
        cCard& c = cards_[pic];
        if (!c.Visible)
            continue; // a card of a game that has ended lies nowhere
        const int x = CordX(kTableau, pile, pos), y = CordY(kTableau, pile, pos);
        if (c.Left == x && c.Top == y)
            continue;
        c.Left = x;
        c.Top = y;
        if (observer_)
            observer_->CardPlaced(pic, x, y, 0);
    }
}

bool cArray::SlotHit(int pic, int cell, int pile, int pos, int mode) const
{
    const cCard& c = Card(pic);
    const int sx = CordX(cell, pile, pos);
    const int sy = CordY(cell, pile, pos);
    if (mode == 0) {
        const double cx = RoundHalfEven(c.Left + kHalfCardWidth);
        const double cy = c.Top + kHalfCardHeight;
        return cx > sx && cx < sx + kCardWidth && cy > sy && cy < sy + kCardHeight;
    }
    return c.Left < sx + kCardWidth && c.Left + kCardWidth > sx && c.Top < sy + kCardHeight &&
           c.Top + kCardHeight > sy;
}

const cCard& cArray::Card(int pic) const
{
    if (pic < 0 || pic >= kDeckCards)
        throw std::out_of_range("picture id out of range");
    return cards_[pic];
}

cCard& cArray::Card(int pic)
{
    return const_cast<cCard&>(static_cast<const cArray*>(this)->Card(pic));
}

int cArray::CardLeft(int pic) const { return static_cast<int>(RoundHalfEven(Card(pic).Left)); }
int cArray::CardTop(int pic) const { return static_cast<int>(RoundHalfEven(Card(pic).Top)); }

void cArray::SetFace(int pic, int faceMode)
{
    cCard& c = Card(pic);
    if (c.FaceMode == faceMode)
        return;
    c.FaceMode = faceMode;
    if (observer_)
        observer_->CardTurned(pic, faceMode);
}

void cArray::PositionCard(int pic, double left, double top)
{
    cCard& c = Card(pic);
    c.Left = left;
    c.Top = top;
    if (observer_)
        observer_->CardPositioned(pic, left, top);
}

void cArray::SlideCard(int pic, int left, int top, int steps)
{
    cCard& c = Card(pic);
    c.Left = left;
    c.Top = top;
    if (observer_)
        observer_->CardPlaced(pic, left, top, steps);
}

void cArray::SoundDue(const char* kind) const
{
    if (observer_)
        observer_->SoundDue(kind);
}

void cArray::PlaceCard(int pic, int dCell, int dPile, int dPos, int32_t tMod, int speed, bool dFace)
{
    const int x = CordX(dCell, dPile, dPos);
    const int y = CordY(dCell, dPile, dPos);
    int16_t& target = Slot(dCell, dPile, dPos); // range-checked before anything changes
    cCard& c = Card(pic);
    c.Visible = true;
    c.Left = x;
    c.Top = y;
    if (observer_)
        observer_->CardPlaced(pic, x, y, speed);
    // The card turns only on arrival, so a card dealt from the stock travels face down.
    SetFace(pic, dFace ? kFaceDown : kFaceUp);
    if (tMod != kModeDeal)
        Slot(c.Cell, c.Pile, c.Pos) = kEmpty;
    c.Cell = static_cast<int16_t>(dCell);
    c.Pile = static_cast<int16_t>(dPile);
    c.Pos = static_cast<int16_t>(dPos);
    target = static_cast<int16_t>(pic);
    if (tMod == kModeDeal && observer_)
        observer_->DealStep();
}

void cArray::MoveCard(int pic, int dCell, int dPile, int dPos, int32_t& tMod, int speed,
                      int mCards, bool dFace)
{
    CheckCellPile(dCell, dPile);
    if (dCell == kFoundation && top_[kFoundation][dPile] == kKing)
        return; // a full foundation takes nothing
    const cCard& c = Card(pic);
    const int sCell = c.Cell, sPile = c.Pile, sPos = c.Pos;

    if (tMod != kModeReplay && sCell == kTableau && sPos > 0) {
        const int below = Slot(kTableau, sPile, sPos - 1);
        if (below >= 0 && cards_[below].FaceMode == kFaceDown) {
            tMod = kModeUncover;
            SetFace(below, kFaceUp);
        }
    }
    if (tMod != kModeReplay && tMod != kModeDeal && log_)
        log_->SaveTrans(pic, dCell, dPile, dPos, mCards, tMod);

    // A pile that grows closer makes room first; the cards then land in their places.
    if (dCell == kTableau) {
        growingPile_ = dPile;
        growingTop_ = dPos + mCards;
        RespacePile(dPile);
    }
    PlaceCard(pic, dCell, dPile, dPos, tMod, speed, dFace);
    for (int i = 1; i <= mCards; ++i)
        PlaceCard(Slot(sCell, sPile, sPos + i), dCell, dPile, dPos + i, tMod, 0, dFace);

    top_[sCell][sPile] = static_cast<int16_t>(sPos - 1);
    top_[dCell][dPile] = Checked16(dPos + mCards);
    growingPile_ = growingTop_ = kEmpty;
    if (sCell == kTableau)
        RespacePile(sPile); // a pile that shrank spreads out again

    if (tMod != kModeTurnDown && tMod != kModeReplay && tMod != kModeDeal)
        Autoplay(*this);
    if (host_ && host_->GameRunning())
        host_->WinCheck();
}

void cArray::AddtoWaste(int pic)
{
    Move(pic, kWaste, 0, GetTop(kWaste, 0) + 1, kModeTurnUp, 3, 0, false);
}

void cArray::MoveWasteStock()
{
    while (GetTop(kWaste, 0) != kEmpty)
        Move(GetTopPicID(kWaste, 0), kStock, 0, GetTop(kStock, 0) + 1, kModeDeal, 0, 0, true);
}

} // namespace solvane
