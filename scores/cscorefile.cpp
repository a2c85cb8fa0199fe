#include "cscorefile.h"

#include "cscoretable.h"
#include "mlineformat.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <limits>

namespace solvane {

namespace {
constexpr int kFields = 7;
constexpr int64_t kMin32 = std::numeric_limits<int32_t>::min();
constexpr int64_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr int64_t kMin16 = std::numeric_limits<int16_t>::min();
constexpr int64_t kMax16 = std::numeric_limits<int16_t>::max();
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A rough line length, to reserve the table ahead of a load.
constexpr qint64 kTypicalLine = 48;
} // namespace

std::optional<QByteArray> cScoreFile::Line(const ScoreRecord& r)
{
    if (!FitsOnOneLine(r.DateText) || !FitsOnOneLine(r.GameName) ||
        (r.GameNo.IsText() && !FitsOnOneLine(r.GameNo.Text())))
        return std::nullopt;
    QByteArray line;
    line += QuotedField(r.DateText) + ',';
    line += QuotedField(r.GameName) + ',';
    line += GameNoField(r.GameNo) + ',';
    line += QByteArray::number(r.Time) + ',';
    line += QByteArray::number(r.Moves) + ',';
    line += QByteArray::number(r.Score) + ',';
    line += QByteArray::number(r.Won) + kLineEnd;
    return line;
}

bool cScoreFile::LoadLine(std::string_view line, uint16_t player, cScoreTable& table, const cDateForm& form)
{
    LineField f[kFields];
    if (SplitFields(line, f, kFields) != kFields)
        return false;
    int64_t time = 0, moves = 0, score = 0, won = 0;
    cGameNo no;
    if (!ParseGameNo(f[2], no) || !ParseWhole(f[3], kMin32, kMax32, time) ||
        !ParseWhole(f[4], kMin32, kMax32, moves) || !ParseWhole(f[5], kMin32, kMax32, score) ||
        !ParseWhole(f[6], kMin16, kMax16, won))
        return false;
    if (f[0].Text.size() > cScoreTable::kMaxDateText)
        return false; // no date text is that long: the line is not a record
    std::string dateBuf, nameBuf; // only for texts with doubled quotes
    const std::string_view dateText = f[0].Escaped ? std::string_view(dateBuf = f[0].Unescaped()) : f[0].Text;
    const std::string_view gameName = f[1].Escaped ? std::string_view(nameBuf = f[1].Unescaped()) : f[1].Text;
    DateStamp date;
    form.Parse(dateText, date); // an unreadable date keeps its record, undated
    table.Append(dateText, date, gameName, no, static_cast<int32_t>(time), static_cast<int32_t>(moves),
                 static_cast<int32_t>(score), static_cast<int16_t>(won), player);
    return true;
}

cScoreFile::LoadResult cScoreFile::Load(const QString& path, const QString& player, cScoreTable& table,
                                        const cDateForm& form)
{
    LoadResult result;
    if (!QFileInfo(path).isFile())
        return result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Read = false;
        result.Error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.Read = false;
        result.Error = file.errorString();
        return result;
    }
    table.Reserve(table.Rows().size() + static_cast<size_t>(bytes.size() / kTypicalLine));
    const uint16_t id = table.AddPlayer(player);
    std::string_view rest(bytes.constData(), static_cast<size_t>(bytes.size()));
    if (rest.starts_with(kByteOrderMark))
        rest.remove_prefix(kByteOrderMark.size());
    int lineNo = 0;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue; // a blank line holds no record
        if (LoadLine(line, id, table, form)) {
            ++result.Loaded;
        } else if (result.Skipped++ == 0) {
            result.FirstSkipped = lineNo;
        }
    }
    return result;
}

} // namespace solvane
