// The main window as the player uses it: mouse play, menus, replay, closing.
#include "tablewindow.h"

#include "ihelpviewer.h"
#include "msolver.h"

#include <QDir>
#include <QThread>

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

using namespace solvane;
using namespace solvane::test;

namespace {
int RecordedGames(cServices& s, int* won = nullptr)
{
    s.Score().OpenAllScore();
    const int n = s.Score().ScoreTop();
    if (won && n > 0)
        *won = s.Score().GetScore(n).Won;
    s.Score().CloseScore();
    return n;
}
struct HelpShown : iHelpViewer {
    QStringList shown;
    void ShowContents() override { shown << "contents"; }
    void ShowContext(int context) override { shown << QString::number(context); }
};
} // namespace

TEST(MainWindow, AWholeGamePlayedWithTheMouseEndsInTheFinishDialog)
{
    TableWindow t;
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(1)));
    t.Settle();
    const SolveResult plan = Solve(*StandardRules("Freecell"), t.a(), true, SolveLimits{});
    ASSERT_EQ(plan.verdict, Verdict::Winnable);
    for (const SolveStep& step : plan.moves) {
        const int before = t.s->Boards().Log().Total();
        ASSERT_EQ(t.finishes, 0);
        t.DragTo(step.pic, step.toCell, step.toPile);
        ASSERT_GT(t.s->Boards().Log().Total(), before) << "a solution move was refused";
    }
    t.Settle();
    EXPECT_EQ(t.finishes, 1);
    ASSERT_GE(t.finishLines.size(), 5);
    EXPECT_EQ(t.finishLines[0], " Game : 1");
    EXPECT_EQ(t.finishLines[1], " Player : Player1");
    EXPECT_TRUE(t.finishLines[3].startsWith(" Moves : "));
    EXPECT_FALSE(t.s.Data().GameRunning());
    int won = 0;
    EXPECT_EQ(RecordedGames(*t.s, &won), 1);
    EXPECT_EQ(won, 1);
    // The table is cleared.
    for (int p = 0; p < 52; ++p)
        EXPECT_FALSE(t.a().Card(p).Visible);
}

TEST(MainWindow, ARefusedDropSendsTheCardsBackAndLogsNothing)
{
    TableWindow t;
    t.s.Data().SetAutoplay(0);
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(1)));
    t.Settle();
    cArray& a = t.a();
    const int pic = a.GetTopPicID(kTableau, 0);
    const double left = a.Card(pic).Left, top = a.Card(pic).Top;
    t.Drag(pic, 7000, 9500); // empty table, far from every pile
    EXPECT_EQ(a.Card(pic).Left, left);
    EXPECT_EQ(a.Card(pic).Top, top);
    EXPECT_EQ(t.s->Boards().Log().Total(), 0);
    // Into a free cell, then another card onto that same free cell: it comes back.
    t.DragTo(pic, kReserve, 0);
    ASSERT_EQ(a.CardCell(pic), kReserve);
    const int other = a.GetTopPicID(kTableau, 1);
    const double otherTop = a.Card(other).Top;
    t.DragTo(other, kReserve, 0);
    EXPECT_EQ(a.CardCell(other), kTableau);
    EXPECT_EQ(a.Card(other).Top, otherTop);
    EXPECT_EQ(t.s->Boards().Log().Total(), 1);
    // The right button drags as well.
    t.Drag(pic, a.CordX(kReserve, 1, 0), a.CordY(kReserve, 1, 0), Qt::RightButton);
    EXPECT_EQ(a.CardPile(pic), 1);
}

TEST(MainWindow, ARunLongerThanTheCapacityStaysWhereItIs)
{
    TableWindow t;
    GameRules anyOrder = *StandardRules("Freecell");
    anyOrder.hOrder = 6; // every pile is one long run
    ASSERT_FALSE(t.s->Custom().WriteGame("Anything Goes", anyOrder));
    t.s->Custom().Init();
    t.s.Data().SetAutoplay(0);
    ASSERT_TRUE(t.w->Start("Anything Goes", cGameNo(3)));
    t.Settle();
    cArray& a = t.a();
    // Four free cells and no empty pile: a card may carry four others, not five.
    const int top = a.GetTop(kTableau, 0);
    const int tooLong = a.GetPicID(kTableau, 0, top - 5);
    t.DragTo(tooLong, kTableau, 1);
    EXPECT_EQ(a.CardPile(tooLong), 0);
    EXPECT_EQ(t.s->Boards().Log().Total(), 0);
    const int fits = a.GetPicID(kTableau, 0, top - 4);
    t.DragTo(fits, kTableau, 1);
    EXPECT_EQ(a.CardPile(fits), 1);
    EXPECT_EQ(a.GetTop(kTableau, 0), top - 5);
    EXPECT_EQ(t.s->Boards().Log().At(1).mCards, 4);
}

