#include "enginetest.h"
#include "mdeal.h"

#include <algorithm>
#include <set>

using namespace solvane;
using namespace solvane::test;

namespace {
std::vector<int> Values(const cArray& a)
{
    std::vector<int> v;
    for (int p = 0; p < 52; ++p)
        v.push_back(a.GetRandom(p));
    return v;
}
} // namespace

TEST(Shuffle, EveryDealIsAPermutation)
{
    cBoardSet s;
    s.SelectRules(Rules("Freecell"));
    for (int n = 0; n < 1000; ++n) {
        s.Board().Init(n * 7919.0);
        auto v = Values(s.Board());
        std::sort(v.begin(), v.end());
        for (int i = 0; i < 52; ++i)
            ASSERT_EQ(v[i], i) << "deal " << n * 7919;
    }
}

TEST(Shuffle, SameNumberSameDealWhateverCameBefore)
{
    cBoardSet a, b;
    a.SelectRules(Rules("Freecell"));
    b.SelectRules(Rules("Freecell"));
    a.Board().Init(30512);
    for (int i = 0; i < 17; ++i)
        b.Board().Generator().Rnd();
    b.Board().Generator().Randomize(99);
    b.Board().Init(30512);
    EXPECT_EQ(Values(a.Board()), Values(b.Board()));
    b.Board().Init(30513);
    EXPECT_NE(Values(a.Board()), Values(b.Board()));
    std::set<std::vector<int>> distinct;
    for (int n = 0; n < 50; ++n) {
        a.Board().Init(n);
        distinct.insert(Values(a.Board()));
    }
    // The generator folds the number into 16 bits of its state, so a few numbers share a
    // deal (8 and 33 do); nearly all differ.
    EXPECT_GE(distinct.size(), 47u);
}

TEST(Deal, FreecellLaysThePackRowByRow)
{
    Table t;
    t.set.NewDeal(Rules("Freecell"), 0);
    const cArray& a = t.a();
    for (int p = 0; p < 8; ++p)
        EXPECT_EQ(a.GetTop(kTableau, p), p < 4 ? 6 : 5);
    for (int p = 0; p < 8; ++p)
        for (int q = 0; q <= a.GetTop(kTableau, p); ++q) {
            const int pic = a.GetPicID(kTableau, p, q);
            EXPECT_EQ(pic, 51 - (8 * q + p));
            EXPECT_EQ(a.CardFace(pic), kFaceUp);
            EXPECT_EQ(a.CardLeft(pic), a.CordX(kTableau, p, q));
        }
    EXPECT_EQ(a.GetTop(kStock, 0), -1);
    EXPECT_EQ(t.log().Total(), 0); // dealing is never logged
    ExpectConsistent(a);
}

TEST(Deal, ForecellFillsTheCellsFirst)
{
    Table t;
    t.set.NewDeal(Rules("Forecell"), 12345);
    const cArray& a = t.a();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(a.GetPicID(kReserve, i, 0), 51 - i);
        EXPECT_EQ(a.CardFace(51 - i), kFaceUp);
    }
    for (int i = 0; i < 48; ++i)
        EXPECT_EQ(a.GetPicID(kTableau, i % 8, i / 8), 47 - i);
    for (int p = 0; p < 8; ++p)
        EXPECT_EQ(a.GetTop(kTableau, p), 5);
    ExpectConsistent(a);
}

TEST(Deal, SevenByFourAndTwoCells)
{
    Table t;
    t.set.NewDeal(Rules("Seven By Four"), 5);
    for (int p = 0; p < 7; ++p)
        EXPECT_EQ(t.a().GetTop(kTableau, p), p < 3 ? 7 : 6);
    EXPECT_EQ(t.a().GetTop(kTableau, 7), -1);
    ExpectConsistent(t.a());
    t.set.NewDeal(Rules("Two Cells"), 5);
    EXPECT_EQ(t.a().Games().Piles(kReserve), 2);
    ExpectConsistent(t.a());
}

TEST(Deal, BaseCardsGoToTheirFoundations)
{
    GameRules r = Rules("Freecell");
    r.gCards = 2;
    Table t;
    t.set.NewDeal(r, 77);
    const cArray& a = t.a();
    EXPECT_EQ(a.TotalGoalCards(), 2);
    for (int f = 0; f < 2; ++f) {
        const int pic = a.GetPicID(kFoundation, f, 0);
        EXPECT_EQ(a.CardNum(pic), 0);
        EXPECT_EQ(a.CardSuitPile(pic), f);
    }
    int tableau = 0;
    for (int p = 0; p < 8; ++p)
        tableau += a.GetTop(kTableau, p) + 1;
    EXPECT_EQ(tableau, 50);
    ExpectConsistent(a);
}

TEST(Deal, RandomBaseTakesTheRankOfTheLastCard)
{
    GameRules r = Rules("Freecell");
    r.gBase = 13;
    r.gCards = 4;
    Table t;
    t.set.NewDeal(r, 2024);
    const cArray& a = t.a();
    const int base = a.CardNum(51);
    EXPECT_EQ(a.BaseRank(), base);
    EXPECT_EQ(a.TotalGoalCards(), 4);
    for (int f = 0; f < 4; ++f)
        EXPECT_EQ(a.CardNum(a.GetPicID(kFoundation, f, 0)), base);
    for (const auto& m : t.rec.marks)
        if (m[0] == kFoundation) {
            EXPECT_EQ(m[4], base);
        }
    EXPECT_EQ(a.Games().AK(kFoundation), 1);
}

TEST(Deal, MarksSpeedsAndTheStartSound)
{
    GameRules r = Rules("Forecell");
    r.hSpace = 12;
    Table t;
    t.set.NewDeal(r, 3);
    std::vector<int> markOf[5];
    for (const auto& m : t.rec.marks)
        markOf[m[0]].push_back(m[4]);
    EXPECT_EQ(markOf[kFoundation], std::vector<int>(4, 0));
    EXPECT_EQ(markOf[kReserve], std::vector<int>(4, kMarkAnyCard));
    EXPECT_EQ(markOf[kTableau], std::vector<int>(8, 12));
    // 52 placements into the stock at once, then 4 + 48 dealt at speed 3.
    ASSERT_EQ(t.rec.placed.size(), 104u);
    EXPECT_EQ(t.rec.placed[0].steps, 0);
    EXPECT_EQ(t.rec.placed[52].steps, kDealSpeed);
    EXPECT_EQ(t.rec.dealSteps, 104);
    EXPECT_EQ(t.rec.sounds, std::vector<std::string>{"Start"});
}

TEST(Deal, ClearTableResetsEveryCard)
{
    Table t;
    t.set.NewDeal(Rules("Freecell"), 9);
    ClearTable(t.a());
    for (int p = 0; p < 52; ++p) {
        const cCard& c = t.a().Card(p);
        EXPECT_FALSE(c.Visible);
        EXPECT_EQ(c.Cell + c.Pile + c.Pos + c.Num + c.Suit + c.Suitpile, 0);
    }
    // The next deal starts cleanly from there.
    t.set.NewDeal(Rules("Forecell"), 9);
    ExpectConsistent(t.a());
}
