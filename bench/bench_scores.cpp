// How long the statistics windows wait on the score store with 1,000,000 recorded games
// over 20 players: loading every score file, the totals, the top lists and 30 day totals.
#include "cdata.h"
#include "cscore.h"
#include "cscorefile.h"
#include "iprompt.h"
#include "silentprompt.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

using namespace solvane;

namespace {
constexpr int kPlayers = 20;
constexpr int kGamesPerPlayer = 50000;
constexpr int kDays = 30;
constexpr int kHistoryDays = 730;
constexpr int kRuns = 5;

// The best of a few runs, in milliseconds.
double BestMs(const std::function<void()>& work)
{
    double best = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        const auto t0 = std::chrono::steady_clock::now();
        work();
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    return best;
}

void Report(const char* what, double ms, double target)
{
    std::printf("%-28s %8.1f ms   (target < %.0f ms)%s\n", what, ms, target, ms < target ? "" : "   TOO SLOW");
}

void WriteFiles(cData& data, const QDateTime& now)
{
    const char* games[] = {"Freecell", "Baker's Game", "Forecell", "Seven By Four", "Two Cells", "My Own Game"};
    std::mt19937 rng(20031207);
    const cDateForm form;
    for (int p = 1; p <= kPlayers; ++p) {
        const QString name = QStringLiteral("Player%1").arg(p);
        data.SetPlayer(p, name, p == 1);
        QByteArray text;
        for (int i = 0; i < kGamesPerPlayer; ++i) {
            ScoreRecord r;
            const QDateTime when = now.addSecs(-static_cast<qint64>(rng() % (kHistoryDays * 86400)));
            r.DateText = form.Format(when);
            r.GameName = QString::fromLatin1(games[rng() % std::size(games)]);
            r.GameNo = rng() % 10 == 0 ? cGameNo::FromText(QString::number(rng() % 100000)) : cGameNo(rng());
            r.Time = static_cast<int32_t>(rng() % 3600);
            r.Moves = static_cast<int32_t>(rng() % 300);
            r.Score = static_cast<int32_t>(rng() % 2000) - 200;
            r.Won = static_cast<int16_t>(rng() % 2);
            text += *cScoreFile::Line(r);
        }
        QFile f(data.AppDir() + name + ".sre");
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
            std::exit(1);
        }
    }
}
} // namespace

int main()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTemporaryDir dir;
    cData data(std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat), dir.filePath("data"));
    data.EnsureAppDir();
    bench::SilentPrompt prompt;
    cScore score(data, prompt);
    const QDateTime now = QDateTime::currentDateTime();
    WriteFiles(data, now);

    Report("OpenAllScore", BestMs([&] { score.OpenAllScore(); }), 1000);
    std::printf("  %d records loaded, %d lines skipped\n", score.ScoreTop(), score.SkippedLines());
    StatTotals t;
    Report("TotalStat", BestMs([&] { t = score.TotalStat(); }), 100);
    Report("Sort (all games)", BestMs([&] { score.Sort("", "", 0); }), 100);
    Report("Sort (one game, won)", BestMs([&] { score.Sort("Forecell", "", kWon); }), 100);
    Report("FinSort (time)", BestMs([&] { score.FinSort(true, false); }), 100);
    Report("FinSort (moves)", BestMs([&] { score.FinSort(false, true); }), 100);
    int64_t dated = 0;
    const double days = BestMs([&] {
        dated = 0;
        for (int j = kDays - 1; j >= 0; --j)
            dated += score.DateStat(now.date().addDays(-j), DateInterval::Day).Played;
    });
    Report("DateStat, 30 days together", days, 100);
    Report("GameStat", BestMs([&] { score.GameStat("Freecell"); }), 100);
    const auto r0 = std::chrono::steady_clock::now();
    const qsizetype reportSize = score.ReportText().size();
    const auto r1 = std::chrono::steady_clock::now();
    std::printf("%-28s %8.1f ms   (load, report of %lld characters, close; no target)\n", "ReportText",
                std::chrono::duration<double, std::milli>(r1 - r0).count(), static_cast<long long>(reportSize));
    std::printf("  totals: %lld played, %lld won, %lld seconds; %lld in the last 30 days\n",
                static_cast<long long>(t.Played), static_cast<long long>(t.Won), static_cast<long long>(t.Time),
                static_cast<long long>(dated));
    return 0;
}
