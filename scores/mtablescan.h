#pragma once
// Figures of many groups at once: one walk through the loaded table gives the totals of
// every game and every player, so that a window over a million records fills its lists
// without a walk per row.
#include "cscoretable.h"
#include "stattotals.h"

#include <QString>

#include <vector>

namespace solvane {

struct GroupTotals {
    std::vector<StatTotals> ByGame;   // by the table's game name id
    std::vector<StatTotals> ByPlayer; // by the table's player id

    // Zeros for a name no loaded record carries.
    StatTotals Game(const cScoreTable& table, const QString& name) const;
    StatTotals Player(const cScoreTable& table, const QString& name) const;
};

GroupTotals TotalsByGroup(const cScoreTable& table);

// The rows (from 0) of the first `count` records of a game, in table order.
std::vector<int> FirstGameRows(const cScoreTable& table, const QString& gameName, int count);

} // namespace solvane
