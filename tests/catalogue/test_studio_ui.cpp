// The game wizard and the new-game dialog: what they save, what they refuse, and the list
// of designed games they keep.
#include "catalogueui.h"
#include "dialogscript.h"
#include "frmaddgame.h"
#include "frmgameswizard.h"
#include "testservices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace solvane;
using namespace solvane::test;

namespace {

QStringList Items(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

void Choose(QComboBox* list, int value)
{
    const int index = list->findData(value);
    ASSERT_GE(index, 0);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

struct Studio : ::testing::Test {
    TestServices s;
    QString GameFile(const QString& name) { return s.DataDir() + name + ".gam"; }
    void AddGame(const QString& name, const QByteArray& line)
    {
        WriteFile(GameFile(name), line + "\r\n");
        s->Custom().Init();
    }
};

} // namespace

TEST_F(Studio, InitialChoicesSaveTheDefaultDesign)
{
    frmAddGame dlg(s.Data(), s->Custom(), s.prompt);
    EXPECT_EQ(dlg.windowTitle(), "Create a New Game");
    EXPECT_EQ(dlg.txtName->text(), "Freecell Game 01");
    EXPECT_EQ(dlg.imcGorder->currentText(), "Up Same Suit");
    EXPECT_EQ(dlg.imcGorder->count(), 6);
    EXPECT_EQ(dlg.imcHorder->currentText(), "Down Alternate Color");
    EXPECT_EQ(dlg.imcHorder->count(), 10);
    EXPECT_EQ(Items(dlg.imcGoalBase).back(), "Random");
    EXPECT_EQ(dlg.imcHomeEmpty->currentText(), "Any Card");
    EXPECT_EQ(Items(dlg.imcHomePiles), QStringList({"4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(dlg.imcHomePiles->currentText(), "8");
    EXPECT_EQ(Items(dlg.imcResCards), QStringList({"0", "1", "2", "3", "4"}));
    EXPECT_TRUE(dlg.chkHomeAK->isChecked());
    EXPECT_TRUE(dlg.chkMulti->isChecked());

    dlg.cmdAdd->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(ReadFile(GameFile("Freecell Game 01")).trimmed(), "0,0,0,4,13,8,1,1,4,0");
    ASSERT_FALSE(s.prompt.shown.empty());
    EXPECT_EQ(s.prompt.shown.back().text, "Successfully Created New Game Freecell Game 01");
    EXPECT_EQ(s.prompt.shown.back().title, "Solvane");
    // Playable at once: the game list holds it without a rebuild.
    EXPECT_EQ(s.Data().TotalGames(), 6);
    EXPECT_EQ(s.Data().GetGName(6), "Freecell Game 01");
}

TEST_F(Studio, ValuesAreTheItemsTagsAndFreeCellCardsFollowTheCells)
{
    frmAddGame dlg(s.Data(), s->Custom(), s.prompt);
    Choose(dlg.imcResCards, 4);
    Choose(dlg.imcResPiles, 2);
    EXPECT_EQ(Items(dlg.imcResCards), QStringList({"0", "1", "2"}));
    EXPECT_EQ(dlg.imcResCards->currentText(), "0");

    Choose(dlg.imcGorder, 2);
    Choose(dlg.imcGoalBase, 13);
    Choose(dlg.imcGoalCards, 1);
    Choose(dlg.imcHorder, 9);
    Choose(dlg.imcHomePiles, 10);
    Choose(dlg.imcHomeEmpty, 12);
    Choose(dlg.imcResCards, 2);
    dlg.chkHomeAK->setChecked(false);
    dlg.txtName->setText("Wide");
    dlg.cmdAdd->click();
    EXPECT_EQ(ReadFile(GameFile("Wide")).trimmed(), "2,13,1,9,12,10,0,1,2,2");
}

TEST_F(Studio, OverwriteAsksAndNoKeepsEverything)
{
    AddGame("Mine", "0,0,0,4,13,8,1,1,4,0");
    const int games = s.Data().TotalGames();
    frmAddGame dlg(s.Data(), s->Custom(), s.prompt);
    dlg.txtName->setText("Mine");
    Choose(dlg.imcHomePiles, 5);

    s.prompt.answers = {false};
    dlg.cmdAdd->click();
    EXPECT_EQ(s.prompt.shown.back().text, "Game Exists. Do you want to Overwrite ?");
    EXPECT_EQ(s.prompt.shown.back().icon, iPrompt::Icon::None);
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(ReadFile(GameFile("Mine")).trimmed(), "0,0,0,4,13,8,1,1,4,0");
    EXPECT_EQ(dlg.imcHomePiles->currentText(), "5");

    s.prompt.answers = {true};
    dlg.cmdAdd->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    ASSERT_FALSE(s->Custom().InitGame("Mine"));
    EXPECT_EQ(s->Custom().hPiles(), 5);
    EXPECT_EQ(s.Data().TotalGames(), games); // listed once
}

TEST_F(Studio, RefusedNamesKeepTheDialogAndWriteNothing)
{
    frmAddGame dlg(s.Data(), s->Custom(), s.prompt);
    Choose(dlg.imcHomePiles, 6);
    for (const QString& name : {QString(), QString("a/b"), QString("..\\up"), QString("CON"), QString("nul.txt")}) {
        s.prompt.shown.clear();
        dlg.txtName->setText(name);
        dlg.cmdAdd->click();
        ASSERT_EQ(s.prompt.shown.size(), 1u) << name.toStdString();
        EXPECT_TRUE(s.prompt.shown[0].text.startsWith("Please Enter a Valid Name")) << name.toStdString();
        EXPECT_NE(dlg.result(), QDialog::Accepted);
    }
    dlg.txtName->setText("Baker's Game");
    dlg.cmdAdd->click();
    EXPECT_EQ(s.prompt.shown.back().text, "Baker's Game is a Standard Game. Please Enter another Name");
    EXPECT_EQ(dlg.imcHomePiles->currentText(), "6");
    EXPECT_EQ(QDir(s.DataDir()).entryList({"*.gam"}), QStringList());
    EXPECT_EQ(s.Data().TotalGames(), 5);
}

TEST_F(Studio, FailedWriteIsSaidAndNothingIsAdded)
{
    // A folder where the file should go: the file cannot be replaced.
    ASSERT_TRUE(QDir().mkpath(GameFile("Blocked")));
    frmAddGame dlg(s.Data(), s->Custom(), s.prompt);
    dlg.txtName->setText("Blocked");
    s.prompt.answers = {true};
    dlg.cmdAdd->click();
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    for (const QString& text : s.prompt.Texts())
        EXPECT_FALSE(text.startsWith("Successfully")) << text.toStdString();
    EXPECT_EQ(s.prompt.shown.back().icon, iPrompt::Icon::Critical);
    EXPECT_TRUE(s.prompt.shown.back().text.contains("Blocked"));
    EXPECT_EQ(s.Data().TotalGames(), 5);
}

TEST_F(Studio, WizardListsDescribesAndDeletes)
{
    {
        frmGamesWizard empty(s.Data(), s->Custom(), s.prompt);
        EXPECT_EQ(empty.windowTitle(), "Game Wizard");
        EXPECT_EQ(empty.ListView1->count(), 0);
        for (const char* label : {"lbName", "lbGoal", "lbHome", "lbRes", "lbGOrder", "lbHAK", "lbRCards"})
            EXPECT_FALSE(PanelShown(empty, label)) << label;
        empty.cmdDelete->click(); // nothing to delete: no question
        EXPECT_TRUE(s.prompt.shown.empty());
    }
    AddGame("Alpha", "0,13,0,4,13,8,1,1,4,0");
    AddGame("beta", "3,0,0,5,12,6,0,0,2,1");
    frmGamesWizard w(s.Data(), s->Custom(), s.prompt);
    ASSERT_EQ(w.ListView1->count(), 2);
    EXPECT_EQ(w.ListView1->currentItem()->text(), "Alpha");
    EXPECT_TRUE(PanelShown(w, "lbHAK"));
    EXPECT_EQ(PanelText(w, "lbName"), "Alpha");
    EXPECT_EQ(PanelText(w, "lbGBase"), "Base Card : Random");
    EXPECT_EQ(PanelText(w, "lbHAK"), "Ace-King Wrapping : True");

    w.ListView1->setCurrentRow(1);
    EXPECT_EQ(PanelText(w, "lbGOrder"), "Card Arranging Order : Down Same Suit");
    EXPECT_EQ(PanelText(w, "lbHSpace"), "Space Filling Card : King");
    EXPECT_EQ(PanelText(w, "lbHMulti"), "Multi Card Move : False");
    EXPECT_EQ(PanelText(w, "lbRCards"), "Initial Cards : 1");

    s.prompt.answers = {false};
    w.cmdDelete->click();
    EXPECT_EQ(s.prompt.shown.back().text, "Are you sure you want to delete this game ?");
    EXPECT_TRUE(QFile::exists(GameFile("beta")));
    s.prompt.answers = {true, true};
    w.cmdDelete->click();
    EXPECT_FALSE(QFile::exists(GameFile("beta")));
    EXPECT_EQ(w.ListView1->count(), 1);
    w.cmdDelete->click();
    EXPECT_EQ(w.ListView1->count(), 0);
    EXPECT_EQ(s.Data().TotalGames(), 5);
    EXPECT_FALSE(PanelShown(w, "lbName"));
}

TEST_F(Studio, WizardAddsThroughTheNewGameDialog)
{
    frmGamesWizard w(s.Data(), s->Custom(), s.prompt);
    const bool opened = WithModal<frmAddGame>([&] { w.cmdAdd->click(); }, [](frmAddGame& dlg) {
        dlg.txtName->setText("Fresh");
        dlg.cmdAdd->click();
    });
    ASSERT_TRUE(opened);
    ASSERT_EQ(w.ListView1->count(), 1);
    EXPECT_EQ(w.ListView1->item(0)->text(), "Fresh");
    EXPECT_TRUE(PanelShown(w, "lbName"));
    EXPECT_EQ(PanelText(w, "lbHPiles"), "No. of Piles : 8");
}
