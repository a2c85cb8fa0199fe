#include "ccustom.h"

#include "cboardset.h"
#include "isolateddata.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace solvane;
using namespace solvane::test;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

struct Catalogue : ::testing::Test {
    IsolatedData d;
    cBoardSet boards;
    cCustom custom{*d, boards};

    void Put(const QString& file, const QByteArray& content)
    {
        QFile f(d->AppDir() + file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray Read(const QString& file)
    {
        QFile f(d->AppDir() + file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    int CardsIn(int cell)
    {
        int n = 0;
        for (int p = 0; p < boards.Games().Piles(cell); ++p)
            n += boards.Board().GetTop(cell, p) + 1;
        return n;
    }
};

const GameRules kStudioDefault{0, 0, 0, 4, 13, 8, 1, 1, 4, 0};

} // namespace

TEST_F(Catalogue, WithoutGameFilesTheListHoldsTheFiveStandardGames)
{
    custom.Init();
    EXPECT_EQ(custom.TotalGames(), 0);
    ASSERT_EQ(d->TotalGames(), 5);
    const QStringList names = {"Freecell", "Baker's Game", "Forecell", "Seven By Four", "Two Cells"};
    for (int id = 1; id <= 5; ++id)
        EXPECT_EQ(d->GetGName(id), names[id - 1]);
    EXPECT_TRUE(custom.gName(0).isEmpty());
    EXPECT_TRUE(custom.gPath(-1).isEmpty());
}

TEST_F(Catalogue, GameFilesAreListedByNameRegardlessOfCase)
{
    Put("beta.gam", "0,0,0,4,13,8,1,1,4,0\r\n");
    Put("Alpha.gam", "0,0,0,4,13,8,1,1,4,0\r\n");
    Put("alpha two.gam", "0,0,0,4,13,8,1,1,4,0\r\n");
    Put("Gamma.gam", "0,0,0,4,13,8,1,1,4,0\r\n");
    Put("notes.txt", "x");
    Put("upper.GAM", "0,0,0,4,13,8,1,1,4,0\r\n"); // not a name + ".gam"
    Put(" lead.gam", "0,0,0,4,13,8,1,1,4,0\r\n"); // not a name the check accepts
    ASSERT_TRUE(QDir(d->AppDir()).mkdir("folder.gam"));
    custom.Init();
    ASSERT_EQ(custom.TotalGames(), 4);
    // By file name: "alpha two.gam" sorts before "Alpha.gam" as the blank before the dot.
    EXPECT_EQ(custom.gName(0), "alpha two");
    EXPECT_EQ(custom.gName(1), "Alpha");
    EXPECT_EQ(custom.gName(2), "beta");
    EXPECT_EQ(custom.gName(3), "Gamma");
    EXPECT_EQ(custom.gPath(2), d->AppDir() + "beta.gam");
    EXPECT_EQ(d->TotalGames(), 9);
    EXPECT_EQ(d->GetGName(6), "alpha two");
    EXPECT_EQ(d->GetGName(9), "Gamma");
    EXPECT_EQ(d->GetGameID("beta"), 8);

    // Deleting a game and rebuilding shrinks the list.
    EXPECT_FALSE(custom.DeleteGame("beta"));
    EXPECT_FALSE(custom.DeleteGame("beta")); // already gone: nothing to do
    custom.Init();
    EXPECT_EQ(d->TotalGames(), 8);
    EXPECT_EQ(d->GetGName(8), "Gamma");
}

TEST_F(Catalogue, AStandardNameAlwaysLoadsTheStandardRules)
{
    Put("Freecell.gam", "0,0,0,5,0,4,0,0,0,0\r\n");
    custom.Init();
    EXPECT_EQ(d->GetGName(6), "Freecell");
    EXPECT_EQ(d->GetGameID("Freecell"), 1);
    ASSERT_FALSE(custom.InitGame("Freecell"));
    EXPECT_EQ(custom.Rules(), *StandardRules("Freecell"));
    EXPECT_EQ(custom.hPiles(), 8);
    // Names are compared exactly: a different case is a custom game.
    EXPECT_TRUE(custom.InitGame("freecell").has_value());
}

TEST_F(Catalogue, TheStudioDefaultGameIsWrittenAndReadBack)
{
    ASSERT_FALSE(custom.WriteGame("Freecell Game 01", kStudioDefault));
    EXPECT_EQ(Read("Freecell Game 01.gam"), "0,0,0,4,13,8,1,1,4,0\r\n");
    ASSERT_FALSE(custom.InitGame("Freecell Game 01"));
    EXPECT_EQ(custom.hPiles(), 8);
    EXPECT_EQ(custom.hSpace(), 13);
    EXPECT_EQ(custom.hAk(), 1);
    EXPECT_EQ(custom.hMulti(), 1);
    EXPECT_TRUE(custom.GameFileExists("Freecell Game 01"));

    // Overwriting replaces the rules whole.
    const GameRules other{1, 12, 2, 9, 0, 10, 0, 0, 3, 3};
    ASSERT_FALSE(custom.WriteGame("Freecell Game 01", other));
    EXPECT_EQ(Read("Freecell Game 01.gam"), "1,12,2,9,0,10,0,0,3,3\r\n");
    ASSERT_FALSE(custom.InitGame("Freecell Game 01"));
    EXPECT_EQ(custom.Rules(), other);
    EXPECT_EQ(QDir(d->AppDir()).entryList(QDir::Files), QStringList{"Freecell Game 01.gam"});
}

TEST_F(Catalogue, ReadingTakesTheFirstTenNumbersWhateverSeparatesThem)
{
    Put("Loose.gam", "  1, 13 ,4\r\n9\t0\n10 1\r\n1,4,4,99,junk after the tenth");
    ASSERT_FALSE(custom.InitGame("Loose"));
    EXPECT_EQ(custom.Rules(), (GameRules{1, 13, 4, 9, 0, 10, 1, 1, 4, 4}));
    Put("NoLineEnd.gam", "0,0,0,4,13,8,1,1,4,0");
    EXPECT_FALSE(custom.InitGame("NoLineEnd"));
}

TEST_F(Catalogue, BadGameFilesAreRefusedNamingTheGameAndKeepingTheCurrentGame)
{
    ASSERT_FALSE(custom.SelectGame("Two Cells"));
    const int freeCells = boards.Games().Piles(kReserve);
    ASSERT_EQ(freeCells, 2);

    const struct {
        const char* file;
        QByteArray content;
        const char* reason;
    } bad[] = {
        {"Short", "0,0,0,4,13,8,1,1,4\r\n", "9 numbers instead of ten"},
        {"Empty", "", "0 numbers instead of ten"},
        {"Word", "0,0,zero,4,13,8,1,1,4,0\r\n", "\"zero\" is not a whole number"},
        {"Fraction", "0,0,0,4.5,13,8,1,1,4,0\r\n", "\"4.5\" is not a whole number"},
        {"Huge", "0,0,0,4,13,8,1,1,4,99999999999\r\n", "is not a whole number"},
        {"FewPiles", "0,0,0,4,13,3,1,1,4,0\r\n", "hPiles is 3, it must lie between 4 and 10"},
        {"ManyPiles", "0,0,0,4,13,11,1,1,4,0\r\n", "hPiles is 11"},
        {"Cards", "0,0,0,4,13,8,1,1,2,3\r\n", "rCards is 3"},
        {"Base", "0,14,0,4,13,8,1,1,2,0\r\n", "gBase is 14"},
        {"Order", "10,0,0,4,13,8,1,1,2,0\r\n", "gOrder is 10"},
        {"Flag", "0,0,0,4,13,8,2,1,2,0\r\n", "hAk is 2"},
        {"Binary", QByteArray("\x00\xff\x01,\x89PNG\r\n\x1a\n", 12), "is not a whole number"},
    };
    for (const auto& b : bad) {
        Put(QString(b.file) + ".gam", b.content);
        const auto why = custom.SelectGame(b.file);
        ASSERT_TRUE(why.has_value()) << b.file;
        EXPECT_TRUE(why->contains(QString("Game \"%1\"").arg(b.file))) << why->toStdString();
        EXPECT_TRUE(why->contains(b.reason)) << why->toStdString();
        EXPECT_EQ(custom.Rules(), *StandardRules("Two Cells")) << b.file;
        EXPECT_EQ(boards.Games().Piles(kReserve), freeCells) << b.file;
    }
    const auto missing = custom.SelectGame("Nowhere");
    ASSERT_TRUE(missing.has_value());
    EXPECT_TRUE(missing->contains("Nowhere") && missing->contains("missing")) << missing->toStdString();
    const auto outside = custom.InitGame("../Freecell");
    ASSERT_TRUE(outside.has_value());
    EXPECT_TRUE(outside->contains("/")) << outside->toStdString();
}

TEST_F(Catalogue, AnUnreadableGameFileIsRefused)
{
    Put("Locked.gam", "0,0,0,4,13,8,1,1,4,0\r\n");
    QFile::setPermissions(d->AppDir() + "Locked.gam", QFile::Permissions());
    QFile probe(d->AppDir() + "Locked.gam");
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "permissions do not keep this user out";
    const auto why = custom.InitGame("Locked");
    ASSERT_TRUE(why.has_value());
    EXPECT_TRUE(why->contains("cannot be read")) << why->toStdString();
}

TEST_F(Catalogue, WritingRefusesBadNamesAndRulesAndNeverLeavesAHalfFile)
{
    for (const char* name : {"", "../up", "a/b", "C:\\x", "con", "trail.", "Forecell"}) {
        const auto why = custom.WriteGame(name, kStudioDefault);
        EXPECT_TRUE(why.has_value()) << name;
    }
    EXPECT_TRUE(custom.WriteGame("Bad", GameRules{0, 0, 0, 4, 13, 2, 1, 1, 4, 0})->contains("hPiles is 2"));
    EXPECT_TRUE(QDir(d->AppDir()).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(QFile::exists(d.dir.filePath("up.gam")));

    // A data folder that cannot take the file: the failure is reported.
    ASSERT_FALSE(custom.WriteGame("Kept", kStudioDefault));
    QDir(d->AppDir()).removeRecursively();
    QFile blocker(d->AppDir().chopped(1));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    const auto why = custom.WriteGame("Kept", kStudioDefault);
    ASSERT_TRUE(why.has_value());
    EXPECT_TRUE(why->contains("cannot be written")) << why->toStdString();
}

TEST_F(Catalogue, SelectingAGameSetsTheDealOfItsRules)
{
    ASSERT_FALSE(custom.SelectGame("Forecell"));
    boards.DealNumber(1);
    EXPECT_EQ(CardsIn(kTableau), 48);
    EXPECT_EQ(CardsIn(kReserve), 4);

    ASSERT_FALSE(custom.WriteGame("Prefilled", GameRules{0, 0, 4, 4, 13, 8, 0, 1, 4, 2}));
    ASSERT_FALSE(custom.SelectGame("Prefilled"));
    boards.DealNumber(1);
    EXPECT_EQ(CardsIn(kTableau), 46);
    EXPECT_EQ(CardsIn(kReserve), 2);
    EXPECT_EQ(CardsIn(kFoundation), 4);

    ASSERT_FALSE(custom.SelectGame("Seven By Four"));
    EXPECT_EQ(boards.Games().Piles(kTableau), 7);
    EXPECT_EQ(boards.Games().GetBlock(kTableau).StartX, 1748);
}

TEST_F(Catalogue, FoundationsWrapUnlessTheyStartAtTheAce)
{
    for (int base : {0, 12, 13}) {
        const QString name = QString("Base %1").arg(base);
        ASSERT_FALSE(custom.WriteGame(name, GameRules{0, base, 0, 4, 13, 8, 0, 1, 4, 0}));
        ASSERT_FALSE(custom.SelectGame(name));
        EXPECT_EQ(boards.Games().AK(kFoundation), base == 0 ? 0 : 1) << base;
        EXPECT_EQ(custom.gBase(), base);
        EXPECT_EQ(boards.Board().BaseRank(), 0);
    }
}
