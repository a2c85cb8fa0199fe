#include "cdateform.h"

#include <QChar>

#include <algorithm>

namespace solvane {

namespace {
constexpr int32_t kSecondsPerHour = 3600;
constexpr int32_t kSecondsPerMinute = 60;
constexpr int kMonths = 12;
constexpr int kNoon = 12;
// Two-digit years below this are read as 20xx, the rest as 19xx.
constexpr int kCenturyPivot = 80;

bool IsBlankChar(QChar c) { return c.isSpace(); }

// Copies a pattern, replacing every run of one letter outside quotes by what `repl` gives
// for (letter, run length).
template <typename Repl>
QString RewriteRuns(const QString& pattern, Repl repl)
{
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            const qsizetype end = pattern.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end + 1;
            out += pattern.mid(i, stop - i);
            i = stop;
            continue;
        }
        qsizetype j = i;
        while (j < pattern.size() && pattern[j] == c)
            ++j;
        out += repl(c, int(j - i), pattern.mid(i, j - i));
        i = j;
    }
    return out;
}

QString FourDigitYears(const QString& pattern)
{
    return RewriteRuns(pattern, [](QChar c, int, const QString& run) {
        return c == u'y' ? QStringLiteral("yyyy") : run;
    });
}

QString WithoutZone(const QString& pattern)
{
    QString out = RewriteRuns(pattern, [](QChar c, int, const QString& run) {
        return c == u't' ? QStringLiteral("\x01") : run; // marks where the zone stood
    });
    // Drop the mark and one blank beside it.
    for (qsizetype at = out.indexOf(u'\x01'); at >= 0; at = out.indexOf(u'\x01')) {
        if (at > 0 && IsBlankChar(out[at - 1]))
            out.remove(at - 1, 2);
        else if (at + 1 < out.size() && IsBlankChar(out[at + 1]))
            out.remove(at, 2);
        else
            out.remove(at, 1);
    }
    return out.trimmed();
}

// Blanks of any kind: ASCII, no-break and narrow no-break spaces.
size_t BlankLength(std::string_view s, size_t pos)
{
    if (pos >= s.size())
        return 0;
    const auto b = static_cast<unsigned char>(s[pos]);
    if (b == ' ' || b == '\t')
        return 1;
    if (b == 0xC2 && pos + 1 < s.size() && static_cast<unsigned char>(s[pos + 1]) == 0xA0)
        return 2;
    if (b == 0xE2 && pos + 2 < s.size() && static_cast<unsigned char>(s[pos + 1]) == 0x80) {
        const auto c = static_cast<unsigned char>(s[pos + 2]);
        if (c == 0xAF || c == 0x89 || (c >= 0x80 && c <= 0x8A))
            return 3;
    }
    return 0;
}

// One digit of any script at pos: its value and length, or length 0.
int DigitAt(std::string_view s, size_t pos, size_t& len)
{
    len = 0;
    if (pos >= s.size())
        return -1;
    const auto b = static_cast<unsigned char>(s[pos]);
    if (b >= '0' && b <= '9') {
        len = 1;
        return b - '0';
    }
    char32_t cp = 0;
    size_t n = 0;
    if ((b & 0xE0) == 0xC0) {
        cp = b & 0x1F;
        n = 2;
    } else if ((b & 0xF0) == 0xE0) {
        cp = b & 0x0F;
        n = 3;
    } else {
        return -1;
    }
    if (pos + n > s.size())
        return -1;
    for (size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[pos + k]);
        if ((c & 0xC0) != 0x80)
            return -1;
        cp = (cp << 6) | (c & 0x3F);
    }
    const int v = QChar(static_cast<char16_t>(cp)).digitValue();
    if (v >= 0)
        len = n;
    return v;
}

bool ReadNumber(std::string_view s, size_t& pos, int minDigits, int maxDigits, int& value)
{
    value = 0;
    int digits = 0;
    while (digits < maxDigits) {
        size_t len = 0;
        const int d = DigitAt(s, pos, len);
        if (len == 0)
            break;
        value = value * 10 + d;
        pos += len;
        ++digits;
    }
    return digits >= minDigits;
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool StartsWithFolded(std::string_view s, size_t pos, std::string_view word)
{
    if (word.empty() || s.size() - pos < word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (FoldAscii(s[pos + i]) != FoldAscii(word[i]))
            return false;
    return true;
}

std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }
} // namespace

struct cDateForm::Fields {
    int year = -1, month = -1, day = -1;
    int hour = 0, minute = 0, second = 0;
    int ampm = -1; // 0 am, 1 pm
};

