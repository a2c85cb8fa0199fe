// The life of one game without a window: start, score, status tick, end and recording.
#include "testservices.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace solvane;
using namespace solvane::test;

namespace {
int Recorded(cServices& s, int* lastWon = nullptr)
{
    s.Score().OpenAllScore();
    const int n = s.Score().ScoreTop();
    if (lastWon && n)
        *lastWon = s.Score().GetScore(n).Won;
    s.Score().CloseScore();
    return n;
}
} // namespace

TEST(Lifecycle, StartDealsAndRunsTheFirstAutoplay)
{
    TestServices t;
    cLifecycle& life = t->Lifecycle();
    ASSERT_FALSE(life.StartGame("Freecell", cGameNo(30512)));
    EXPECT_TRUE(t.Data().GameRunning());
    EXPECT_EQ(t.Data().CurGName(), "Freecell");
    EXPECT_EQ(t.Data().LastGName(), "Freecell");
    EXPECT_EQ(t.Data().GetRecent(1), "Freecell");
    EXPECT_EQ(life.Caption(), "Solvane [Freecell] [Player1] [30512]");
    // Cards the first autoplay played count as moves of the new game.
    EXPECT_EQ(life.Moves(), t->Board().TotalGoalCards());
    EXPECT_EQ(life.ElapsedSeconds(), 0);
}

TEST(Lifecycle, ScoreRuleAndTheStatusTick)
{
    TestServices t;
    cLifecycle& life = t->Lifecycle();
    EXPECT_EQ(life.CurrentScore(), 0); // no game
    life.StartGame("Freecell", cGameNo(1));
    t.Data().SetCurTime(300);
    t.Data().SetCurMoves(20);
    const int goal = t->Board().TotalGoalCards();
    EXPECT_EQ(life.CurrentScore(), 10 * goal - 110);
    // A game left running for days stays within the 16-bit range.
    t.Data().SetCurTime(1000000);
    EXPECT_EQ(life.CurrentScore(), -32768);
    // The tick stores the score from the figures of the last tick, then the new figures.
    t.Data().SetCurTime(300);
    const auto texts = life.StatusTick();
    EXPECT_EQ(t.Data().CurScore(), 10 * goal - 110);
    EXPECT_EQ(t.Data().CurTime(), 0);
    EXPECT_EQ(t.Data().CurMoves(), life.Moves());
    EXPECT_EQ(texts.Time, "Time :0:00:00");
    EXPECT_EQ(texts.Moves, "Moves :" + QString::number(life.Moves()));
}

TEST(Lifecycle, UndoLowersTheMovesAndRaisesTheScore)
{
    TestServices t;
    t.Data().SetAutoplay(0);
    t->Lifecycle().StartGame("Freecell", cGameNo(1));
    cArray& a = t->Board();
    a.Move(a.GetTopPicID(kTableau, 0), kReserve, 0, 0, kModeNormal, 3);
    a.Move(a.GetTopPicID(kTableau, 1), kReserve, 1, 0, kModeNormal, 3);
    t->Lifecycle().StatusTick();
    t->Lifecycle().StatusTick();
    const int score = t.Data().CurScore();
    int speed = 0;
    t->Boards().Log().Undo(speed);
    t->Lifecycle().StatusTick();
    t->Lifecycle().StatusTick();
    EXPECT_EQ(t.Data().CurMoves(), 1);
    EXPECT_EQ(t.Data().CurScore(), score + 1);
}

TEST(Lifecycle, RestartRecordsTheRunningGameOnceAsLost)
{
    TestServices t;
    cLifecycle& life = t->Lifecycle();
    life.StartGame("Freecell", cGameNo(9));
    life.StartGame(t.Data().CurGName(), t.Data().CurGNo());
    int won = -1;
    EXPECT_EQ(Recorded(*t, &won), 1);
    EXPECT_EQ(won, 0);
    EXPECT_EQ(t->Score().SesTop(), 1);
    life.EndGame(0);
    EXPECT_EQ(Recorded(*t), 2);
    EXPECT_FALSE(t.Data().GameRunning());
}

TEST(Lifecycle, AGameLeftThatCannotBeRecordedIsSaid)
{
    TestServices t;
    cLifecycle& life = t->Lifecycle();
    ASSERT_FALSE(life.StartGame("Freecell", cGameNo(9)));
    EXPECT_FALSE(life.LeftGameProblem());
    // A folder where the score file should be: the record cannot be appended.
    ASSERT_TRUE(QDir().mkpath(t->Score().ScoreFilePath(t.Data().CurPlayer())));
    ASSERT_FALSE(life.StartGame("Freecell", cGameNo(10)));
    EXPECT_TRUE(life.LeftGameProblem());
    EXPECT_TRUE(t.Data().GameRunning());
}

TEST(Lifecycle, ADamagedGameFileIsRefusedAndTheGameGoesOn)
{
    TestServices t;
    QFile f(t.DataDir() + "Broken.gam");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("0,0,0,4\r\n");
    f.close();
    t->Custom().Init();
    cLifecycle& life = t->Lifecycle();
    life.StartGame("Forecell", cGameNo(4));
    const auto problem = life.StartGame("Broken", cGameNo(5));
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->contains("Broken"));
    EXPECT_TRUE(t.Data().GameRunning());
    EXPECT_EQ(t.Data().CurGName(), "Forecell");
    EXPECT_EQ(t->Boards().Games().Cards(kReserve), 4);
    EXPECT_EQ(Recorded(*t), 0);
}

TEST(Lifecycle, AWinIsSeenOnceAndRecordedAsWon)
{
    TestServices t;
    cLifecycle& life = t->Lifecycle();
    life.StartGame("Freecell", cGameNo(1));
    int wins = 0;
    QObject::connect(&life, &cLifecycle::GameWon, [&] { ++wins; });
    // Every card to the foundations by hand, in suit order.
    cArray& a = t->Board();
    for (int suit = 0; suit < 4; ++suit)
        for (int num = 0; num < 13; ++num)
            for (int p = 0; p < 52; ++p)
                if (a.CardSuit(p) == suit && a.CardNum(p) == num && a.CardCell(p) != kFoundation)
                    a.Move(p, kFoundation, suit, a.GetTop(kFoundation, suit) + 1, kModeReplay, 0);
    EXPECT_EQ(wins, 1);
    EXPECT_TRUE(life.WinPending());
    // The figures stand still until the dialog shows them.
    t.Data().SetCurMoves(7);
    life.StatusTick();
    EXPECT_EQ(t.Data().CurMoves(), 7);
    life.FinishWin();
    int won = 0;
    EXPECT_EQ(Recorded(*t, &won), 1);
    EXPECT_EQ(won, 1);
    EXPECT_FALSE(life.WinPending());
}

TEST(Lifecycle, RandomNumbersFollowTheRange)
{
    TestServices t;
    t.Data().SetRangeIndex(5);
    for (int i = 0; i < 200; ++i) {
        const double n = t->Lifecycle().RandomNumber().Value();
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 100000);
    }
}
