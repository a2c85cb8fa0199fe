#pragma once
// The derived figures of the statistics windows: per-game and per-hour rates, winning
// percentages and the General Summary lines. Computed in whole numbers, so that 1 game
// in 3600 seconds is one game per hour and not a truncated 0.99999.
#include "stattotals.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace solvane {

// num / den rounded to the nearest whole number, halves to even; den > 0.
int64_t RoundedDiv(int64_t num, int64_t den);
// The divisor of the rates: the count itself, or 1 when it is 0.
inline int64_t AtLeastOne(int64_t n) { return n == 0 ? 1 : n; }

// won / played as a percentage rounded to 2 decimals, in the regional decimal form without
// trailing zeros: "33.33", "50", "0".
QString PercentText(int64_t won, int64_t played);
// won / played rounded to 2 decimals, times 100: the whole percentage (33 for 1 in 3).
int64_t WholePercent(int64_t won, int64_t played);

// Seconds as h:mm:ss.
QString TimeText(int64_t seconds);

// The thirteen lines of the General Summary.
QStringList GeneralLines(const StatTotals& t);

} // namespace solvane
