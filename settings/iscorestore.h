#pragma once
// What the players and customize windows ask of the score store, which lives above them:
// where a player's score file is, and the two statistics commands of the customize window.
#include <QString>

namespace solvane {

class iScoreStore {
public:
    virtual ~iScoreStore() = default;
    virtual QString ScoreFilePath(const QString& player) const = 0;
    // Both ask the player first and say how it went; true when something was done.
    virtual bool ClearStat() = 0;
    virtual bool ExportStat() = 0;
};

} // namespace solvane
