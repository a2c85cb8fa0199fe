#include "scorefixture.h"

#include "filesizelimit.h"

#include <QDir>

using namespace solvane;
using namespace solvane::test;

namespace {
struct ScoreFiles : ScoreTest {
    ScoreFiles() { d->SetPlayer(1, "Ann", true); }
};
} // namespace

TEST_F(ScoreFiles, ARecordIsOneLineInTheWriteForm)
{
    Current("Freecell", cGameNo(12345), 315, 120, 500);
    ASSERT_FALSE(score.AddScore(kWon));
    EXPECT_EQ(Read("Ann.sre"), "\"12/7/2003 6:42:02 PM\",\"Freecell\",12345,315,120,500,1\r\n");

    now = QDateTime(QDate(2004, 1, 5), QTime(9, 3, 0));
    Current("Baker's Game", cGameNo::FromText("1,234"), 70000, -1, -32768);
    ASSERT_FALSE(score.AddScore(kLost));
    EXPECT_EQ(Read("Ann.sre"), "\"12/7/2003 6:42:02 PM\",\"Freecell\",12345,315,120,500,1\r\n"
                               "\"1/5/2004 9:03:00 AM\",\"Baker's Game\",\"1,234\",70000,-1,-32768,0\r\n");
}

TEST_F(ScoreFiles, RecordsReadBackWithTheirPlayerAndTheirKindOfGameNumber)
{
    Current("Freecell", cGameNo(1e15), 315, 120, 500);
    ASSERT_FALSE(score.AddScore(kWon));
    Current("Forecell", cGameNo::FromText("12345"), 3, 4, 5);
    ASSERT_FALSE(score.AddScore(kLost));
    ASSERT_TRUE(score.OpenScore("Ann"));
    ASSERT_EQ(score.ScoreTop(), 2);
    const ScoreRecord a = score.GetScore(1), b = score.GetScore(2);
    EXPECT_EQ(a.DateText, "12/7/2003 6:42:02 PM");
    EXPECT_EQ(a.Date, QDate(2003, 12, 7));
    EXPECT_EQ(a.GameName, "Freecell");
    EXPECT_FALSE(a.GameNo.IsText());
    EXPECT_EQ(a.GameNo.Text(), "1000000000000000");
    EXPECT_EQ(a.Time, 315);
    EXPECT_EQ(a.Moves, 120);
    EXPECT_EQ(a.Score, 500);
    EXPECT_EQ(a.Won, 1);
    EXPECT_EQ(a.Player, "Ann");
    EXPECT_TRUE(b.GameNo.IsText());
    EXPECT_EQ(b.GameNo.Text(), "12345");
    EXPECT_EQ(StatusText(b.Won), "Lost");
    EXPECT_EQ(score.GetScore(0).GameName, "");
    EXPECT_EQ(score.GetScore(3).GameName, "");

    // Loading twice without closing loads twice; closing empties the table.
    ASSERT_TRUE(score.OpenScore("Ann"));
    EXPECT_EQ(score.ScoreTop(), 4);
    EXPECT_EQ(score.GetScore(3).GameName, "Freecell");
    score.CloseScore();
    EXPECT_EQ(score.ScoreTop(), 0);
    EXPECT_TRUE(score.OpenScore("Nobody")); // no file: no games
    EXPECT_EQ(score.ScoreTop(), 0);
}

TEST_F(ScoreFiles, AllPlayersLoadInSlotOrder)
{
    d->SetPlayer(3, "Cy", false); // slot 2 stays empty
    d->SetPlayer(4, "Ann", false); // the same player twice loads once
    Put("Ann.sre", "\"12/7/2003 6:42:02 PM\",\"Freecell\",1,1,1,1,1\r\n");
    Put("Cy.sre", "\"12/7/2003 6:42:02 PM\",\"Forecell\",2,2,2,2,0\r\n");
    EXPECT_EQ(score.Players(), QStringList({"Ann", "Cy"}));
    ASSERT_TRUE(score.OpenAllScore());
    ASSERT_EQ(score.ScoreTop(), 2);
    EXPECT_EQ(score.GetScore(1).Player, "Ann");
    EXPECT_EQ(score.GetScore(2).Player, "Cy");
    ASSERT_TRUE(score.OpenAllScore()); // starts from an empty table
    EXPECT_EQ(score.ScoreTop(), 2);
}

