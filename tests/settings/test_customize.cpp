// The customize window: what it shows for a player, its pending choices, what it stores at
// once and on OK, and what Cancel leaves alone; opened through the main window too.
#include "cbgpreview.h"
#include "ctableview.h"
#include "dialogscript.h"
#include "frmcustomize.h"
#include "frmmain.h"
#include "frmplayers.h"
#include "mwiresettings.h"
#include "testservices.h"
#include "vexcard.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace solvane;
using namespace solvane::test;

namespace {

struct Customize : ::testing::Test {
    TestServices s;

    std::unique_ptr<frmCustomize> Open(cTableView* table = nullptr)
    {
        return std::make_unique<frmCustomize>(s.Data(), s->Score(), s->Pictures(), s.prompt, table);
    }
    template <typename W>
    static W* Get(QWidget& w, const char* name)
    {
        W* found = w.findChild<W*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QTreeWidgetItem* Node(QWidget& w, const char* tree, const QString& text)
    {
        const auto found = Get<QTreeWidget>(w, tree)->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << text.toStdString();
        return found.value(0);
    }
    static void Choose(QWidget& w, const char* tree, const QString& text)
    {
        Get<QTreeWidget>(w, tree)->setCurrentItem(Node(w, tree, text));
    }
    static QString Current(QWidget& w, const char* tree)
    {
        QTreeWidgetItem* item = Get<QTreeWidget>(w, tree)->currentItem();
        return item ? item->text(0) : QString();
    }
    static bool Enabled(QWidget& w, const char* name) { return Get<QWidget>(w, name)->isEnabled(); }
    static void Click(QWidget& w, const char* name) { Get<QAbstractButton>(w, name)->click(); }
    static QTreeWidgetItem* Sound(QWidget& w, int i) { return Get<QTreeWidget>(w, "lvSound")->topLevelItem(i); }
};

TEST_F(Customize, AFreshUserSeesTheDefaults)
{
    auto w = Open();
    auto* tabs = Get<QTabWidget>(*w, "SSTab1");
    EXPECT_EQ(w->windowTitle(), "Customize");
    EXPECT_EQ(tabs->currentIndex(), 0);
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "General");
    EXPECT_EQ(tabs->tabText(3), "&Animation && Sounds");

    EXPECT_EQ(Current(*w, "tvBGround"), "Dark Green");
    EXPECT_TRUE(Enabled(*w, "chkFade"));
    EXPECT_TRUE(Get<QCheckBox>(*w, "chkFade")->isChecked());
    EXPECT_FALSE(Enabled(*w, "cmdCustom"));
    EXPECT_EQ(Current(*w, "tvDeck"), "Misc 01");
    EXPECT_EQ(Get<cBGPreview>(*w, "picDeckBack")->ShownBack(), 531);

    auto* range = Get<QComboBox>(*w, "imcRange");
    ASSERT_EQ(range->count(), 15);
    EXPECT_EQ(range->itemText(0), "9");
    EXPECT_EQ(range->itemText(3), "9,999");
    EXPECT_EQ(range->currentText(), "999,999,999,999,999");
    for (const char* box : {"chkTime", "chkScore", "chkMoves", "chkWinnable", "chkDoubleClick"})
        EXPECT_TRUE(Get<QCheckBox>(*w, box)->isChecked()) << box;
    EXPECT_FALSE(Enabled(*w, "cmdClearRecent")); // nothing to clear yet

    const int sliders[] = {45, 45, 48, 43}; // 50 minus 5, 5, 2, 7
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Get<QSlider>(*w, QStringLiteral("Slider%1").arg(i + 1).toLatin1())->value(), sliders[i]);
    const std::pair<const char*, bool> sounds[] = {{"Initial Shuffle", true}, {"Card Up", false},
                                                   {"Card Down", false},      {"Autoplay Move", true},
                                                   {"Undo", true},            {"Redo", true},
                                                   {"Game Won", true}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Sound(*w, i)->text(0), sounds[i].first);
        EXPECT_EQ(Sound(*w, i)->checkState(0) == Qt::Checked, sounds[i].second) << sounds[i].first;
    }
}

