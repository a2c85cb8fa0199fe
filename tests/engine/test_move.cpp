#include "enginetest.h"
#include "mrules.h"

using namespace solvane;
using namespace solvane::test;

TEST(MoveCard, RunMovesWithItsCard)
{
    GameRules r = Rules("Freecell");
    r.hOrder = kAnyCard;
    Table t;
    t.host.autoplay = false;
    Arrange(t, r, {"", "", "2S 3S 4S 5S 6S 7S 8S", "", "", "2D 3D 4D 5D 6D 7D 8D 9D TD JD"});
    cArray& a = t.a();
    const int pic = a.GetPicID(kTableau, 2, 3);
    a.Move(pic, kTableau, 5, 10, kModeNormal, 3, 3);
    EXPECT_EQ(a.GetTop(kTableau, 2), 2);
    EXPECT_EQ(a.GetTop(kTableau, 5), 13);
    EXPECT_EQ(t.log().GetTransID(), 1);
    EXPECT_EQ(t.log().At(1).mCards, 3);
    EXPECT_EQ(t.log().At(1).SPos, 3);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(a.CardPos(a.GetPicID(kTableau, 5, 10 + i)), 10 + i);
    ExpectConsistent(a);
    // Only the first card animates; the cards on it jump along.
    ASSERT_GE(t.rec.placed.size(), 4u);
    const auto n = t.rec.placed.size();
    EXPECT_EQ(t.rec.placed[n - 4].steps, 3);
    EXPECT_EQ(t.rec.placed[n - 1].steps, 0);
}

TEST(MoveCard, FullFoundationTakesNothing)
{
    Table t;
    Arrange(t, Rules("Freecell"), {"AD"}, {}, {"AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"});
    cArray& a = t.a();
    a.Move(Pic(a, "AD"), kFoundation, 0, 13, kModeNormal, 3);
    EXPECT_EQ(a.GetTop(kFoundation, 0), 12);
    EXPECT_EQ(a.GetTop(kTableau, 0), 0);
    EXPECT_EQ(t.log().Total(), 0);
}

TEST(MoveCard, DealingLeavesTheVacatedSlot)
{
    Table t;
    Arrange(t, Rules("Freecell"), {"KS QH"});
    cArray& a = t.a();
    const int qh = Pic(a, "QH");
    a.Move(qh, kTableau, 1, 0, kModeDeal, 0);
    EXPECT_EQ(a.GetPicID(kTableau, 0, 1), qh);
    EXPECT_EQ(a.GetTop(kTableau, 0), 0);
    EXPECT_EQ(t.log().Total(), 0);
}

TEST(MoveCard, UncoveringAFaceDownCardTurnsItAndUndoTurnsItBack)
{
    Table t;
    t.host.autoplay = false;
    Arrange(t, Rules("Freecell"), {"KS QH", ""});
    cArray& a = t.a();
    a.SetFace(Pic(a, "KS"), kFaceDown);
    EXPECT_EQ(a.Move(Pic(a, "QH"), kTableau, 1, 0, kModeNormal, 3), kModeUncover);
    EXPECT_EQ(a.CardFace(Pic(a, "KS")), kFaceUp);
    EXPECT_EQ(t.log().At(1).tMod, kModeUncover);
    int speed = 0;
    t.log().Undo(speed);
    EXPECT_EQ(a.CardFace(Pic(a, "KS")), kFaceDown);
    t.log().Redo(speed);
    EXPECT_EQ(a.CardFace(Pic(a, "KS")), kFaceUp);
}

TEST(MoveCard, WasteAndStock)
{
    Table t;
    Arrange(t, Rules("Freecell"), {});
    cArray& a = t.a();
    a.MoveWasteStock(); // an empty waste: nothing happens
    const int stockTop = a.GetTop(kStock, 0);
    const int first = a.GetTopPicID(kStock, 0);
    a.AddtoWaste(first);
    a.AddtoWaste(a.GetTopPicID(kStock, 0));
    EXPECT_EQ(a.GetTop(kWaste, 0), 1);
    EXPECT_EQ(a.CardFace(first), kFaceUp);
    EXPECT_EQ(t.log().At(1).tMod, kModeTurnUp);
    a.MoveWasteStock();
    EXPECT_EQ(a.GetTop(kWaste, 0), -1);
    EXPECT_EQ(a.GetTop(kStock, 0), stockTop);
    // The waste goes back reversed: the first card turned over is on top again.
    EXPECT_EQ(a.GetTopPicID(kStock, 0), first);
    EXPECT_EQ(a.CardFace(first), kFaceDown);
}

