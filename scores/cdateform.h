#pragma once
// The date text of score records: the general date form of the regional settings (short
// date with a four-digit year, a blank, the long time without a time-zone name), written
// once per record and read once at load into day and month numbers that are cheap to
// compare.
#include "stattotals.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace solvane {

// A date that could not be read matches no day, month or year.
constexpr int32_t kNoDay = std::numeric_limits<int32_t>::min();

struct DateStamp {
    int32_t Day = kNoDay;   // Julian day number
    int32_t Month = kNoDay; // year * 12 + month - 1
    int32_t Secs = 0;       // seconds since midnight

    bool Valid() const { return Day != kNoDay; }
    static DateStamp Of(const QDate& date, int32_t secs = 0);
    QDate Date() const { return Valid() ? QDate::fromJulianDay(Day) : QDate(); }
};

class cDateForm {
public:
    explicit cDateForm(const QLocale& locale = QLocale());

    const QLocale& Locale() const { return locale_; }
    // The short date pattern with its year widened to four digits.
    QString DatePattern() const { return datePattern_; }
    // The long time pattern without the time-zone name.
    QString TimePattern() const { return timePattern_; }
    // Both, separated by a blank.
    QString GeneralPattern() const { return datePattern_ + u' ' + timePattern_; }

    QString Format(const QDateTime& when) const;
    QString ShortDate(const QDate& date) const;
    // A period's label: "MMM dd" for a day, "MMM yy" for a month, "yyyy" for a year.
    QString Label(const QDate& date, DateInterval interval) const;

    // Reads a date text in this form, or in one of a few common forms (US and European
    // numeric dates, ISO 8601, the date alone). Digits of any script are accepted.
    bool Parse(std::string_view utf8, DateStamp& out) const;
    bool Parse(const QString& text, DateStamp& out) const;

private:
    enum class Kind : uint8_t { Literal, Blank, Day, Month, MonthName, DayName, Year, Year2, Hour, Minute, Second, Millis, AmPm };
    struct Token {
        Kind kind;
        std::string literal; // UTF-8, for literals
    };
    struct Form {
        std::vector<Token> tokens;
        bool twelveHour = false;
    };
    struct Fields;

    void AddForm(const QString& pattern);
    bool Match(const Form& form, std::string_view s, DateStamp& out) const;
    bool MatchName(const std::vector<std::string>& names, std::string_view s, size_t& pos, int& index) const;

    QLocale locale_;
    QString datePattern_;
    QString timePattern_;
    std::vector<Form> forms_;
    std::vector<std::string> monthNames_; // index % 12 is the month - 1
    std::vector<std::string> dayNames_;
    std::vector<std::string> amNames_;
    std::vector<std::string> pmNames_;
};

} // namespace solvane
