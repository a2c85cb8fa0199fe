#include "ckeptgame.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

#include <limits>
#include <map>

namespace solvane {

namespace {
const QString kHeader = QStringLiteral("Solvane unfinished game 1");
constexpr int kRecordFields = 10;
// A kept file is small; anything much larger was not written by us.
constexpr qint64 kMaxKeptBytes = 4 * 1024 * 1024;

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

QString RecordLine(const cTrans::Record& r)
{
    return QStringLiteral("Move=%1,%2,%3,%4,%5,%6,%7,%8,%9,%10")
        .arg(r.PicID).arg(r.SCell).arg(r.SPile).arg(r.SPos).arg(r.DCell).arg(r.DPile).arg(r.DPos)
        .arg(r.mCards).arg(r.tMod).arg(r.Group);
}

std::optional<cTrans::Record> ParseRecord(const QString& text)
{
    const QStringList f = text.split(u',');
    if (f.size() != kRecordFields)
        return std::nullopt;
    int v[kRecordFields];
    for (int i = 0; i < kRecordFields; ++i) {
        bool ok = false;
        v[i] = f[i].toInt(&ok);
        if (!ok || v[i] < -32768 || v[i] > 32767)
            return std::nullopt;
    }
    return cTrans::Record{int16_t(v[0]), int16_t(v[1]), int16_t(v[2]), int16_t(v[3]), int16_t(v[4]),
                          int16_t(v[5]), int16_t(v[6]), int16_t(v[7]), v[8], v[9]};
}

bool ToInt(const std::map<QString, QString>& keys, const char* key, long long lo, long long hi, long long& out)
{
    const auto it = keys.find(QLatin1String(key));
    bool ok = false;
    if (it != keys.end())
        out = it->second.toLongLong(&ok);
    return ok && out >= lo && out <= hi;
}
} // namespace

cKeptGame::cKeptGame(QString folder) : folder_(std::move(folder)) {}

QString cKeptGame::Path() const { return QDir(folder_).filePath(QLatin1String(kFileName)); }

bool cKeptGame::Exists() const { return QFile::exists(Path()); }

std::optional<QString> cKeptGame::Write(const KeptGame& g) const
{
    QString text;
    QTextStream out(&text);
    out << kHeader << '\n'
        << "Game=" << g.Game << '\n'
        << "Number=" << g.Number << '\n'
        << "NumberIsText=" << int(g.NumberIsText) << '\n'
        << "Player=" << g.Player << '\n'
        << "Seconds=" << g.Seconds << '\n'
        << "Current=" << g.Current << '\n'
        << "Helped=" << int(g.Helped) << ',' << g.HelpedTime << ',' << g.HelpedMoves << ',' << g.HelpedScore << '\n'
        << "Moves=" << g.Moves.size() << '\n';
    for (const cTrans::Record& r : g.Moves)
        out << RecordLine(r) << '\n';
    out << "End\n";
    out.flush();
    QSaveFile f(Path());
    const QByteArray bytes = text.toUtf8();
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        return QStringLiteral("%1 cannot be written (%2)").arg(Native(Path()), f.errorString());
    return std::nullopt;
}

std::variant<KeptGame, QString> cKeptGame::Read() const
{
    QFile f(Path());
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 cannot be read (%2)").arg(Native(Path()), f.errorString());
    if (f.size() > kMaxKeptBytes)
        return QStringLiteral("%1 is not a kept game").arg(Native(Path()));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    const auto damaged = [this](const QString& why) {
        return QStringLiteral("%1 is damaged: %2").arg(Native(Path()), why);
    };
    if (lines.isEmpty() || lines.front().trimmed() != kHeader)
        return damaged(QStringLiteral("it does not begin as a kept game does"));
    std::map<QString, QString> keys;
    KeptGame g;
    bool ended = false;
    for (int i = 1; i < lines.size() && !ended; ++i) {
        const QString line = lines[i].trimmed();
        if (line == QStringLiteral("End")) {
            ended = true;
            continue;
        }
        const int eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = line.left(eq), value = line.mid(eq + 1);
        if (key != QStringLiteral("Move")) {
            keys[key] = value;
            continue;
        }
        const auto record = ParseRecord(value);
        if (!record)
            return damaged(QStringLiteral("line %1 is not a move").arg(i + 1));
        g.Moves.push_back(*record);
    }
    long long seconds = 0, current = 0, count = 0, numberIsText = 0;
    if (!ended || !ToInt(keys, "Moves", 0, cTrans::kMaxMoves, count) || count != static_cast<long long>(g.Moves.size()))
        return damaged(QStringLiteral("it was cut short"));
    if (!ToInt(keys, "Seconds", 0, std::numeric_limits<int32_t>::max(), seconds) ||
        !ToInt(keys, "Current", 0, count, current) || !ToInt(keys, "NumberIsText", 0, 1, numberIsText) ||
        keys[QStringLiteral("Game")].isEmpty() || keys[QStringLiteral("Player")].isEmpty())
        return damaged(QStringLiteral("a value is missing or out of range"));
    g.Game = keys[QStringLiteral("Game")];
    g.Number = keys[QStringLiteral("Number")];
    g.NumberIsText = numberIsText == 1;
    g.Player = keys[QStringLiteral("Player")];
    g.Seconds = seconds;
    g.Current = int(current);
    const QStringList helped = keys[QStringLiteral("Helped")].split(u',');
    if (helped.size() == 4) {
        g.Helped = helped[0] == QStringLiteral("1");
        g.HelpedTime = helped[1].toInt();
        g.HelpedMoves = helped[2].toInt();
        g.HelpedScore = helped[3].toInt();
    }
    return g;
}

std::optional<QString> cKeptGame::Remove() const
{
    QFile f(Path());
    if (f.exists() && !f.remove())
        return QStringLiteral("%1 cannot be removed (%2)").arg(Native(Path()), f.errorString());
    return std::nullopt;
}

std::variant<QString, QString> cKeptGame::SetAside() const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss"));
    const QString aside = QDir(folder_).filePath(QStringLiteral("Unfinished game %1.set-aside").arg(stamp));
    QFile f(Path());
    if (!f.rename(aside))
        return std::variant<QString, QString>(std::in_place_index<1>,
                                              QStringLiteral("%1 cannot be set aside (%2)").arg(Native(Path()), f.errorString()));
    return std::variant<QString, QString>(std::in_place_index<0>, aside);
}

} // namespace solvane
