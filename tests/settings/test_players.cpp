// The players dialog and the name dialog as the player uses them, and the slot rules
// behind them.
#include "cscore.h"
#include "dialogscript.h"
#include "dlginput.h"
#include "fakeprompt.h"
#include "filesizelimit.h"
#include "frmplayers.h"
#include "isolateddata.h"
#include "mplayers.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace solvane;
using namespace solvane::test;

namespace {

struct Players : ::testing::Test {
    IsolatedData d;
    FakePrompt prompt;
    cScore score{*d, prompt};

    void SetPlayers(const QStringList& names, const QString& current)
    {
        for (int slot = 1; slot <= kMaxPlayers; ++slot)
            d->SetPlayer(slot, slot <= names.size() ? names[slot - 1] : QString(), false);
        d->SetCurPlayer(current);
    }
    QStringList Slots()
    {
        QStringList s;
        for (int slot = 1; slot <= kMaxPlayers; ++slot)
            s << d->GetPlayer(slot);
        while (!s.isEmpty() && s.back().isEmpty())
            s.removeLast();
        return s;
    }
    QString ScoreFile(const QString& name) { return score.ScoreFilePath(name); }
    void WriteScoreFile(const QString& name, const QByteArray& content = "\"1/1/2024\",\"Freecell\",\"1\",10,20,30,1\r\n")
    {
        QFile f(ScoreFile(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray ReadFile(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Listed(frmPlayers& w)
    {
        QStringList s;
        auto* lv = w.findChild<QListWidget*>("lvPlayer");
        for (int i = 0; i < lv->count(); ++i)
            s << lv->item(i)->text();
        return s;
    }
    void Choose(frmPlayers& w, const QString& name)
    {
        auto* lv = w.findChild<QListWidget*>("lvPlayer");
        const auto found = lv->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        lv->setCurrentItem(found.front());
    }
    bool Enabled(QWidget& w, const char* button) { return w.findChild<QPushButton*>(button)->isEnabled(); }
    void Click(QWidget& w, const char* button) { w.findChild<QPushButton*>(button)->click(); }

    // Types each name into the name dialog and presses OK until the dialog closes.
    struct Typed {
        bool opened = false, closedByOK = false, allSelected = false;
        QString label, initial, caption;
    };
    Typed TypeNames(const std::function<void()>& open, const QStringList& names)
    {
        Typed t;
        t.opened = WithModal<dlGInput>(open, [&](dlGInput& dlg) {
            auto* text = dlg.findChild<QLineEdit*>("Text1");
            t.label = dlg.findChild<QLabel*>("Label1")->text();
            t.initial = text->text();
            t.allSelected = text->selectedText() == text->text();
            t.caption = dlg.windowTitle();
            for (const QString& name : names) {
                text->setText(name);
                dlg.findChild<QPushButton*>("OKButton")->click();
                if (!dlg.isVisible()) {
                    t.closedByOK = true;
                    break;
                }
            }
        });
        return t;
    }
};

TEST_F(Players, TheListShowsThePlayersInSlotOrderAndTheCurrentPlayerCannotBeDeleted)
{
    SetPlayers({"Ann", "Bob", "Cy"}, "Bob");
    frmPlayers w(*d, score, prompt);
    EXPECT_EQ(Listed(w), QStringList({"Ann", "Bob", "Cy"}));
    EXPECT_EQ(w.SelectedName(), "Bob");
    EXPECT_FALSE(Enabled(w, "cmdDelete"));
    Choose(w, "Cy");
    EXPECT_TRUE(Enabled(w, "cmdDelete"));
    Choose(w, "Bob");
    EXPECT_FALSE(Enabled(w, "cmdDelete"));
    // Pressing Delete anyway (a keyboard shortcut, say) deletes nothing.
    w.cmdDeleteClick();
    EXPECT_EQ(Slots(), QStringList({"Ann", "Bob", "Cy"}));
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(Players, NewStopsAtTwentyPlayersAndOtherwiseFillsTheFirstFreeSlot)
{
    QStringList twenty;
    for (int i = 1; i <= kMaxPlayers; ++i)
        twenty << QStringLiteral("P%1").arg(i);
    SetPlayers(twenty, "P1");
    {
        frmPlayers w(*d, score, prompt);
        const Typed t = TypeNames([&] { Click(w, "cmdAdd"); }, {"Extra"});
        EXPECT_FALSE(t.opened);
        ASSERT_EQ(prompt.shown.size(), 1u);
        EXPECT_EQ(prompt.shown[0].text, "Maximum 20 Players Only!");
        EXPECT_EQ(prompt.shown[0].title, "Solvane");
        EXPECT_EQ(prompt.shown[0].icon, iPrompt::Icon::Information);
    }
    // 19 players with slot 7 free: the 20th goes there and does not become current.
    d->SetPlayer(7, QString(), false);
    frmPlayers w(*d, score, prompt);
    const Typed t = TypeNames([&] { Click(w, "cmdAdd"); }, {"Zed"});
    EXPECT_TRUE(t.opened);
    EXPECT_TRUE(t.closedByOK);
    EXPECT_EQ(t.label, "Add Player");
    EXPECT_EQ(t.initial, "");
    EXPECT_EQ(t.caption, "Solvane");
    EXPECT_EQ(d->GetPlayer(7), "Zed");
    EXPECT_EQ(d->TotalPlayers(), 20);
    EXPECT_EQ(d->CurPlayer(), "P1");
    EXPECT_TRUE(Listed(w).contains("Zed"));
}

TEST_F(Players, DeletingPlayerThreeOfFiveCompactsTheSlotsAndDeletesOnlyThatScoreFile)
{
    SetPlayers({"P1", "P2", "P3", "P4", "P5"}, "P1");
    WriteScoreFile("P3");
    WriteScoreFile("P4");
    frmPlayers w(*d, score, prompt);
    Choose(w, "P3");
    prompt.answers = {false};
    Click(w, "cmdDelete");
    EXPECT_EQ(Slots(), QStringList({"P1", "P2", "P3", "P4", "P5"}));
    EXPECT_TRUE(QFile::exists(ScoreFile("P3")));

    Choose(w, "P3");
    Click(w, "cmdDelete");
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[1].text, "Are you sure you want to delete this player");
    EXPECT_TRUE(prompt.shown[1].question);
    EXPECT_EQ(prompt.shown[1].icon, iPrompt::Icon::Critical);
    EXPECT_EQ(Slots(), QStringList({"P1", "P2", "P4", "P5"}));
    EXPECT_EQ(d->GetPlayer(5), "");
    EXPECT_EQ(Listed(w), QStringList({"P1", "P2", "P4", "P5"}));
    EXPECT_FALSE(QFile::exists(ScoreFile("P3")));
    EXPECT_TRUE(QFile::exists(ScoreFile("P4")));
    EXPECT_EQ(d->CurPlayer(), "P1");
}

TEST_F(Players, RenamingMovesTheScoreFileAndTheCurrentPlayerFollowsOnlyHisOwnName)
{
    SetPlayers({"Ann", "Bob"}, "Ann");
    WriteScoreFile("Ann", "ann's games\r\n");
    frmPlayers w(*d, score, prompt);
    // The current player, renamed: the new name is current and owns the old games.
    Typed t = TypeNames([&] { Click(w, "cmdEdit"); }, {"Anna"});
    EXPECT_EQ(t.label, "Edit Player");
    EXPECT_EQ(t.initial, "Ann");
    EXPECT_TRUE(t.allSelected);
    EXPECT_TRUE(t.closedByOK);
    EXPECT_EQ(Slots(), QStringList({"Anna", "Bob"}));
    EXPECT_EQ(d->CurPlayer(), "Anna");
    EXPECT_FALSE(QFile::exists(ScoreFile("Ann")));
    EXPECT_EQ(ReadFile(ScoreFile("Anna")), "ann's games\r\n");
    // Another player, renamed (he has no score file yet): the current player stays.
    Choose(w, "Bob");
    t = TypeNames([&] { Click(w, "cmdEdit"); }, {"Rob"});
    EXPECT_TRUE(t.closedByOK);
    EXPECT_EQ(Slots(), QStringList({"Anna", "Rob"}));
    EXPECT_EQ(d->CurPlayer(), "Anna");
    EXPECT_FALSE(QFile::exists(ScoreFile("Rob")));
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(Players, ARenameOntoAnExistingScoreFileIsRefusedAndChangesNothing)
{
    SetPlayers({"Ann", "Bob"}, "Ann");
    WriteScoreFile("Ann", "ann\r\n");
    WriteScoreFile("Cy", "somebody else\r\n");
    frmPlayers w(*d, score, prompt);
    const Typed t = TypeNames([&] { Click(w, "cmdEdit"); }, {"Cy"});
    EXPECT_FALSE(t.closedByOK);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].text.contains("Cy.sre")) << prompt.shown[0].text.toStdString();
    EXPECT_EQ(Slots(), QStringList({"Ann", "Bob"}));
    EXPECT_EQ(d->CurPlayer(), "Ann");
    EXPECT_EQ(ReadFile(ScoreFile("Ann")), "ann\r\n");
    EXPECT_EQ(ReadFile(ScoreFile("Cy")), "somebody else\r\n");
}

TEST_F(Players, ChangesThatCannotBeSavedAreRefusedWithTheReasonAndLoseNothing)
{
    SetPlayers({"Ann", "Bob"}, "Ann");
    ASSERT_FALSE(d->Save());
    WriteScoreFile("Ann", "ann\r\n");
    WriteScoreFile("Bob", "bob\r\n");
    const QByteArray stored = ReadFile(d.SettingsFile());
    {
        FileSizeLimit full(1); // as on a full disk
        const auto added = AddPlayer(*d, "Cy");
        ASSERT_TRUE(added.has_value());
        EXPECT_TRUE(added->contains("File too large")) << added->toStdString();
        EXPECT_TRUE(RenamePlayer(*d, score, "Ann", "Anna").has_value());
        EXPECT_TRUE(DeletePlayer(*d, score, "Bob").has_value());
    }
    // Nothing changed, in this run or on disk, and no games went missing.
    EXPECT_EQ(Slots(), QStringList({"Ann", "Bob"}));
    EXPECT_EQ(d->CurPlayer(), "Ann");
    EXPECT_EQ(ReadFile(ScoreFile("Ann")), "ann\r\n");
    EXPECT_EQ(ReadFile(ScoreFile("Bob")), "bob\r\n");
    EXPECT_FALSE(QFile::exists(ScoreFile("Anna")));
    EXPECT_EQ(ReadFile(d.SettingsFile()), stored);
    // Once there is room again, saving works again.
    const auto again = AddPlayer(*d, "Cy");
    EXPECT_FALSE(again) << again->toStdString();
    d.Reopen();
    EXPECT_EQ(Slots(), QStringList({"Ann", "Bob", "Cy"}));
}

TEST_F(Players, TheNameDialogRefusesEmptyUnusableAndTakenNamesAndStaysOpen)
{
    SetPlayers({"Player1"}, "Player1");
    frmPlayers w(*d, score, prompt);
    // An unchanged name counts as taken.
    Typed t = TypeNames([&] { Click(w, "cmdEdit"); }, {"Player1"});
    EXPECT_FALSE(t.closedByOK);
    ASSERT_EQ(prompt.Texts(), QStringList({"Player Exists !"}));
    EXPECT_EQ(prompt.shown[0].icon, iPrompt::Icon::Critical);
    EXPECT_EQ(prompt.shown[0].title, "Solvane");

    prompt.shown.clear();
    t = TypeNames([&] { Click(w, "cmdAdd"); }, {"", "a/b", "..", "CON", " x", "../../evil"});
    EXPECT_FALSE(t.closedByOK);
    const QStringList texts = prompt.Texts();
    ASSERT_EQ(texts.size(), 6);
    EXPECT_EQ(texts[0], "Please Enter a Valid Name");
    for (const QString& text : texts)
        EXPECT_TRUE(text.startsWith("Please Enter a Valid Name")) << text.toStdString();
    EXPECT_EQ(Slots(), QStringList({"Player1"}));

    // Letter case makes a different player.
    prompt.shown.clear();
    t = TypeNames([&] { Click(w, "cmdAdd"); }, {"player1"});
    EXPECT_TRUE(t.closedByOK);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(Slots(), QStringList({"Player1", "player1"}));
}

TEST_F(Players, SelectMakesTheChosenPlayerCurrentAndCancelChangesNothing)
{
    SetPlayers({"Ann", "Bob"}, "Ann");
    {
        frmPlayers w(*d, score, prompt);
        Choose(w, "Bob");
        Click(w, "cmdCancel");
        EXPECT_EQ(w.result(), QDialog::Rejected);
        EXPECT_EQ(d->CurPlayer(), "Ann");
    }
    frmPlayers w(*d, score, prompt);
    Choose(w, "Bob");
    Click(w, "cmdSelect");
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(d->CurPlayer(), "Bob");
}

// Slots edited by hand may hold gaps or names that are no file names.
TEST_F(Players, HandEditedSlotsAreListedWholeAndNeverReachOutsideTheDataFolder)
{
    d->SetPlayer(1, "Ann", true);
    d->SetPlayer(4, "Bob", false);
    d->SetPlayer(9, "../outside", false);
    frmPlayers w(*d, score, prompt);
    EXPECT_EQ(Listed(w), QStringList({"Ann", "Bob", "../outside"}));

    QFile outside(d->AppDir() + "../outside.sre");
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.close();
    EXPECT_EQ(DeletePlayer(*d, score, "../outside"), std::nullopt);
    EXPECT_TRUE(outside.exists());
    EXPECT_EQ(Slots(), QStringList({"Ann", "Bob"}));

    EXPECT_NE(RenamePlayer(*d, score, "Bob", "../outside"), std::nullopt);
    EXPECT_EQ(Slots(), QStringList({"Ann", "Bob"}));
}

} // namespace
