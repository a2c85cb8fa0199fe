#include "enginetest.h"
#include "mrules.h"

using namespace solvane;
using namespace solvane::test;

namespace {
// Rank and suit by name for the value-level rule tests.
bool FitsCards(const std::string& lower, const std::string& upper, int code, bool wrap)
{
    auto [ln, ls] = ParseCard(lower);
    auto [un, us] = ParseCard(upper);
    return FitsValues(ln, ls, un, us, code, wrap);
}
} // namespace

TEST(Fits, DownAlternateColour)
{
    EXPECT_TRUE(FitsCards("TD", "9C", kDownAlternateColor, false));
    EXPECT_FALSE(FitsCards("TS", "9C", kDownAlternateColor, false));
    EXPECT_FALSE(FitsCards("9D", "9C", kDownAlternateColor, false));
    EXPECT_TRUE(FitsCards("2H", "AS", kDownAlternateColor, false));
    EXPECT_FALSE(FitsCards("AH", "KS", kDownAlternateColor, false));
    EXPECT_TRUE(FitsCards("AH", "KS", kDownAlternateColor, true));
    EXPECT_FALSE(FitsCards("AS", "KS", kDownAlternateColor, true));
}

TEST(Fits, EveryOrderCode)
{
    // Same suit, other colour and free suit rules with each direction.
    EXPECT_TRUE(FitsCards("TC", "9C", kDownSameSuit, false));
    EXPECT_FALSE(FitsCards("TS", "9C", kDownSameSuit, false));
    EXPECT_TRUE(FitsCards("TS", "9C", kDownRegardless, false));
    EXPECT_TRUE(FitsCards("9C", "TC", kUpSameSuit, false));
    EXPECT_FALSE(FitsCards("9C", "TD", kUpSameSuit, false));
    EXPECT_TRUE(FitsCards("9C", "TD", kUpAlternateColor, false));
    EXPECT_TRUE(FitsCards("9C", "TS", kUpRegardless, false));
    EXPECT_FALSE(FitsCards("KC", "AC", kUpSameSuit, false));
    EXPECT_TRUE(FitsCards("KC", "AC", kUpSameSuit, true));
    for (const char* l : {"AC", "7D", "KH"})
        for (const char* u : {"AC", "2S", "9H", "KD"})
            EXPECT_TRUE(FitsCards(l, u, kAnyCard, false));
    EXPECT_TRUE(FitsCards("7C", "8C", kEitherSameSuit, false));
    EXPECT_TRUE(FitsCards("7C", "6C", kEitherSameSuit, false));
    EXPECT_FALSE(FitsCards("7C", "7C", kEitherSameSuit, false));
    EXPECT_TRUE(FitsCards("7C", "6H", kEitherAlternateColor, false));
    EXPECT_FALSE(FitsCards("7C", "6S", kEitherAlternateColor, false));
    EXPECT_TRUE(FitsCards("7C", "8S", kEitherRegardless, false));
    EXPECT_TRUE(FitsCards("KC", "AD", kEitherRegardless, true));
    EXPECT_TRUE(FitsCards("AC", "KD", kEitherRegardless, true));
    EXPECT_FALSE(FitsCards("AC", "KD", kEitherRegardless, false));
    EXPECT_FALSE(FitsCards("TD", "9C", 10, false));
    EXPECT_FALSE(FitsCards("TD", "9C", -1, false));
}

TEST(Sequence, CapacityExamples)
{
    struct Case { int cells, emptyPiles, capacity; };
    for (Case c : {Case{4, 0, 4}, Case{4, 1, 9}, Case{0, 2, 2}, Case{2, 2, 8}, Case{4, 3, 19}}) {
        Table t;
        std::vector<std::string> piles(8, "2C");
        std::vector<std::string> names = {"2C", "3C", "4C", "5C", "6C", "7C", "8C", "9C"};
        for (int p = 0; p < 8; ++p)
            piles[p] = p < 8 - c.emptyPiles ? names[p] : "";
        std::vector<std::string> cells(4, "-");
        const std::string fill[] = {"2D", "3D", "4D", "5D"};
        for (int i = c.cells; i < 4; ++i)
            cells[i] = fill[i];
        Arrange(t, Rules("Freecell"), piles, cells);
        EXPECT_EQ(SequenceCapacity(t.a()), c.capacity) << c.cells << " " << c.emptyPiles;
    }
}

