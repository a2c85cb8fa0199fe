#pragma once
// Drawing the statistics charts: a pie of shares (won and lost) and grouped bars of a
// figure table, in one style for every window. Each call replaces the view's chart.
#include "ccharttable.h"

#include <QColor>
#include <QString>

#include <vector>

class QChartView;

namespace solvane {

struct ChartShare {
    QString Label;
    double Value = 0;
    QColor Colour;
};

// The colour of a series or share by its label's first word ("Won", "Lost", "Played",
// "Score", "Moves", "Time").
QColor SeriesColour(const QString& label);

void DrawShares(QChartView* view, const QString& title, const std::vector<ChartShare>& shares);
// Bars per row and column; the value axis in whole numbers from 0 (or the lowest value).
void DrawTable(QChartView* view, const QString& title, const cChartTable& table,
               const QString& categoryTitle, const QString& valueTitle);

// Won and lost with the labels "Won : n" and "Lost : n".
void DrawWonLost(QChartView* view, const QString& title, long long won, long long lost);

} // namespace solvane
