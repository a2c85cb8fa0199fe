#include "cfavourites.h"

#include "mappendline.h"
#include "mlineformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string_view>

namespace solvane {

namespace {
constexpr int kFields = 2;
const QString kFileName = QStringLiteral("kdt.fav");
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
} // namespace

cFavourites::cFavourites(const QString& dataDir) : path_(dataDir + kFileName) {}

std::optional<QByteArray> cFavourites::Line(const QString& name, const cGameNo& no)
{
    if (!FitsOnOneLine(name) || (no.IsText() && !FitsOnOneLine(no.Text())))
        return std::nullopt;
    return QuotedField(name) + ',' + GameNoField(no) + kLineEnd;
}

bool cFavourites::Open()
{
    list_.clear();
    skipped_ = 0;
    if (!QFileInfo(path_).isFile())
        return true;
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    std::string_view rest(bytes.constData(), static_cast<size_t>(bytes.size()));
    if (rest.starts_with(kByteOrderMark))
        rest.remove_prefix(kByteOrderMark.size());
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        LineField fields[kFields];
        const int n = SplitFields(line, fields, kFields);
        if (n == 0)
            continue; // a blank line
        cGameNo no;
        if (n != kFields || !ParseGameNo(fields[1], no)) {
            ++skipped_;
            continue;
        }
        list_.push_back({fields[0].ToQString(), no});
    }
    return true;
}

std::optional<QString> cFavourites::Add(const QString& name, const cGameNo& no)
{
    const auto line = Line(name, no);
    if (!line)
        return QStringLiteral("the game name or number holds a line break");
    return AppendLine(path_, *line);
}

FavRecord cFavourites::Get(int i) const
{
    if (i < 1 || i > Top())
        return {};
    return list_[static_cast<size_t>(i - 1)];
}

std::optional<QString> cFavourites::Clear()
{
    QFile f(path_);
    if (f.exists() && !f.remove())
        return QStringLiteral("%1 cannot be deleted (%2)").arg(QDir::toNativeSeparators(path_), f.errorString());
    return std::nullopt;
}

} // namespace solvane