TEST(MainWindow, ClosingRecordsALossAndExitRecordsNothing)
{
    {
        TableWindow t;
        t.w->Start("Freecell", cGameNo(5));
        t.w->close();
        int won = -1;
        EXPECT_EQ(RecordedGames(*t.s, &won), 1);
        EXPECT_EQ(won, 0);
    }
    {
        TableWindow t;
        t.w->Start("Freecell", cGameNo(5));
        t.w->mFile[11]->trigger();
        t.w.reset(); // the program ends without closing its window
        EXPECT_EQ(RecordedGames(*t.s), 0);
    }
}

TEST(MainWindow, ARecordingThatFailsIsSaidWhenAGameIsClosed)
{
    TableWindow t;
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(5)));
    t.Settle();
    // A folder where the score file should be: the record cannot be appended.
    ASSERT_TRUE(QDir().mkpath(t.s->Score().ScoreFilePath(t.s.Data().CurPlayer())));
    t.s.prompt.shown.clear();
    t.w->mFile[5]->trigger();
    ASSERT_EQ(t.s.prompt.shown.size(), 1u);
    EXPECT_TRUE(t.s.prompt.shown[0].text.startsWith("The game cannot be recorded"));
    EXPECT_FALSE(t.s.Data().GameRunning());
    // Closing the window says so too, and still closes.
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(6)));
    t.w->close();
    EXPECT_EQ(t.s.prompt.shown.size(), 2u);
    EXPECT_FALSE(t.w->isVisible());
}

TEST(MainWindow, TheClockStartsWhenTheDealHasBeenDrawn)
{
    TableWindow t;
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(7)));
    // The deal is still being drawn: no game runs yet, and no command of play is open.
    ASSERT_TRUE(t.view().IsAnimating());
    EXPECT_FALSE(t.s.Data().GameRunning());
    t.w->RefreshState();
    EXPECT_FALSE(t.w->mFile[5]->isEnabled());
    QThread::msleep(1100);
    t.Settle();
    EXPECT_TRUE(t.s.Data().GameRunning());
    t.w->StatusTick();
    EXPECT_EQ(t.w->mTime->text(), "Time :0:00:00");
    // A press during the drawing finishes the deal, and the card is picked up at once.
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(8)));
    ASSERT_TRUE(t.view().IsAnimating());
    t.DragTo(t.a().GetTopPicID(kTableau, 0), kReserve, 0);
    EXPECT_TRUE(t.s.Data().GameRunning());
    EXPECT_EQ(t.a().GetTop(kReserve, 0), 0);
    // So does a key of play.
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(9)));
    ASSERT_TRUE(t.view().IsAnimating());
    QTest::keyClick(&t.view(), Qt::Key_Down);
    EXPECT_TRUE(t.s.Data().GameRunning());
}

TEST(MainWindow, F1ShowsTheRulesOfTheGameWhileTheEntryStaysHidden)
{
    TableWindow t;
    HelpShown help;
    t.s.Data().SetHelpViewer(&help);
    t.w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.w.get()));
    EXPECT_FALSE(t.w->mHelp[1]->isVisible());
    QTest::keyClick(t.w.get(), Qt::Key_F1);
    ASSERT_TRUE(t.w->Start("Seven By Four", cGameNo(3)));
    t.Settle();
    QTest::keyClick(t.w.get(), Qt::Key_F1);
    EXPECT_EQ(help.shown, QStringList({"contents", "4"}));
    t.s.Data().SetHelpViewer(nullptr);
}

