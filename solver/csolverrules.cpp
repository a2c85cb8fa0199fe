#include "csolverrules.h"

#include "carray.h"
#include "cgames.h"
#include "mrules.h"

#include <algorithm>
#include <bit>

namespace solvane {

namespace {
constexpr int kOrders = 10;

// Which card value (suit * 13 + rank) may lie on which under every order code, with and
// without wrapping: the engine's own test, asked once for the whole run.
struct FitTable {
    CardMask fits[kOrders][2][kSolverCards];
    FitTable()
    {
        for (int o = 0; o < kOrders; ++o)
            for (int w = 0; w < 2; ++w)
                for (int l = 0; l < kSolverCards; ++l) {
                    fits[o][w][l] = 0;
                    for (int u = 0; u < kSolverCards; ++u)
                        if (FitsValues(l % kRanks, l / kRanks, u % kRanks, u / kRanks, o, w != 0))
                            fits[o][w][l] |= CardMask(1) << u;
                }
    }
};

const FitTable& Fits()
{
    static const FitTable t;
    return t;
}
} // namespace

cSolverRules::cSolverRules(const GameRules& rules, const std::array<int8_t, kSolverCards>& num,
                           const std::array<int8_t, kSolverCards>& suit, int baseRank, bool autoplay)
    : num_(num), suit_(suit), baseRank_(baseRank), autoplay_(autoplay)
{
    // The engine's own mapping from the ten values, so orders and wrapping are its own.
    cGames g;
    ApplyRules(g, rules);
    piles_ = g.Piles(kTableau);
    cells_ = g.Piles(kReserve);
    multi_ = g.MultiMove();
    const int tabOrder = g.Order(kTableau, 0);
    const int runOrder = g.MultiOrder();
    const bool tabWrap = g.AK(kTableau) != 0;
    const int fOrder = g.Order(kFoundation, 0);
    const bool fWrap = g.AK(kFoundation) != 0;
    // Orders outside 0..9 never fit.
    auto table = [](int order, bool wrap) -> const CardMask* {
        return order >= 0 && order < kOrders ? Fits().fits[order][wrap ? 1 : 0] : nullptr;
    };
    const CardMask* tab = table(tabOrder, tabWrap);
    const CardMask* run = table(runOrder, tabWrap);
    const CardMask* fnd = table(fOrder, fWrap);
    std::array<int, kSolverCards> value{};
    std::array<CardMask, kSolverCards> withValue{};
    for (int c = 0; c < kSolverCards; ++c) {
        value[c] = suit[c] * kRanks + num[c];
        withValue[value[c]] |= CardMask(1) << c;
    }
    // The tables speak of card values; the position of picture ids.
    auto cards = [&](const CardMask* byValue, int lower) {
        CardMask m = 0;
        if (byValue)
            for (CardMask v = byValue[value[lower]]; v != 0; v &= v - 1)
                m |= withValue[std::countr_zero(v)];
        return m;
    };
    for (int l = 0; l < kSolverCards; ++l) {
        tableau_[l] = cards(tab, l);
        run_[l] = cards(run, l);
        foundation_[l] = cards(fnd, l);
    }
    for (int c = 0; c < kSolverCards; ++c) {
        if (g.EmptyNum() == kAnyRank || num[c] == g.EmptyNum())
            space_ |= CardMask(1) << c;
        if (num[c] == baseRank)
            base_ |= CardMask(1) << c;
    }
    for (int c = 0; c < kSolverCards; ++c) {
        const int up = (num[c] - baseRank + kRanks) % kRanks;
        const int down = (baseRank - num[c] + kRanks) % kRanks;
        const bool upward = fOrder == kUpSameSuit || fOrder == kUpAlternateColor || fOrder == kUpRegardless;
        const bool downward = fOrder == kDownSameSuit || fOrder == kDownAlternateColor || fOrder == kDownRegardless;
        rise_[c] = static_cast<int8_t>(upward ? up : downward ? down : std::min(up, down));
    }
    suitFoundations_ = fOrder == kUpSameSuit || fOrder == kDownSameSuit;
    FindTwins();
    const bool oneWay = fOrder >= kUpSameSuit && fOrder <= kDownRegardless;
    // Going down from a top card one class of twins a step, the height fixed by the rank,
    // reaches the base: the top tells the whole foundation.
    foundationByTop_ = oneWay && FollowsByTwins(false);
    // With autoplay, foundations may still be taken in any order when two foundations that
    // take the same card have twins for tops, hence hold the same twins; and a base card
    // always finds an empty foundation, there being as many foundations as base cards.
    interchangeable_ = !autoplay || suitFoundations_ || (foundationByTop_ && FollowsByTwins(true));
    foundationFirst_ = suitFoundations_;
    for (int c = 0; c < kSolverCards && foundationFirst_; ++c)
        for (CardMask m = tableau_[c]; m != 0 && foundationFirst_; m &= m - 1) {
            const int child = std::countr_zero(m);
            foundationFirst_ = suit_[child] == suit_[c] && rise_[child] < rise_[c];
        }
}

namespace {
// The cards on which each card may lie under one fit table.
std::array<CardMask, kSolverCards> Parents(const std::array<CardMask, kSolverCards>& children)
{
    std::array<CardMask, kSolverCards> parents{};
    for (int l = 0; l < kSolverCards; ++l)
        for (CardMask m = children[l]; m != 0; m &= m - 1)
            parents[std::countr_zero(m)] |= CardMask(1) << l;
    return parents;
}
} // namespace

void cSolverRules::FindTwins()
{
    const auto tabParents = Parents(tableau_), runParents = Parents(run_), fndParents = Parents(foundation_);
    auto same = [&](int a, int b) {
        auto bit = [](CardMask m, int c) { return (m >> c) & 1; };
        return tableau_[a] == tableau_[b] && run_[a] == run_[b] && foundation_[a] == foundation_[b] &&
               tabParents[a] == tabParents[b] && runParents[a] == runParents[b] &&
               fndParents[a] == fndParents[b] && bit(space_, a) == bit(space_, b) &&
               bit(base_, a) == bit(base_, b) && rise_[a] == rise_[b];
    };
    for (int c = 0; c < kSolverCards; ++c) {
        twin_[c] = static_cast<int8_t>(c);
        for (int d = 0; d < c; ++d)
            if (same(c, d)) {
                twin_[c] = static_cast<int8_t>(d);
                break;
            }
    }
}

bool cSolverRules::FollowsByTwins(bool children) const
{
    const auto fndParents = Parents(foundation_);
    auto oneClass = [&](CardMask m) {
        if (m == 0)
            return true;
        const int t = twin_[std::countr_zero(m)];
        for (; m != 0; m &= m - 1)
            if (twin_[std::countr_zero(m)] != t)
                return false;
        return true;
    };
    for (int c = 0; c < kSolverCards; ++c)
        if ((children && !oneClass(foundation_[c])) || (!StartsFoundation(c) && !oneClass(fndParents[c])))
            return false;
    return true;
}

cSolverRules cSolverRules::FromBoard(const GameRules& rules, const cArray& board, bool autoplay)
{
    std::array<int8_t, kSolverCards> num{}, suit{};
    for (int p = 0; p < kSolverCards; ++p) {
        num[p] = static_cast<int8_t>(board.CardNum(p));
        suit[p] = static_cast<int8_t>(board.CardSuit(p));
    }
    return cSolverRules(rules, num, suit, board.BaseRank(), autoplay);
}

} // namespace solvane
