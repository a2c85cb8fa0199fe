// The game statistics window over known histories: the summary lines and their rounding,
// the per-game, per-period and per-player lists, what the charts are given, loading on
// opening and emptying on closing, and files with damaged lines.
#include "clogmodel.h"
#include "frmgamestat.h"
#include "frmhighscore.h"
#include "frmlogstat.h"
#include "uifixture.h"

#include <QLabel>
#include <QPushButton>

using namespace solvane;
using namespace solvane::test;

namespace {

struct GameStat : UiTest {
    // One won game of three, a negative score sum.
    void SmallHistory()
    {
        Record("Ann", "Freecell", 1, 100, 10, 100, kWon);
        Record("Ann", "Freecell", 2, 200, 20, -300, kLost);
        Record("Ann", "Freecell", 3, 301, 30, -50, kLost);
    }
};

TEST_F(GameStat, SummaryWithoutGamesShowsZerosEverywhere)
{
    frmGameStat w(*d, score);
    EXPECT_EQ(Lines(w, "lvGeneral"),
              QStringList({"Games Played : 0", "Games Won : 0", "Games Lost : 0", "Total Moves : 0",
                           "Total Score : 0", "Total Time : 0:00:00", "Moves Per Game : 0", "Score Per Game : 0",
                           "Time Per Game : 0:00:00", "Games Per Hour : 0", "Moves Per Hour : 0",
                           "Score Per Hour : 0", "Winning Percentage : 0%"}));
    EXPECT_EQ(Chart(w, "chGen"), QStringList({"Won : 0=0", "Lost : 0=0"}));
    EXPECT_EQ(Chart(w, "chGen1"), QStringList({"Score: 0", "Moves: 0", "Time: 0"}));
    EXPECT_EQ(Rows(w, "lvGames").value(0), "Freecell | 0 | 0 | 0 | 0:00:00 | 0 | 0 | 0%");
    EXPECT_EQ(Rows(w, "lvPlayer"), QStringList({"Ann | 0 | 0 | 0 | 0:00:00 | 0 | 0 | 0%"}));
}

TEST_F(GameStat, SmallHistoryTruncatesRatesAndRoundsPercentages)
{
    SmallHistory();
    frmGameStat w(*d, score);
    EXPECT_EQ(Lines(w, "lvGeneral"),
              QStringList({"Games Played : 3", "Games Won : 1", "Games Lost : 2", "Total Moves : 60",
                           "Total Score : -250", "Total Time : 0:10:01", "Moves Per Game : 20",
                           "Score Per Game : -83", "Time Per Game : 0:03:20", "Games Per Hour : 17",
                           "Moves Per Hour : 359", "Score Per Hour : -1497", "Winning Percentage : 33.33%"}));
    // The negative score sum is listed, but charted as 0.
    EXPECT_EQ(Chart(w, "chGen"), QStringList({"Won : 1=1", "Lost : 2=2"}));
    EXPECT_EQ(Chart(w, "chGen1"), QStringList({"Score: 0", "Moves: 60", "Time: 601"}));
    EXPECT_EQ(Rows(w, "lvGames"),
              QStringList({"Freecell | 3 | 1 | 2 | 0:10:01 | 60 | -250 | 33.33%",
                           "Baker's Game | 0 | 0 | 0 | 0:00:00 | 0 | 0 | 0%",
                           "Forecell | 0 | 0 | 0 | 0:00:00 | 0 | 0 | 0%",
                           "Seven By Four | 0 | 0 | 0 | 0:00:00 | 0 | 0 | 0%",
                           "Two Cells | 0 | 0 | 0 | 0:00:00 | 0 | 0 | 0%"}));
    EXPECT_EQ(Rows(w, "lvPlayer"), QStringList({"Ann | 3 | 1 | 2 | 0:10:01 | 60 | -250 | 33%"}));
    EXPECT_EQ(Chart(w, "chPlayer"), QStringList({"Won : 1=1", "Lost : 2=2"}));
    EXPECT_EQ(Chart(w, "chPlayer1"), QStringList({"Score: 0", "Moves: 60", "Time: 601"}));
}

TEST_F(GameStat, HalvesRoundToEven)
{
    // 1 won of 8: 12.5% game-wise, 12% player-wise; 3 of 8 for Bob: 37.5% and 38%.
    d->SetPlayer(2, "Bob", false);
    for (int i = 0; i < 8; ++i) {
        Record("Ann", "Forecell", i, i == 0 ? 5 : 0, 1, 1, i == 0 ? kWon : kLost);
        Record("Bob", "Two Cells", i, 0, 1, 1, i < 3 ? kWon : kLost);
    }
    frmGameStat w(*d, score);
    EXPECT_EQ(Column(w, "lvGames", 7), QStringList({"0%", "0%", "12.5%", "0%", "37.5%"}));
    EXPECT_EQ(Column(w, "lvPlayer", 7), QStringList({"12%", "38%"}));
    // 5 seconds over 16 games: 0.3125 is 0; the summary's per-game time.
    EXPECT_EQ(Lines(w, "lvGeneral").value(8), "Time Per Game : 0:00:00");
}

TEST_F(GameStat, TimePerGameRoundsHalfSecondsToEven)
{
    Record("Ann", "Freecell", 1, 2, 1, 1, kLost);
    Record("Ann", "Freecell", 2, 3, 1, 1, kLost);
    {
        frmGameStat w(*d, score);
        EXPECT_EQ(Lines(w, "lvGeneral").value(8), "Time Per Game : 0:00:02"); // 2.5
    }
    Record("Ann", "Freecell", 3, 2, 1, 1, kLost);
    Record("Ann", "Freecell", 4, 7, 1, 1, kLost); // 14 / 4 = 3.5
    frmGameStat w(*d, score);
    EXPECT_EQ(Lines(w, "lvGeneral").value(8), "Time Per Game : 0:00:04");
}

TEST_F(GameStat, GameChartsFollowTheChoiceAndStopAtFiftyGames)
{
    for (int i = 1; i <= 52; ++i)
        Record("Ann", "Forecell", i, i, i * 2, i * 3, i % 4 == 0 ? kWon : kLost);
    Record("Ann", "Freecell", 1, 9, 8, 7, kWon);
    d->SetCurGName("Forecell");
    frmGameStat w(*d, score);
    EXPECT_EQ(Box(w, "imcGames")->currentText(), "Forecell");
    EXPECT_EQ(Chart(w, "chGames"), QStringList({"Won : 13=13", "Lost : 39=39"}));
    const QStringList bars = Chart(w, "chGames1");
    ASSERT_EQ(bars.size(), 3);
    EXPECT_EQ(bars[0].split(' ').size(), 1 + 50);
    EXPECT_TRUE(bars[0].startsWith("Score: 3 6 9 ")) << bars[0].toStdString();
    EXPECT_TRUE(bars[2].endsWith(" 49 50")) << bars[2].toStdString();

    Choose(w, "imcGames", "Freecell");
    EXPECT_EQ(Chart(w, "chGames"), QStringList({"Won : 1=1", "Lost : 0=0"}));
    EXPECT_EQ(Chart(w, "chGames1"), QStringList({"Score: 7", "Moves: 8", "Time: 9"}));
}

TEST_F(GameStat, CurrentGameOutsideTheCatalogueLeavesTheFirstSelected)
{
    d->SetCurGName("No Such Game");
    frmGameStat w(*d, score);
    EXPECT_EQ(Box(w, "imcGames")->currentIndex(), 0);
    EXPECT_EQ(Entries(w, "imcGames").size(), 5);
}

TEST_F(GameStat, DateWisePeriodsRunOldestFirstWithTheirLabels)
{
    Record("Ann", DaysAgo(0), "Freecell", 1, 10, 10, 10, kLost);
    Record("Ann", DaysAgo(0), "Freecell", 2, 10, 10, 10, kLost);
    Record("Ann", DaysAgo(2), "Freecell", 3, 20, 20, 20, kWon);
    Record("Ann", DaysAgo(5), "Freecell", 4, 10, 10, 10, kLost);
    Record("Ann", DaysAgo(22), "Freecell", 5, 10, 10, 10, kWon);
    Record("Ann", QDateTime(QDate(2001, 6, 1), QTime(9, 0)), "Freecell", 6, 10, 10, 10, kLost);
    frmGameStat w(*d, score);
    EXPECT_EQ(Entries(w, "imcDate"), QStringList({"Last 5 Days", "Last 10 Days", "Last 30 Days", "Last 5 Months",
                                                  "Last 10 Months", "Last 5 Years"}));
    EXPECT_EQ(Box(w, "imcDate")->currentIndex(), 0);
    QTreeWidget* lv = Tree(w, "lvDate");
    EXPECT_EQ(lv->headerItem()->text(0), "Day");
    EXPECT_EQ(Rows(w, "lvDate"), QStringList({"Dec 03 | 0 | 0", "Dec 04 | 0 | 0", "Dec 05 | 1 | 1",
                                              "Dec 06 | 0 | 0", "Dec 07 | 2 | 0"}));
    EXPECT_EQ(Chart(w, "chDate"), QStringList({"Played: 0 0 1 0 2", "Won: 0 0 1 0 0"}));
    EXPECT_EQ(Chart(w, "chDate1"), QStringList({"Score: 0 0 20 0 20", "Moves: 0 0 20 0 20", "Time: 0 0 20 0 20"}));

    Choose(w, "imcDate", "Last 30 Days");
    EXPECT_EQ(Rows(w, "lvDate").size(), 30);
    EXPECT_EQ(Rows(w, "lvDate").first(), "Nov 08 | 0 | 0");

    Choose(w, "imcDate", "Last 5 Months");
    EXPECT_EQ(lv->headerItem()->text(0), "Month");
    EXPECT_EQ(Rows(w, "lvDate"), QStringList({"Aug 03 | 0 | 0", "Sep 03 | 0 | 0", "Oct 03 | 0 | 0",
                                              "Nov 03 | 1 | 1", "Dec 03 | 4 | 1"}));
    Choose(w, "imcDate", "Last 5 Years");
    EXPECT_EQ(lv->headerItem()->text(0), "Year");
    EXPECT_EQ(Rows(w, "lvDate"),
              QStringList({"1999 | 0 | 0", "2000 | 0 | 0", "2001 | 1 | 0", "2002 | 0 | 0", "2003 | 5 | 2"}));
}

TEST_F(GameStat, LoadsOnOpeningEmptiesOnClosingAndKeepsFiguresAfterAnExport)
{
    SmallHistory();
    auto w = std::make_unique<frmGameStat>(*d, score);
    EXPECT_EQ(score.ScoreTop(), 3);

    // The report empties the table; the window still draws from the files.
    prompt.savePaths.push_back(d->AppDir() + "report.txt");
    w->findChild<QPushButton*>("cmdExport")->click();
    EXPECT_TRUE(QFile::exists(d->AppDir() + "report.txt"));
    Choose(*w, "imcGames", "Forecell");
    Choose(*w, "imcGames", "Freecell");
    EXPECT_EQ(Chart(*w, "chGames"), QStringList({"Won : 1=1", "Lost : 2=2"}));

    // Clearing asks first; No keeps the files.
    prompt.answers.push_back(false);
    w->findChild<QPushButton*>("cmdClear")->click();
    EXPECT_TRUE(QFile::exists(score.ScoreFilePath("Ann")));

    w->findChild<QPushButton*>("cmdClose")->click();
    EXPECT_EQ(score.ScoreTop(), 0);
}

// Every window that loads the score files opens over a file with damaged lines, shows
// the good ones and says what was left out.
TEST_F(GameStat, DamagedLinesLeaveTheGoodOnesShownInEveryWindow)
{
    Record("Ann", "Freecell", 1, 100, 10, 100, kWon);
    QFile f(score.ScoreFilePath("Ann"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("\"12/7/2003 6:42:02 PM\",\"Freecell\",2,abc,10\r\ngarbage\r\n\x01\x02\r\n");
    f.close();
    Record("Ann", "Two Cells", 3, 50, 5, 60, kLost);

    auto problemShown = [](QDialog& w) {
        auto* label = w.findChild<QLabel*>("lblProblems");
        return label && !label->isHidden() && label->text().contains("damaged");
    };
    {
        frmGameStat w(*d, score);
        EXPECT_EQ(Lines(w, "lvGeneral").value(0), "Games Played : 2");
        EXPECT_TRUE(problemShown(w));
    }
    {
        frmHighScore w(*d, score);
        EXPECT_EQ(Column(w, "lvTop", 2), QStringList({"100", "60"}));
        EXPECT_TRUE(problemShown(w));
    }
    {
        frmLogStat w(*d, score);
        EXPECT_EQ(w.Model().rowCount(), 2);
        EXPECT_TRUE(problemShown(w));
    }
}

} // namespace
