// The life of one game without a window: start, score, status tick, end and recording.
#include "msolver.h"
#include "mround.h"
#include "testservices.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace solvane;
using namespace solvane::test;

namespace {
// Starts a game and lets its deal count as drawn, as the table does once it has shown it.
std::optional<QString> Begin(cLifecycle& life, const QString& name, double number)
{
    auto problem = life.StartGame(name, cGameNo(number));
    life.DealDrawn();
    return problem;
}

ScoreRecord LastRecord(cServices& s)
{
    s.Score().OpenAllScore();
    const ScoreRecord r = s.Score().ScoreTop() ? s.Score().GetScore(s.Score().ScoreTop()) : ScoreRecord{};
    s.Score().CloseScore();
    return r;
}

int ScoreRule(int goalCards, int time, int moves)
{
    return int(RoundHalfEven(10.0 * goalCards - (time / 3.0 + moves / 2.0)));
}

// The clock of the running game as if it had been started this many seconds ago.
void StartedAgo(cServices& s, int seconds)
{
    s.Data().SetGameStartTime(s.Data().GameStartTime().addSecs(-seconds));
}

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
    ASSERT_FALSE(Begin(life, "Freecell", 30512));
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
    Begin(life, "Freecell", 1);
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
    Begin(t->Lifecycle(), "Freecell", 1);
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
    Begin(life, "Freecell", 9);
    life.StartGame(t.Data().CurGName(), t.Data().CurGNo());
    life.DealDrawn();
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
    ASSERT_FALSE(Begin(life, "Freecell", 9));
    EXPECT_FALSE(life.LeftGameProblem());
    // A folder where the score file should be: the record cannot be appended.
    ASSERT_TRUE(QDir().mkpath(t->Score().ScoreFilePath(t.Data().CurPlayer())));
    ASSERT_FALSE(Begin(life, "Freecell", 10));
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
    Begin(life, "Forecell", 4);
    const auto problem = Begin(life, "Broken", 5);
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
    Begin(life, "Freecell", 1);
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

TEST(Lifecycle, TheGameRunsAndItsClockStartsWhenTheDealHasBeenDrawn)
{
    TestServices t;
    cLifecycle& life = t->Lifecycle();
    // Figures left by a game before must not pass into the new one.
    t.Data().SetCurTime(500);
    t.Data().SetCurMoves(99);
    ASSERT_FALSE(life.StartGame("Freecell", cGameNo(1)));
    EXPECT_TRUE(life.Dealing());
    EXPECT_FALSE(t.Data().GameRunning());
    EXPECT_EQ(life.StatusTick().Time, "");
    life.DealDrawn();
    EXPECT_FALSE(life.Dealing());
    EXPECT_TRUE(t.Data().GameRunning());
    EXPECT_EQ(t.Data().CurTime(), 0);
    EXPECT_EQ(t.Data().CurMoves(), life.Moves());
    EXPECT_EQ(t.Data().CurScore(), ScoreRule(t->Board().TotalGoalCards(), 0, life.Moves()));
    EXPECT_EQ(life.StatusTick().Time, "Time :0:00:00");
    // A start while a deal is still being drawn leaves that game like any other.
    life.StartGame("Freecell", cGameNo(2));
    life.StartGame("Freecell", cGameNo(3));
    EXPECT_EQ(Recorded(*t), 2);
}

TEST(Lifecycle, AGameEndedBeforeItsFirstTickRecordsItsOwnFigures)
{
    TestServices t;
    t.Data().SetAutoplay(0);
    cLifecycle& life = t->Lifecycle();
    Begin(life, "Freecell", 9);
    cArray& a = t->Board();
    a.Move(a.GetTopPicID(kTableau, 0), kReserve, 0, 0, kModeNormal, 3);
    a.Move(a.GetTopPicID(kTableau, 1), kReserve, 1, 0, kModeNormal, 3);
    StartedAgo(*t, 100);
    life.StatusTick();
    life.StatusTick();
    // Restarted twice, the second time before any tick of the new game.
    life.StartGame("Freecell", cGameNo(9));
    const ScoreRecord first = LastRecord(*t);
    EXPECT_GE(first.Time, 100);
    EXPECT_EQ(first.Moves, 2);
    life.DealDrawn();
    life.StartGame("Freecell", cGameNo(9));
    const ScoreRecord second = LastRecord(*t);
    EXPECT_EQ(second.Time, 0);
    EXPECT_EQ(second.Moves, 0);
    EXPECT_EQ(second.Score, 0);
    EXPECT_EQ(t->Score().GetSesGame(t->Score().SesTop()).Moves, 0);
}

TEST(Lifecycle, AWinRecordsTheFiguresOfTheMomentItsLastCardArrives)
{
    TestServices t;
    cLifecycle& life = t->Lifecycle();
    // A deal whose last move sets off an autoplay chain of twenty cards or more.
    bool found = false;
    for (int deal = 1; deal <= 40 && !found; ++deal) {
        Begin(life, "Freecell", deal);
        const SolveResult plan = Solve(life.Rules(), t->Board(), true, SolveLimits{});
        ASSERT_EQ(plan.verdict, Verdict::Winnable) << deal;
        for (size_t i = 0; i + 1 < plan.moves.size(); ++i)
            PlayStep(t->Board(), plan.moves[i]);
        if (t->Board().TotalGoalCards() > 32)
            continue;
        found = true;
        // The last tick saw the cards then on the foundations; the game began 4:02 ago.
        StartedAgo(*t, 242);
        life.StatusTick();
        const int staleScore = t.Data().CurScore();
        PlayStep(t->Board(), plan.moves.back());
        ASSERT_TRUE(life.WinPending());
        const int moves = life.Moves();
        life.StatusTick(); // a tick after the win changes nothing
        life.FinishWin();
        const ScoreRecord r = LastRecord(*t);
        EXPECT_EQ(r.Won, 1);
        EXPECT_GE(r.Time, 242);
        EXPECT_LE(r.Time, 244);
        EXPECT_EQ(r.Moves, moves);
        EXPECT_EQ(r.Score, ScoreRule(52, r.Time, r.Moves));
        EXPECT_NE(r.Score, staleScore);
        const ScoreRecord ses = t->Score().GetSesGame(t->Score().SesTop());
        EXPECT_EQ(ses.Score, r.Score);
        EXPECT_EQ(ses.Moves, r.Moves);
    }
    EXPECT_TRUE(found) << "no deal ends in a long autoplay chain";
}

TEST(Lifecycle, AGameTheComputerHelpedRecordsWhatThePlayerHadEarned)
{
    TestServices t;
    t.Data().SetAutoplay(0);
    cLifecycle& life = t->Lifecycle();
    Begin(life, "Freecell", 5);
    cArray& a = t->Board();
    a.Move(a.GetTopPicID(kTableau, 0), kReserve, 0, 0, kModeNormal, 3);
    StartedAgo(*t, 60);
    const cLifecycle::Figures asked = life.FiguresNow();
    life.NoteSolveAsked();
    life.SetSolvedByComputer(true);
    StartedAgo(*t, 30); // the computer plays on
    a.Move(a.GetTopPicID(kTableau, 1), kReserve, 1, 0, kModeNormal, 3);
    life.NoteSolveAsked(); // asked again: the first ask counts
    life.EndGame(0);
    const ScoreRecord r = LastRecord(*t);
    EXPECT_EQ(r.Won, 0);
    EXPECT_EQ(r.Time, asked.Time);
    EXPECT_EQ(r.Moves, 1);
    EXPECT_EQ(r.Score, asked.Score);
    // The next game earns its own figures again.
    Begin(life, "Freecell", 6);
    StartedAgo(*t, 30);
    life.EndGame(0);
    EXPECT_GE(LastRecord(*t).Time, 30);
}
