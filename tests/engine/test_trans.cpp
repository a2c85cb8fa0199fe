#include "enginetest.h"

using namespace solvane;
using namespace solvane::test;

namespace {
// Three single-card moves between empty piles, autoplay off.
void ThreeMoves(Table& t)
{
    t.host.autoplay = false;
    Arrange(t, Rules("Freecell"), {"9C", "8D", "7S", "", "", ""});
    cArray& a = t.a();
    a.Move(Pic(a, "9C"), kTableau, 3, 0, kModeNormal, 3);
    a.Move(Pic(a, "8D"), kTableau, 4, 0, kModeNormal, 3);
    a.Move(Pic(a, "7S"), kTableau, 5, 0, kModeNormal, 3);
}
} // namespace

TEST(Log, MoveAfterUndoDiscardsTheRedoableMoves)
{
    Table t;
    ThreeMoves(t);
    int speed = 5;
    t.log().Undo(speed);
    t.log().Undo(speed);
    EXPECT_TRUE(t.log().RedoPossible());
    EXPECT_EQ(t.log().GetTransID(), 1);
    t.a().Move(Pic(t.a(), "7S"), kTableau, 6, 0, kModeNormal, 3);
    EXPECT_FALSE(t.log().RedoPossible());
    EXPECT_EQ(t.log().Total(), 2);
    int s = 5;
    EXPECT_FALSE(t.log().Redo(s));
}

TEST(Log, GroupsUndoAndRedoAsOneStep)
{
    Table t;
    t.host.autoplay = false;
    Arrange(t, Rules("Freecell"), {"9C", "8D", "7S", "", "", ""});
    cArray& a = t.a();
    t.log().StartMulti();
    a.Move(Pic(a, "9C"), kTableau, 3, 0, kModeNormal, 3);
    a.Move(Pic(a, "8D"), kTableau, 4, 0, kModeNormal, 3);
    a.Move(Pic(a, "7S"), kTableau, 5, 0, kModeNormal, 3);
    t.log().EndMulti();
    EXPECT_EQ(t.log().At(1).Group, 1);
    EXPECT_EQ(t.log().At(3).Group, 0);
    t.rec.placed.clear();
    t.rec.sounds.clear();
    int speed = 7;
    EXPECT_TRUE(t.log().Undo(speed));
    EXPECT_EQ(t.log().GetTransID(), 0);
    EXPECT_EQ(speed, 4); // written back to the caller
    ASSERT_EQ(t.rec.placed.size(), 3u);
    EXPECT_EQ(t.rec.placed[0].steps, 7);
    EXPECT_EQ(t.rec.placed[1].steps, 4);
    EXPECT_EQ(t.rec.sounds, std::vector<std::string>{"Undo"});
    speed = 7;
    t.rec.sounds.clear();
    EXPECT_TRUE(t.log().Redo(speed));
    EXPECT_EQ(t.log().GetTransID(), 3);
    EXPECT_EQ(t.rec.sounds, std::vector<std::string>{"Redo"});
    EXPECT_EQ(a.CardPile(Pic(a, "7S")), 5);
}

TEST(Log, EmptyGroupChangesNothing)
{
    Table t;
    ThreeMoves(t);
    t.log().StartMulti();
    t.log().EndMulti();
    int speed = 5;
    EXPECT_TRUE(t.log().Undo(speed));
    EXPECT_EQ(t.log().GetTransID(), 2);
}

TEST(Log, SlowSpeedsAreSilentAndNothingToUndoIsFalse)
{
    Table t;
    ThreeMoves(t);
    t.rec.sounds.clear();
    int speed = 4;
    t.log().UndoAll(speed);
    EXPECT_TRUE(t.rec.sounds.empty());
    EXPECT_FALSE(t.log().UndoPossible());
    EXPECT_FALSE(t.log().Undo(speed));
    speed = 5;
    t.log().RedoAll(speed);
    EXPECT_EQ(t.rec.sounds.size(), 3u);
    EXPECT_FALSE(t.log().RedoPossible());
}

TEST(Log, HistoryRows)
{
    Table t;
    t.host.autoplay = false;
    Arrange(t, Rules("Freecell"), {"", "", "2S 3S 4S 5S 6S 7S 8S", "", "", ""});
    cArray& a = t.a();
    a.Move(a.GetPicID(kTableau, 2, 6), kTableau, 0, 0, kModeNormal, 3);
    a.Move(a.GetPicID(kTableau, 2, 5), kReserve, 1, 0, kModeNormal, 3);
    a.Move(a.GetPicID(kTableau, 2, 4), kTableau, 1, 0, kModeNormal, 3);
    a.Move(a.GetPicID(kTableau, 2, 3), kTableau, 3, 0, kModeNormal, 3);
    a.Move(a.GetPicID(kTableau, 2, 2), kTableau, 4, 0, kModeNormal, 3);
    int speed = 0;
    t.log().Undo(speed);
    t.log().Undo(speed);
    const auto rows = t.log().HistoryRows();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].Source, "Tableau (Pile 3, Card 7)");
    EXPECT_EQ(rows[0].Destination, "Tableau (Pile 1, Card 1)");
    EXPECT_EQ(rows[1].Destination, "Reserve (Pile 2, Card 1)");
    EXPECT_EQ(rows[0].Cards, 1);
    EXPECT_EQ(rows[1].Kind, cTrans::RowKind::Done);
    EXPECT_EQ(rows[2].Kind, cTrans::RowKind::Current);
    EXPECT_EQ(rows[3].Kind, cTrans::RowKind::Redoable);
    EXPECT_EQ(rows[4].Kind, cTrans::RowKind::Redoable);
    EXPECT_EQ(cTrans::ConvertCell(3), "Foundation");
    EXPECT_EQ(cTrans::ConvertCell(1), "Stock");
    EXPECT_EQ(cTrans::ConvertCell(7), "");
}

TEST(Log, GrowsByHundredsAndStopsAtTheLimit)
{
    Table t;
    t.host.autoplay = false;
    Arrange(t, Rules("Freecell"), {"9C", ""});
    cArray& a = t.a();
    const int pic = Pic(a, "9C");
    for (int i = 0; i < 250; ++i)
        a.Move(pic, kTableau, (i + 1) % 2, 0, kModeNormal, 0);
    EXPECT_EQ(t.log().Capacity(), 300);
    EXPECT_EQ(t.log().At(101).DPile, 1);
    EXPECT_EQ(t.log().At(1).SPile, 0);
    for (int i = 250; i < cTrans::kMaxMoves; ++i)
        t.log().SaveTrans(pic, 0, 0, 0, 0, 0);
    EXPECT_THROW(t.log().SaveTrans(pic, 0, 0, 0, 0, 0), std::overflow_error);
    EXPECT_EQ(t.log().GetTransID(), cTrans::kMaxMoves);
}
