#include "scorefixture.h"

#include <QDir>

using namespace solvane;
using namespace solvane::test;

namespace {

struct Report : ScoreTest {
    Report()
    {
        StandardGames();
        d->SetTotalGames(6);
        d->SetGame(6, "A Very Long Custom Game Name X");
        d->SetPlayer(1, "Ann", true);
        d->SetPlayer(2, "Bob", false);
        d->SetPlayer(3, "Cy", false); // no score file
        Put("Ann.sre", "\"12/7/2003 6:42:02 PM\",\"Freecell\",12345,315,120,500,1\r\n"
                       "\"12/8/2003 9:05:00 AM\",\"Baker's Game\",\"1,234\",3725,87,-20,0\r\n");
        Put("Bob.sre", "\"not a date\",\"A Very Long Custom Game Name X\",7,59,10,0,0\r\n"
                       "\"1/15/2004 11:00:00 PM\",\"Freecell\",0,100000,300,1000,1\r\n");
        now = QDateTime(QDate(2004, 2, 1), QTime(10, 0, 0));
    }
};

const char* const kGolden[] = {
    "Solvane Score Board",
    " ",
    "*************************",
    " ",
    "Created By    Ann",
    "Created Date  2/1/2004 10:00:00 AM",
    " ",
    "----------------------------------",
    " ",
    "General Statistics",
    "------------------",
    "Played        Won           Lost          Time          Moves         Score",
    " 4             2             2            28:54:59       517           1480 ",
    " ",
    " ",
    "Player Statistics",
    "-----------------",
    "Player        Played        Won           Lost          Time          Moves         Score",
    "Ann            2             1             1            1:07:20        207           480 ",
    "Bob            2             1             1            27:47:39       310           1000 ",
    "Cy             0             0             0            0:00:00        0             0 ",
    " ",
    " ",
    "Games Statistics",
    "----------------",
    "Game                     Played           Won           Time          Moves         Score",
    "Freecell                  2  2            27:51:55       420           1500 ",
    "Baker's Game              1  0            1:02:05        87           -20 ",
    "Forecell                  0  0            0:00:00        0             0 ",
    "Seven By Four             0  0            0:00:00        0             0 ",
    "Two Cells                 0  0            0:00:00        0             0 ",
    "A Very Long Custom Game Name X 1           0            0:00:59        10            0 ",
    " ",
    " ",
    "Full Statistics",
    "--------------",
    "Date          Game          Player        Status        Score         Moves         Time          Game No",
    "12/7/2003     Freecell      Ann           Won            500           120          0:05:15      12345 ",
    "12/8/2003     Baker's Game  Ann           Lost          -20            87           1:02:05     1,234",
    "not a date    A Very Long   Bob           Lost           0             10           0:00:59      7 ",
    "1/15/2004     Freecell      Bob           Won            1000          300          27:46:40      0 ",
};

QString GoldenText()
{
    QString s;
    for (const char* line : kGolden)
        s += QString::fromUtf8(line) + "\r\n";
    return s;
}

} // namespace

TEST_F(Report, TheReportToTheLetter)
{
    const QString text = score.ReportText();
    const QStringList got = text.split("\r\n"), want = GoldenText().split("\r\n");
    for (int i = 0; i < std::min(got.size(), want.size()); ++i)
        EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
    EXPECT_EQ(text, GoldenText());
    EXPECT_EQ(score.ScoreTop(), 0); // the report loads for itself and empties the table again
}

TEST_F(Report, ExportWritesTheReportWhereTheUserChose)
{
    const QString path = d.dir.filePath("out/board.txt");
    QDir().mkpath(d.dir.filePath("out"));
    prompt.savePaths.push_back(path);
    score.OpenAllScore(); // a window holds the table open
    ASSERT_TRUE(score.ExportStat());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), GoldenText().toUtf8());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Statistics Successfully Exported to " + path);
    EXPECT_EQ(prompt.shown[0].title, "Solvane");
    EXPECT_EQ(prompt.shown[0].icon, iPrompt::Icon::Information);
    EXPECT_EQ(score.ScoreTop(), 0);
}

TEST_F(Report, ExportCancelledOrFailedSaysSoAndNeverReportsSuccess)
{
    EXPECT_FALSE(score.ExportStat()); // cancelled: nothing, no message
    EXPECT_TRUE(prompt.shown.empty());

    prompt.savePaths.push_back(d.dir.filePath("no such folder/board.txt"));
    EXPECT_FALSE(score.ExportStat());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].icon, iPrompt::Icon::Critical);
    EXPECT_FALSE(prompt.shown[0].text.contains("Successfully"));

    // An existing report is replaced whole, never left half-written.
    const QString path = d.dir.filePath("board.txt");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();
    prompt.savePaths.push_back(path);
    ASSERT_TRUE(score.ExportStat());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), GoldenText().toUtf8());
}

TEST_F(Report, ClearingAsksFirstAndDeletesEveryPlayersFile)
{
    ASSERT_FALSE(score.AddFav("Freecell", cGameNo(1)));
    d->SetCurGName("Freecell");
    score.AddSesGame(kWon);

    prompt.answers.push_back(false);
    EXPECT_FALSE(score.ClearStat());
    ASSERT_EQ(prompt.shown.size(), 1u); // the question, and no second message
    EXPECT_TRUE(prompt.shown[0].question);
    EXPECT_EQ(prompt.shown[0].icon, iPrompt::Icon::Question);
    EXPECT_EQ(prompt.shown[0].text, "Are you sure you want to clear the Statistics, High Score and Log for all "
                                    "Players and all Games ?");
    EXPECT_TRUE(QFile::exists(Path("Ann.sre")));

    score.OpenAllScore();
    prompt.answers.push_back(true);
    EXPECT_TRUE(score.ClearStat());
    EXPECT_FALSE(QFile::exists(Path("Ann.sre")));
    EXPECT_FALSE(QFile::exists(Path("Bob.sre")));
    ASSERT_EQ(prompt.shown.size(), 3u);
    EXPECT_EQ(prompt.shown[2].text, "Statistics, High Score and Log have been Cleared.");
    EXPECT_EQ(prompt.shown[2].icon, iPrompt::Icon::Information);
    // The loaded table, the session and the favourites are left alone.
    EXPECT_EQ(score.ScoreTop(), 4);
    EXPECT_EQ(score.SesTop(), 1);
    EXPECT_TRUE(QFile::exists(Path("kdt.fav")));
}

TEST_F(Report, ClearingReachesPlayersBehindAnEmptySlotAndNothingOutsideTheFolder)
{
    d->SetPlayer(2, "", false);
    d->SetPlayer(5, "Bob", false);
    d->SetPlayer(6, "../outside", false);
    QFile outside(d.dir.filePath("outside.sre"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.close();
    EXPECT_TRUE(score.ClearStat());
    EXPECT_FALSE(QFile::exists(Path("Bob.sre")));
    EXPECT_TRUE(outside.exists());
}

TEST_F(Report, AFileThatCannotBeDeletedIsReported)
{
    QDir(d->AppDir()).mkpath("Cy.sre/inside"); // a folder that QFile::remove cannot take
    EXPECT_FALSE(score.ClearStat());
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[1].icon, iPrompt::Icon::Critical);
    EXPECT_TRUE(prompt.shown[1].text.contains("Cy.sre")) << prompt.shown[1].text.toStdString();
}
