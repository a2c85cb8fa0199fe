#pragma once
// A score store over temporary files, with US-English regional settings and a fixed clock.
#include "cscore.h"
#include "fakeprompt.h"
#include "isolateddata.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace solvane::test {

inline QLocale UsEnglish() { return QLocale(QLocale::English, QLocale::UnitedStates); }

struct ScoreTest : ::testing::Test {
    IsolatedData d;
    FakePrompt prompt;
    cScore score{*d, prompt};
    QDateTime now{QDate(2003, 12, 7), QTime(18, 42, 2)};

    ScoreTest()
    {
        QLocale::setDefault(UsEnglish());
        score.SetClock([this] { return now; });
    }
    ~ScoreTest() override { QLocale::setDefault(QLocale::system()); }

    QString Path(const QString& file) { return d->AppDir() + file; }
    void Put(const QString& file, const QByteArray& content)
    {
        QFile f(Path(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray Read(const QString& file)
    {
        QFile f(Path(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // The current game as the end of a game leaves it.
    void Current(const QString& game, const cGameNo& no, int32_t time, int16_t moves, int16_t points)
    {
        d->SetCurGName(game);
        d->SetCurGNo(no);
        d->SetCurTime(time);
        d->SetCurMoves(moves);
        d->SetCurScore(points);
    }
    void StandardGames()
    {
        const char* names[] = {"Freecell", "Baker's Game", "Forecell", "Seven By Four", "Two Cells"};
        for (int i = 0; i < 5; ++i)
            d->SetGame(i + 1, names[i]);
    }
};

} // namespace solvane::test
