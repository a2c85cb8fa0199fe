// The log window: its choices, the period tests on the boundary days, the game and player
// filters, and the cells of a row.
#include "clogmodel.h"
#include "frmlogstat.h"
#include "uifixture.h"

#include <QTreeView>

using namespace solvane;
using namespace solvane::test;

namespace {

struct LogStat : UiTest {
    LogStat()
    {
        d->SetPlayer(2, "Bob", false);
        d->SetPlayer(3, "Cy", false); // no score file
    }
    // The game numbers listed, in list order.
    static QStringList Listed(frmLogStat& w)
    {
        QStringList nos;
        for (int r = 0; r < w.Model().rowCount(); ++r)
            nos << w.Model().Text(r, cLogModel::GameNumber);
        return nos;
    }
    void Boundaries()
    {
        Record("Ann", now.addDays(1), "Freecell", 99, 1, 1, 1, kLost); // after today
        for (int days : {0, 3, 4, 7, 8, 30, 31})
            Record("Ann", DaysAgo(days), "Freecell", days, 1, 1, 1, kLost);
        Record("Ann", QDateTime(QDate(2003, 9, 1), QTime(0, 0, 1)), "Freecell", 901, 1, 1, 1, kLost);
        Record("Ann", QDateTime(QDate(2003, 8, 31), QTime(23, 59, 59)), "Freecell", 831, 1, 1, 1, kLost);
        Record("Ann", QDateTime(QDate(2003, 7, 1), QTime(12, 0)), "Freecell", 701, 1, 1, 1, kLost);
        Record("Ann", QDateTime(QDate(2003, 6, 30), QTime(12, 0)), "Freecell", 630, 1, 1, 1, kLost);
    }
};

TEST_F(LogStat, ChoicesAndColumns)
{
    frmLogStat w(*d, score);
    EXPECT_EQ(Entries(w, "imcGames"),
              QStringList({"All Games", "Freecell", "Baker's Game", "Forecell", "Seven By Four", "Two Cells"}));
    EXPECT_EQ(Entries(w, "imcPlayer"), QStringList({"All Players", "Ann", "Bob", "Cy"}));
    EXPECT_EQ(Entries(w, "imcDate"), QStringList({"Show Today", "Last 3 Days", "Last 7 Days", "Last 30 Days",
                                                  "Last 3 Months", "Last 5 Months", "Show All"}));
    EXPECT_EQ(Box(w, "imcDate")->currentText(), "Show All");
    QStringList headers;
    for (int c = 0; c < w.Model().columnCount(); ++c)
        headers << w.Model().headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers,
              QStringList({"Date", "Player", "Game", "Score", "Time", "Moves", "Status", "Game Number"}));
    EXPECT_EQ(w.findChild<QTreeView*>("lvLog")->model(), &w.Model());
}

TEST_F(LogStat, PeriodsCountCalendarDaysAndMonthsBackFromToday)
{
    Boundaries();
    frmLogStat w(*d, score);
    EXPECT_EQ(Listed(w).size(), 12); // Show All, with the game dated after today
    const std::pair<const char*, QStringList> cases[] = {
        {"Show Today", {"0"}},
        {"Last 3 Days", {"0", "3"}},
        {"Last 7 Days", {"0", "3", "4", "7"}},
        {"Last 30 Days", {"0", "3", "4", "7", "8", "30"}},
        {"Last 3 Months", {"0", "3", "4", "7", "8", "30", "31", "901"}},
        {"Last 5 Months", {"0", "3", "4", "7", "8", "30", "31", "901", "831", "701"}},
    };
    for (const auto& [period, expected] : cases) {
        Choose(w, "imcDate", period);
        EXPECT_EQ(Listed(w), expected) << period;
    }
    Choose(w, "imcDate", "Show All");
    EXPECT_EQ(Listed(w).first(), "99");
}

TEST_F(LogStat, GameAndPlayerFiltersCombine)
{
    Record("Ann", "Freecell", 1, 75, 20, 130, kWon);
    Record("Ann", "Forecell", 2, 10, 10, 10, kLost);
    Record("Bob", "Freecell", 3, 10, 10, 10, kLost);
    Record("Bob", DaysAgo(10), "Freecell", 4, 10, 10, 10, kLost);
    frmLogStat w(*d, score);
    EXPECT_EQ(Listed(w), QStringList({"1", "2", "3", "4"}));
    QStringList first;
    for (int c = 0; c < cLogModel::ColumnCount; ++c)
        first << w.Model().Text(0, c);
    EXPECT_EQ(first, QStringList({"12/7/2003", "Ann", "Freecell", "130", "0:01:15", "20", "Won", "1"}));

    Choose(w, "imcGames", "Freecell");
    EXPECT_EQ(Listed(w), QStringList({"1", "3", "4"}));
    Choose(w, "imcPlayer", "Bob");
    EXPECT_EQ(Listed(w), QStringList({"3", "4"}));
    Choose(w, "imcDate", "Last 7 Days");
    EXPECT_EQ(Listed(w), QStringList({"3"}));
    Choose(w, "imcPlayer", "Cy");
    EXPECT_TRUE(Listed(w).isEmpty());
    Choose(w, "imcPlayer", "All Players");
    Choose(w, "imcGames", "Two Cells");
    EXPECT_TRUE(Listed(w).isEmpty());

    w.reject();
    EXPECT_EQ(score.ScoreTop(), 0);
    EXPECT_EQ(w.Model().rowCount(), 0);
}

} // namespace