TEST_F(ScoreFiles, DamagedLinesAreSkippedAndEveryGoodLineLoads)
{
    Put("Ann.sre",
        "\"12/7/2003 6:42:02 PM\",\"Freecell\",1,10,10,10,1\r\n"
        "\"12/7/2003 6:42:02 PM\",\"Freecell\",2,10,10\r\n"              // truncated
        "\"12/7/2003 6:42:02 PM\",\"Freecell\",3,10,10,10,1,9\r\n"       // a field too many
        "\"12/7/2003 6:42:02 PM\",\"Freecell\",4,ten,10,10,1\r\n"        // not a number
        "\"12/7/2003 6:42:02 PM,\"Freecell\",5,10,10,10,1\r\n"           // unbalanced quotes
        "\"12/7/2003 6:42:02 PM\",\"Freecell,6,10,10,10,1\r\n"
        "\"12/7/2003 6:42:02 PM\",\"Freecell\",7,10,10,10,40000\r\n"     // result beyond 16 bits
        "\"12/7/2003 6:42:02 PM\",\"Freecell\",8,3000000000,10,10,1\r\n" // time beyond 32 bits
        "\"12/7/2003 6:42:02 PM\",\"Freecell\",abc,10,10,10,1\r\n"       // a bare word as number
        "\r\n"
        "\n"
        "\"not a date\",\"Forecell\",9,20,20,20,0\n"                      // LF only, odd date: kept
        "\"12/8/2003 6:42:02 PM\",\"Two Cells\",10,30,30,30,1");         // no final line end
    EXPECT_TRUE(score.OpenScore("Ann"));
    ASSERT_EQ(score.ScoreTop(), 3);
    EXPECT_EQ(score.GetScore(1).GameNo.Value(), 1);
    EXPECT_EQ(score.GetScore(2).GameNo.Value(), 9);
    EXPECT_FALSE(score.GetScore(2).Date.isValid());
    EXPECT_EQ(score.GetScore(3).GameName, "Two Cells");
    EXPECT_EQ(score.SkippedLines(), 8);
    ASSERT_EQ(score.LoadProblems().size(), 1);
    EXPECT_TRUE(score.LoadProblems()[0].contains("Ann.sre")) << score.LoadProblems()[0].toStdString();
    EXPECT_TRUE(score.LoadProblems()[0].contains("line 2")) << score.LoadProblems()[0].toStdString();
    score.CloseScore();
    EXPECT_EQ(score.SkippedLines(), 0);
    EXPECT_TRUE(score.LoadProblems().isEmpty());
}

TEST_F(ScoreFiles, EmptyAndBinaryFilesLoadWithoutHarm)
{
    Put("Ann.sre", "");
    EXPECT_TRUE(score.OpenScore("Ann"));
    EXPECT_EQ(score.ScoreTop(), 0);
    EXPECT_EQ(score.SkippedLines(), 0);

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 7919) % 256);
    binary += "\r\n\"12/7/2003 6:42:02 PM\",\"Freecell\",1,10,10,10,1\r\n";
    binary += QByteArray("\0\0\0\"\xff", 5);
    Put("Ann.sre", binary);
    EXPECT_TRUE(score.OpenScore("Ann"));
    ASSERT_EQ(score.ScoreTop(), 1);
    EXPECT_EQ(score.GetScore(1).Score, 10);
    EXPECT_GT(score.SkippedLines(), 0);

    Put("Ann.sre", "\xEF\xBB\xBF\"12/7/2003 6:42:02 PM\",\"Freecell\",1,10,10,10,1\r\n");
    score.CloseScore();
    EXPECT_TRUE(score.OpenScore("Ann"));
    EXPECT_EQ(score.ScoreTop(), 1); // a byte-order mark is not part of the first record
}

TEST_F(ScoreFiles, AppendingAfterALineWithoutItsEndKeepsBothRecords)
{
    Put("Ann.sre", "\"12/7/2003 6:42:02 PM\",\"Freecell\",1,10,10,10,1");
    Current("Forecell", cGameNo(2), 20, 20, 20);
    ASSERT_FALSE(score.AddScore(kLost));
    EXPECT_EQ(Read("Ann.sre"), "\"12/7/2003 6:42:02 PM\",\"Freecell\",1,10,10,10,1\r\n"
                               "\"12/7/2003 6:42:02 PM\",\"Forecell\",2,20,20,20,0\r\n");
    ASSERT_TRUE(score.OpenScore("Ann"));
    EXPECT_EQ(score.ScoreTop(), 2);
}

