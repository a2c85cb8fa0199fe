#pragma once
// A compact position for the search: every pile of the table as a stack of picture ids,
// a fingerprint kept up to date move by move, and moves that can be taken back exactly,
// together with the autoplay chain each one set off.
#include "csolverrules.h"

#include <bit>

#include <cstdint>
#include <utility>

namespace solvane {

// Places of the position: tableau piles 0..9, free cells 10..13, foundations 14..17.
constexpr int kCellLoc = kSolverPiles;
constexpr int kFoundationLoc = kSolverPiles + kSolverCells;
constexpr int kLocations = kFoundationLoc + kSolverFoundations;

inline bool IsTableauLoc(int loc) { return loc < kCellLoc; }
inline bool IsCellLoc(int loc) { return loc >= kCellLoc && loc < kFoundationLoc; }
inline bool IsFoundationLoc(int loc) { return loc >= kFoundationLoc; }

// A player's move: the card with `count` cards lying on it goes from one place to another.
struct SolverMove {
    uint8_t from = 0;
    uint8_t to = 0;
    uint8_t count = 0;
    bool operator==(const SolverMove&) const = default;
};

// One card that autoplay took to a foundation.
struct AutoMove {
    uint8_t from = 0;
    uint8_t to = 0;
};

// Lower than the rise of any card: where the count of a pile starts.
constexpr int kNoRise = 99;

// Counts one card more on a pile, bottom up: it blocks when it must reach the foundations
// after a card below it.
inline void CountCard(int rise, int& blockers, int& lowest)
{
    if (rise > lowest)
        ++blockers;
    else
        lowest = rise;
}

// The longest autoplay chain: every card once.
constexpr int kMaxChain = kSolverCards;

struct PositionKey {
    uint64_t a = 0;
    uint64_t b = 0;
    bool operator==(const PositionKey&) const = default;
};

// A position in a few bytes, for searches that keep many: the length of every place, then
// the cards place after place, bottom first.
struct PackedPosition {
    uint8_t len[kLocations];
    uint8_t cards[kSolverCards];
};

class cPosition {
public:
    explicit cPosition(const cSolverRules& rules);

    const cSolverRules& Rules() const { return *rules_; }

    // Building: lays a card on top of a place.
    void Push(int loc, int card);

    int Len(int loc) const { return len_[loc]; }
    int CardAt(int loc, int i) const { return cards_[loc][i]; }
    int Top(int loc) const { return cards_[loc][len_[loc] - 1]; }
    // The twins (cSolverRules::Twin) of a place's cards, bottom first; readable in whole
    // words of eight up to kTwinRow.
    static constexpr int kTwinRow = 56;
    const uint8_t* Twins(int loc) const { return twins_[loc]; }
    // Over the `depth` bottom cards of a tableau pile: how many lie on a card that must
    // reach the foundations before them, and the lowest rise among them.
    int Blockers(int t, int depth) const { return blockers_[t][depth]; }
    int LowestRise(int t, int depth) const { return lowest_[t][depth]; }
    // How many cards on top of a tableau pile form a run that could move as one.
    int TopRun(int t) const { return run_[t][len_[t]]; }
    int OnFoundations() const { return onFoundations_; }
    // The cards on the foundations.
    CardMask FoundationCards() const { return foundationCards_; }
    bool Won() const { return onFoundations_ == kSolverCards; }
    int EmptyCells() const { return emptyCells_; }
    int EmptyPiles() const { return emptyPiles_; }
    // Whether foundation `f` would take the card.
    bool FoundationTakes(int f, int card) const
    {
        const int loc = kFoundationLoc + f;
        const int n = len_[loc];
        if (n == 0)
            return rules_->StartsFoundation(card);
        return n < kFoundationCards && rules_->FitsFoundation(cards_[loc][n - 1], card);
    }
    // The cards some foundation would take.
    CardMask FoundationWants() const
    {
        CardMask m = 0;
        for (int f = 0; f < kSolverFoundations; ++f) {
            const int loc = kFoundationLoc + f;
            const int n = len_[loc];
            m |= n == 0 ? rules_->StartsFoundationMask()
                        : n < kFoundationCards ? rules_->FoundationChildren(cards_[loc][n - 1]) : 0;
        }
        return m;
    }

    // Makes the move and, with autoplay on, the chain that follows it; the chain's moves
    // are written to `chain` and their number returned.
    int Apply(const SolverMove& m, AutoMove* chain);
    // Takes back a move made by Apply, with its chain.
    void Undo(const SolverMove& m, const AutoMove* chain, int chainLength);

    // The fingerprint: equal for positions that differ only in the order of interchangeable
    // piles or in which of two twins (cSolverRules::Twin) lies where, and different
    // otherwise but for a chance of about 2^-96 per pair.
    // Worked out on demand, so moves that are tried and taken back cost no hashing.
    PositionKey Key() const;
    // One place's share of the fingerprint, as the last Key() worked it out: places of one
    // kind with the same contents have the same share.
    uint64_t PlaceHash(int loc) const { return mixed_[0][loc]; }

    // The tableau piles as the canonical form (mcanonical.h) writes them where their order
    // does not count: the empty ones first, then by their bottom twins; null when two piles
    // have the same bottom twin. A bottom changes only when a pile empties or fills, so the
    // order is worked out again only then.
    const uint8_t* PileOrder() const;

    void Pack(PackedPosition& out) const;
    // Replaces the position with a packed one of the same rules.
    void Unpack(const PackedPosition& in);

private:
    void MoveCards(int from, int to, int count);
    void PushCard(int loc, int card);
    void CountOnPile(int t, int depth, int card);
    void Rehash(int loc) { dirty_ |= 1u << loc; }
    void RunAutoplay(AutoMove*& out);
    bool PlayUp(int loc, AutoMove*& out);

    const cSolverRules* rules_;
    uint8_t cards_[kLocations][kSolverCards];
    uint8_t twins_[kLocations][kTwinRow] = {};
    uint8_t len_[kLocations];
    uint8_t blockers_[kSolverPiles][kSolverCards + 1];
    int8_t lowest_[kSolverPiles][kSolverCards + 1];
    // The run ending at each depth.
    uint8_t run_[kSolverPiles][kSolverCards + 1];
    uint64_t hash_[2][kLocations];
    uint64_t seed_[2][kLocations];
    // The fingerprint is the sum of one mixed value per place; `mixedOf_` is the raw hash
    // each place's mixed value in `total_` was made from, and `dirty_` marks the places
    // whose contents may have changed since.
    mutable uint64_t total_[2];
    mutable uint64_t mixedOf_[2][kLocations];
    mutable uint64_t mixed_[2][kLocations];
    mutable uint32_t dirty_ = 0;
    enum class Order : uint8_t { Stale, Known, Ambiguous };
    mutable Order pileOrderState_ = Order::Stale;
    mutable uint8_t pileOrder_[kSolverPiles] = {};
    int onFoundations_ = 0;
    CardMask foundationCards_ = 0;
    int emptyCells_ = 0;
    int emptyPiles_ = 0;
};

} // namespace solvane
