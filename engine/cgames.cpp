#include "cgames.h"

#include "mround.h"

#include <cmath>
#include <stdexcept>

namespace solvane {

namespace {
constexpr int kClosedCardStep = 60;    // face-down tableau cards stack closer
constexpr int kLayoutWidth = 11900;     // the width the layout is centred in
constexpr int kLayoutLeft = 1790;
}

const cGames::Block& cGames::block(int cell) const
{
    if (cell < 0 || cell >= kCellBlocks)
        throw std::out_of_range("cell index out of range");
    return blocks_[cell];
}

void cGames::Home(int16_t Piles, int32_t Order, int16_t Cards, int16_t AK, int16_t EmptyNum,
                  int16_t MultiMove, int16_t StartX, int16_t StartY, int16_t PileWidth,
                  int16_t PosWidth, int16_t Div, int16_t DivWidth, int32_t PileOrder,
                  int32_t cHomeType, int32_t cMultiOrder, int32_t SuitType, int16_t cCardsOpen)
{
    blocks_[kTableau] = {Piles, Cards, Order, AK, StartX, StartY, PileWidth, PosWidth, Div,
                         DivWidth, PileOrder};
    emptyNum_ = EmptyNum;
    multiMove_ = MultiMove;
    homeType_ = cHomeType;
    multiOrder_ = cMultiOrder;
    suitType_ = SuitType;
    cardsOpen_ = cCardsOpen;
}

void cGames::Stock(int16_t Piles, int32_t StockMove, int16_t StartX, int16_t StartY,
                   int16_t PosWidth, int16_t StockNum, int32_t StockType)
{
    blocks_[kStock] = {Piles, 0, 0, 0, StartX, StartY, 0, PosWidth, 0, 0, 0};
    stockMove_ = StockMove;
    stockNum_ = StockNum;
    stockType_ = StockType;
}

void cGames::Waste(int16_t Piles, int16_t StartX, int16_t StartY, int16_t PileWidth,
                   int16_t Cards, int16_t PosWidth)
{
    blocks_[kWaste] = {Piles, Cards, 0, 0, StartX, StartY, PileWidth, PosWidth, 0, 0, 0};
}

void cGames::Goal(int16_t Piles, int32_t Order, int16_t Cards, int32_t GoalType, int16_t AK,
                  int16_t StartX, int16_t StartY, int16_t PileWidth, int16_t PosWidth,
                  int16_t Div, int16_t DivWidth, int32_t PileOrder)
{
    blocks_[kFoundation] = {Piles, Cards, Order, AK, StartX, StartY, PileWidth, PosWidth, Div,
                            DivWidth, PileOrder};
    goalType_ = GoalType;
}

void cGames::Res(int16_t Piles, int16_t Cards, int16_t StartX, int16_t StartY,
                 int16_t PileWidth, int16_t PosWidth, int16_t Div, int16_t DivWidth,
                 int32_t PileOrder)
{
    blocks_[kReserve] = {Piles, Cards, 0, 0, StartX, StartY, PileWidth, PosWidth, Div,
                         DivWidth, PileOrder};
}

void cGames::Ext(int16_t BaseX, int16_t BaseY, int16_t Cards, int16_t /*Redeals*/,
                 const std::string& Tag, int16_t cDisAutoPlay, int16_t GoalDiv)
{
    baseX_ = BaseX;
    baseY_ = BaseY;
    totalCards_ = Cards;
    tag_ = Tag;
    disAutoPlay_ = cDisAutoPlay;
    goalDiv_ = GoalDiv;
}

namespace {
// Stock and waste lie in a slanted stack, one step per four cards or so.
int SlantSteps(int pos) { return static_cast<int>(RoundHalfEven(std::sqrt(double(pos)))) / 2; }
}

int cGames::PileX(int cell, int pile, int pos) const
{
    const Block& b = block(cell);
    if (cell == kStock || cell == kWaste)
        return b.StartX - SlantSteps(pos) * b.PosWidth;
    const int div = b.Div != 0 ? b.Div : 1;
    return Checked16(b.StartX + (pile % div) * b.PileWidth);
}

int cGames::PileY(int cell, int pile, int pos, int closedCards) const
{
    const Block& b = block(cell);
    if (cell == kStock || cell == kWaste)
        return b.StartY - SlantSteps(pos) * b.PosWidth;
    const int div = b.Div != 0 ? b.Div : 1;
    const long long row = b.StartY + (pile / div) * b.DivWidth;
    if (cell == kTableau && closedCards >= 1)
        return Checked16(row + closedCards * kClosedCardStep + (pos - closedCards) * b.PosWidth);
    return Checked16(row + pos * b.PosWidth);
}

int16_t cGames::GetCordX(int cell, int pile, int pos) const
{
    const double x = (kLayoutWidth - baseX_) / 2.0 + kLayoutLeft + PileX(cell, pile, pos);
    return Round16(x);
}

int16_t cGames::GetCordY(int cell, int pile, int pos, int closedCards) const
{
    return Checked16(baseY_ + PileY(cell, pile, pos, closedCards));
}

} // namespace solvane