TEST_F(ScoreFiles, RecordingRefusesNamesOutsideTheDataFolderAndReportsWriteFailures)
{
    Current("Freecell", cGameNo(1), 1, 1, 1);
    for (const char* bad : {"", "../up", "a/b", "CON"}) {
        d->SetCurPlayer(bad);
        const auto why = score.AddScore(kWon);
        ASSERT_TRUE(why.has_value()) << bad;
        EXPECT_TRUE(why->startsWith("The game cannot be recorded")) << why->toStdString();
    }
    EXPECT_FALSE(QFile::exists(d.dir.filePath("up.sre")));
    EXPECT_TRUE(QDir(d->AppDir()).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(score.OpenScore("../up"));
    EXPECT_EQ(score.LoadProblems().size(), 1);

    d->SetCurPlayer("Ann");
    d->SetCurGName("Two\nLines");
    EXPECT_TRUE(score.AddScore(kWon).has_value());
    EXPECT_EQ(Read("Ann.sre"), "<missing>");

    d->SetCurGName("Freecell");
    ASSERT_TRUE(QDir(d->AppDir()).mkdir("Ann.sre")); // a folder where the file should be
    EXPECT_TRUE(score.AddScore(kWon).has_value());
    EXPECT_FALSE(score.OpenScore("Ann") && score.ScoreTop() > 0);
}

TEST_F(ScoreFiles, TheSessionListKeepsFinishedGamesWithoutDates)
{
    EXPECT_EQ(score.SesTop(), 0);
    EXPECT_EQ(score.SesStat(), StatTotals{});
    Current("Freecell", cGameNo(5), 100, 50, 300);
    score.AddSesGame(kWon);
    d->SetCurPlayer("Bob");
    Current("Forecell", cGameNo::FromText("7"), 200, 60, -10);
    score.AddSesGame(kLost);
    ASSERT_EQ(score.SesTop(), 2);
    const ScoreRecord s = score.GetSesGame(2);
    EXPECT_TRUE(s.DateText.isEmpty());
    EXPECT_EQ(s.Player, "Bob");
    EXPECT_EQ(s.GameNo.Text(), "7");
    EXPECT_EQ(score.GetSesGame(1).Player, "Ann");
    EXPECT_EQ(score.SesStat(), (StatTotals{2, 1, 1, 290, 110, 300}));
    score.OpenAllScore();
    score.CloseScore();
    EXPECT_EQ(score.SesTop(), 2); // never cleared during a run
}

TEST_F(ScoreFiles, AppendingAfterALoneCarriageReturnKeepsTheLineBeforeReadable)
{
    Put("Ann.sre", "\"12/7/2003 6:42:02 PM\",\"Freecell\",1,10,10,10,1\r\n"
                   "\"12/7/2003 6:42:02 PM\",\"Freecell\",2,10,10,10,1\r");
    Current("Forecell", cGameNo(3), 20, 20, 20);
    ASSERT_FALSE(score.AddScore(kLost));
    EXPECT_EQ(Read("Ann.sre"), "\"12/7/2003 6:42:02 PM\",\"Freecell\",1,10,10,10,1\r\n"
                               "\"12/7/2003 6:42:02 PM\",\"Freecell\",2,10,10,10,1\r\n"
                               "\"12/7/2003 6:42:02 PM\",\"Forecell\",3,20,20,20,0\r\n");
    ASSERT_TRUE(score.OpenScore("Ann"));
    EXPECT_EQ(score.ScoreTop(), 3);
    EXPECT_EQ(score.SkippedLines(), 0);
}


TEST_F(ScoreFiles, AFailedAppendLeavesTheFileByteForByteAndSaysWhy)
{
    const QByteArray before = "\"12/7/2003 6:42:02 PM\",\"Freecell\",1,10,10,10,1\r\n";
    Put("Ann.sre", before);
    Current("Forecell", cGameNo(3), 20, 20, 20);
    {
        // Room for a part of the line only.
        FileSizeLimit full(rlim_t(before.size() + 10));
        const auto why = score.AddScore(kLost);
        ASSERT_TRUE(why.has_value());
        EXPECT_TRUE(why->contains("File too large")) << why->toStdString();
        EXPECT_FALSE(why->contains("Unknown error")) << why->toStdString();
    }
    EXPECT_EQ(Read("Ann.sre"), before);
    // The next record follows the good lines directly.
    ASSERT_FALSE(score.AddScore(kLost));
    ASSERT_TRUE(score.OpenScore("Ann"));
    EXPECT_EQ(score.ScoreTop(), 2);
    EXPECT_EQ(score.SkippedLines(), 0);

    // A score file made for a record that could not be written does not stay behind.
    d->SetCurPlayer("Bob");
    {
        FileSizeLimit full(1);
        EXPECT_TRUE(score.AddScore(kLost).has_value());
    }
    EXPECT_EQ(Read("Bob.sre"), "<missing>");
}
