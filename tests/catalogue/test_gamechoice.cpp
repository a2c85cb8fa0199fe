// The game selection and game-number windows: what they preselect, whom they make the
// player, and the game they start.
#include "catalogueui.h"
#include "frmchoose.h"
#include "frmselect.h"
#include "testservices.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace solvane;
using namespace solvane::test;

namespace {

struct Started {
    QString name, number, player;
};

struct Choice : ::testing::Test {
    TestServices s;
    std::vector<Started> started;

    GameStarter Starter()
    {
        return {[this](const QString& name, const cGameNo& no, const QString& player) {
                    started.push_back({name, no.Text(), player});
                    return true;
                },
                [] { return cGameNo(4242); }};
    }
    void AddPlayers()
    {
        s.Data().SetPlayer(2, "Ann", false);
        s.Data().SetPlayer(3, "Bob", false);
    }
    void AddCustom(const QString& name)
    {
        WriteFile(s.DataDir() + name + ".gam", "0,0,0,4,13,6,0,1,3,0\r\n");
        s->Custom().Init();
    }
    static QTreeWidgetItem* Node(frmSelect& w, const QString& text)
    {
        const auto found = w.TreeView1->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
};

} // namespace

TEST_F(Choice, SelectionPreselectsTheLastStandardGameOnly)
{
    AddCustom("Mine");
    s.Data().SetLastGName("Seven By Four");
    {
        frmSelect w(s.Data(), s->Custom(), Starter());
        EXPECT_EQ(w.windowTitle(), "Solvane");
        EXPECT_EQ(w.TreeView1->currentItem()->text(0), "Seven By Four");
        EXPECT_EQ(PanelText(w, "lbName"), "Seven By Four");
        EXPECT_EQ(PanelText(w, "lbHPiles"), "No. of Piles : 7");
        ASSERT_EQ(w.TreeView1->topLevelItemCount(), 2);
        EXPECT_EQ(w.TreeView1->topLevelItem(0)->childCount(), 5);
        EXPECT_EQ(w.TreeView1->topLevelItem(1)->text(0), "Custom Games");
        EXPECT_EQ(w.TreeView1->topLevelItem(1)->childCount(), 1);
        EXPECT_TRUE(w.TreeView1->topLevelItem(1)->isExpanded());
    }
    s.Data().SetLastGName("Mine");
    frmSelect w(s.Data(), s->Custom(), Starter());
    EXPECT_EQ(w.TreeView1->currentItem()->text(0), "Freecell");
    EXPECT_EQ(PanelText(w, "lbName"), "Freecell");
}

TEST_F(Choice, GroupNodesDoNothing)
{
    frmSelect w(s.Data(), s->Custom(), Starter());
    EXPECT_EQ(w.TreeView1->topLevelItem(1)->childCount(), 0);
    w.TreeView1->setCurrentItem(Node(w, "Two Cells"));
    w.TreeView1->setCurrentItem(Node(w, "Standard Games"));
    EXPECT_EQ(PanelText(w, "lbName"), "Two Cells");
    w.TreeView1->setCurrentItem(Node(w, "Custom Games"));
    EXPECT_EQ(PanelText(w, "lbRPiles"), "No. of Piles : 2");
    w.cmdPlay->click();
    EXPECT_TRUE(started.empty());
    EXPECT_NE(w.result(), QDialog::Accepted);
}

TEST_F(Choice, PlayHandsTheChosenPlayerToTheGameAndCancelChangesNothing)
{
    AddPlayers();
    s.Data().SetCurPlayer("Ann");
    {
        frmSelect w(s.Data(), s->Custom(), Starter());
        EXPECT_EQ(w.imcPlayer->currentText(), "Ann");
        w.imcPlayer->setCurrentIndex(w.imcPlayer->findText("Bob"));
        w.cmdCancel->click();
    }
    EXPECT_EQ(s.Data().CurPlayer(), "Ann");
    EXPECT_TRUE(started.empty());

    frmSelect w(s.Data(), s->Custom(), Starter());
    w.imcPlayer->setCurrentIndex(w.imcPlayer->findText("Bob"));
    w.TreeView1->setCurrentItem(Node(w, "Forecell"));
    w.cmdPlay->click();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].name, "Forecell");
    EXPECT_EQ(started[0].number, "4242");
    EXPECT_EQ(started[0].player, "Bob");
    EXPECT_EQ(w.Chosen(), frmSelect::Choice::Play);
}

