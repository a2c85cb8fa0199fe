#pragma once
// Which recorded games the log lists: a game, a player and a period counted back from
// today in calendar days or months. Works on the loaded table's columns, so a million
// records are filtered in a few milliseconds.
#include "cscoretable.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace solvane {

class cLogFilter {
public:
    // The period choices with their keys: "t", "3d", "7d", "30d", "3m", "5m", and "" for all.
    enum class Period { All, Today, Days3, Days7, Days30, Months3, Months5 };
    static std::optional<Period> PeriodFromKey(QStringView key);

    // No game or player: every one.
    std::optional<QString> Game;
    std::optional<QString> Player;
    Period Within = Period::All;

    // The matching rows (from 0) in table order.
    std::vector<int> Rows(const cScoreTable& table, const QDate& today) const;
    // The period test alone: a record dated after today, or with a date that could not be
    // read, is in no period but All.
    bool InPeriod(int32_t day, int32_t month, const DateStamp& today) const;
};

} // namespace solvane
