// The two favourites windows: favourites in the order added with the last one chosen,
// "Play" only with a favourite, the number handed on as it was kept, and clearing.
#include "frmorgfav.h"
#include "frmplayfav.h"
#include "uifixture.h"

#include <QPushButton>
#include <QTest>

using namespace solvane;
using namespace solvane::test;

namespace {

struct FavWindows : UiTest {
    struct Started {
        QString name;
        cGameNo number;
    };
    std::vector<Started> started;
    frmPlayFav::Starter Starter()
    {
        return [this](const QString& name, const cGameNo& no) { started.push_back({name, no}); };
    }
    void Add(const QString& name, const cGameNo& no) { ASSERT_FALSE(score.AddFav(name, no).has_value()); }
    static bool Enabled(QWidget& w, const char* button) { return w.findChild<QPushButton*>(button)->isEnabled(); }
};

TEST_F(FavWindows, PlayListsTheChosenGamesFavouritesAndPreselectsTheLast)
{
    Add("Freecell", cGameNo(12345));
    Add("Forecell", cGameNo(7));
    Add("Freecell", cGameNo::FromText("0042"));
    Add("Freecell", cGameNo(12345)); // the same deal twice is listed twice
    d->SetCurGName("Freecell");
    frmPlayFav w(*d, score, prompt, Starter());
    EXPECT_EQ(Entries(w, "imcGames"),
              QStringList({"Freecell", "Baker's Game", "Forecell", "Seven By Four", "Two Cells"}));
    EXPECT_EQ(Box(w, "imcGames")->currentText(), "Freecell");
    EXPECT_EQ(Lines(w, "lvFav"), QStringList({"12345", "0042", "12345"}));
    auto* lv = w.findChild<QListWidget*>("lvFav");
    EXPECT_EQ(lv->currentRow(), 2);
    EXPECT_TRUE(Enabled(w, "cmdPlay"));

    Choose(w, "imcGames", "Baker's Game");
    EXPECT_TRUE(Lines(w, "lvFav").isEmpty());
    EXPECT_FALSE(Enabled(w, "cmdPlay"));

    Choose(w, "imcGames", "Freecell");
    lv->setCurrentRow(1);
    w.findChild<QPushButton*>("cmdPlay")->click();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].name, "Freecell");
    // A number typed as text stays text, so that its deal stays the same.
    EXPECT_TRUE(started[0].number.IsText());
    EXPECT_EQ(started[0].number.Text(), "0042");
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(FavWindows, WithoutAFileNothingCanBePlayedOrCleared)
{
    d->SetCurGName("Not In The Catalogue");
    frmPlayFav play(*d, score, prompt, Starter());
    EXPECT_EQ(Box(play, "imcGames")->currentIndex(), 0);
    EXPECT_TRUE(Lines(play, "lvFav").isEmpty());
    EXPECT_FALSE(Enabled(play, "cmdPlay"));
    play.findChild<QPushButton*>("cmdPlay")->click();
    EXPECT_TRUE(started.empty());

    frmOrgFav org(*d, score, prompt);
    QTest::qWait(frmOrgFav::kTickMs + 50);
    EXPECT_FALSE(Enabled(org, "cmdClear"));
    EXPECT_TRUE(Rows(org, "lvFav").isEmpty());
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(FavWindows, OrganizeListsByGameAndClearsEveryFavourite)
{
    Add("Forecell", cGameNo(3));
    Add("Forecell", cGameNo(1));
    Add("Freecell", cGameNo(9));
    d->SetCurGName("Forecell");
    frmOrgFav w(*d, score, prompt);
    EXPECT_EQ(Lines(w, "lvGames"),
              QStringList({"Freecell", "Baker's Game", "Forecell", "Seven By Four", "Two Cells"}));
    EXPECT_EQ(w.findChild<QListWidget*>("lvGames")->currentRow(), 2);
    EXPECT_EQ(Tree(w, "lvFav")->headerItem()->text(0), "Game Number");
    EXPECT_EQ(Rows(w, "lvFav"), QStringList({"3", "1"}));
    w.findChild<QListWidget*>("lvGames")->setCurrentRow(0);
    EXPECT_EQ(Rows(w, "lvFav"), QStringList({"9"}));
    EXPECT_TRUE(Enabled(w, "cmdClear"));

    w.findChild<QPushButton*>("cmdClear")->click();
    EXPECT_TRUE(Rows(w, "lvFav").isEmpty());
    EXPECT_FALSE(QFile::exists(score.Favourites().Path()));
    EXPECT_EQ(score.FavTop(), 0);
    QTest::qWait(frmOrgFav::kTickMs + 50);
    EXPECT_FALSE(Enabled(w, "cmdClear"));
    w.findChild<QListWidget*>("lvGames")->setCurrentRow(2);
    EXPECT_TRUE(Rows(w, "lvFav").isEmpty());
}

TEST_F(FavWindows, DamagedFavouriteLinesAreReportedAndTheGoodOnesListed)
{
    Add("Freecell", cGameNo(5));
    QFile f(score.Favourites().Path());
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("\"Freecell\"\r\n\"Freecell\",\"unterminated\r\n");
    f.close();
    Add("Freecell", cGameNo(6));
    frmPlayFav w(*d, score, prompt, Starter());
    EXPECT_EQ(Lines(w, "lvFav"), QStringList({"5", "6"}));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].text.contains("2 damaged lines")) << prompt.shown[0].text.toStdString();
}

} // namespace
