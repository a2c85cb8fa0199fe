#include "ccustom.h"

#include "cboardset.h"
#include "cdata.h"
#include "mnames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace solvane {

namespace {
const QString kExtension = QStringLiteral(".gam");
// Ten numbers fit in far less; a larger file is not a game file we wrote, and reading
// only its beginning keeps a stray big file from stalling the program.
constexpr qint64 kMaxGameFileRead = 64 * 1024;

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

QString CannotLoad(const QString& name, const QString& why)
{
    return QStringLiteral("Game \"%1\" cannot be loaded: %2.").arg(name, why);
}

QString CannotSave(const QString& name, const QString& why)
{
    return QStringLiteral("Game \"%1\" cannot be saved: %2.").arg(name, why);
}
} // namespace

cCustom::cCustom(cData& data, cBoardSet& boards) : data_(data), boards_(boards) {}

void cCustom::Refresh()
{
    QDir dir(data_.AppDir());
    // Only file names that could have been written by the name check are games; a name
    // must round-trip through data folder + name + ".gam".
    QStringList names;
    const auto entries =
        dir.entryInfoList({QStringLiteral("*") + kExtension}, QDir::Files | QDir::CaseSensitive);
    for (const QFileInfo& fi : entries) {
        const QString file = fi.fileName();
        if (file.endsWith(kExtension) && IsValidName(file.chopped(kExtension.size())))
            names << file;
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    files_ = names;
}

void cCustom::Init()
{
    Refresh();
    const auto& standard = StandardGames();
    data_.SetTotalGames(kStandardGames + TotalGames());
    for (int i = 0; i < kStandardGames; ++i)
        data_.SetGame(i + 1, QString::fromUtf8(standard[static_cast<size_t>(i)].Name));
    for (int i = 0; i < TotalGames(); ++i)
        data_.SetGame(kStandardGames + 1 + i, gName(i));
}

QString cCustom::gName(int index) const
{
    if (index < 0 || index >= files_.size())
        return {};
    return files_[index].chopped(kExtension.size());
}

QString cCustom::gPath(int index) const
{
    if (index < 0 || index >= files_.size())
        return {};
    return data_.AppDir() + files_[index];
}

bool cCustom::IsStandardName(const QString& name)
{
    return StandardRules(name.toStdString()).has_value();
}

QString cCustom::GameFilePath(const QString& name) const { return data_.AppDir() + name + kExtension; }

bool cCustom::GameFileExists(const QString& name) const
{
    return IsValidName(name) && QFileInfo(GameFilePath(name)).isFile();
}

std::optional<QString> cCustom::RulesProblem(const GameRules& r)
{
    if (r.hPiles < kMinGameFilePiles)
        return QStringLiteral("hPiles is %1, it must lie between %2 and 10")
            .arg(r.hPiles)
            .arg(kMinGameFilePiles);
    if (auto why = ValidateRules(r))
        return QString::fromStdString(*why);
    return std::nullopt;
}

std::optional<QString> cCustom::ReadGameFile(const QString& path, GameRules& out)
{
    QFile f(path);
    if (!QFileInfo(path).isFile())
        return QStringLiteral("its game file %1 is missing").arg(Native(path));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("its game file %1 cannot be read (%2)").arg(Native(path), f.errorString());
    const QByteArray text = f.read(kMaxGameFileRead);
    GameRules r;
    if (auto why = ParseRules(std::string_view(text.constData(), static_cast<size_t>(text.size())), r))
        return QStringLiteral("its game file %1 is damaged: %2").arg(Native(path), QString::fromStdString(*why));
    if (auto why = RulesProblem(r))
        return QStringLiteral("its game file %1 is damaged: %2").arg(Native(path), *why);
    out = r;
    return std::nullopt;
}

std::optional<QString> cCustom::ReadRules(const QString& name, GameRules& out) const
{
    if (auto standard = StandardRules(name.toStdString())) {
        out = *standard;
        return std::nullopt;
    }
    if (auto why = NameProblem(name))
        return CannotLoad(name, *why);
    if (auto why = ReadGameFile(GameFilePath(name), out))
        return CannotLoad(name, *why);
    return std::nullopt;
}

std::optional<QString> cCustom::InitGame(const QString& name)
{
    GameRules r;
    if (auto why = ReadRules(name, r))
        return why;
    rules_ = r;
    return std::nullopt;
}

std::optional<QString> cCustom::SelectGame(const QString& name)
{
    if (auto why = InitGame(name))
        return why;
    boards_.SelectRules(rules_);
    return std::nullopt;
}

void cCustom::SelectRules(const GameRules& rules)
{
    rules_ = rules;
    boards_.SelectRules(rules_);
}

std::optional<QString> cCustom::WriteGame(const QString& name, const GameRules& rules)
{
    if (auto why = NameProblem(name))
        return CannotSave(name, *why);
    if (IsStandardName(name))
        return CannotSave(name, QStringLiteral("it is the name of a standard game"));
    if (auto why = RulesProblem(rules))
        return CannotSave(name, *why);
    const QString path = GameFilePath(name);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return CannotSave(name, QStringLiteral("%1 cannot be written (%2)").arg(Native(path), f.errorString()));
    const QByteArray line = QByteArray::fromStdString(FormatRules(rules)) + "\r\n";
    if (f.write(line) != line.size() || !f.commit())
        return CannotSave(name, QStringLiteral("%1 cannot be written (%2)").arg(Native(path), f.errorString()));
    return std::nullopt;
}

std::optional<QString> cCustom::DeleteGame(const QString& name)
{
    if (auto why = NameProblem(name))
        return QStringLiteral("Game \"%1\" cannot be deleted: %2.").arg(name, *why);
    QFile f(GameFilePath(name));
    if (f.exists() && !f.remove())
        return QStringLiteral("Game \"%1\" cannot be deleted: %2.").arg(name, f.errorString());
    return std::nullopt;
}

} // namespace solvane