TEST(Sequence, PickUpLimitsRuns)
{
    Table t;
    // Pile 0 holds a run of six from the Queen; no empty pile, four free cells: 5 may move.
    Arrange(t, Rules("Freecell"), {"KC QD JS TH 9C 8D 7S", "2C", "3C", "4C", "5C", "6C", "7C", "8C"});
    int count = 0;
    EXPECT_FALSE(CanPickUp(t.a(), Pic(t.a(), "QD"), count));
    EXPECT_TRUE(CanPickUp(t.a(), Pic(t.a(), "JS"), count));
    EXPECT_EQ(count, 4);
    EXPECT_TRUE(CanPickUp(t.a(), Pic(t.a(), "7S"), count));
    EXPECT_EQ(count, 0);
    // Two black cards break the run.
    Table u;
    Arrange(u, Rules("Freecell"), {"KC QS JH", "2C"});
    EXPECT_FALSE(CanPickUp(u.a(), Pic(u.a(), "KC"), count));
    EXPECT_TRUE(CanPickUp(u.a(), Pic(u.a(), "QS"), count));
    EXPECT_EQ(count, 1);
    // A face-down card below the top never comes along.
    u.a().SetFace(Pic(u.a(), "QS"), kFaceDown);
    EXPECT_FALSE(CanPickUp(u.a(), Pic(u.a(), "QS"), count));
    // Without multi-card moves only single cards move.
    GameRules single = Rules("Freecell");
    single.hMulti = 0;
    Table v;
    Arrange(v, single, {"KC QD", "2C"});
    EXPECT_FALSE(CanPickUp(v.a(), Pic(v.a(), "KC"), count));
}

TEST(Sequence, RunOfTwentyWithThreeEmptyPiles)
{
    Table t;
    GameRules r = Rules("Freecell");
    r.hOrder = kAnyCard; // so that 21 cards can form one run
    std::string run;
    const char* cards[] = {"KC", "QC", "JC", "TC", "9C", "8C", "7C", "6C", "5C", "4C", "3C",
                           "2C", "AC", "KD", "QD", "JD", "TD", "9D", "8D", "7D", "6D"};
    for (const char* c : cards)
        run += std::string(c) + " ";
    Arrange(t, r, {run, "2S", "3S", "4S", "5S"});
    int count = 0;
    EXPECT_TRUE(CanPickUp(t.a(), Pic(t.a(), "QC"), count));
    EXPECT_EQ(count, 19);
    EXPECT_FALSE(CanPickUp(t.a(), Pic(t.a(), "KC"), count));
}

TEST(Accepts, TableauFreeCellsAndFoundations)
{
    Table t;
    Arrange(t, Rules("Freecell"), {"TD", "", "9C", "9S", "2C"}, {"-", "KH"}, {"AC"});
    cArray& a = t.a();
    EXPECT_TRUE(AcceptsOnTableau(a, Pic(a, "9C"), 0));
    EXPECT_TRUE(AcceptsOnTableau(a, Pic(a, "9S"), 0));
    EXPECT_FALSE(AcceptsOnTableau(a, Pic(a, "9C"), 3));
    EXPECT_TRUE(AcceptsOnTableau(a, Pic(a, "KH"), 1)); // any card fills a space
    EXPECT_FALSE(AcceptsOnTableau(a, Pic(a, "9C"), 2)); // its own pile
    EXPECT_TRUE(AcceptsOnReserve(a, Pic(a, "9C"), 0, 0));
    EXPECT_FALSE(AcceptsOnReserve(a, Pic(a, "9C"), 0, 1));
    EXPECT_FALSE(AcceptsOnReserve(a, Pic(a, "9C"), 1, 0));
    EXPECT_TRUE(AcceptsOnFoundation(a, Pic(a, "2C"), 0, 0));
    EXPECT_FALSE(AcceptsOnFoundation(a, Pic(a, "2C"), 0, 1));
    EXPECT_FALSE(AcceptsOnFoundation(a, Pic(a, "2C"), 1, 0));

    // Kings only in spaces.
    GameRules kings = Rules("Freecell");
    kings.hSpace = 12;
    Table k;
    Arrange(k, kings, {"", "KS", "QH"});
    EXPECT_TRUE(AcceptsOnTableau(k.a(), Pic(k.a(), "KS"), 0));
    EXPECT_FALSE(AcceptsOnTableau(k.a(), Pic(k.a(), "QH"), 0));
}

