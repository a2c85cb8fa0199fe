// Saves pictures of every tab of the statistics, high-score, session, log and favourites
// windows over a few hundred recorded games, for looking at them: scores_ui_shots <folder>.
#include "cdateform.h"
#include "cscore.h"
#include "fakeprompt.h"
#include "frmgamestat.h"
#include "frmhighscore.h"
#include "frmlogstat.h"
#include "frmorgfav.h"
#include "frmplayfav.h"
#include "frmsesstat.h"
#include "isolateddata.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include <cstdio>
#include <random>

using namespace solvane;
using namespace solvane::test;

namespace {
constexpr int kGames = 320;

void Save(QWidget& w, const QString& folder, const QString& name)
{
    w.show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + ".png");
    if (!w.grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

// Each tab of a window with tabs, then the window closed.
void SaveTabs(QDialog& w, const QString& folder, const QString& name)
{
    auto* tabs = w.findChild<QTabWidget*>("SSTab1");
    for (int i = 0; tabs && i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        Save(w, folder, QStringLiteral("%1-%2").arg(name).arg(i + 1));
    }
    w.reject();
}

void History(cData& d, cScore& score)
{
    const QStringList players = {"Player1", "Ann", "Bob the Builder", "Cy"};
    for (int i = 0; i < players.size(); ++i)
        d.SetPlayer(i + 1, players[i], i == 1);
    const char* games[] = {"Freecell", "Baker's Game", "Forecell", "Seven By Four", "Two Cells"};
    for (int i = 0; i < 5; ++i)
        d.SetGame(i + 1, games[i]);
    std::mt19937 rng(7);
    const QDateTime now = QDateTime::currentDateTime();
    const cDateForm form;
    for (int i = 0; i < kGames; ++i) {
        ScoreRecord r;
        const bool won = rng() % 3 != 0;
        r.DateText = form.Format(now.addSecs(-static_cast<qint64>(rng() % (400 * 86400))));
        r.GameName = games[rng() % (i % 4 == 0 ? 5 : 2)];
        r.GameNo = cGameNo(static_cast<double>(rng() % 32000 + 1));
        r.Time = static_cast<int32_t>(120 + rng() % 900);
        r.Moves = static_cast<int32_t>(60 + rng() % 120);
        r.Score = won ? static_cast<int32_t>(200 + rng() % 300) : static_cast<int32_t>(rng() % 200) - 80;
        r.Won = won ? kWon : kLost;
        score.AppendScore(players[static_cast<int>(rng() % 3)], r);
    }
}

void Session(cData& d, cScore& score)
{
    d.SetSesStartTime(QDateTime::currentDateTime().addSecs(-5400));
    const int figures[][4] = {{410, 95, 340, 1}, {-20, 60, 200, 0}, {380, 110, 515, 1}, {450, 88, 290, 1}};
    for (const auto& f : figures) {
        d.SetCurGName("Freecell");
        d.SetCurGNo(cGameNo(1000 + f[0]));
        d.SetCurScore(static_cast<int16_t>(f[0]));
        d.SetCurMoves(static_cast<int16_t>(f[1]));
        d.SetCurTime(f[2]);
        score.AddSesGame(static_cast<int16_t>(f[3]));
    }
    d.SetCurGName("Forecell");
    d.SetCurGNo(cGameNo(31999));
    d.SetCurScore(220);
    d.SetCurMoves(41);
    d.SetCurTime(187);
    d.SetGameRunning(true);
    d.SetGameStartTime(QDateTime::currentDateTime().addSecs(-187));
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: scores_ui_shots <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    IsolatedData d;
    FakePrompt prompt;
    cScore score(*d, prompt);
    History(*d, score);
    Session(*d, score);
    for (int no : {617, 11982, 24, 617})
        score.AddFav("Forecell", cGameNo(no));
    score.AddFav("Freecell", cGameNo(1));

    {
        frmGameStat w(*d, score);
        SaveTabs(w, folder, "gamestat");
    }
    {
        frmHighScore w(*d, score);
        SaveTabs(w, folder, "highscore");
    }
    {
        frmSesStat w(*d, score);
        SaveTabs(w, folder, "sesstat");
    }
    {
        frmLogStat w(*d, score);
        Save(w, folder, "logstat");
    }
    {
        frmPlayFav w(*d, score, prompt, [](const QString&, const cGameNo&) {});
        Save(w, folder, "playfav");
    }
    {
        frmOrgFav w(*d, score, prompt);
        Save(w, folder, "orgfav");
    }
    return 0;
}
