#include "mstatfigures.h"

#include "mtime.h"

#include <QLocale>

#include <cstdlib>

namespace solvane {

namespace {
constexpr int64_t kSecondsPerHour = 3600;
constexpr int64_t kHundredths = 100;
constexpr int64_t kPercent = 100;
} // namespace

int64_t RoundedDiv(int64_t num, int64_t den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    int64_t q = num / den;
    const int64_t r = num % den; // same sign as num
    const int64_t twice = 2 * std::llabs(r);
    const int64_t step = num < 0 ? -1 : 1;
    if (twice > den || (twice == den && q % 2 != 0))
        q += step;
    return q;
}

QString PercentText(int64_t won, int64_t played)
{
    const int64_t hundredths = RoundedDiv(won * kPercent * kHundredths, AtLeastOne(played));
    const int64_t whole = hundredths / kHundredths;
    const int64_t part = std::llabs(hundredths % kHundredths);
    QString text = (hundredths < 0 && whole == 0 ? QStringLiteral("-") : QString()) + QString::number(whole);
    if (part != 0) {
        QString digits = QStringLiteral("%1").arg(part, 2, 10, QLatin1Char('0'));
        if (digits.endsWith(u'0'))
            digits.chop(1);
        text += QLocale().decimalPoint() + digits;
    }
    return text;
}

int64_t WholePercent(int64_t won, int64_t played)
{
    // Rounding the fraction to 2 decimals and taking 100 times it is rounding the
    // percentage to a whole number.
    return RoundedDiv(won * kPercent, AtLeastOne(played));
}

QString TimeText(int64_t seconds) { return QString::fromStdString(ElapsedTimeText(seconds)); }

QStringList GeneralLines(const StatTotals& t)
{
    const int64_t played = AtLeastOne(t.Played);
    const int64_t time = AtLeastOne(t.Time);
    auto n = [](int64_t v) { return QString::number(v); };
    return {
        QStringLiteral("Games Played : ") + n(t.Played),
        QStringLiteral("Games Won : ") + n(t.Won),
        QStringLiteral("Games Lost : ") + n(t.Lost),
        QStringLiteral("Total Moves : ") + n(t.Moves),
        QStringLiteral("Total Score : ") + n(t.Score),
        QStringLiteral("Total Time : ") + TimeText(t.Time),
        QStringLiteral("Moves Per Game : ") + n(t.Moves / played),
        QStringLiteral("Score Per Game : ") + n(t.Score / played),
        QStringLiteral("Time Per Game : ") + TimeText(RoundedDiv(t.Time, played)),
        QStringLiteral("Games Per Hour : ") + n(t.Played * kSecondsPerHour / time),
        QStringLiteral("Moves Per Hour : ") + n(t.Moves * kSecondsPerHour / time),
        QStringLiteral("Score Per Hour : ") + n(t.Score * kSecondsPerHour / time),
        QStringLiteral("Winning Percentage : ") + PercentText(t.Won, t.Played) + u'%',
    };
}

} // namespace solvane
