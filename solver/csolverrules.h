#pragma once
// The rules of one game compiled for the solver: which card may lie on which, which cards
// fill an empty pile or start a foundation, and whether piles may be taken in any order.
// Cards are the board's picture ids, so every answer is about the deal at hand.
#include "gamerules.h"

#include <array>
#include <cstdint>

namespace solvane {

class cArray;

using CardMask = uint64_t;

constexpr int kSolverCards = 52;
constexpr int kSolverPiles = 10;
constexpr int kSolverCells = 4;
constexpr int kSolverFoundations = 4;
constexpr int kFoundationCards = 13;

class cSolverRules {
public:
    // Ranks and suits by picture id, and the rank that starts an empty foundation.
    cSolverRules(const GameRules& rules, const std::array<int8_t, kSolverCards>& num,
                 const std::array<int8_t, kSolverCards>& suit, int baseRank, bool autoplay);
    // The rules of the game, with the cards and the base rank of the board.
    static cSolverRules FromBoard(const GameRules& rules, const cArray& board, bool autoplay);

    int Piles() const { return piles_; }
    int Cells() const { return cells_; }
    bool MultiMove() const { return multi_; }
    bool Autoplay() const { return autoplay_; }
    int BaseRank() const { return baseRank_; }
    int Num(int card) const { return num_[card]; }
    int Suit(int card) const { return suit_[card]; }

    bool FitsTableau(int lower, int upper) const { return (tableau_[lower] >> upper) & 1; }
    bool FitsRun(int lower, int upper) const { return (run_[lower] >> upper) & 1; }
    bool FitsFoundation(int lower, int upper) const { return (foundation_[lower] >> upper) & 1; }
    bool FillsSpace(int card) const { return (space_ >> card) & 1; }
    CardMask SpaceMask() const { return space_; }
    bool StartsFoundation(int card) const { return (base_ >> card) & 1; }
    CardMask StartsFoundationMask() const { return base_; }
    // How many cards a foundation holds below this one when it arrives there, counted
    // from the base card in the foundations' building direction (the nearer way for
    // orders that build both ways or in any order).
    int Rise(int card) const { return rise_[card]; }
    // The cards that may lie on `lower` in the tableau.
    CardMask TableauChildren(int lower) const { return tableau_[lower]; }
    // The cards that may follow `lower` on a foundation.
    CardMask FoundationChildren(int lower) const { return foundation_[lower]; }

    // How many cards may lie on a moved card.
    static int Capacity(int emptyCells, int emptyPiles) { return (emptyCells + 1) * (emptyPiles + 1) - 1; }

    // Whether tableau piles, free cells and foundations may be taken in any order without
    // changing what can be reached: always without autoplay; with it only when every
    // foundation has a single next card, since autoplay fills them in table order.
    bool Interchangeable() const { return interchangeable_; }
    // Whether each foundation holds one suit in a fixed rank order (same-suit building).
    bool SuitFoundations() const { return suitFoundations_; }
    // Whether every card that may lie on a card in the tableau must reach the foundations
    // before it (same-suit foundations, and the tableau building the other way in suit, as
    // in Baker's Game). Then a card on the foundations is no use in play any more: taking it
    // back never helps, and any card the foundations take may go there at once.
    bool FoundationFirst() const { return foundationFirst_; }
    // The lowest card the rules cannot tell from this one: it fits on and takes the same
    // cards in the tableau, in runs and on the foundations, fills the same spaces and
    // starts the same foundations (a Five of Clubs and of Spades where no order looks at
    // suits beyond colour). Swapping two such cards wherever they lie changes nothing that
    // can follow, so positions are told apart by twins, not by cards.
    int Twin(int card) const { return twin_[card]; }
    // Whether a foundation's top card tells what lies below it, up to twins: the
    // foundations build one way and every card but a base card follows a single class
    // of twins (always so in suit).
    bool FoundationByTop() const { return foundationByTop_; }

private:
    void FindTwins();
    // Whether every card but a base card follows a single class of twins on a foundation
    // and, with `children`, every card is followed by a single class (or none).
    bool FollowsByTwins(bool children) const;

    std::array<int8_t, kSolverCards> num_{};
    std::array<int8_t, kSolverCards> suit_{};
    std::array<int8_t, kSolverCards> rise_{};
    std::array<int8_t, kSolverCards> twin_{};
    std::array<CardMask, kSolverCards> tableau_{};
    std::array<CardMask, kSolverCards> run_{};
    std::array<CardMask, kSolverCards> foundation_{};
    CardMask space_ = 0;
    CardMask base_ = 0;
    int piles_ = 0;
    int cells_ = 0;
    int baseRank_ = 0;
    bool multi_ = false;
    bool autoplay_ = false;
    bool interchangeable_ = true;
    bool suitFoundations_ = false;
    bool foundationFirst_ = false;
    bool foundationByTop_ = false;
};

} // namespace solvane
