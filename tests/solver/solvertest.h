#pragma once
// Helpers for solver tests: random rule sets and positions, the engine's own list of the
// player's moves, board layouts to compare, and an exhaustive search that uses nothing but
// the engine's rule functions and MoveCard.
#include "cboardset.h"
#include "cgames.h"
#include "cposition.h"
#include "iboardhost.h"
#include "mautoplay.h"
#include "mboardread.h"
#include "mmoves.h"
#include "mposition.h"
#include "mrules.h"
#include "msolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace solvane::test {

struct Host : iBoardHost {
    bool autoplay = false;
    bool AutoplayOn() const override { return autoplay; }
};

// Deals `number` as a game starts: the board answers to `host`, which must outlive it, and
// autoplay has made its moves when it is on.
inline void DealAsStarted(cBoardSet& set, Host& host, const GameRules& rules, int number, bool autoplay)
{
    host.autoplay = autoplay;
    set.NewDeal(rules, number);
    set.Board().SetHost(&host);
    Autoplay(set.Board());
}

inline int Pick(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

inline GameRules RandomRules(std::mt19937& rng)
{
    GameRules r;
    r.gOrder = Pick(rng, 0, 9);
    r.gBase = Pick(rng, 0, 13);
    r.gCards = Pick(rng, 0, 4);
    r.hOrder = Pick(rng, 0, 9);
    r.hSpace = Pick(rng, 0, 13);
    r.hPiles = Pick(rng, 1, 10);
    r.hAk = Pick(rng, 0, 1);
    r.hMulti = Pick(rng, 0, 1);
    r.rPiles = Pick(rng, 0, 4);
    r.rCards = Pick(rng, 0, r.rPiles);
    return r;
}

// A player's move as the engine names it: card, destination cell kind and pile, cards on it.
using EngineMove = std::tuple<int, int, int, int>;

// Every move mouse play allows, asked of the engine's rule functions.
inline std::set<EngineMove> EngineMoves(const cArray& a, bool fromFoundations = true)
{
    std::set<EngineMove> moves;
    const cGames& g = a.Games();
    for (int pic = 0; pic < 52; ++pic) {
        const int cell = a.CardCell(pic);
        const int pile = a.CardPile(pic);
        int count = 0;
        if (cell == kStock || !CanPickUp(a, pic, count))
            continue;
        if (cell == kFoundation && (!fromFoundations || a.CardPos(pic) != a.GetTop(kFoundation, pile)))
            continue;
        for (int t = 0; t < g.Piles(kTableau); ++t)
            if (!(cell == kTableau && pile == t) && AcceptsOnTableau(a, pic, t))
                moves.insert({pic, kTableau, t, count});
        for (int r = 0; r < g.Piles(kReserve); ++r)
            if (AcceptsOnReserve(a, pic, r, count))
                moves.insert({pic, kReserve, r, 0});
        for (int f = 0; f < g.Piles(kFoundation); ++f)
            if (!(cell == kFoundation && pile == f) && AcceptsOnFoundation(a, pic, f, count))
                moves.insert({pic, kFoundation, f, 0});
    }
    return moves;
}

inline EngineMove Named(const cPosition& p, const SolverMove& m)
{
    int cell = 0, pile = 0;
    LocateOnBoard(m.to, cell, pile);
    return {p.CardAt(m.from, p.Len(m.from) - 1 - m.count), cell, pile, m.count};
}

// Every pile as (cell kind, pile) -> cards bottom first.
using Layout = std::map<std::pair<int, int>, std::vector<int>>;

inline Layout LayoutOf(const cArray& a)
{
    Layout l;
    for (int c = 0; c < 5; ++c)
        for (int p = 0; p < 21; ++p)
            for (int i = 0; i <= a.GetTop(c, p); ++i)
                l[{c, p}].push_back(a.GetPicID(c, p, i));
    return l;
}

inline Layout LayoutOf(const cPosition& pos)
{
    Layout l;
    for (int loc = 0; loc < kLocations; ++loc) {
        int c = 0, p = 0;
        LocateOnBoard(loc, c, p);
        for (int i = 0; i < pos.Len(loc); ++i)
            l[{c, p}].push_back(pos.CardAt(loc, i));
    }
    return l;
}

// A copy of the board that logs and reports nothing.
inline cArray Scratch(const cArray& a)
{
    cArray copy(a);
    copy.SetLog(nullptr);
    copy.SetObserver(nullptr);
    return copy;
}

inline void Play(cArray& a, const EngineMove& m)
{
    const auto [pic, cell, pile, count] = m;
    a.Move(pic, cell, pile, a.GetTop(cell, pile) + 1, kModeNormal, 0, count, false);
}

// Puts the cards of a layout back on a board of the same game and deal.
inline void Rebuild(cArray& a, const Layout& l)
{
    const int base = a.BaseRank();
    a.Init(0);
    std::vector<std::tuple<int, int, int, int>> plan; // pic, cell, pile, pos
    for (const auto& [where, cards] : l)
        for (size_t i = 0; i < cards.size(); ++i)
            plan.push_back({cards[i], where.first, where.second, int(i)});
    for (size_t i = plan.size(); i-- > 0;)
        a.Move(std::get<0>(plan[i]), kStock, 0, a.GetTop(kStock, 0) + 1, kModeDeal, 0, 0, true);
    for (const auto& [pic, cell, pile, pos] : plan)
        a.Move(pic, cell, pile, pos, kModeDeal, 0, 0, false);
    a.SetBaseRank(int16_t(base));
}

struct Reference {
    bool winnable = false;
    bool exhausted = false;
    size_t states = 0;
};

// Breadth-first over every move the engine allows, positions told apart exactly (no
// symmetry, no shortcut): the answer the solver must agree with.
inline Reference ReferenceSearch(const cArray& start, size_t maxStates, bool fromFoundations = true)
{
    Reference ref;
    cArray a = Scratch(start);
    std::set<Layout> seen{LayoutOf(a)};
    std::vector<Layout> queue{LayoutOf(a)};
    if (a.TotalGoalCards() == 52) {
        ref.winnable = true;
        return ref;
    }
    for (size_t head = 0; head < queue.size(); ++head) {
        Rebuild(a, queue[head]);
        for (const EngineMove& m : EngineMoves(a, fromFoundations)) {
            cArray b = Scratch(a);
            Play(b, m);
            if (b.TotalGoalCards() == 52) {
                ref.winnable = true;
                ref.states = seen.size();
                return ref;
            }
            Layout l = LayoutOf(b);
            if (seen.insert(l).second) {
                if (seen.size() > maxStates) {
                    ref.states = seen.size();
                    return ref;
                }
                queue.push_back(std::move(l));
            }
        }
    }
    ref.exhausted = true;
    ref.states = seen.size();
    return ref;
}

// Plays the solution through MoveCard: true when every move was legal and the game is won.
inline ::testing::AssertionResult ReplaysToWin(const cArray& start, const SolveResult& result)
{
    cArray a = Scratch(start);
    for (size_t i = 0; i < result.moves.size(); ++i) {
        const SolveStep& s = result.moves[i];
        const EngineMove m{s.pic, s.toCell, s.toPile, s.count};
        if (a.CardCell(s.pic) != s.fromCell || a.CardPile(s.pic) != s.fromPile)
            return ::testing::AssertionFailure() << "move " << i << " names the wrong source";
        if (!EngineMoves(a).count(m))
            return ::testing::AssertionFailure() << "move " << i << " is not legal";
        PlayStep(a, s);
    }
    if (a.TotalGoalCards() != 52)
        return ::testing::AssertionFailure() << "the game is not won after " << result.moves.size() << " moves";
    return ::testing::AssertionSuccess();
}

// A small position: most cards already on the foundations (built from the Ace up in
// suit), the others shuffled over `piles` tableau piles and the free cells, as text.
inline std::string SmallBoard(std::mt19937& rng, int inPlay, int piles, int cells)
{
    std::array<int, 4> height{13, 13, 13, 13};
    std::vector<int> loose;
    for (int i = 0; i < inPlay; ++i) {
        int s = Pick(rng, 0, 3);
        while (height[s] == 0)
            s = (s + 1) % 4;
        --height[s];
        loose.push_back(s * 13 + height[s]);
    }
    std::shuffle(loose.begin(), loose.end(), rng);
    const std::string ranks = "A23456789TJQK", suits = "CDSH";
    auto name = [&](int v) { return std::string{ranks[v % 13], suits[v / 13]}; };
    std::string text = "Foundations:";
    for (int s = 0; s < 4; ++s)
        text += std::string(" ") + suits[s] + "-" + (height[s] == 0 ? std::string("0") : std::string(1, ranks[height[s] - 1]));
    text += "\nFreecells:";
    std::vector<std::string> lines(piles);
    for (int c = 0; c < cells; ++c)
        text += " " + (!loose.empty() && Pick(rng, 0, 2) == 0 ? name(loose.back()) : std::string("-")),
            (text.back() != '-' ? loose.pop_back() : void());
    text += "\n";
    for (int v : loose)
        lines[Pick(rng, 0, piles - 1)] += " " + name(v);
    for (const std::string& l : lines)
        text += ":" + l + "\n";
    return text;
}

// Four foundations built as the rules allow, each from a base card of the rules' base rank,
// the cards picked at random among those that fit; empty when a pick leads nowhere.
inline std::vector<std::vector<int>> RandomFoundations(std::mt19937& rng, const GameRules& rules, int base)
{
    cGames g;
    ApplyRules(g, rules);
    const int order = g.Order(kFoundation, 0);
    const bool wrap = g.AK(kFoundation) != 0;
    std::vector<int> loose(52);
    for (int v = 0; v < 52; ++v)
        loose[v] = v;
    std::vector<std::vector<int>> piles(4);
    for (auto& pile : piles)
        for (int pos = 0; pos < 13; ++pos) {
            std::vector<int> fits;
            for (int v : loose)
                if (pos == 0 ? v % 13 == base
                             : FitsValues(pile.back() % 13, pile.back() / 13, v % 13, v / 13, order, wrap))
                    fits.push_back(v);
            if (fits.empty())
                return {};
            const int v = fits[Pick(rng, 0, int(fits.size()) - 1)];
            pile.push_back(v);
            loose.erase(std::find(loose.begin(), loose.end(), v));
        }
    return piles;
}

// A small position of any rules on a board of their game: won foundations with `inPlay`
// top cards taken off at random; the first of them fill the free cells and give every
// tableau pile one card, so that little room is left, the others go under the cards of
// random piles, where the cards that go up after them may block them.
inline bool EndgamePosition(std::mt19937& rng, const GameRules& rules, int inPlay, cBoardSet& set)
{
    set.NewDeal(rules, 1);
    cArray& a = set.Board();
    std::vector<std::vector<int>> foundations;
    for (int tries = 0; tries < 50 && foundations.empty(); ++tries)
        foundations = RandomFoundations(rng, rules, a.BaseRank());
    if (foundations.empty())
        return false;
    // The deal's card values by picture id, so that the layout names its pictures.
    std::array<int, 52> picOf{};
    for (int pic = 0; pic < 52; ++pic)
        picOf[a.CardSuit(pic) * 13 + a.CardNum(pic)] = pic;
    Layout l;
    for (int i = 0; i < inPlay; ++i) {
        auto* from = &foundations[Pick(rng, 0, 3)];
        while (from->empty())
            from = &foundations[Pick(rng, 0, 3)];
        const int pic = picOf[from->back()];
        from->pop_back();
        if (i < rules.rPiles)
            l[{kReserve, i}].push_back(pic);
        else if (i < rules.rPiles + rules.hPiles)
            l[{kTableau, i - rules.rPiles}].push_back(pic);
        else {
            auto& pile = l[{kTableau, Pick(rng, 0, rules.hPiles - 1)}];
            pile.insert(pile.begin(), pic);
        }
    }
    for (int f = 0; f < 4; ++f)
        for (int v : foundations[f])
            l[{kFoundation, f}].push_back(picOf[v]);
    Rebuild(a, l);
    return true;
}

// A dealt game after `moves` random legal moves (fewer when the game gets stuck).
inline void RandomPosition(cBoardSet& set, Host& host, std::mt19937& rng, const GameRules& rules, int moves)
{
    set.NewDeal(rules, Pick(rng, 0, 100000));
    set.Board().SetHost(&host);
    Autoplay(set.Board());
    for (int i = 0; i < moves; ++i) {
        const auto legal = EngineMoves(set.Board());
        if (legal.empty())
            break;
        auto it = legal.begin();
        std::advance(it, Pick(rng, 0, int(legal.size()) - 1));
        Play(set.Board(), *it);
    }
}

// Random rules, autoplay on or off at random, and a position of their game after up to
// `maxMoves` random moves; answers the rules.
inline GameRules RandomPlay(std::mt19937& rng, cBoardSet& set, Host& host, int maxMoves)
{
    const GameRules rules = RandomRules(rng);
    host.autoplay = Pick(rng, 0, 1) == 1;
    RandomPosition(set, host, rng, rules, Pick(rng, 0, maxMoves));
    return rules;
}

} // namespace solvane::test