TEST_F(Customize, TheTreesCarryKeysAndTagsAndOnlyTheOfferedColours)
{
    auto w = Open();
    auto tag = [](QTreeWidgetItem* n) { return n->data(0, frmCustomize::kTagRole); };
    auto key = [](QTreeWidgetItem* n) { return n->data(0, frmCustomize::kKeyRole).toString(); };
    QTreeWidgetItem* root = Node(*w, "tvBGround", "Backgrounds");
    EXPECT_EQ(key(root), "main");
    EXPECT_EQ(key(Node(*w, "tvBGround", "Colors")), "c");
    EXPECT_FALSE(tag(Node(*w, "tvBGround", "Colors")).isValid());
    EXPECT_EQ(key(Node(*w, "tvBGround", "Custom Color")), "custom");
    EXPECT_EQ(tag(Node(*w, "tvBGround", "Custom Color")).toInt(), 1000);
    EXPECT_EQ(tag(Node(*w, "tvBGround", "Blue")).toInt(), 1001);
    EXPECT_EQ(tag(Node(*w, "tvBGround", "Purple")).toInt(), 1020);
    EXPECT_TRUE(Get<QTreeWidget>(*w, "tvBGround")->findItems("Tomato", Qt::MatchRecursive).isEmpty());
    EXPECT_EQ(Node(*w, "tvBGround", "Colors")->childCount(), 21);
    EXPECT_EQ(key(Node(*w, "tvBGround", "Wood")), "Wood");
    EXPECT_EQ(tag(Node(*w, "tvBGround", "Marbles 02")).toInt(), 12);
    EXPECT_EQ(root->childCount(), 9); // Colors and eight groups
    EXPECT_EQ(key(Node(*w, "tvDeck", "Decks")), "main");
    EXPECT_EQ(tag(Node(*w, "tvDeck", "Nature 04")).toInt(), 544);
    EXPECT_FALSE(tag(Node(*w, "tvDeck", "Garden")).isValid());

    // Tiles are slow to paint: a group's icons come when it opens.
    QTreeWidgetItem* bricks = Node(*w, "tvBGround", "Bricks");
    EXPECT_TRUE(bricks->child(0)->icon(0).isNull());
    bricks->setExpanded(true);
    for (int i = 0; i < bricks->childCount(); ++i)
        EXPECT_FALSE(bricks->child(i)->icon(0).isNull());
    EXPECT_TRUE(Node(*w, "tvBGround", "Wood 01")->icon(0).isNull());
    EXPECT_FALSE(Node(*w, "tvBGround", "Blue")->icon(0).isNull());
}

TEST_F(Customize, BackgroundChoicesEnableColorsAndFadeAndAreStoredOnlyByOK)
{
    auto w = Open();
    Choose(*w, "tvBGround", "Custom Color");
    EXPECT_TRUE(Enabled(*w, "cmdCustom"));
    EXPECT_TRUE(Enabled(*w, "chkFade"));
    EXPECT_EQ(Get<cBGPreview>(*w, "picBGround")->BGIndex(), 1000);
    EXPECT_EQ(Get<cBGPreview>(*w, "picDeckBack")->BGIndex(), 1000);

    Choose(*w, "tvBGround", "Bricks 03");
    EXPECT_FALSE(Enabled(*w, "cmdCustom"));
    EXPECT_FALSE(Enabled(*w, "chkFade"));
    EXPECT_EQ(w->PendingBackground(), 3);
    // A group node changes no choice.
    Choose(*w, "tvBGround", "Paper");
    EXPECT_EQ(w->PendingBackground(), 3);
    EXPECT_EQ(s.Data().BGIndex(), 1007);

    Click(*w, "cmdOK");
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(s.Data().BGIndex(), 3);
}

TEST_F(Customize, TheColourDialogAndFadeChangeThePendingColourAndThePreviews)
{
    auto w = Open();
    Choose(*w, "tvBGround", "Custom Color");
    s.prompt.colors = {std::nullopt, 0x00FF0000};
    Click(*w, "cmdCustom"); // cancelled
    EXPECT_EQ(w->PendingCustomColor(), 128);
    Click(*w, "cmdCustom");
    EXPECT_EQ(w->PendingCustomColor(), 0x00FF0000);
    Click(*w, "chkFade");
    EXPECT_EQ(w->PendingFade(), 0);
    auto* preview = Get<cBGPreview>(*w, "picBGround");
    EXPECT_EQ(preview->CustomColor(), 0x00FF0000);
    EXPECT_EQ(preview->Fade(), 0);
    // Plain blue from top to bottom.
    preview->resize(120, 90);
    const QImage img = preview->viewport()->grab().toImage();
    EXPECT_EQ(img.pixelColor(5, 5), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(5, img.height() - 5), QColor(0, 0, 255));
    EXPECT_EQ(s.Data().CustomColor(), 128); // not stored before OK
    Click(*w, "cmdOK");
    EXPECT_EQ(s.Data().BGIndex(), 1000);
    EXPECT_EQ(s.Data().CustomColor(), 0x00FF0000);
    EXPECT_EQ(s.Data().Fade(), 0);
}