TEST_F(Choice, CreateAsksForTheWizard)
{
    frmSelect w(s.Data(), s->Custom(), Starter());
    w.cmdCreate->click();
    EXPECT_EQ(w.Chosen(), frmSelect::Choice::Create);
    EXPECT_TRUE(started.empty());
}

TEST_F(Choice, NumberWindowOpensWithARandomNumberAndTheCurrentChoices)
{
    AddPlayers();
    AddCustom("Mine");
    s.Data().SetRangeIndex(5);
    s.Data().SetCurGName("Baker's Game");
    s.Data().SetCurPlayer("Bob");
    frmChoose w(s.Data(), s.prompt, Starter());
    EXPECT_EQ(w.windowTitle(), "Select a Game Number");
    EXPECT_EQ(w.lblName->text(), "Enter a Game Number between");
    EXPECT_EQ(w.lblRange->text(), "0 and 99,999");
    EXPECT_EQ(w.Text1->text(), "4242");
    EXPECT_EQ(w.Text1->selectedText(), "4242");
    EXPECT_EQ(w.imcGames->count(), 6);
    EXPECT_EQ(w.imcGames->currentText(), "Baker's Game");
    EXPECT_EQ(w.imcPlayer->currentText(), "Bob");

    s.Data().SetCurPlayer("Nobody");
    frmChoose stranger(s.Data(), s.prompt, Starter());
    EXPECT_EQ(stranger.imcPlayer->currentIndex(), -1);
}

TEST_F(Choice, NumberWindowTakesOnlyNumbersInsideTheRange)
{
    s.Data().SetRangeIndex(5);
    for (const QString& refused : {QString("0"), QString("99999"), QString("100000"), QString("abc"), QString(""),
                                   QString("-3")}) {
        frmChoose w(s.Data(), s.prompt, Starter());
        s.prompt.shown.clear();
        w.Text1->setText(refused);
        w.cmdSelect->click();
        ASSERT_EQ(s.prompt.shown.size(), 1u) << refused.toStdString();
        EXPECT_EQ(s.prompt.shown[0].text, "Please enter a number between 0 and 99,999");
        EXPECT_EQ(s.prompt.shown[0].icon, iPrompt::Icon::Information);
        EXPECT_EQ(w.Text1->text(), "0");
        EXPECT_NE(w.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(started.empty());
    for (const QString& accepted : {QString("1"), QString("99998"), QString("12.5"), QString("1,234")}) {
        frmChoose w(s.Data(), s.prompt, Starter());
        w.imcGames->setCurrentIndex(w.imcGames->findText("Two Cells"));
        w.Text1->setText(accepted);
        w.cmdSelect->click();
        ASSERT_FALSE(started.empty()) << accepted.toStdString();
        EXPECT_EQ(started.back().number, accepted); // as typed
        EXPECT_EQ(started.back().name, "Two Cells");
        EXPECT_EQ(w.result(), QDialog::Accepted);
    }
}

TEST_F(Choice, RangeFollowsTheSetting)
{
    EXPECT_EQ(frmChoose::RangeText(frmChoose::RangeEnd(1)), "9");
    EXPECT_EQ(frmChoose::RangeText(frmChoose::RangeEnd(15)), "999,999,999,999,999");
    EXPECT_TRUE(frmChoose::Accepts("999999999999998", frmChoose::RangeEnd(15)));
    EXPECT_FALSE(frmChoose::Accepts("999999999999999", frmChoose::RangeEnd(15)));
}
