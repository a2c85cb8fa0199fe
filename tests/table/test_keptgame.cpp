// An unfinished game kept when Solvane closes and resumed at the next start, and the
// starts the command line asks for.
#include "testservices.h"

#include "ckeptgame.h"
#include "ctableview.h"
#include "frmmain.h"
#include "mcardtext.h"
#include "mstartup.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace solvane;
using namespace solvane::test;

namespace {
int Recorded(cServices& s)
{
    s.Score().OpenAllScore();
    const int n = s.Score().ScoreTop();
    s.Score().CloseScore();
    return n;
}

struct Played {
    std::string board;
    int current = 0, total = 0;
    QString player;
};

// A game of Bob's with five moves made and two of them taken back, then the window closed.
Played PlayAndClose(TestServices& s, bool byExit = false)
{
    s.Data().SetPlayer(2, "Bob", true);
    s.Data().SetAutoplay(0);
    frmMain w(*s);
    w.show();
    EXPECT_TRUE(w.Start("Freecell", cGameNo(7)));
    w.Table()->FinishAnimations();
    cArray& a = s->Board();
    for (int pile = 0; pile < 4; ++pile)
        a.Move(a.GetTopPicID(kTableau, pile), kReserve, pile, 0, kModeNormal, 0);
    a.Move(a.GetTopPicID(kTableau, 4), kTableau, 5, a.GetTop(kTableau, 5) + 1, kModeNormal, 0);
    int speed = 0;
    s->Boards().Log().Undo(speed);
    s->Boards().Log().Undo(speed);
    s.Data().SetGameStartTime(s.Data().GameStartTime().addSecs(-75));
    Played p{BoardText(a), s->Boards().Log().GetTransID(), s->Boards().Log().Total(), s.Data().CurPlayer()};
    if (byExit)
        w.mFile[11]->trigger();
    else
        w.close();
    return p;
}

QStringList SetAside(TestServices& s)
{
    return QDir(s.DataDir()).entryList({"*.set-aside"}, QDir::Files);
}
} // namespace

TEST(KeptGame, AGameKeptAtCloseResumesWithItsBoardMovesPlayerAndClock)
{
    TestServices s;
    s.Data().SetKeepGame(1);
    const Played before = PlayAndClose(s);
    EXPECT_EQ(Recorded(*s), 0);
    EXPECT_TRUE(cKeptGame(s.Data().AppDir()).Exists());

    s.Reopen();
    s.Data().SetCurPlayer("Player1"); // another player was chosen meanwhile
    frmMain w(*s);
    w.show();
    ASSERT_TRUE(ResumeKeptGame(w, *s));
    EXPECT_FALSE(cKeptGame(s.Data().AppDir()).Exists());
    EXPECT_TRUE(s.Data().GameRunning());
    EXPECT_EQ(BoardText(s->Board()), before.board);
    EXPECT_EQ(s->Boards().Log().GetTransID(), before.current);
    EXPECT_EQ(s->Boards().Log().Total(), before.total);
    EXPECT_EQ(s.Data().CurPlayer(), "Bob");
    EXPECT_GE(s->Lifecycle().ElapsedSeconds(), 75);
    EXPECT_EQ(w.windowTitle(), "Solvane [Freecell] [Bob] [7]");
    // What could be redone can still be.
    int speed = 0;
    EXPECT_TRUE(s->Boards().Log().Redo(speed));
    // Ended: recorded once, for Bob.
    s.Data().SetKeepGame(0);
    w.close();
    EXPECT_EQ(Recorded(*s), 1);
    ASSERT_TRUE(s->Score().OpenScore("Bob"));
    EXPECT_EQ(s->Score().ScoreTop(), 1);
    EXPECT_GE(s->Score().GetScore(1).Time, 75);
    s->Score().CloseScore();
}

TEST(KeptGame, ExitKeepsTooAndWithoutTheSwitchNothingIsKept)
{
    TestServices s;
    s.Data().SetKeepGame(1);
    PlayAndClose(s, true);
    EXPECT_TRUE(cKeptGame(s.Data().AppDir()).Exists());
    EXPECT_EQ(Recorded(*s), 0);

    TestServices off;
    PlayAndClose(off);
    EXPECT_FALSE(cKeptGame(off.Data().AppDir()).Exists());
    EXPECT_EQ(Recorded(*off), 1); // recorded as lost, as ever
}

