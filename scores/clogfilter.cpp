#include "clogfilter.h"

namespace solvane {

namespace {
constexpr int32_t kThreeDays = 3;
constexpr int32_t kSevenDays = 7;
constexpr int32_t kThirtyDays = 30;
constexpr int32_t kThreeMonths = 3;
constexpr int32_t kFiveMonths = 5;
} // namespace

std::optional<cLogFilter::Period> cLogFilter::PeriodFromKey(QStringView key)
{
    if (key.isEmpty())
        return Period::All;
    if (key == u"t")
        return Period::Today;
    if (key == u"3d")
        return Period::Days3;
    if (key == u"7d")
        return Period::Days7;
    if (key == u"30d")
        return Period::Days30;
    if (key == u"3m")
        return Period::Months3;
    if (key == u"5m")
        return Period::Months5;
    return std::nullopt;
}

bool cLogFilter::InPeriod(int32_t day, int32_t month, const DateStamp& today) const
{
    if (Within == Period::All)
        return true;
    if (day == kNoDay)
        return false;
    const int32_t d = today.Day - day;
    const int32_t m = today.Month - month;
    if (d < 0)
        return false;
    switch (Within) {
    case Period::All: return true;
    case Period::Today: return d == 0;
    case Period::Days3: return d <= kThreeDays;
    case Period::Days7: return d <= kSevenDays;
    case Period::Days30: return d <= kThirtyDays;
    case Period::Months3: return m <= kThreeMonths;
    case Period::Months5: return m <= kFiveMonths;
    }
    return false;
}

std::vector<int> cLogFilter::Rows(const cScoreTable& table, const QDate& today) const
{
    std::vector<int> out;
    const int game = Game ? table.FindGame(*Game) : -1;
    const int player = Player ? table.FindPlayer(*Player) : -1;
    if ((Game && game < 0) || (Player && player < 0))
        return out; // no loaded record carries that name
    const DateStamp now = DateStamp::Of(today);
    const auto& rows = table.Rows();
    const auto& days = table.Days();
    const auto& months = table.Months();
    out.reserve(Game || Player || Within != Period::All ? rows.size() / 8 : rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const cScoreTable::Row& r = rows[i];
        if (player >= 0 && r.Player != player)
            continue;
        if (game >= 0 && r.Game != static_cast<uint32_t>(game))
            continue;
        if (!InPeriod(days[i], months[i], now))
            continue;
        out.push_back(static_cast<int>(i));
    }
    return out;
}

} // namespace solvane
