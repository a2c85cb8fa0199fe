// The session window: the session's figures and games, the running game's dark-red rows
// kept current by the timer, and the chart table with "Refresh Chart".
#include "frmsesstat.h"
#include "uifixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace solvane;
using namespace solvane::test;

namespace {

struct SesStat : UiTest {
    SesStat() { d->SetSesStartTime(now.addSecs(-3725)); }
    void Finish(const QString& game, double no, int32_t time, int16_t moves, int16_t points, int16_t won)
    {
        Current(game, cGameNo(no), time, moves, points);
        score.AddSesGame(won);
    }
    void Running(const QString& game, double no, int32_t time, int16_t moves, int16_t points)
    {
        Current(game, cGameNo(no), time, moves, points);
        d->SetGameRunning(true);
        d->SetGameStartTime(now.addSecs(-time));
    }
    static QString Label(frmSesStat& w, const char* name) { return w.findChild<QLabel*>(name)->text(); }
    static QStringList Table(const cChartTable& t)
    {
        QStringList rows;
        for (int r = 0; r < t.RowCount(); ++r)
            rows << (t.RowEmpty(r) ? t.Rows()[r] + ": -"
                                   : QString("%1: %2 %3 %4")
                                         .arg(t.Rows()[r])
                                         .arg(t.Value(r, 0))
                                         .arg(t.Value(r, 1))
                                         .arg(t.Value(r, 2)));
        return rows;
    }
};

TEST_F(SesStat, EmptySessionShowsZerosAndOneEmptyChartRow)
{
    frmSesStat w(*d, score);
    const char* names[] = {"lblSesStarted", "lblSesPlayed", "lblSesWon", "lblSesLost", "lblsesScore",
                           "lblSesMoves", "lblSesElapsedTime"};
    QStringList labels;
    for (const char* n : names)
        labels << Label(w, n);
    EXPECT_EQ(labels, QStringList({"Started : 12/7/2003 5:39:57 PM", "Games Played : 0", "Games Won : 0",
                                   "Games Lost : 0", "Total Score : 0", "Total Moves : 0",
                                   "Time Elapsed : 1:02:05"}));
    EXPECT_TRUE(Rows(w, "lvSession").isEmpty());
    EXPECT_TRUE(Rows(w, "lvSesChart").isEmpty());
    EXPECT_EQ(Table(w.ChartTable()), QStringList({"1: -"}));
    EXPECT_EQ(Chart(w, "chSummary"), QStringList({"Won : 0=0", "Lost : 0=0"}));
    EXPECT_EQ(Label(w, "lblGameScore"), "Score : 0");
    EXPECT_EQ(Label(w, "lblPlayer"), "Player Name : Ann");
}

TEST_F(SesStat, RunningGameRowsAreDarkRedAndKeptCurrentByTheTimer)
{
    Finish("Freecell", 11, 300, 80, 400, kWon);
    Finish("Forecell", 12, 100, 20, -30, kLost);
    Running("Two Cells", 77, 65, 12, 150);
    frmSesStat w(*d, score);
    EXPECT_EQ(Label(w, "lblSesPlayed"), "Games Played : 2");
    EXPECT_EQ(Label(w, "lblsesScore"), "Total Score : 370");
    EXPECT_EQ(Rows(w, "lvSession"), QStringList({"Freecell | 11 | Ann | 0:05:00 | 80 | Won | 400",
                                                 "Forecell | 12 | Ann | 0:01:40 | 20 | Lost | -30",
                                                 "Two Cells | 77 | Ann | 0:01:05 | 12 | Running | 150"}));
    EXPECT_EQ(Rows(w, "lvSesChart"), QStringList({"1 | 0:05:00 | 80 | 400", "2 | 0:01:40 | 20 | -30",
                                                  "3 | 0:01:05 | 12 | 150"}));
    QTreeWidget* session = Tree(w, "lvSession");
    QTreeWidget* details = Tree(w, "lvSesChart");
    const QColor darkRed(120, 0, 0);
    for (QTreeWidget* list : {session, details}) {
        QTreeWidgetItem* last = list->topLevelItem(list->topLevelItemCount() - 1);
        for (int c = 0; c < list->columnCount(); ++c)
            EXPECT_EQ(last->foreground(c).color(), darkRed) << c;
        EXPECT_NE(list->topLevelItem(0)->foreground(0).color(), darkRed);
    }
    EXPECT_EQ(Table(w.ChartTable()), QStringList({"1: 400 80 300", "2: -30 20 100", "3: 150 12 65"}));
    EXPECT_EQ(Label(w, "lblGameName"), "Game : Two Cells");
    EXPECT_EQ(Label(w, "lblGameNo"), "Game Number : 77");
    EXPECT_EQ(Label(w, "lblGameTime"), "Time Elapsed : 0:01:05");

    // Play goes on; the real half-second timer brings time and score, not moves.
    d->SetCurTime(70);
    d->SetCurScore(140);
    d->SetCurMoves(15);
    now = now.addSecs(5);
    QTest::qWait(650);
    EXPECT_EQ(Rows(w, "lvSession").last(), "Two Cells | 77 | Ann | 0:01:10 | 12 | Running | 140");
    EXPECT_EQ(Rows(w, "lvSesChart").last(), "3 | 0:01:10 | 12 | 140");
    EXPECT_EQ(Label(w, "lblGameScore"), "Score : 140");
    EXPECT_EQ(Label(w, "lblGameMoves"), "Moves : 12");
    EXPECT_EQ(Label(w, "lblSesElapsedTime"), "Time Elapsed : 1:02:10");
    // The chart waits for "Refresh Chart", which takes the moves too.
    EXPECT_EQ(Table(w.ChartTable()).last(), "3: 150 12 65");
    w.findChild<QPushButton*>("cmdRefresh")->click();
    EXPECT_EQ(Table(w.ChartTable()).last(), "3: 140 15 70");
    EXPECT_EQ(Chart(w, "chChart").value(0), "Score: 400 -30 140");
}

TEST_F(SesStat, WithoutARunningGameRefreshChangesNothing)
{
    Finish("Freecell", 11, 300, 80, 400, kWon);
    frmSesStat w(*d, score);
    EXPECT_EQ(Rows(w, "lvSession").size(), 1);
    EXPECT_EQ(Table(w.ChartTable()), QStringList({"1: 400 80 300", "2: -"}));
    d->SetCurScore(999);
    w.findChild<QPushButton*>("cmdRefresh")->click();
    EXPECT_EQ(Table(w.ChartTable()), QStringList({"1: 400 80 300", "2: -"}));
}

} // namespace