TEST_F(Customize, TheDeckTreeShowsTheChosenBackAndOKStoresIt)
{
    auto w = Open();
    Choose(*w, "tvDeck", "Flowers 02");
    auto* preview = Get<cBGPreview>(*w, "picDeckBack");
    EXPECT_EQ(preview->ShownBack(), 502);
    EXPECT_EQ(preview->BackPic().toImage(),
              s->Pictures().DeckPic(502, preview->devicePixelRatioF()).toImage());
    Choose(*w, "tvDeck", "Flowers"); // a group: the back stays
    EXPECT_EQ(w->PendingDeck(), 502);
    Click(*w, "cmdOK");
    EXPECT_EQ(s.Data().DeckIndex(), 502);
}

TEST_F(Customize, RangeAndDisplaySwitchesAreWrittenAtOnceAndOutliveCancel)
{
    s.Data().SetRangeIndex(5);
    auto w = Open();
    auto* range = Get<QComboBox>(*w, "imcRange");
    EXPECT_EQ(range->currentText(), "99,999");
    range->setCurrentIndex(2);
    EXPECT_EQ(s.Data().RangeIndex(), 3);
    Click(*w, "chkTime");
    Click(*w, "chkWinnable");
    EXPECT_EQ(s.Data().ShowTime(), 0);
    EXPECT_EQ(s.Data().ShowWinnable(), 0);
    EXPECT_EQ(s.Data().ShowScore(), 1);
    Click(*w, "chkWinnable");
    EXPECT_EQ(s.Data().ShowWinnable(), 1);
    Click(*w, "chkDoubleClick");
    EXPECT_EQ(s.Data().DoubleClickMove(), 0);
    EXPECT_FALSE(Get<QCheckBox>(*w, "chkKeepGame")->isChecked());
    Click(*w, "chkKeepGame");
    EXPECT_EQ(s.Data().KeepGame(), 1);
    Click(*w, "cmdCancel");
    EXPECT_EQ(s.Data().RangeIndex(), 3);
    EXPECT_EQ(s.Data().ShowTime(), 0);
}

TEST_F(Customize, SlidersStoreFiftyMinusTheirPositionAndSoundsTheirMarksOnOKOnly)
{
    {
        auto w = Open();
        Get<QSlider>(*w, "Slider1")->setValue(0);
        Sound(*w, 0)->setCheckState(0, Qt::Unchecked);
        Click(*w, "cmdCancel");
        EXPECT_EQ(s.Data().CardSpeed(), 5);
        EXPECT_EQ(s.Data().SoundStart(), -1);
    }
    auto w = Open();
    Get<QSlider>(*w, "Slider1")->setValue(0);
    Get<QSlider>(*w, "Slider2")->setValue(50);
    Get<QSlider>(*w, "Slider4")->setValue(30);
    Sound(*w, 0)->setCheckState(0, Qt::Unchecked); // Initial Shuffle
    Sound(*w, 1)->setCheckState(0, Qt::Checked);   // Card Up
    Sound(*w, 5)->setCheckState(0, Qt::Unchecked); // Redo
    Click(*w, "cmdOK");
    EXPECT_EQ(s.Data().CardSpeed(), 50);
    EXPECT_EQ(s.Data().UndoSpeed(), 0);
    EXPECT_EQ(s.Data().UndoallSpeed(), 2);
    EXPECT_EQ(s.Data().ReplaySpeed(), 20);
    EXPECT_EQ(s.Data().SoundStart(), 0);
    EXPECT_EQ(s.Data().SoundCardUp(), -1);
    EXPECT_EQ(s.Data().SoundCardDown(), 0);
    EXPECT_EQ(s.Data().SoundRedo(), 0);
    EXPECT_EQ(s.Data().SoundUndo(), -1);
}