TEST(Accepts, AnyAceStartsAnyFoundation)
{
    Table t;
    Arrange(t, Rules("Freecell"), {"AH", "2S", "2H"}, {}, {"", "", "", "AC"});
    cArray& a = t.a();
    for (int f = 0; f < 3; ++f)
        EXPECT_TRUE(AcceptsOnFoundation(a, Pic(a, "AH"), f, 0));
    EXPECT_FALSE(AcceptsOnFoundation(a, Pic(a, "2S"), 3, 0));
    EXPECT_FALSE(AcceptsOnFoundation(a, Pic(a, "2H"), 3, 0));
}

TEST(Accepts, NoCardLandsOnItsOwnFoundation)
{
    // With "any card" order a foundation's top fits onto itself; it must still be refused
    // there, while another foundation takes it.
    GameRules r = Rules("Freecell");
    r.gOrder = 6;
    Table t;
    Arrange(t, r, {"KD"}, {}, {"AC 2C", "AD"});
    cArray& a = t.a();
    EXPECT_FALSE(AcceptsOnFoundation(a, Pic(a, "2C"), 0, 0));
    EXPECT_TRUE(AcceptsOnFoundation(a, Pic(a, "2C"), 1, 0));
    EXPECT_TRUE(AcceptsOnFoundation(a, Pic(a, "KD"), 0, 0));
}

TEST(Accepts, WrappingFoundationsCompleteAtThirteen)
{
    GameRules r = Rules("Freecell");
    r.gBase = 5; // Six
    Table t;
    Arrange(t, r, {"AC", "5D", "6D"}, {}, {"6C 7C 8C 9C TC JC QC KC"});
    cArray& a = t.a();
    a.SetBaseRank(5);
    EXPECT_TRUE(AcceptsOnFoundation(a, Pic(a, "AC"), 0, 0)); // King to Ace
    EXPECT_FALSE(AcceptsOnFoundation(a, Pic(a, "5D"), 1, 0));
    EXPECT_TRUE(AcceptsOnFoundation(a, Pic(a, "6D"), 1, 0));
}

TEST(Accepts, TheAcceptingPilesOfACardAndOfARun)
{
    Table t;
    // Freecell: 8 piles (pile 1 and 5..7 empty), one free cell taken, clubs up to the Ace.
    Arrange(t, Rules("Freecell"), {"TD", "", "9C", "TH 9S", "2C"}, {"-", "KH"}, {"AC"});
    cArray& a = t.a();
    using P = PileAddress;
    // 9C: on the red Ten, into every empty pile and free cell; not on a foundation.
    EXPECT_EQ(AcceptingPiles(a, Pic(a, "9C"), 0),
              (std::vector<P>{{kTableau, 0}, {kTableau, 1}, {kTableau, 5}, {kTableau, 6}, {kTableau, 7},
                              {kReserve, 0}, {kReserve, 2}, {kReserve, 3}}));
    // 2C goes home as well.
    EXPECT_EQ(AcceptingPiles(a, Pic(a, "2C"), 0).back(), (P{kFoundation, 0}));
    // A run of two (TH 9S): only empty piles take it, no free cell, no foundation.
    EXPECT_EQ(AcceptingPiles(a, Pic(a, "TH"), 1),
              (std::vector<P>{{kTableau, 1}, {kTableau, 5}, {kTableau, 6}, {kTableau, 7}}));
    // A place out of range takes nothing.
    EXPECT_FALSE(Accepts(a, Pic(a, "9C"), 0, kTableau, 8));
    EXPECT_FALSE(Accepts(a, Pic(a, "9C"), 0, kStock, 0));
}
