// The game windows as the main window opens them: a designed game is playable right after
// it is saved, a damaged one is refused, and the start-up selection leaves the table free.
#include "../table/tablewindow.h"
#include "catalogueui.h"
#include "dialogscript.h"
#include "frmaddgame.h"
#include "frmchoose.h"
#include "frmgameswizard.h"
#include "frmselect.h"
#include "mwirecatalogue.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace solvane;
using namespace solvane::test;

namespace {

struct CatalogueMain : ::testing::Test {
    TableWindow t;
    CatalogueMain() { WireCatalogueWindows(*t.w, *t.s); }

    bool PlayFromSelect(const QString& game)
    {
        return WithModal<frmSelect>([&] { t.w->Open("frmSelect"); }, [&](frmSelect& dlg) {
            const auto found = dlg.TreeView1->findItems(game, Qt::MatchExactly | Qt::MatchRecursive);
            ASSERT_EQ(found.size(), 1);
            dlg.TreeView1->setCurrentItem(found.front());
            dlg.cmdPlay->click();
        });
    }
    void DesignInWizard(const QString& name, int piles)
    {
        const bool opened = WithModal<frmGamesWizard>([&] { t.w->Open("frmGamesWizard"); }, [&](frmGamesWizard& wiz) {
            const bool added = WithModal<frmAddGame>([&] { wiz.cmdAdd->click(); }, [&](frmAddGame& dlg) {
                dlg.txtName->setText(name);
                dlg.imcHomePiles->setCurrentIndex(dlg.imcHomePiles->findData(piles));
                dlg.cmdAdd->click();
            });
            EXPECT_TRUE(added);
        });
        ASSERT_TRUE(opened);
    }
    cServices& s() { return *t.s; }
};

} // namespace

TEST_F(CatalogueMain, MenuEntriesReachTheirWindows)
{
    for (QAction* a : {t.w->mFile[2], t.w->mFile[7], t.w->mTools[7]})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(CatalogueMain, DesignedGamePlaysAtOnceFromBothWindows)
{
    DesignInWizard("Tiny", 5);
    ASSERT_TRUE(PlayFromSelect("Tiny"));
    t.Settle();
    EXPECT_EQ(s().Data().CurGName(), "Tiny");
    EXPECT_TRUE(s().Data().GameRunning());
    EXPECT_EQ(s().Boards().Games().Piles(kTableau), 5);
    EXPECT_TRUE(t.w->windowTitle().contains("Tiny"));

    ASSERT_TRUE(PlayFromSelect("Freecell"));
    EXPECT_EQ(s().Boards().Games().Piles(kTableau), 8);
    const bool chosen = WithModal<frmChoose>([&] { t.w->Open("frmChoose"); }, [](frmChoose& dlg) {
        dlg.imcGames->setCurrentIndex(dlg.imcGames->findText("Tiny"));
        dlg.Text1->setText("77");
        dlg.cmdSelect->click();
    });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(s().Data().CurGName(), "Tiny");
    EXPECT_EQ(s().Data().CurGNo().Text(), "77");
    EXPECT_EQ(s().Boards().Games().Piles(kTableau), 5);
}

TEST_F(CatalogueMain, DamagedGameIsRefusedTheCurrentGameKeptAndTheSelectionStaysOpen)
{
    ASSERT_TRUE(t.w->Start("Baker's Game", cGameNo(5)));
    t.Settle();
    WriteFile(t.s.DataDir() + "Broken.gam", "1,2,3\r\n");
    s().Custom().Init();
    t.s.prompt.shown.clear();
    bool shownAgain = false;
    const bool opened = WithModal<frmSelect>([&] { t.w->Open("frmSelect"); }, [&](frmSelect& dlg) {
        const auto found = dlg.TreeView1->findItems("Broken", Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1);
        dlg.TreeView1->setCurrentItem(found.front());
        // Once the refusal has been said, the same window is there to choose again.
        auto* watch = new QTimer(&dlg);
        QObject::connect(watch, &QTimer::timeout, [&dlg, watch, &shownAgain] {
            if (QApplication::activeModalWidget() != &dlg || !dlg.isVisible())
                return;
            watch->stop();
            shownAgain = dlg.TreeView1->currentItem()->text(0) == "Broken";
            dlg.cmdCancel->click();
        });
        watch->start(10);
        dlg.cmdPlay->click();
    });
    ASSERT_TRUE(opened);
    EXPECT_TRUE(shownAgain);
    ASSERT_EQ(t.s.prompt.shown.size(), 1u);
    EXPECT_TRUE(t.s.prompt.shown.back().text.contains("Broken"));
    EXPECT_EQ(s().Data().CurGName(), "Baker's Game");
    EXPECT_TRUE(s().Data().GameRunning());
}

TEST_F(CatalogueMain, TheStartupSelectionListsGamesDesignedMeanwhile)
{
    ShowSelectAtStartup(*t.w, s());
    QApplication::processEvents();
    auto* startup = t.w->findChild<frmSelect*>();
    ASSERT_TRUE(startup);
    DesignInWizard("Later", 6);
    EXPECT_EQ(startup->TreeView1->findItems("Later", Qt::MatchExactly | Qt::MatchRecursive).size(), 1);
    startup->close();
}

TEST_F(CatalogueMain, StartupSelectionLeavesTheMainWindowFree)
{
    ShowSelectAtStartup(*t.w, s());
    QApplication::processEvents();
    auto* startup = t.w->findChild<frmSelect*>();
    ASSERT_TRUE(startup);
    EXPECT_TRUE(startup->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Create a New Game: the selection closes, then the wizard opens.
    startup->cmdCreate->click();
    const bool wizard = WithModal<frmGamesWizard>([] { QApplication::processEvents(); }, [](frmGamesWizard&) {});
    EXPECT_TRUE(wizard);

    // One asked for from the menu replaces one still open since start-up.
    ShowSelectAtStartup(*t.w, s());
    QApplication::processEvents();
    ASSERT_TRUE(PlayFromSelect("Two Cells"));
    QApplication::processEvents();
    for (frmSelect* other : t.w->findChildren<frmSelect*>())
        EXPECT_FALSE(other->isVisible());
    EXPECT_EQ(s().Data().CurGName(), "Two Cells");
}

TEST_F(CatalogueMain, ANewPlayerTakesOverOnlyTheNewGame)
{
    // The game being left was Ann's; the one started is Bob's.
    s().Data().SetPlayer(2, "Ann", true);
    s().Data().SetPlayer(3, "Bob", false);
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(9)));
    const bool played = WithModal<frmSelect>([&] { t.w->Open("frmSelect"); }, [](frmSelect& dlg) {
        dlg.imcPlayer->setCurrentIndex(dlg.imcPlayer->findText("Bob"));
        dlg.cmdPlay->click();
    });
    ASSERT_TRUE(played);
    EXPECT_EQ(s().Data().CurPlayer(), "Bob");
    ASSERT_TRUE(s().Score().OpenScore("Ann"));
    ASSERT_EQ(s().Score().ScoreTop(), 1);
    EXPECT_EQ(s().Score().GetScore(1).GameNo.Text(), "9");
    s().Score().CloseScore();
    ASSERT_TRUE(s().Score().OpenScore("Bob"));
    EXPECT_EQ(s().Score().ScoreTop(), 0);
    s().Score().CloseScore();
}