TEST(KeptGame, AKeptGameThatCannotBeResumedIsSaidAndSetAside)
{
    const auto expectSetAside = [](TestServices& s, const char* reason) {
        frmMain w(*s);
        s.prompt.shown.clear();
        EXPECT_FALSE(ResumeKeptGame(w, *s));
        ASSERT_EQ(s.prompt.shown.size(), 1u);
        EXPECT_TRUE(s.prompt.shown[0].text.contains(reason)) << s.prompt.shown[0].text.toStdString();
        EXPECT_FALSE(cKeptGame(s.Data().AppDir()).Exists());
        EXPECT_EQ(SetAside(s).size(), 1);
        EXPECT_FALSE(s.Data().GameRunning());
    };
    {
        TestServices s; // damaged
        QFile f(s.DataDir() + cKeptGame::kFileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Solvane unfinished game 1\nGame=Freecell\nMoves=3\nMove=1,2\n");
        f.close();
        expectSetAside(s, "damaged");
    }
    {
        TestServices s; // its player is gone
        s.Data().SetKeepGame(1);
        PlayAndClose(s);
        s.Data().SetPlayer(2, QString(), false);
        expectSetAside(s, "Bob");
    }
    {
        TestServices s; // its moves do not fit its deal
        s.Data().SetKeepGame(1);
        PlayAndClose(s);
        const cKeptGame store(s.Data().AppDir());
        KeptGame kept = std::get<KeptGame>(store.Read());
        kept.Moves[1].PicID = kept.Moves[0].PicID;
        ASSERT_FALSE(store.Write(kept));
        expectSetAside(s, "does not fit");
        EXPECT_EQ(BoardText(s->Board()).find("KH"), std::string::npos); // the table is empty
    }
}

TEST(KeptGame, ADesignedGameDeletedMeanwhileIsSaidAndSetAside)
{
    TestServices s;
    GameRules r;
    ASSERT_FALSE(s->Custom().WriteGame("Mine", r));
    s->Custom().Init();
    s.Data().SetKeepGame(1);
    {
        frmMain w(*s);
        w.show();
        ASSERT_TRUE(w.Start("Mine", cGameNo(3)));
        w.Table()->FinishAnimations();
        w.close();
    }
    ASSERT_FALSE(s->Custom().DeleteGame("Mine"));
    s->Custom().Init();
    frmMain w(*s);
    s.prompt.shown.clear();
    EXPECT_FALSE(ResumeKeptGame(w, *s));
    ASSERT_EQ(s.prompt.shown.size(), 1u);
    EXPECT_TRUE(s.prompt.shown[0].text.contains("Mine"));
    EXPECT_EQ(SetAside(s).size(), 1);
}

TEST(CommandLine, GameAndNumberAreCheckedAndStartThatDeal)
{
    TestServices s;
    const auto ok = StartOptionsFrom("Seven By Four", "669483", true, s.Data());
    ASSERT_TRUE(std::holds_alternative<StartOptions>(ok));
    frmMain w(*s);
    w.show();
    StartAfterSplash(w, *s, std::get<StartOptions>(ok));
    w.Table()->FinishAnimations();
    EXPECT_TRUE(s.Data().GameRunning());
    EXPECT_EQ(s.Data().CurGName(), "Seven By Four");
    EXPECT_EQ(s.Data().CurGNo().Text(), "669483");
    // Refused, each with its reason.
    const auto refused = [&s](const QString& game, const QString& number, bool given) {
        const auto r = StartOptionsFrom(game, number, given, s.Data());
        return std::holds_alternative<QString>(r) ? std::get<QString>(r) : QString();
    };
    EXPECT_TRUE(refused("Nope", "", false).contains("There is no game \"Nope\""));
    EXPECT_TRUE(refused("Freecell", "-1", true).contains("not a whole number"));
    EXPECT_TRUE(refused("Freecell", "1000000000000001", true).contains("not a whole number"));
    EXPECT_TRUE(refused("Freecell", "1e5", true).contains("not a whole number"));
    EXPECT_TRUE(refused("", "5", true).contains("--number needs --game"));
    EXPECT_TRUE(std::holds_alternative<StartOptions>(StartOptionsFrom("Freecell", "", false, s.Data())));
}
