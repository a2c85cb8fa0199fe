// Random play over many games: every move keeps the board consistent, and the log takes
// the table back to the deal and forward to the last position exactly.
#include "enginetest.h"
#include "mrules.h"

#include <random>

using namespace solvane;
using namespace solvane::test;

namespace {
struct Move { int pic, cell, pile, pos, count; };

std::vector<Move> LegalMoves(const cArray& a)
{
    std::vector<Move> moves;
    const cGames& g = a.Games();
    for (int pic = 0; pic < 52; ++pic) {
        int count = 0;
        const int cell = a.CardCell(pic);
        if (cell == kStock || !CanPickUp(a, pic, count))
            continue;
        if (cell == kFoundation && a.CardPos(pic) != a.GetTop(kFoundation, a.CardPile(pic)))
            continue;
        for (int t = 0; t < g.Piles(kTableau); ++t)
            if (!(cell == kTableau && a.CardPile(pic) == t) && AcceptsOnTableau(a, pic, t))
                moves.push_back({pic, kTableau, t, a.GetTop(kTableau, t) + 1, count});
        for (int r = 0; r < g.Piles(kReserve); ++r)
            if (cell != kReserve && AcceptsOnReserve(a, pic, r, count))
                moves.push_back({pic, kReserve, r, 0, 0});
        for (int f = 0; f < g.Piles(kFoundation); ++f)
            if (cell != kFoundation && AcceptsOnFoundation(a, pic, f, count))
                moves.push_back({pic, kFoundation, f, a.GetTop(kFoundation, f) + 1, 0});
    }
    return moves;
}

struct Snapshot {
    std::vector<int> slots;
    std::vector<int> faces;
    std::vector<double> places;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const cArray& a)
{
    Snapshot s;
    for (int c = 0; c < 5; ++c)
        for (int p = 0; p < 21; ++p) {
            s.slots.push_back(a.GetTop(c, p));
            for (int i = 0; i <= a.GetTop(c, p); ++i)
                s.slots.push_back(a.GetPicID(c, p, i));
        }
    for (int pic = 0; pic < 52; ++pic) {
        s.faces.push_back(a.CardFace(pic));
        s.places.push_back(a.Card(pic).Left);
        s.places.push_back(a.Card(pic).Top);
    }
    return s;
}

GameRules RandomRules(std::mt19937& rng)
{
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    GameRules r;
    r.gOrder = pick(0, 9);
    r.gBase = pick(0, 13);
    r.gCards = pick(0, 4);
    r.hOrder = pick(0, 9);
    r.hSpace = pick(0, 13);
    r.hPiles = pick(4, 10);
    r.hAk = pick(0, 1);
    r.hMulti = pick(0, 1);
    r.rPiles = pick(0, 4);
    r.rCards = pick(0, r.rPiles);
    return r;
}
} // namespace

TEST(Soak, RandomPlayKeepsTheBoardAndTheLogExact)
{
    std::mt19937 rng(20261209);
    int movesMade = 0;
    for (int game = 0; game < 2000; ++game) {
        Table t;
        t.host.autoplay = game % 3 != 0;
        const GameRules rules =
            game % 2 ? StandardGames()[game % 5].Rules : RandomRules(rng);
        t.set.NewDeal(rules, game * 104729.0);
        const Snapshot dealt = Take(t.a());
        Autoplay(t.a());
        ExpectConsistent(t.a());
        for (int step = 0; step < 60; ++step) {
            const int roll = std::uniform_int_distribution<int>(0, 9)(rng);
            int speed = 5;
            if (roll == 0) {
                t.log().Undo(speed);
            } else if (roll == 1) {
                t.log().Redo(speed);
            } else {
                const auto moves = LegalMoves(t.a());
                if (moves.empty())
                    break;
                const Move m = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
                t.a().Move(m.pic, m.cell, m.pile, m.pos, kModeNormal, 3, m.count);
                ++movesMade;
            }
            ASSERT_NO_FATAL_FAILURE(ExpectConsistent(t.a())) << "game " << game << " step " << step;
        }
        int speed = 2;
        t.log().RedoAll(speed);
        const Snapshot last = Take(t.a());
        t.log().UndoAll(speed);
        ASSERT_EQ(Take(t.a()), dealt) << "game " << game;
        t.log().RedoAll(speed);
        ASSERT_EQ(Take(t.a()), last) << "game " << game;
    }
    EXPECT_GT(movesMade, 50000);
}
