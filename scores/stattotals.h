#pragma once
// Totals over recorded games. The sums are 64-bit: a long history of long games would
// overflow 32 bits.
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace solvane {

struct StatTotals {
    int64_t Played = 0;
    int64_t Won = 0;
    int64_t Lost = 0;
    int64_t Score = 0;
    int64_t Moves = 0;
    int64_t Time = 0;

    bool operator==(const StatTotals&) const = default;
};

struct DateTotals {
    int64_t Played = 0;
    int64_t Won = 0;
    int64_t Lost = 0;
    QString Label;
    int64_t Score = 0;
    int64_t Moves = 0;
    int64_t Time = 0;
};

// The calendar periods of the date totals.
enum class DateInterval { Day, Month, Year };

// "d", "m" and "yyyy", the interval tags of the period choices.
inline std::optional<DateInterval> IntervalFromTag(QStringView tag)
{
    if (tag == u"d")
        return DateInterval::Day;
    if (tag == u"m")
        return DateInterval::Month;
    if (tag == u"yyyy")
        return DateInterval::Year;
    return std::nullopt;
}

} // namespace solvane
