// The statistics and favourites windows as the main window opens them: the menu entries,
// the finish dialog's buttons, a favourite dealt, and the session window over the game
// in progress.
#include "dialogscript.h"
#include "frmfinish.h"
#include "frmgamestat.h"
#include "frmhighscore.h"
#include "frmlogstat.h"
#include "ctableview.h"
#include "frmmain.h"
#include "frmorgfav.h"
#include "frmplayfav.h"
#include "frmsesstat.h"
#include "mwirescores.h"
#include "testservices.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace solvane;
using namespace solvane::test;

namespace {

struct ScoresWiring : ::testing::Test {
    TestServices s;
    std::unique_ptr<frmMain> w;

    ScoresWiring()
    {
        w = std::make_unique<frmMain>(*s);
        w->show();
        QApplication::processEvents();
    }
    void Wire()
    {
        WireScoresWindows(*w, *s);
        w->RefreshState();
    }
    // Runs `open`, which should show a modal D; true when it did and the table of
    // recorded games was loaded while it was open and empty afterwards.
    template <typename D>
    bool OpensLoaded(const std::function<void()>& open, int loaded)
    {
        int seen = -1;
        const bool opened = WithModal<D>(open, [&](D&) { seen = s->Score().ScoreTop(); });
        return opened && seen == loaded && s->Score().ScoreTop() == 0;
    }
    template <typename D>
    bool Opens(QAction* entry)
    {
        return WithModal<D>([entry] { entry->trigger(); }, [](D&) {});
    }
};

TEST_F(ScoresWiring, MenuEntriesOpenTheirWindowsOnceRegistered)
{
    const std::vector<QAction*> entries = {w->mStat[1], w->mStat[2], w->mStat[4], w->mStat[6], w->mFav[2],
                                           w->mFav[4]};
    for (QAction* a : entries)
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    Wire();
    for (QAction* a : entries)
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();

    ASSERT_TRUE(w->Start("Freecell", cGameNo(5)));
    ASSERT_TRUE(s->Lifecycle().EndGame(0) == std::nullopt);
    EXPECT_TRUE(OpensLoaded<frmGameStat>([&] { w->mStat[1]->trigger(); }, 1));
    EXPECT_TRUE(OpensLoaded<frmHighScore>([&] { w->mStat[4]->trigger(); }, 1));
    EXPECT_TRUE(OpensLoaded<frmLogStat>([&] { w->mStat[6]->trigger(); }, 1));
    EXPECT_TRUE(Opens<frmSesStat>(w->mStat[2]));
    EXPECT_TRUE(Opens<frmOrgFav>(w->mFav[2]));
    EXPECT_TRUE(Opens<frmPlayFav>(w->mFav[4]));
}

TEST_F(ScoresWiring, FinishDialogButtonsOpenStatisticsAndHighScores)
{
    Wire();
    ASSERT_TRUE(w->Start("Freecell", cGameNo(8)));
    // The dialog records the game as it opens, so the windows it opens list it.
    frmFinish finish(*s, *w, w.get());
    auto* stats = finish.findChild<QAction*>("Button_Statistics");
    auto* high = finish.findChild<QAction*>("Button_Highscore");
    ASSERT_TRUE(stats && high);
    EXPECT_TRUE(stats->isEnabled());
    EXPECT_TRUE(high->isEnabled());
    EXPECT_TRUE(OpensLoaded<frmGameStat>([&] { stats->trigger(); }, 1));
    EXPECT_TRUE(OpensLoaded<frmHighScore>([&] { high->trigger(); }, 1));
    EXPECT_EQ(finish.Chosen(), frmFinish::Choice::Close);
}

TEST_F(ScoresWiring, PlayingAFavouriteDealsItAndRecordsTheRunningGameAsLost)
{
    Wire();
    ASSERT_FALSE(s->Score().AddFav("Forecell", cGameNo(4321)).has_value());
    ASSERT_TRUE(w->Start("Freecell", cGameNo(1)));
    const bool opened = WithModal<frmPlayFav>([&] { w->mFav[4]->trigger(); }, [](frmPlayFav& dlg) {
        auto* games = dlg.findChild<QComboBox*>("imcGames");
        games->setCurrentIndex(games->findText("Forecell"));
        dlg.findChild<QPushButton*>("cmdPlay")->click();
    });
    EXPECT_TRUE(opened);
    w->Table()->FinishAnimations(); // the deal has been seen
    EXPECT_TRUE(s->Data().GameRunning());
    EXPECT_EQ(s->Data().CurGName(), "Forecell");
    EXPECT_EQ(s->Data().CurGNo().Text(), "4321");
    ASSERT_EQ(s->Score().SesTop(), 1);
    EXPECT_EQ(s->Score().GetSesGame(1).GameName, "Freecell");
    EXPECT_EQ(s->Score().GetSesGame(1).Won, 0);
}

TEST_F(ScoresWiring, SessionWindowShowsTheGameInProgress)
{
    Wire();
    ASSERT_TRUE(w->Start("Two Cells", cGameNo(77)));
    w->Table()->FinishAnimations();
    QStringList last;
    WithModal<frmSesStat>([&] { w->mStat[2]->trigger(); }, [&](frmSesStat& dlg) {
        auto* list = dlg.findChild<QTreeWidget*>("lvSession");
        QTreeWidgetItem* row = list->topLevelItem(list->topLevelItemCount() - 1);
        for (int c = 0; row && c < list->columnCount(); ++c)
            last << row->text(c);
    });
    ASSERT_EQ(last.size(), 7);
    EXPECT_EQ(last[0], "Two Cells");
    EXPECT_EQ(last[1], "77");
    EXPECT_EQ(last[5], "Running");
}

} // namespace
