#include "mplayers.h"

#include "cdata.h"
#include "iscorestore.h"
#include "mnames.h"

#include <QDir>
#include <QFile>

namespace solvane {

namespace {
QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

// The score file of a name that can be a file name in the data folder; a stored name that
// cannot (a hand-edited setting) never had a file there and must not reach outside it.
std::optional<QString> ScoreFileOf(const iScoreStore& score, const QString& name)
{
    if (!IsValidName(name))
        return std::nullopt;
    return score.ScoreFilePath(name);
}
} // namespace

QStringList PlayerNames(const cData& data)
{
    QStringList names;
    for (int slot = 1; slot <= kMaxPlayers; ++slot) {
        const QString name = data.GetPlayer(slot);
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

int FindPlayerSlot(const cData& data, const QString& name)
{
    for (int slot = 1; slot <= kMaxPlayers; ++slot)
        if (data.GetPlayer(slot) == name)
            return slot;
    return 0;
}

int FreePlayerSlot(const cData& data) { return FindPlayerSlot(data, QString()); }

void CompactPlayers(cData& data)
{
    const QStringList names = PlayerNames(data);
    for (int slot = 1; slot <= kMaxPlayers; ++slot) {
        const QString want = slot <= names.size() ? names[slot - 1] : QString();
        if (data.GetPlayer(slot) != want)
            data.SetPlayer(slot, want, false);
    }
}

std::optional<QString> AddPlayer(cData& data, const QString& name)
{
    const int slot = FreePlayerSlot(data);
    if (slot == 0)
        return QStringLiteral("Maximum %1 Players Only!").arg(kMaxPlayers);
    data.SetPlayer(slot, name, false);
    if (auto why = data.Save()) {
        data.SetPlayer(slot, QString(), false); // a player never saved is no player
        return why;
    }
    return std::nullopt;
}

std::optional<QString> RenamePlayer(cData& data, const iScoreStore& score, const QString& oldName,
                                    const QString& newName)
{
    const int slot = FindPlayerSlot(data, oldName);
    if (slot == 0)
        return QStringLiteral("There is no player \"%1\".").arg(oldName);
    const std::optional<QString> from = ScoreFileOf(score, oldName);
    const std::optional<QString> to = ScoreFileOf(score, newName);
    if (!to)
        return QStringLiteral("The name \"%1\" cannot be used.").arg(newName);
    // Another file of the new name would mix a stranger's games into this player's.
    if (QFile::exists(*to))
        return QStringLiteral("A score file named %1 exists already, so the player cannot take this name.")
            .arg(Native(*to));
    if (from && QFile::exists(*from)) {
        QFile file(*from);
        if (!file.rename(*to))
            return QStringLiteral("The score file %1 could not be renamed (%2).").arg(Native(*from), file.errorString());
    }
    const QString current = data.CurPlayer();
    data.SetPlayer(slot, newName, current == oldName);
    if (auto why = data.Save()) {
        // The stored name stays the old one, so the player and the file go back to it.
        data.SetPlayer(slot, oldName, false);
        data.SetCurPlayer(current);
        if (from && QFile::exists(*to))
            QFile::rename(*to, *from);
        return why;
    }
    return std::nullopt;
}

std::optional<QString> DeletePlayer(cData& data, const iScoreStore& score, const QString& name)
{
    const int slot = FindPlayerSlot(data, name);
    if (slot == 0)
        return std::nullopt;
    QStringList before;
    for (int s = 1; s <= kMaxPlayers; ++s)
        before << data.GetPlayer(s);
    data.SetPlayer(slot, QString(), false);
    CompactPlayers(data);
    // The games go only with a player the settings no longer list.
    if (auto why = data.Save()) {
        for (int s = 1; s <= kMaxPlayers; ++s)
            data.SetPlayer(s, before[s - 1], false);
        return why;
    }
    const std::optional<QString> path = ScoreFileOf(score, name);
    if (!path || !QFile::exists(*path))
        return std::nullopt;
    QFile file(*path);
    if (!file.remove())
        return QStringLiteral("The score file %1 could not be deleted (%2).").arg(Native(*path), file.errorString());
    return std::nullopt;
}

} // namespace solvane