DateStamp DateStamp::Of(const QDate& date, int32_t secs)
{
    DateStamp s;
    if (!date.isValid())
        return s;
    s.Day = static_cast<int32_t>(date.toJulianDay());
    s.Month = date.year() * kMonths + date.month() - 1;
    s.Secs = secs;
    return s;
}

cDateForm::cDateForm(const QLocale& locale)
    : locale_(locale),
      datePattern_(FourDigitYears(locale.dateFormat(QLocale::ShortFormat))),
      timePattern_(WithoutZone(locale.timeFormat(QLocale::LongFormat)))
{
    for (int m = 1; m <= kMonths; ++m)
        monthNames_.push_back(Utf8(locale.monthName(m, QLocale::LongFormat)));
    for (int m = 1; m <= kMonths; ++m)
        monthNames_.push_back(Utf8(locale.monthName(m, QLocale::ShortFormat)));
    for (int m = 1; m <= kMonths; ++m)
        monthNames_.push_back(Utf8(locale.standaloneMonthName(m, QLocale::ShortFormat)));
    for (int d = 1; d <= 7; ++d) {
        dayNames_.push_back(Utf8(locale.dayName(d, QLocale::LongFormat)));
        dayNames_.push_back(Utf8(locale.dayName(d, QLocale::ShortFormat)));
    }
    amNames_ = {Utf8(locale.amText()), "AM", "A.M."};
    pmNames_ = {Utf8(locale.pmText()), "PM", "P.M."};

    const QString rawDate = locale.dateFormat(QLocale::ShortFormat);
    const QString shortTime = WithoutZone(locale.timeFormat(QLocale::ShortFormat));
    const QString fallbacks[] = {
        GeneralPattern(),
        datePattern_ + u' ' + shortTime,
        datePattern_,
        rawDate + u' ' + timePattern_,
        rawDate,
        QStringLiteral("M/d/yyyy h:mm:ss AP"),
        QStringLiteral("M/d/yyyy h:mm AP"),
        QStringLiteral("M/d/yyyy"),
        QStringLiteral("d/M/yyyy H:mm:ss"),
        QStringLiteral("d.M.yyyy H:mm:ss"),
        QStringLiteral("d/M/yyyy"),
        QStringLiteral("d.M.yyyy"),
        QStringLiteral("yyyy-M-d H:mm:ss"),
        QStringLiteral("yyyy-M-d'T'H:mm:ss"),
        QStringLiteral("yyyy-M-d"),
        QStringLiteral("yyyy/M/d H:mm:ss"),
    };
    for (const QString& p : fallbacks)
        AddForm(p);
}

void cDateForm::AddForm(const QString& pattern)
{
    Form form;
    auto addLiteral = [&form](const QString& text) {
        if (text.isEmpty())
            return;
        if (!form.tokens.empty() && form.tokens.back().kind == Kind::Literal)
            form.tokens.back().literal += Utf8(text);
        else
            form.tokens.push_back({Kind::Literal, Utf8(text)});
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            const qsizetype end = pattern.indexOf(u'\'', i + 1);
            if (end == i + 1) {
                addLiteral(QStringLiteral("'"));
                i += 2;
                continue;
            }
            const qsizetype stop = end < 0 ? pattern.size() : end;
            addLiteral(pattern.mid(i + 1, stop - i - 1));
            i = stop + 1;
            continue;
        }
        if (IsBlankChar(c)) {
            if (form.tokens.empty() || form.tokens.back().kind != Kind::Blank)
                form.tokens.push_back({Kind::Blank, {}});
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < pattern.size() && pattern[j] == c)
            ++j;
        const int run = int(j - i);
        Kind kind = Kind::Literal;
        switch (c.unicode()) {
        case u'd': kind = run <= 2 ? Kind::Day : Kind::DayName; break;
        case u'M': kind = run <= 2 ? Kind::Month : Kind::MonthName; break;
        case u'y': kind = run == 2 ? Kind::Year2 : Kind::Year; break;
        case u'h':
        case u'H': kind = Kind::Hour; break;
        case u'm': kind = Kind::Minute; break;
        case u's': kind = Kind::Second; break;
        case u'z': kind = Kind::Millis; break;
        case u'a':
        case u'A':
            kind = Kind::AmPm;
            if (j < pattern.size() && (pattern[j] == u'p' || pattern[j] == u'P'))
                ++j;
            break;
        case u't': i = j; continue; // a time zone: never written
        default: addLiteral(pattern.mid(i, run)); i = j; continue;
        }
        if (c == u'h')
            form.twelveHour = true; // 'h' counts 1..12 when an am/pm mark is present
        form.tokens.push_back({kind, {}});
        i = j;
    }
    const bool hasAmPm = std::any_of(form.tokens.begin(), form.tokens.end(),
                                     [](const Token& t) { return t.kind == Kind::AmPm; });
    form.twelveHour = form.twelveHour && hasAmPm;
    forms_.push_back(std::move(form));
}