TEST(Autoplay, ChainsPlayEveryExposedCard)
{
    Table t;
    Arrange(t, Rules("Freecell"), {"2C AD", "AC KS", "3C", "2D"}, {"-", "-", "-", "QS"});
    cArray& a = t.a();
    // The King goes to a free cell: the Ace under it and everything that follows go up.
    a.Move(Pic(a, "KS"), kReserve, 0, 0, kModeNormal, 3);
    EXPECT_EQ(a.TotalGoalCards(), 5);
    EXPECT_EQ(a.GetTop(kFoundation, 0), 1); // AD 2D
    EXPECT_EQ(a.GetTop(kFoundation, 1), 2); // AC 2C 3C
    EXPECT_EQ(t.log().GetTransID(), 1 + 5);
    EXPECT_EQ(std::count(t.rec.sounds.begin(), t.rec.sounds.end(), "AutoPlay"), 5);
    ExpectConsistent(a);
    // Each play is its own undo step, and undo never sets autoplay off again.
    int speed = 5;
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(t.log().Undo(speed));
    EXPECT_EQ(a.TotalGoalCards(), 0);
    EXPECT_TRUE(t.log().Undo(speed));
    EXPECT_FALSE(t.log().Undo(speed));
    EXPECT_EQ(a.GetTopPicID(kTableau, 1), Pic(a, "KS"));
}

TEST(Autoplay, OffLeavesAcesAndSwitchingOnPlaysThem)
{
    Table t;
    t.host.autoplay = false;
    Arrange(t, Rules("Freecell"), {"5C AS", "7H", "2S"}, {"AD"}, {"AH 2H 3H 4H 5H 6H"});
    cArray& a = t.a();
    a.Move(Pic(a, "2S"), kTableau, 3, 0, kModeNormal, 3);
    EXPECT_EQ(a.TotalGoalCards(), 6);
    t.host.autoplay = true;
    Autoplay(a);
    // Tableau piles first, left to right: AS to the first empty foundation, the Seven of
    // hearts on its Six although spades lag behind, then 2S; the free cell's Ace last.
    EXPECT_EQ(a.CardCell(Pic(a, "AS")), kFoundation);
    EXPECT_EQ(a.CardPile(Pic(a, "AS")), 1);
    EXPECT_EQ(a.CardPile(Pic(a, "7H")), 0);
    EXPECT_EQ(a.CardPile(Pic(a, "2S")), 1);
    EXPECT_EQ(a.CardPile(Pic(a, "AD")), 2);
    EXPECT_EQ(a.TotalGoalCards(), 10);
}

TEST(Autoplay, ForbiddenByTheGameOrDuringReplay)
{
    Table t;
    Arrange(t, Rules("Freecell"), {"AS 5C", ""});
    cArray& a = t.a();
    a.Move(Pic(a, "5C"), kTableau, 1, 0, kModeReplay, 3);
    EXPECT_EQ(a.CardCell(Pic(a, "AS")), kTableau);
    a.Move(Pic(a, "5C"), kTableau, 0, 1, kModeTurnDown, 3);
    EXPECT_EQ(a.CardCell(Pic(a, "AS")), kTableau);
    a.Games().Ext(11550, 200, 52, 0, "Freecell", 1, 0);
    a.Move(Pic(a, "5C"), kTableau, 1, 0, kModeNormal, 3);
    EXPECT_EQ(a.CardCell(Pic(a, "AS")), kTableau);
}

TEST(Autoplay, DealStartsWithExposedAcesPlayed)
{
    // Find a deal with an Ace on top of a pile; its first autoplay logs the plays.
    for (int n = 0; n < 200; ++n) {
        Table t;
        t.set.NewDeal(Rules("Freecell"), n);
        int aces = 0;
        for (int p = 0; p < 8; ++p)
            aces += t.a().CardNum(t.a().GetTopPicID(kTableau, p)) == 0;
        if (aces == 0)
            continue;
        Autoplay(t.a());
        EXPECT_GE(t.a().TotalGoalCards(), aces);
        EXPECT_EQ(t.log().GetTransID(), t.a().TotalGoalCards());
        return;
    }
    FAIL() << "no deal with an exposed Ace";
}

TEST(WinCheck, RunsAfterEveryMoveOfARunningGame)
{
    Table t;
    t.host.autoplay = false;
    Arrange(t, Rules("Freecell"), {"5C", ""});
    t.a().Move(Pic(t.a(), "5C"), kTableau, 1, 0, kModeNormal, 3);
    EXPECT_EQ(t.host.winChecks, 0);
    t.host.running = true;
    t.a().Move(Pic(t.a(), "5C"), kTableau, 0, 0, kModeNormal, 3);
    EXPECT_EQ(t.host.winChecks, 1);
}
