#include "enginetest.h"
#include "mrules.h"
#include "mtime.h"
#include "cboardcopy.h"

using namespace solvane;
using namespace solvane::test;

TEST(Board, FreshBoardIsEmpty)
{
    cBoardSet s;
    s.SelectRules(Rules("Freecell"));
    s.Board().Init(1);
    for (int c = 0; c < 5; ++c)
        for (int p = 0; p < 21; ++p) {
            EXPECT_EQ(s.Board().GetTop(c, p), -1);
            for (int i = 0; i <= 52; ++i)
                ASSERT_EQ(s.Board().GetPicID(c, p, i), -1);
        }
    EXPECT_EQ(s.Board().TotalGoalCards(), 0);
}

TEST(Board, OutOfRangeAddressesAreErrors)
{
    cBoardSet s;
    s.SelectRules(Rules("Freecell"));
    s.Board().Init(1);
    EXPECT_THROW(s.Board().GetTop(5, 0), std::out_of_range);
    EXPECT_THROW(s.Board().GetTop(0, 21), std::out_of_range);
    EXPECT_THROW(s.Board().GetPicID(0, 0, -1), std::out_of_range);
    EXPECT_THROW(s.Board().GetPicID(0, 0, 53), std::out_of_range);
    EXPECT_THROW(s.Board().GetTopPicID(3, 0), std::out_of_range); // empty pile: top is -1
    EXPECT_THROW(s.Games().Piles(6), std::out_of_range);
    // A refused move changes nothing.
    const auto before = s.Board().GetTop(0, 0);
    EXPECT_THROW(s.Board().Move(0, 0, 0, 60, kModeNormal, 0), std::out_of_range);
    EXPECT_EQ(s.Board().GetTop(0, 0), before);
}

TEST(Board, CardAttributesFollowTheValue)
{
    Table t;
    Arrange(t, Rules("Freecell"), {"AC KC AD KH"});
    const cArray& a = t.a();
    const int aceClubs = Pic(a, "AC"), kingClubs = Pic(a, "KC"), aceDiamonds = Pic(a, "AD");
    EXPECT_EQ(a.CardNum(aceClubs), 0);
    EXPECT_EQ(a.CardNum(kingClubs), 12);
    EXPECT_EQ(a.CardSuit(aceDiamonds), 1);
    EXPECT_EQ(a.CardColor(aceClubs), 1);
    EXPECT_EQ(a.CardColor(aceDiamonds), 2);
    EXPECT_EQ(a.CardColor(Pic(a, "KS")), 1);
    EXPECT_EQ(a.CardColor(Pic(a, "KH")), 2);

    // Card values map to rank and suit pile directly.
    cBoardSet s;
    s.NewDeal(Rules("Freecell"), 7);
    for (int p = 0; p < 52; ++p) {
        const int v = s.Board().GetRandom(p);
        EXPECT_EQ(s.Board().CardNum(p), v % 13);
        EXPECT_EQ(s.Board().CardSuit(p), v / 13);
        EXPECT_EQ(s.Board().CardSuitPile(p), v / 13);
    }
}

TEST(Board, GoalCardsAndEmptyPiles)
{
    Table t;
    Arrange(t, Rules("Two Cells"), {"5C", "", "6D"}, {"-", "7H"},
            {"AC 2C 3C 4C", "AD 2D 3D 4D 5D", "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS"});
    EXPECT_EQ(t.a().TotalGoalCards(), 22);
    EXPECT_EQ(t.a().EmptyPiles(kTableau), 6);
    EXPECT_EQ(t.a().EmptyPiles(kReserve), 1);
    EXPECT_EQ(t.a().EmptyPiles(kWaste), 0); // the game has no waste
    EXPECT_EQ(t.a().EmptyPiles(kFoundation), 1);

    Table full;
    std::vector<std::string> f(4);
    for (int s = 0; s < 4; ++s)
        for (int n = 0; n < 13; ++n)
            f[s] += CardText(n, s) + " ";
    Arrange(full, Rules("Freecell"), {}, {}, f);
    EXPECT_EQ(full.a().TotalGoalCards(), 52);
}