TEST(MainWindow, UndoRedoAndReplayMoveTheBoardAndTheMenus)
{
    TableWindow t;
    t.s.Data().SetAutoplay(0);
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(1)));
    t.Settle();
    cArray& a = t.a();
    const cTrans& log = t.s->Boards().Log();
    const int first = a.GetTopPicID(kTableau, 0), second = a.GetTopPicID(kTableau, 1);
    t.DragTo(first, kReserve, 0);
    t.DragTo(second, kReserve, 1);
    t.Settle();
    EXPECT_TRUE(t.w->mGame[1]->isEnabled());
    EXPECT_FALSE(t.w->mGame[2]->isEnabled());
    EXPECT_TRUE(t.w->Buttons[7]->isEnabled());

    t.w->mGame[1]->trigger();
    t.Settle();
    EXPECT_EQ(a.CardCell(second), kTableau);
    EXPECT_TRUE(t.w->mGame[2]->isEnabled());
    EXPECT_TRUE(t.w->Buttons[8]->isEnabled());
    t.w->mGame[6]->trigger();
    t.Settle();
    EXPECT_EQ(log.GetTransID(), 0);
    EXPECT_FALSE(t.w->mGame[1]->isEnabled());
    EXPECT_FALSE(t.w->mReplay[2]->isEnabled());
    EXPECT_TRUE(t.w->mReplay[4]->isEnabled());
    t.w->mGame[7]->trigger();
    t.Settle();
    EXPECT_EQ(log.GetTransID(), 2);
    EXPECT_EQ(a.CardPile(second), 1);

    // Backwards replay: every start command is off while it runs, Stop on.
    t.w->mReplay[2]->trigger();
    cReplay& r = t.s->Replay();
    EXPECT_TRUE(r.tmrBackward.isActive());
    r.BackwardTick();
    t.Settle();
    EXPECT_EQ(log.GetTransID(), 1);
    for (QAction* item : {t.w->mGame[1], t.w->mGame[2], t.w->mGame[6], t.w->mGame[7],
                          t.w->mReplay[1], t.w->mReplay[2], t.w->mReplay[4]})
        EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
    EXPECT_TRUE(t.w->mReplay[6]->isEnabled());
    EXPECT_TRUE(t.w->Buttons[11]->isEnabled());
    r.BackwardTick();
    r.BackwardTick(); // nothing left: the replay stops itself
    t.Settle();
    EXPECT_FALSE(r.Running());
    EXPECT_FALSE(t.w->mReplay[6]->isEnabled());
    EXPECT_TRUE(t.s.Data().GameRunning());

    // Replay all: back to the deal at once, then forwards a step per tick.
    t.w->mGame[7]->trigger();
    t.w->mReplay[4]->trigger();
    EXPECT_EQ(log.GetTransID(), 0);
    EXPECT_TRUE(r.tmrForward.isActive());
    r.ForwardTick();
    r.ForwardTick();
    EXPECT_EQ(log.GetTransID(), 2);
    EXPECT_TRUE(r.Running());
    r.ForwardTick();
    EXPECT_FALSE(r.Running());
    // Stop in the middle leaves the board there; Redo continues from it.
    t.w->mReplay[2]->trigger();
    r.BackwardTick();
    t.w->mReplay[6]->trigger();
    EXPECT_FALSE(r.Running());
    EXPECT_EQ(log.GetTransID(), 1);
    t.Settle();
    t.w->mGame[2]->trigger();
    EXPECT_EQ(log.GetTransID(), 2);
}

TEST(MainWindow, CaptionRecentGamesAndStatusReadAsTheyShould)
{
    TableWindow t;
    EXPECT_EQ(t.w->windowTitle(), "Solvane");
    EXPECT_TRUE(t.w->mRecent[1]->isVisible());
    EXPECT_EQ(t.w->mRecent[1]->text(), "");
    EXPECT_FALSE(t.w->mRecent[2]->isVisible());
    t.w->Start("Forecell", cGameNo(7));
    t.w->Start("Two Cells", cGameNo(8));
    t.w->Start("Freecell", cGameNo(30512));
    t.Settle();
    EXPECT_EQ(t.w->windowTitle(), "Solvane [Freecell] [Player1] [30512]");
    t.w->RefreshState();
    EXPECT_EQ(t.w->mRecent[1]->text(), "&1 Freecell");
    EXPECT_EQ(t.w->mRecent[2]->text(), "&2 Two Cells");
    EXPECT_EQ(t.w->mRecent[3]->text(), "&3 Forecell");
    EXPECT_TRUE(t.w->mRecent[3]->isVisible());
    EXPECT_FALSE(t.w->mRecent[4]->isVisible());
    EXPECT_FALSE(t.w->mRecent[5]->isVisible());

    t.w->StatusTick();
    EXPECT_TRUE(t.w->mScore->text().startsWith("Score :"));
    EXPECT_EQ(t.w->mTime->text(), "Time :0:00:00");
    EXPECT_TRUE(t.w->mMoves->text().startsWith("Moves :"));
    t.s.Data().SetShowScore(0);
    t.w->StatusTick();
    EXPECT_EQ(t.w->mScore->text(), "");
    EXPECT_FALSE(t.w->mTime->text().isEmpty());
    t.w->mFile[5]->trigger(); // Close Game
    t.w->StatusTick();
    EXPECT_EQ(t.w->mTime->text(), "");
    EXPECT_EQ(t.w->mMoves->text(), "");
    t.w->RefreshState();
    EXPECT_FALSE(t.w->mFile[4]->isEnabled());
    EXPECT_FALSE(t.w->Buttons[3]->isEnabled());
}

