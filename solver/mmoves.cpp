#include "mmoves.h"

#include <algorithm>
#include <bit>

namespace solvane {

namespace {
class Generator {
public:
    Generator(const cPosition& p, const MoveFilter& f, std::vector<SolverMove>& out)
        : p_(p), r_(p.Rules()), out_(out), reduce_(!f.every && p.Rules().Interchangeable())
    {
        for (int c = 0; c < r_.Cells(); ++c)
            if (p_.Len(kCellLoc + c) == 0 && firstEmptyCell_ < 0)
                firstEmptyCell_ = c;
        for (int f2 = 0; f2 < kSolverFoundations; ++f2)
            if (p_.Len(kFoundationLoc + f2) == 0 && firstEmptyFoundation_ < 0)
                firstEmptyFoundation_ = f2;
        wanted_ = p_.FoundationWants();
        // What each pile with cards takes: its top card's children. Empty piles take what
        // fills a space, asked card by card.
        for (int u = 0; u < r_.Piles(); ++u) {
            if (p_.Len(u) == 0) {
                if (emptyPiles_ == 0)
                    firstEmptyPile_ = u;
                emptyPiles_ |= 1u << u;
                continue;
            }
            for (CardMask m = r_.TableauChildren(p_.Top(u)); m != 0; m &= m - 1)
                pilesTaking_[std::countr_zero(m)] |= static_cast<uint16_t>(1u << u);
        }
    }

    void Tableau()
    {
        const int capacity =
            r_.MultiMove() ? cSolverRules::Capacity(p_.EmptyCells(), p_.EmptyPiles()) : 0;
        for (int t = 0; t < r_.Piles(); ++t) {
            const int n = p_.Len(t);
            const int longest = std::min(p_.TopRun(t) - 1, capacity);
            for (int k = 0; k <= longest; ++k) {
                const int card = p_.CardAt(t, n - 1 - k);
                ToTableau(t, k, card, k == n - 1);
                if (k == 0) {
                    ToCells(t);
                    ToFoundations(t, card, false);
                }
            }
        }
    }

    void Cells()
    {
        for (int c = 0; c < r_.Cells(); ++c) {
            const int loc = kCellLoc + c;
            if (p_.Len(loc) == 0)
                continue;
            const int card = p_.Top(loc);
            ToTableau(loc, 0, card, false);
            // Another empty cell is the same position unless the cells are told apart.
            if (!reduce_)
                ToCells(loc);
            ToFoundations(loc, card, false);
        }
    }

    void Foundations()
    {
        for (int f = 0; f < kSolverFoundations; ++f) {
            const int loc = kFoundationLoc + f;
            if (p_.Len(loc) == 0)
                continue;
            const int card = p_.Top(loc);
            ToTableau(loc, 0, card, false);
            ToCells(loc);
            ToFoundations(loc, card, p_.Len(loc) == 1);
        }
    }

private:
    void Add(int from, int to, int count)
    {
        out_.push_back({static_cast<uint8_t>(from), static_cast<uint8_t>(to), static_cast<uint8_t>(count)});
    }

    // `wholePile`: the run is all of its pile, so an empty pile would only take its place.
    void ToTableau(int from, int count, int card, bool wholePile)
    {
        unsigned piles = pilesTaking_[card];
        if (r_.FillsSpace(card))
            piles |= emptyPiles_;
        if (from < kSolverPiles)
            piles &= ~(1u << from);
        for (; piles != 0; piles &= piles - 1) {
            const int u = std::countr_zero(piles);
            if (reduce_ && p_.Len(u) == 0 && (u != firstEmptyPile_ || wholePile))
                continue;
            Add(from, u, count);
        }
    }

    void ToCells(int from)
    {
        if (reduce_) {
            // Any empty cell is as good as the first.
            if (firstEmptyCell_ >= 0 && kCellLoc + firstEmptyCell_ != from)
                Add(from, kCellLoc + firstEmptyCell_, 0);
            return;
        }
        for (int c = 0; c < r_.Cells(); ++c) {
            const int loc = kCellLoc + c;
            if (loc != from && p_.Len(loc) == 0)
                Add(from, loc, 0);
        }
    }

    // `alone`: the card is the only one on its foundation, so another empty foundation
    // would only take its place.
    void ToFoundations(int from, int card, bool alone)
    {
        if (!((wanted_ >> card) & 1))
            return;
        for (int f = 0; f < kSolverFoundations; ++f) {
            const int loc = kFoundationLoc + f;
            // A card dropped on its own foundation is no move.
            if (loc == from || !p_.FoundationTakes(f, card))
                continue;
            if (reduce_ && p_.Len(loc) == 0 && (f != firstEmptyFoundation_ || alone))
                continue;
            Add(from, loc, 0);
        }
    }

    const cPosition& p_;
    const cSolverRules& r_;
    std::vector<SolverMove>& out_;
    const bool reduce_;
    CardMask wanted_ = 0;
    // For every card, the tableau piles that would take it.
    uint16_t pilesTaking_[kSolverCards] = {};
    unsigned emptyPiles_ = 0;
    int firstEmptyPile_ = -1;
    int firstEmptyCell_ = -1;
    int firstEmptyFoundation_ = -1;
};
} // namespace

void GenerateMoves(const cPosition& p, const MoveFilter& filter, std::vector<SolverMove>& out)
{
    Generator g(p, filter, out);
    g.Tableau();
    g.Cells();
    if (filter.fromFoundations)
        g.Foundations();
}

bool AutoplayPending(const cPosition& p)
{
    const cSolverRules& r = p.Rules();
    auto fits = [&](int card) {
        for (int f = 0; f < kSolverFoundations; ++f)
            if (p.FoundationTakes(f, card))
                return true;
        return false;
    };
    for (int t = 0; t < r.Piles(); ++t)
        if (p.Len(t) != 0 && fits(p.Top(t)))
            return true;
    for (int c = 0; c < r.Cells(); ++c)
        if (p.Len(kCellLoc + c) != 0 && fits(p.Top(kCellLoc + c)))
            return true;
    return false;
}

bool BackMovesMatter(const cPosition& p, bool autoplaySettled)
{
    const cSolverRules& r = p.Rules();
    if (r.FoundationFirst())
        return false;
    if (!r.SuitFoundations())
        return true;
    if (r.Autoplay())
        return !autoplaySettled;
    const CardMask up = p.FoundationCards();
    const CardMask inPlay = ~up & ((CardMask(1) << kSolverCards) - 1);
    for (CardMask m = up; m != 0; m &= m - 1)
        if ((r.TableauChildren(std::countr_zero(m)) & inPlay) != 0)
            return true;
    return false;
}

} // namespace solvane
