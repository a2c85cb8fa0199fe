// The high-score window: the order of the four lists among equal scores and keys, which
// games they leave out, the filters, and the bold dark-red key cells.
#include "frmhighscore.h"
#include "uifixture.h"

using namespace solvane;
using namespace solvane::test;

namespace {

struct HighScore : UiTest {
    HighScore() { d->SetPlayer(2, "Bob", false); }
    // Whether a row's cell is drawn as the key: bold and dark red.
    static bool Key(QTreeWidgetItem* item, int column)
    {
        return item->font(column).bold() && item->foreground(column).color() == QColor(128, 0, 0);
    }
    // Columns whose cells are keys, for every row.
    static std::vector<int> KeyColumns(QTreeWidget* list)
    {
        std::vector<int> keys;
        for (int c = 0; c < list->columnCount(); ++c) {
            bool all = list->topLevelItemCount() > 0;
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                all = all && Key(list->topLevelItem(i), c);
            if (all)
                keys.push_back(c);
        }
        return keys;
    }
};

TEST_F(HighScore, TopScoreListsLaterGamesFirstAmongEqualScoresAndNoScoreBelowOne)
{
    Record("Ann", "Freecell", 1, 100, 50, 300, kWon);
    Record("Ann", "Forecell", 2, 100, 50, 500, kLost); // lost with a positive score: listed
    Record("Ann", "Freecell", 3, 100, 50, 300, kLost);
    Record("Ann", "Freecell", 4, 100, 50, 0, kWon); // score 0: never listed
    Record("Bob", "Two Cells", 5, 100, 50, 300, kWon); // later player slot: first among 300s
    Record("Bob", "Freecell", 6, 100, 50, -20, kWon);
    frmHighScore w(*d, score);
    EXPECT_EQ(Column(w, "lvTop", 7), QStringList({"2", "5", "3", "1"}));
    EXPECT_EQ(Rows(w, "lvTop").first(), "Forecell | Ann | 500 | 0:01:40 | 50 | Lost | 12/7/2003 | 2");
    EXPECT_EQ(KeyColumns(Tree(w, "lvTop")), std::vector<int>({2}));
}

TEST_F(HighScore, GameAndPlayerTabsFilterAndNumberTheirSlots)
{
    Record("Ann", "Freecell", 1, 10, 10, 100, kWon);
    Record("Ann", "Forecell", 2, 10, 10, 200, kWon);
    Record("Bob", "Freecell", 3, 10, 10, 150, kLost);
    d->SetCurGName("Freecell");
    frmHighScore w(*d, score);
    EXPECT_EQ(Box(w, "imcGames")->currentText(), "Freecell");
    EXPECT_EQ(Rows(w, "lvGames"), QStringList({"1 | Bob | 150 | 0:00:10 | 10 | Lost | 12/7/2003 | 3",
                                               "2 | Ann | 100 | 0:00:10 | 10 | Won | 12/7/2003 | 1"}));
    EXPECT_EQ(KeyColumns(Tree(w, "lvGames")), std::vector<int>({2}));
    Choose(w, "imcGames", "Seven By Four");
    EXPECT_TRUE(Rows(w, "lvGames").isEmpty());

    EXPECT_EQ(Box(w, "imcPlayer")->currentText(), "Ann");
    EXPECT_EQ(Rows(w, "lvPlayer"), QStringList({"1 | Forecell | 200 | 0:00:10 | 10 | Won | 12/7/2003 | 2",
                                                "2 | Freecell | 100 | 0:00:10 | 10 | Won | 12/7/2003 | 1"}));
    Choose(w, "imcPlayer", "Bob");
    EXPECT_EQ(Column(w, "lvPlayer", 7), QStringList({"3"}));
    EXPECT_EQ(KeyColumns(Tree(w, "lvPlayer")), std::vector<int>({2}));
}

TEST_F(HighScore, FinishedGamesListOnlyWonGamesWithAKeyAboveZero)
{
    Record("Ann", "Freecell", 1, 300, 90, 100, kWon);
    Record("Ann", "Freecell", 2, 0, 0, 900, kWon);     // no time, no moves: never by time or moves
    Record("Ann", "Freecell", 3, 100, 50, 800, kLost); // lost: never listed
    Record("Ann", "Freecell", 4, 300, 90, 100, kWon);  // equal keys: the later first
    Record("Bob", "Freecell", 5, 200, 120, 50, kWon);
    frmHighScore w(*d, score);
    EXPECT_EQ(Entries(w, "imcFin"), QStringList({"Score", "Moves", "Time"}));
    QTreeWidget* fin = Tree(w, "lvFin");
    EXPECT_EQ(Column(w, "lvFin", 7), QStringList({"2", "4", "1", "5"}));
    EXPECT_EQ(KeyColumns(fin), std::vector<int>({3}));

    Choose(w, "imcFin", "Moves");
    EXPECT_EQ(Column(w, "lvFin", 7), QStringList({"4", "1", "5"}));
    EXPECT_EQ(Column(w, "lvFin", 0), QStringList({"1", "2", "3"}));
    EXPECT_EQ(KeyColumns(fin), std::vector<int>({5}));

    Choose(w, "imcFin", "Time");
    EXPECT_EQ(Column(w, "lvFin", 7), QStringList({"5", "4", "1"}));
    EXPECT_EQ(KeyColumns(fin), std::vector<int>({4}));
    EXPECT_EQ(Rows(w, "lvFin").first(), "1 | Freecell | Bob | 50 | 0:03:20 | 120 | 12/7/2003 | 5");
}

TEST_F(HighScore, TwentySlotsAtMostAndTheTableEmptiedOnClosing)
{
    for (int i = 1; i <= 30; ++i)
        Record("Ann", "Freecell", i, i, i, i, kWon);
    auto w = std::make_unique<frmHighScore>(*d, score);
    const QStringList top = Column(*w, "lvTop", 2);
    ASSERT_EQ(top.size(), 20);
    EXPECT_EQ(top.first(), "30");
    EXPECT_EQ(top.last(), "11");
    EXPECT_EQ(score.ScoreTop(), 30);
    w->reject();
    EXPECT_EQ(score.ScoreTop(), 0);
}

} // namespace
