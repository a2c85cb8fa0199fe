#pragma once
// The unfinished game kept when Solvane closes, for the next start to resume: one file in
// the data folder, replaced whole. A kept game that cannot be resumed is set aside under a
// name of its own, never lost.
#include "ctrans.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace solvane {

struct KeptGame {
    QString Game;
    QString Number;        // as the game number shows it
    bool NumberIsText = false;
    QString Player;
    long long Seconds = 0; // played so far
    int Current = 0;       // the moves made; the rest of Moves may be redone
    std::vector<cTrans::Record> Moves;
    // The figures of the first "Solve", when the computer has played in the game.
    bool Helped = false;
    int HelpedTime = 0, HelpedMoves = 0, HelpedScore = 0;
};

class cKeptGame {
public:
    static constexpr const char* kFileName = "Unfinished game.kept";

    explicit cKeptGame(QString folder);

    QString Path() const;
    bool Exists() const;
    // Writes the game whole (a failed write leaves no file half-written); the reason when
    // it could not be written.
    std::optional<QString> Write(const KeptGame& game) const;
    // The kept game, or why the file cannot be read as one.
    std::variant<KeptGame, QString> Read() const;
    // The file goes once the game is resumed.
    std::optional<QString> Remove() const;
    // Renames the file to a dated name beside it; the new name, or why it could not be.
    std::variant<QString, QString> SetAside() const;

private:
    QString folder_;
};

} // namespace solvane
