#include "isolateddata.h"
#include "ihelpviewer.h"
#include "isoundplayer.h"

#include <gtest/gtest.h>

#include <QSettings>

using namespace solvane;
using namespace solvane::test;

TEST(Settings, FreshUserGetsEveryDefault)
{
    IsolatedData d;
    EXPECT_EQ(d->Autoplay(), 1);
    EXPECT_EQ(d->ShowToolbar(), 1);
    EXPECT_EQ(d->ShowTime() + d->ShowScore() + d->ShowMoves(), 3);
    EXPECT_EQ(d->CardSpeed(), 5);
    EXPECT_EQ(d->UndoSpeed(), 5);
    EXPECT_EQ(d->UndoallSpeed(), 2);
    EXPECT_EQ(d->ReplaySpeed(), 7);
    EXPECT_EQ(d->SoundStart(), -1);
    EXPECT_EQ(d->SoundCardDown(), 0);
    EXPECT_EQ(d->SoundCardUp(), 0);
    EXPECT_EQ(d->SoundUndo() + d->SoundRedo() + d->SoundAutoPlay() + d->SoundWin(), -4);
    EXPECT_EQ(d->BGIndex(), 1007);
    EXPECT_EQ(d->DeckIndex(), 531);
    EXPECT_EQ(d->Fade(), 1);
    EXPECT_EQ(d->RangeIndex(), 15);
    EXPECT_EQ(d->CustomColor(), 128);
    EXPECT_EQ(d->RecentCount(), 0);
    EXPECT_EQ(d->TotalPlayers(), 0);
    EXPECT_EQ(d->CurPlayer(), "");
    d->SetGame(1, "Freecell");
    EXPECT_EQ(d->LastGName(), "Freecell");
}

