#pragma once
// One recorded game as the windows see it, and one favourite deal.
#include "cgameno.h"

#include <QDate>
#include <QString>

#include <cstdint>

namespace solvane {

constexpr int16_t kWon = 1;
constexpr int16_t kLost = 0;

struct ScoreRecord {
    QString DateText;   // as written in the score file; empty for session games
    QString GameName;
    cGameNo GameNo;
    int32_t Time = 0;   // seconds
    int32_t Moves = 0;
    int32_t Score = 0;
    int16_t Won = 0;    // 1 won, anything else lost
    QString Player;     // whose score file it came from
    QDate Date;         // the date read from DateText; invalid when it could not be read
};

struct FavRecord {
    QString Name;
    cGameNo GameNo;
};

// "Won" for a result of 1, "Lost" for any other.
inline QString StatusText(int won) { return won == kWon ? QStringLiteral("Won") : QStringLiteral("Lost"); }

} // namespace solvane