bool cDateForm::MatchName(const std::vector<std::string>& names, std::string_view s, size_t& pos, int& index) const
{
    size_t best = 0;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i].size() > best && StartsWithFolded(s, pos, names[i])) {
            best = names[i].size();
            index = static_cast<int>(i);
        }
    pos += best;
    return best > 0;
}

bool cDateForm::Match(const Form& form, std::string_view s, DateStamp& out) const
{
    Fields f;
    size_t pos = 0;
    for (size_t n = BlankLength(s, pos); n > 0; n = BlankLength(s, pos))
        pos += n;
    int ignored = 0;
    for (const Token& t : form.tokens) {
        bool ok = true;
        switch (t.kind) {
        case Kind::Literal:
            ok = s.substr(pos).starts_with(t.literal);
            pos += ok ? t.literal.size() : 0;
            break;
        case Kind::Blank:
            for (size_t n = BlankLength(s, pos); n > 0; n = BlankLength(s, pos))
                pos += n;
            break;
        case Kind::Day: ok = ReadNumber(s, pos, 1, 2, f.day); break;
        case Kind::Month: ok = ReadNumber(s, pos, 1, 2, f.month); break;
        case Kind::MonthName: {
            int index = 0;
            ok = MatchName(monthNames_, s, pos, index);
            f.month = index % kMonths + 1;
            break;
        }
        case Kind::DayName: ok = MatchName(dayNames_, s, pos, ignored); break;
        case Kind::Year: ok = ReadNumber(s, pos, 4, 4, f.year); break;
        case Kind::Year2:
            ok = ReadNumber(s, pos, 2, 2, f.year);
            f.year += f.year < kCenturyPivot ? 2000 : 1900;
            break;
        case Kind::Hour: ok = ReadNumber(s, pos, 1, 2, f.hour); break;
        case Kind::Minute: ok = ReadNumber(s, pos, 1, 2, f.minute); break;
        case Kind::Second: ok = ReadNumber(s, pos, 1, 2, f.second); break;
        case Kind::Millis: ok = ReadNumber(s, pos, 1, 3, ignored); break;
        case Kind::AmPm:
            if (MatchName(amNames_, s, pos, ignored))
                f.ampm = 0;
            else if (MatchName(pmNames_, s, pos, ignored))
                f.ampm = 1;
            else
                ok = false;
            break;
        }
        if (!ok)
            return false;
    }
    for (size_t n = BlankLength(s, pos); n > 0; n = BlankLength(s, pos))
        pos += n;
    if (pos != s.size() || !QDate::isValid(f.year, f.month, f.day))
        return false;
    if (form.twelveHour) {
        if (f.hour < 0 || f.hour > kNoon)
            return false;
        f.hour = f.hour % kNoon + (f.ampm == 1 ? kNoon : 0);
    }
    if (f.hour > 23 || f.minute > 59 || f.second > 59)
        return false;
    out = DateStamp::Of(QDate(f.year, f.month, f.day),
                        f.hour * kSecondsPerHour + f.minute * kSecondsPerMinute + f.second);
    return true;
}

bool cDateForm::Parse(std::string_view utf8, DateStamp& out) const
{
    for (const Form& form : forms_)
        if (Match(form, utf8, out))
            return true;
    out = DateStamp();
    return false;
}

bool cDateForm::Parse(const QString& text, DateStamp& out) const
{
    const QByteArray u = text.toUtf8();
    return Parse(std::string_view(u.constData(), static_cast<size_t>(u.size())), out);
}

QString cDateForm::Format(const QDateTime& when) const { return locale_.toString(when, GeneralPattern()); }

QString cDateForm::ShortDate(const QDate& date) const { return locale_.toString(date, datePattern_); }

QString cDateForm::Label(const QDate& date, DateInterval interval) const
{
    switch (interval) {
    case DateInterval::Day: return locale_.toString(date, QStringLiteral("MMM dd"));
    case DateInterval::Month: return locale_.toString(date, QStringLiteral("MMM yy"));
    case DateInterval::Year: return locale_.toString(date, QStringLiteral("yyyy"));
    }
    return {};
}

} // namespace solvane