TEST(Settings, ValuesAreStoredAsTextAndSurviveARestart)
{
    IsolatedData d;
    d->SetUndoSpeed(12);
    d->SetCustomColor(0x00FF8040);
    d->SetSoundCardUp(-1);
    d->SetLastGName("Forecell");
    d.Reopen();
    EXPECT_EQ(d->UndoSpeed(), 12);
    EXPECT_EQ(d->CustomColor(), 0x00FF8040);
    EXPECT_EQ(d->SoundCardUp(), -1);
    EXPECT_EQ(d->LastGName(), "Forecell");
    QSettings raw(d.SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Data/UndoSpeed").typeId(), QMetaType::QString);
    EXPECT_EQ(raw.value("Data/UndoSpeed").toString(), "12");
}

TEST(Settings, HandEditedValuesReadAsTheDefault)
{
    IsolatedData d;
    {
        QSettings raw(d.SettingsFile(), QSettings::IniFormat);
        raw.setValue("Data/UndoSpeed", "fast");
        raw.setValue("Data/ReplaySpeed", "40000");
        raw.setValue("Data/BGIndex", "-32769");
        raw.setValue("Data/RangeIndex", "16");
        raw.setValue("Data/CustomColor", "99999999999");
        raw.setValue("Data/CardSpeed", " 9 ");
    }
    d.Reopen();
    EXPECT_EQ(d->UndoSpeed(), 5);
    EXPECT_EQ(d->ReplaySpeed(), 7);
    EXPECT_EQ(d->BGIndex(), 1007);
    EXPECT_EQ(d->RangeIndex(), 15);
    EXPECT_EQ(d->CustomColor(), 128);
    EXPECT_EQ(d->CardSpeed(), 9);
    d->SetRangeIndex(0);
    EXPECT_EQ(d->RangeIndex(), 15);
    d->SetRangeIndex(5);
    EXPECT_EQ(d->RangeIndex(), 5);
}

TEST(Recent, MostRecentFirstOnlyTheTopCompared)
{
    IsolatedData d;
    for (const char* g : {"A", "B", "A", "C"})
        d->SetRecent(g);
    EXPECT_EQ(d->GetRecent(1), "C");
    EXPECT_EQ(d->GetRecent(2), "A");
    EXPECT_EQ(d->GetRecent(3), "B");
    EXPECT_EQ(d->GetRecent(4), "A");
    EXPECT_EQ(d->GetRecent(5), "");
    EXPECT_EQ(d->RecentCount(), 4);
    d->SetRecent("C");
    EXPECT_EQ(d->GetRecent(2), "A");
    for (const char* g : {"D", "E", "F"})
        d->SetRecent(g);
    EXPECT_EQ(d->GetRecent(5), "A"); // the oldest B fell off the end
    d->ClearRecent();
    EXPECT_EQ(d->RecentCount(), 0);
}

TEST(Players, SlotsAndTheCurrentPlayer)
{
    IsolatedData d;
    d->SetPlayer(1, "Ann", false);
    d->SetPlayer(3, "Bob", true);
    EXPECT_EQ(d->TotalPlayers(), 2);
    EXPECT_EQ(d->CurPlayer(), "Bob");
    EXPECT_EQ(d->GetPlayer(2), "");
    d.Reopen();
    EXPECT_EQ(d->GetPlayer(3), "Bob");
    QSettings raw(d.SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Users/100").toString(), "Bob");
}

TEST(GameList, IdsAndNames)
{
    IsolatedData d;
    EXPECT_EQ(d->TotalGames(), 5);
    const char* names[] = {"Freecell", "Baker's Game", "Forecell", "Seven By Four", "Two Cells"};
    for (int i = 0; i < 5; ++i)
        d->SetGame(i + 1, names[i]);
    d->SetTotalGames(7);
    d->SetGame(6, "Mine");
    d->SetGame(7, "baker's game");
    EXPECT_EQ(d->GetGameID("Baker's Game"), 2);
    EXPECT_EQ(d->GetGameID("baker's game"), 7);
    EXPECT_EQ(d->GetGameID("Mine"), 6);
    EXPECT_EQ(d->GetGameID("Nothing"), 0);
    d->SetTotalGames(6);
    EXPECT_EQ(d->GetGName(6), "Mine");
    EXPECT_EQ(d->GetGName(7), "");
}

TEST(CurrentGame, NameBecomesTheLastGame)
{
    IsolatedData d;
    d->SetCurGName("Two Cells");
    d.Reopen();
    EXPECT_EQ(d->LastGName(), "Two Cells");
    EXPECT_FALSE(d->GameRunning());
    EXPECT_EQ(cGameNo(30512).Text(), "30512");
    EXPECT_EQ(cGameNo(1e15).Text(), "1000000000000000");
    EXPECT_FALSE(cGameNo(7).IsText());
    const cGameNo typed = cGameNo::FromText("1,234");
    EXPECT_TRUE(typed.IsText());
    EXPECT_EQ(typed.Text(), "1,234");
    EXPECT_EQ(typed.Value(), 1234);
}

namespace {
struct Sounds : iSoundPlayer {
    QStringList played;
    void Play(const QString& r) override { played << r; }
};
struct Help : iHelpViewer {
    QList<int> contexts;
    void ShowContents() override { contexts << -1; }
    void ShowContext(int c) override { contexts << c; }
};
} // namespace

TEST(Services, SoundsFollowTheirSwitchesAndHelpTakesTheGameId)
{
    IsolatedData d;
    Sounds s;
    d->SetSoundPlayer(&s);
    for (const char* k : {"Start", "CardDown", "CardUp", "AutoPlay", "Undo", "Redo", "Win", "Bogus"})
        d->PlaySound(k);
    EXPECT_EQ(s.played, QStringList({"START", "AUTOPLAY", "UNDO", "UNDO", "WIN"}));
    s.played.clear();
    d->SetSoundUndo(0);
    d->PlaySound("Redo"); // redo has its own switch
    d->PlaySound("Undo");
    EXPECT_EQ(s.played, QStringList({"UNDO"}));

    Help h;
    d->SetHelpViewer(&h);
    d->SetGame(2, "Baker's Game");
    d->SetTotalGames(6);
    d->SetGame(6, "Mine");
    d->ShowRules("Baker's Game");
    d->ShowRules("Mine");
    d->ShowRules("Unknown");
    d->ShowContents();
    EXPECT_EQ(h.contexts, QList<int>({2, 6, 0, -1}));
}
