#pragma once
// The definition of the game being played: the piles of each cell kind, how many cards
// they get, their building order and wrapping, where they stand, and table-wide values.
#include <array>
#include <cstdint>
#include <string>

namespace solvane {

// Cell kinds of a board address; block 5 holds table-wide values only.
enum CellKind : int16_t {
    kTableau = 0,
    kStock = 1,
    kWaste = 2,
    kFoundation = 3,
    kReserve = 4,
    kExt = 5,
};

constexpr int kCellBlocks = 6;

class cGames {
public:
    struct Block {
        int16_t Piles = 0;
        int16_t Cards = 0;
        int32_t Order = 0;
        int16_t AK = 0;
        int16_t StartX = 0;
        int16_t StartY = 0;
        int16_t PileWidth = 0;
        int16_t PosWidth = 0;
        int16_t Div = 0;
        int16_t DivWidth = 0;
        int32_t PileOrder = 0;
    };

    // Setters, one per block.
    void Home(int16_t Piles, int32_t Order, int16_t Cards, int16_t AK, int16_t EmptyNum,
              int16_t MultiMove, int16_t StartX, int16_t StartY, int16_t PileWidth,
              int16_t PosWidth, int16_t Div, int16_t DivWidth, int32_t PileOrder,
              int32_t cHomeType, int32_t cMultiOrder, int32_t SuitType, int16_t cCardsOpen);
    void Stock(int16_t Piles, int32_t StockMove, int16_t StartX, int16_t StartY,
               int16_t PosWidth, int16_t StockNum, int32_t StockType);
    void Waste(int16_t Piles, int16_t StartX, int16_t StartY, int16_t PileWidth,
               int16_t Cards, int16_t PosWidth);
    void Goal(int16_t Piles, int32_t Order, int16_t Cards, int32_t GoalType, int16_t AK,
              int16_t StartX, int16_t StartY, int16_t PileWidth, int16_t PosWidth,
              int16_t Div, int16_t DivWidth, int32_t PileOrder);
    void Res(int16_t Piles, int16_t Cards, int16_t StartX, int16_t StartY, int16_t PileWidth,
             int16_t PosWidth, int16_t Div, int16_t DivWidth, int32_t PileOrder);
    void Ext(int16_t BaseX, int16_t BaseY, int16_t Cards, int16_t Redeals,
             const std::string& Tag, int16_t cDisAutoPlay, int16_t GoalDiv);

    // Getters; a cell index outside 0..5 is a range error.
    int16_t Piles(int cell) const { return block(cell).Piles; }
    int16_t Cards(int cell) const { return block(cell).Cards; }
    int32_t Order(int cell, int /*pile*/) const { return block(cell).Order; }
    int16_t AK(int cell) const { return block(cell).AK; }
    const Block& GetBlock(int cell) const { return block(cell); }

    int32_t HomePileOrder() const { return blocks_[kTableau].PileOrder; }
    int32_t MultiOrder() const { return multiOrder_ != 0 ? multiOrder_ : blocks_[kTableau].Order; }
    bool MultiMove() const { return multiMove_ != 0; }
    int32_t GoalType() const { return goalType_; }
    int16_t EmptyNum() const { return emptyNum_; }
    int32_t SuitType() const { return suitType_; }
    int32_t HomeType() const { return homeType_; }
    int16_t CardsOpen() const { return cardsOpen_; }
    int32_t StockType() const { return stockType_; }
    int32_t StockMove() const { return stockMove_; }
    int16_t StockNum() const { return stockNum_; }
    bool DisAutoPlay() const { return disAutoPlay_ != 0; }
    int16_t GoalDiv() const { return goalDiv_; }
    int16_t TotalCards() const { return totalCards_; }
    const std::string& Tag() const { return tag_; }
    int16_t BaseX() const { return baseX_; }
    int16_t BaseY() const { return baseY_; }

    // Table coordinates (twips) of the top-left corner of a card at an address. A tableau
    // pile with closed (face-down) cards stacks those 60 twips apart.
    int16_t GetCordX(int cell, int pile, int pos) const;
    int16_t GetCordY(int cell, int pile, int pos, int closedCards = 0) const;

private:
    const Block& block(int cell) const;
    int PileX(int cell, int pile, int pos) const;
    int PileY(int cell, int pile, int pos, int closedCards) const;

    std::array<Block, kCellBlocks> blocks_{};
    int32_t goalType_ = 0;
    int16_t emptyNum_ = 0;
    int16_t multiMove_ = 0;
    int32_t multiOrder_ = 0;
    int32_t suitType_ = 2;
    int32_t homeType_ = 0;
    int16_t cardsOpen_ = 0;
    int32_t stockType_ = 0;
    int32_t stockMove_ = 0;
    int16_t stockNum_ = 0;
    int16_t disAutoPlay_ = 0;
    int16_t goalDiv_ = 0;
    int16_t totalCards_ = 52;
    std::string tag_;
    int16_t baseX_ = 0;
    int16_t baseY_ = 0;
};

} // namespace solvane