TEST(Board, ClosedCardsCountFaceDownCards)
{
    Table t;
    Arrange(t, Rules("Freecell"), {"KS QH JC TD"});
    t.a().SetFace(Pic(t.a(), "KS"), kFaceDown);
    t.a().SetFace(Pic(t.a(), "QH"), kFaceDown);
    EXPECT_EQ(t.a().ClosedCards(0), 2);
    // Face-down cards stack 60 twips apart.
    EXPECT_EQ(t.a().CordY(kTableau, 0, 3), 1840 + 120 + 250);
}

TEST(Board, SlotHitByCentreAndByOverlap)
{
    Table t;
    Arrange(t, Rules("Freecell"), {"KS"});
    cArray& a = t.a();
    const int pic = Pic(a, "KS");
    const int sx = a.CordX(kTableau, 1, 0), sy = a.CordY(kTableau, 1, 0);
    a.PositionCard(pic, sx, sy);
    EXPECT_TRUE(a.SlotHit(pic, kTableau, 1, 0, 0));
    // Centre just outside the slot: only the overlap test takes it.
    a.PositionCard(pic, sx + 533, sy);
    EXPECT_FALSE(a.SlotHit(pic, kTableau, 1, 0, 0));
    EXPECT_TRUE(a.SlotHit(pic, kTableau, 1, 0, -1));
    // Touching edges do not overlap (strict comparisons).
    a.PositionCard(pic, sx + 1065, sy);
    EXPECT_FALSE(a.SlotHit(pic, kTableau, 1, 0, -1));
    a.PositionCard(pic, sx + 1064, sy);
    EXPECT_TRUE(a.SlotHit(pic, kTableau, 1, 0, -1));
}

TEST(Geometry, StandardLayouts)
{
    cGames g;
    ApplyRules(g, Rules("Freecell"));
    EXPECT_EQ(g.GetCordX(kTableau, 0, 0), 1965 + 1165);
    EXPECT_EQ(g.GetCordY(kTableau, 0, 3), 1840 + 750);
    EXPECT_EQ(g.GetCordX(kFoundation, 2, 0), 7940 + 2230);
    EXPECT_EQ(g.GetCordY(kFoundation, 2, 0), 200);
    EXPECT_EQ(g.GetCordX(kReserve, 3, 0), 3130 + 3345);
    EXPECT_EQ(g.GetCordX(kStock, 0, 40), 3130);
    EXPECT_EQ(g.Cards(kTableau), 52);
    EXPECT_EQ(g.MultiOrder(), g.Order(kTableau, 0));
    EXPECT_EQ(g.Tag(), "Freecell");

    ApplyRules(g, Rules("Seven By Four"));
    EXPECT_EQ(g.GetCordX(kTableau, 0, 0), 3713);
    ApplyRules(g, Rules("Forecell"));
    EXPECT_EQ(g.Cards(kTableau), 48);
    EXPECT_EQ(g.Cards(kReserve), 4);
    for (const auto& sg : StandardGames()) {
        ApplyRules(g, sg.Rules);
        EXPECT_EQ(g.MultiOrder(), g.Order(kTableau, 0)) << sg.Name;
        EXPECT_EQ(g.AK(kFoundation), 0) << sg.Name;
    }
}

