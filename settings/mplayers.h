#pragma once
// The player slots as the players dialogs change them: finding, adding, renaming and
// deleting players. A player's score file moves with the name and goes with the player,
// so a player's recorded games always stay under the player's present name.
#include <QString>
#include <QStringList>

#include <optional>

namespace solvane {

class cData;
class iScoreStore;

// The names of the used slots 1..20, in slot order.
QStringList PlayerNames(const cData& data);
// The first slot 1..20 holding exactly this name, or 0.
int FindPlayerSlot(const cData& data, const QString& name);
// The first empty slot 1..20, or 0 when every slot is used.
int FreePlayerSlot(const cData& data);
// Moves the used slots up over the empty ones, keeping their order.
void CompactPlayers(cData& data);

// Each change is saved at once; when the settings cannot be saved the players stay as they
// were and the reason comes back.

// Puts the name into the first free slot; the reason when there is none.
std::optional<QString> AddPlayer(cData& data, const QString& name);
// Gives the player of the first slot holding oldName the new name, renaming the score file
// with it (first, so that a refused rename changes nothing). The current player follows.
// Refused with the reason when a score file of the new name exists already.
std::optional<QString> RenamePlayer(cData& data, const iScoreStore& score, const QString& oldName,
                                    const QString& newName);
// Empties the first slot holding the name, compacts the slots and deletes the player's
// score file. The reason when the file could not be deleted (the player is gone anyway).
std::optional<QString> DeletePlayer(cData& data, const iScoreStore& score, const QString& name);

} // namespace solvane
