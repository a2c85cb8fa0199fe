#include "mlineformat.h"

#include <charconv>
#include <cmath>

namespace solvane {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}
} // namespace

std::string LineField::Unescaped() const
{
    if (!Escaped)
        return std::string(Text);
    std::string s;
    s.reserve(Text.size());
    for (size_t i = 0; i < Text.size(); ++i) {
        s += Text[i];
        if (Text[i] == '"')
            ++i; // the second quote of a pair
    }
    return s;
}

QString LineField::ToQString() const
{
    if (!Escaped)
        return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
    return QString::fromStdString(Unescaped());
}

int SplitFields(std::string_view line, LineField* out, int capacity)
{
    size_t pos = 0;
    int n = 0;
    if (Trimmed(line).empty())
        return 0;
    for (;;) {
        while (pos < line.size() && IsBlank(line[pos]))
            ++pos;
        if (n == capacity)
            return -1;
        LineField& f = out[n++];
        f = LineField();
        if (pos < line.size() && line[pos] == '"') {
            const size_t start = ++pos;
            for (;;) {
                const size_t q = line.find('"', pos);
                if (q == std::string_view::npos)
                    return -1; // the quote never closes
                if (q + 1 < line.size() && line[q + 1] == '"') {
                    f.Escaped = true;
                    pos = q + 2;
                    continue;
                }
                f.Text = line.substr(start, q - start);
                f.Quoted = true;
                pos = q + 1;
                break;
            }
            while (pos < line.size() && IsBlank(line[pos]))
                ++pos;
            if (pos < line.size() && line[pos] != ',')
                return -1; // text after the closing quote
        } else {
            const size_t comma = std::min(line.find(',', pos), line.size());
            f.Text = Trimmed(line.substr(pos, comma - pos));
            if (f.Text.find('"') != std::string_view::npos)
                return -1;
            pos = comma;
        }
        if (pos >= line.size())
            return n;
        ++pos; // the comma: another field follows, perhaps an empty one
    }
}

bool ParseWhole(const LineField& f, int64_t lo, int64_t hi, int64_t& out)
{
    if (f.Quoted)
        return false;
    std::string_view t = f.Text;
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    if (t.empty())
        return false;
    int64_t v = 0;
    const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || ptr != t.data() + t.size() || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

bool ParseGameNo(const LineField& f, cGameNo& out)
{
    if (f.Quoted) {
        out = cGameNo::FromText(f.ToQString());
        return true;
    }
    std::string_view t = f.Text;
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    if (t.empty())
        return false;
    double v = 0;
    const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || ptr != t.data() + t.size() || !std::isfinite(v))
        return false;
    out = cGameNo(v);
    return true;
}

QByteArray QuotedField(const QString& text)
{
    QByteArray s = text.toUtf8();
    s.replace('"', "\"\"");
    return '"' + s + '"';
}

QByteArray GameNoField(const cGameNo& no)
{
    return no.IsText() ? QuotedField(no.Text()) : cGameNo::NumberText(no.Value()).toUtf8();
}

bool FitsOnOneLine(const QString& text)
{
    return !text.contains(u'\n') && !text.contains(u'\r');
}

} // namespace solvane