TEST_F(Customize, ClearingTheRecentListAsksFirstAndTellsWhenDone)
{
    s.Data().SetRecent("Freecell");
    s.Data().SetRecent("Two Cells");
    auto w = Open();
    ASSERT_TRUE(Enabled(*w, "cmdClearRecent"));
    s.prompt.answers = {false};
    Click(*w, "cmdClearRecent");
    EXPECT_EQ(s.Data().RecentCount(), 2);
    EXPECT_TRUE(Enabled(*w, "cmdClearRecent"));
    Click(*w, "cmdClearRecent");
    EXPECT_EQ(s.Data().RecentCount(), 0);
    EXPECT_FALSE(Enabled(*w, "cmdClearRecent"));
    ASSERT_EQ(s.prompt.shown.size(), 3u);
    EXPECT_EQ(s.prompt.shown[0].text, "Are you sure you want to clear the Recent Games List ?");
    EXPECT_EQ(s.prompt.shown[0].icon, iPrompt::Icon::Question);
    EXPECT_EQ(s.prompt.shown[2].text, "Recent Games List has been Cleared.");
    EXPECT_EQ(s.prompt.shown[2].icon, iPrompt::Icon::Information);
    EXPECT_EQ(s.prompt.shown[2].title, "Solvane");
}

TEST_F(Customize, TheStatisticsButtonsClearAndExportThroughTheScoreStore)
{
    cScore& score = s->Score();
    s.Data().SetCurGName("Freecell");
    s.Data().SetCurGNo(cGameNo(7));
    ASSERT_EQ(score.AddScore(1), std::nullopt);
    auto w = Open();
    const QString report = s.dir.filePath("report.txt");
    s.prompt.savePaths = {report};
    Click(*w, "cmdExportStat");
    QFile f(report);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("Freecell"));
    ASSERT_TRUE(QFile::exists(score.ScoreFilePath("Player1")));
    Click(*w, "cmdClearStat");
    EXPECT_FALSE(QFile::exists(score.ScoreFilePath("Player1")));
}

// The menus reach both windows once they are wired, and the customize window's OK repaints
// the main window's table while Cancel leaves it as it was.
struct ThroughMainWindow : Customize {
    std::unique_ptr<frmMain> main;
    ThroughMainWindow()
    {
        main = std::make_unique<frmMain>(*s);
        WireSettingsWindows(*main, *s);
        main->show();
        QApplication::processEvents();
    }
    QImage Table() { return main->Table()->viewport()->grab().toImage(); }
    QAction* Entry(const char* name) { return main->findChild<QAction*>(name); }
};

TEST_F(ThroughMainWindow, CancelLeavesTheTableAndOKRepaintsIt)
{
    ASSERT_TRUE(main->Start("Freecell", cGameNo(1)));
    main->Table()->FinishAnimations();
    main->Table()->WaitForPictures();
    main->RefreshState();
    ASSERT_NE(Entry("mTools_1"), nullptr);
    EXPECT_TRUE(Entry("mTools_1")->isEnabled());
    EXPECT_TRUE(Entry("mTools_3")->isEnabled());
    const QImage before = Table();
    const QImage back = main->Table()->PicCards(0)->BackPic().toImage();
    auto choose = [this](frmCustomize& w) {
        Choose(w, "tvBGround", "Bricks 03");
        Choose(w, "tvDeck", "Nature 02");
    };
    ASSERT_TRUE(WithModal<frmCustomize>([&] { main->Open("frmCustomize"); }, [&](frmCustomize& w) {
        choose(w);
        Click(w, "cmdCancel");
    }));
    QApplication::processEvents();
    // Pictures are painted away from the window's thread: compare the settled table.
    main->Table()->WaitForPictures();
    EXPECT_EQ(s.Data().BGIndex(), 1007);
    EXPECT_EQ(Table(), before);
    EXPECT_EQ(main->Table()->PicCards(0)->BackPic().toImage(), back);

    ASSERT_TRUE(WithModal<frmCustomize>([&] { main->Open("frmCustomize"); }, [&](frmCustomize& w) {
        choose(w);
        Click(w, "cmdOK");
    }));
    QApplication::processEvents();
    main->Table()->WaitForPictures();
    EXPECT_EQ(s.Data().BGIndex(), 3);
    EXPECT_EQ(s.Data().DeckIndex(), 542);
    EXPECT_NE(Table(), before);
    EXPECT_NE(main->Table()->PicCards(0)->BackPic().toImage(), back);
}

TEST_F(ThroughMainWindow, ThePlayersEntryOpensThePlayersDialog)
{
    ASSERT_TRUE(WithModal<frmPlayers>([&] { main->Open("frmPlayers"); }, [&](frmPlayers& w) {
        EXPECT_EQ(w.SelectedName(), "Player1");
    }));
}

} // namespace