TEST(MainWindow, MenusHoldTheirItemsInOrder)
{
    TableWindow t;
    auto captions = [](const std::vector<QAction*>& items) {
        QStringList c;
        for (size_t i = 1; i < items.size(); ++i)
            c << (items[i]->isSeparator() ? "-" : items[i]->text());
        return c;
    };
    EXPECT_EQ(captions(t.w->mFile), QStringList({"&New Game", "&Select Game", "-", "&Restart Game",
                                                 "&Close Game", "-", "Select a Number", "-",
                                                 "Recent Games", "-", "E&xit"}));
    EXPECT_EQ(captions(t.w->mGame), QStringList({"&Undo", "&Redo", "-", "Autoplay", "-", "U&ndo All",
                                                 "R&edo All", "-", "View Toolbar", "-", "&Hint", "S&olve"}));
    EXPECT_EQ(t.w->mHelp[4]->text(), "About Solvane...");
    EXPECT_FALSE(t.w->mHelp[1]->isVisible());
    EXPECT_EQ(t.w->mFile[4]->shortcut(), QKeySequence("Ctrl+F2"));
    EXPECT_EQ(t.w->mGame[2]->shortcut(), QKeySequence("Ctrl+X"));
    EXPECT_EQ(t.w->mReplay[1]->shortcut(), QKeySequence("Shift+F1"));
    EXPECT_FALSE(t.w->mReplay[6]->isEnabled());
    ASSERT_EQ(t.w->Buttons.size(), 19u);
    EXPECT_EQ(t.w->Buttons[17]->toolTip(), "Hint");
    EXPECT_EQ(t.w->Buttons[18]->toolTip(), "Solve");
    EXPECT_EQ(t.w->mGame[11]->text(), "&Hint");
    EXPECT_EQ(t.w->mGame[12]->shortcut(), QKeySequence("Ctrl+Shift+S"));
    for (int b : {4, 6, 9, 13, 15})
        EXPECT_TRUE(t.w->Buttons[b]->isSeparator());
    EXPECT_EQ(t.w->Buttons[12]->toolTip(), "Replay Forward");
    EXPECT_FALSE(t.w->Buttons[1]->icon().isNull());
}

TEST(MainWindow, AutoplayToggleAndToolbarLayout)
{
    TableWindow t;
    t.s.Data().SetAutoplay(0);
    t.w->Start("Freecell", cGameNo(1));
    t.Settle();
    const int before = t.a().TotalGoalCards();
    t.w->mGame[4]->trigger(); // on: plays what can go up at once
    EXPECT_EQ(t.s.Data().Autoplay(), 1);
    t.Settle();
    EXPECT_TRUE(t.w->Buttons[5]->isChecked());
    EXPECT_GE(t.a().TotalGoalCards(), before);
    t.w->Buttons[5]->trigger();
    EXPECT_EQ(t.s.Data().Autoplay(), 0);

    const int tableTop = t.w->Table()->geometry().top();
    t.w->mGame[9]->trigger();
    QApplication::processEvents();
    EXPECT_EQ(t.s.Data().ShowToolbar(), 0);
    EXPECT_FALSE(t.w->Toolbar1->isVisible());
    EXPECT_LT(t.w->Table()->geometry().top(), tableTop);
    t.w->mGame[9]->trigger();
    EXPECT_TRUE(t.w->Toolbar1->isVisible());

    // The surface stays centred; a narrow window clips it equally on both sides.
    t.w->resize(600, 700);
    QApplication::processEvents();
    const int leftEdge = t.view().mapFromScene(QPointF(0, 0)).x();
    const int rightEdge = t.view().mapFromScene(QPointF(15480, 0)).x();
    const int width = t.view().viewport()->width();
    EXPECT_LT(leftEdge, 0);
    EXPECT_NEAR(-leftEdge, rightEdge - width, 4);
}

TEST(MainWindow, OpensWithinTheScreenAndWhereItStoodLast)
{
    TestServices s;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect closedAt;
    {
        frmMain w(*s);
        EXPECT_TRUE(screen.contains(w.frameGeometry())) << "a first start fits the screen " << w.frameGeometry().width() << "x" << w.frameGeometry().height() << "+" << w.frameGeometry().x() << "+" << w.frameGeometry().y() << " screen " << screen.width() << "x" << screen.height() << " min " << w.minimumWidth();
        w.show();
        w.setGeometry(QRect(screen.topLeft() + QPoint(5, 7), w.minimumSize() + QSize(3, 2)));
        QApplication::processEvents();
        closedAt = w.normalGeometry();
        w.close();
    }
    EXPECT_EQ(s.Data().WindowRect(), closedAt);
    EXPECT_FALSE(s.Data().WindowMaximized());
    {
        frmMain w(*s);
        EXPECT_EQ(w.geometry(), closedAt);
    }
    // Where no screen is any longer, the stored place is ignored.
    s.Data().SetWindowPlacement(QRect(screen.right() + 500, 0, 900, 700), true);
    frmMain w(*s);
    EXPECT_TRUE(screen.contains(w.geometry()));
    EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);
    // Never smaller than the menu bar with its status items at their longest.
    EXPECT_GE(w.minimumWidth(), w.menuBar()->sizeHint().width());
}