TEST(Geometry, DesignedGamesCentreAndWrap)
{
    cGames g;
    GameRules r;
    const int piles[] = {4, 7, 8, 9, 10};
    const int startX[] = {3495, 1748, 1165, 582, 0};
    for (int i = 0; i < 5; ++i) {
        r.hPiles = piles[i];
        ApplyRules(g, r);
        EXPECT_EQ(g.GetCordX(kTableau, 0, 0), 1965 + startX[i]) << piles[i];
    }
    r.gBase = 5;
    ApplyRules(g, r);
    EXPECT_EQ(g.AK(kFoundation), 1);
    r.gBase = 0;
    ApplyRules(g, r);
    EXPECT_EQ(g.AK(kFoundation), 0);
    r.gCards = 4;
    r.rCards = 2;
    ApplyRules(g, r);
    EXPECT_EQ(g.Cards(kTableau), 46);
}

TEST(Geometry, UnsoundRulesAreRefusedAndChangeNothing)
{
    cGames g;
    ApplyRules(g, Rules("Freecell"));
    GameRules bad = Rules("Freecell");
    bad.rCards = 5;
    try {
        ApplyRules(g, bad);
        FAIL();
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find("rCards"), std::string::npos);
    }
    EXPECT_EQ(g.Cards(kReserve), 0);
    for (auto change : {+[](GameRules& r) { r.gOrder = 10; }, +[](GameRules& r) { r.gBase = 14; },
                        +[](GameRules& r) { r.hPiles = 11; }, +[](GameRules& r) { r.hPiles = 0; },
                        +[](GameRules& r) { r.hAk = 2; }, +[](GameRules& r) { r.gCards = -1; }}) {
        GameRules r = Rules("Freecell");
        change(r);
        EXPECT_TRUE(ValidateRules(r).has_value());
    }
}

TEST(Rules, TextFormRoundTrips)
{
    GameRules r;
    EXPECT_FALSE(ParseRules("0,0,0,4,13,8,1,1,4,0", r));
    EXPECT_EQ(FormatRules(r), "0,0,0,4,13,8,1,1,4,0");
    EXPECT_EQ(r.hAk, 1);
    EXPECT_FALSE(ParseRules("1 2,3\r\n4,5,6,0,1,2,1,99,junk", r));
    EXPECT_EQ(r.gOrder, 1);
    EXPECT_EQ(r.rCards, 1);
    EXPECT_TRUE(ParseRules("1,2,3", r));
    EXPECT_TRUE(ParseRules("1,2,x,4,5,6,7,8,9,10", r));
    EXPECT_TRUE(ParseRules("", r));
}

TEST(Time, ElapsedTimeText)
{
    EXPECT_EQ(ElapsedTimeText(0), "0:00:00");
    EXPECT_EQ(ElapsedTimeText(125), "0:02:05");
    EXPECT_EQ(ElapsedTimeText(3600 * 59 + 59 * 60 + 59), "59:59:59");
    EXPECT_EQ(ElapsedTimeText(3600 * 61), "61:00:00");
    using namespace std::chrono;
    const auto t0 = system_clock::time_point(seconds(1000));
    EXPECT_EQ(ElapsedSeconds(false, t0, t0 + seconds(50)), 0);
    EXPECT_EQ(ElapsedSeconds(true, t0, t0 + milliseconds(50900)), 50);
}

TEST(Board, ACopyIsIndependentOfItsSource)
{
    Table t;
    t.set.NewDeal(Rules("Forecell"), 11);
    cBoardCopy copy(t.a());
    ExpectConsistent(copy.Board());
    EXPECT_EQ(BoardText(copy.Board()), BoardText(t.a()));
    EXPECT_EQ(copy.Board().Observer(), nullptr);
    EXPECT_EQ(copy.Board().Log(), nullptr);
    // Play on the source and a new game definition leave the copy as it was.
    const std::string before = BoardText(copy.Board());
    t.a().Move(t.a().GetTopPicID(kTableau, 0), kTableau, 1, t.a().GetTop(kTableau, 1) + 1, kModeNormal, 0);
    t.set.NewDeal(Rules("Two Cells"), 12);
    EXPECT_EQ(BoardText(copy.Board()), before);
    EXPECT_EQ(copy.Board().Games().Piles(kReserve), 4);
}
