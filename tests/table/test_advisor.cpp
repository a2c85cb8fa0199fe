// Hint, Solve and the "winnable" status through the real main window.
#include "tablewindow.h"

#include "cadvisor.h"
#include "csolveservice.h"
#include "vexcard.h"

#include <QElapsedTimer>

using namespace solvane;
using namespace solvane::test;

namespace {
// Lets the worker answer; false if it takes longer than the search may.
bool WaitForAnswer(TableWindow& t)
{
    QElapsedTimer clock;
    clock.start();
    while (!t.w->Solver().HasAnswer() && clock.elapsed() < 15000) {
        t.w->Solver().Refresh();
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QApplication::processEvents();
    return t.w->Solver().HasAnswer();
}

} // namespace

TEST(Advisor, TheStatusSaysWhetherTheGameCanStillBeWon)
{
    TableWindow t;
    t.w->Start("Freecell", cGameNo(1));
    t.view().FinishAnimations();
    t.w->RefreshState();
    EXPECT_EQ(t.w->mWinnable->text(), "Thinking…");
    ASSERT_TRUE(WaitForAnswer(t));
    t.w->RefreshState();
    EXPECT_EQ(t.w->mWinnable->text(), "Winnable");
    // A move makes the answer old; the switch hides the item.
    t.DragTo(t.a().GetTopPicID(kTableau, 0), kReserve, 0);
    t.w->RefreshState();
    EXPECT_EQ(t.w->mWinnable->text(), "Thinking…");
    t.s.Data().SetShowWinnable(0);
    t.w->RefreshState();
    EXPECT_EQ(t.w->mWinnable->text(), "");
}

TEST(Advisor, HintMarksTheCardAndItsPlaceWithoutMoving)
{
    TableWindow t;
    t.w->Start("Freecell", cGameNo(1));
    t.Settle();
    const int before = t.s->Boards().Log().Total();
    t.w->mGame[11]->trigger();
    ASSERT_TRUE(WaitForAnswer(t));
    ASSERT_TRUE(t.w->Advisor().HintShowing());
    const SolveStep hint = t.w->Advisor().HintMove();
    EXPECT_TRUE(t.view().PicCards(hint.pic)->Selected());
    EXPECT_EQ(t.s->Boards().Log().Total(), before);
    // The hinted move is a move the player may make.
    t.w->Advisor().EndHint();
    EXPECT_FALSE(t.view().PicCards(hint.pic)->Selected());
    t.DragTo(hint.pic, hint.toCell, hint.toPile);
    EXPECT_EQ(t.a().CardCell(hint.pic), hint.toCell);
    EXPECT_EQ(t.a().CardPile(hint.pic), hint.toPile);
}

TEST(Advisor, SolvePlaysTheGameOutAndItCountsAsNotWonWithWhatThePlayerEarned)
{
    TableWindow t;
    t.w->Start("Freecell", cGameNo(2));
    t.Settle();
    t.DragTo(t.a().GetTopPicID(kTableau, 0), kReserve, 0);
    t.s.Data().SetGameStartTime(t.s.Data().GameStartTime().addSecs(-90));
    const cLifecycle::Figures asked = t.s->Lifecycle().FiguresNow();
    t.w->mGame[12]->trigger();
    ASSERT_TRUE(WaitForAnswer(t));
    ASSERT_TRUE(t.w->Advisor().Solving());
    for (int i = 0; i < 500 && t.finishes == 0; ++i) {
        t.w->Advisor().SolveTick();
        t.Settle();
    }
    EXPECT_EQ(t.finishes, 1);
    EXPECT_TRUE(t.finishLines.contains(" Result : Solved by the computer"));
    t.s->Score().OpenAllScore();
    const ScoreRecord r = t.s->Score().GetScore(t.s->Score().ScoreTop());
    t.s->Score().CloseScore();
    EXPECT_EQ(r.Won, 0);
    EXPECT_EQ(r.Moves, asked.Moves);
    EXPECT_LE(r.Time - asked.Time, 1); // the ask may come a second later than the figures
    EXPECT_LE(std::abs(r.Score - asked.Score), 1);
    EXPECT_TRUE(t.finishLines.contains(" Score : " + QString::number(r.Score)));
    EXPECT_TRUE(t.finishLines.contains(" Moves : " + QString::number(asked.Moves)));
    EXPECT_FALSE(t.s.Data().GameRunning());
}

TEST(Advisor, APressStopsSolve)
{
    TableWindow t;
    t.w->Start("Freecell", cGameNo(2));
    t.Settle();
    t.w->mGame[12]->trigger();
    ASSERT_TRUE(WaitForAnswer(t));
    t.w->Advisor().SolveTick();
    t.Settle();
    const int moves = t.s->Boards().Log().Total();
    EXPECT_GT(moves, 0);
    const int pic = t.a().GetTopPicID(kTableau, 0);
    t.Drag(pic, t.a().Card(pic).Left, t.a().Card(pic).Top); // a press and a release in place
    EXPECT_FALSE(t.w->Advisor().Solving());
    // The help given stays with the game.
    EXPECT_TRUE(t.s->Lifecycle().SolvedByComputer());
    t.w->Advisor().SolveTick();
    EXPECT_EQ(t.s->Boards().Log().Total(), moves);
    // A menu command stops it as well.
    t.w->mGame[12]->trigger();
    ASSERT_TRUE(WaitForAnswer(t));
    EXPECT_TRUE(t.w->Advisor().Solving());
    t.w->mGame[1]->trigger();
    EXPECT_FALSE(t.w->Advisor().Solving());
}
