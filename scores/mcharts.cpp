#include "mcharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace solvane {

namespace {
// Bars up to this count carry their values; more would overlap.
constexpr int kMaxLabelledBars = 16;
// Categories beyond this count get smaller or upright labels.
constexpr int kCrowdedCategories = 12;
constexpr int kLabelPrecision = 15;
constexpr int kTitlePoints = 10;
constexpr int kSmallPoints = 7;
constexpr int kTargetTicks = 5;
constexpr int kUpright = -90;
constexpr qreal kPieSize = 0.8;
constexpr int kAxisTitlePoints = 8;
// Value labels stand above their bars, on the chart's white: dark ink.
const QColor kLabelInk(40, 40, 40);

QChart* NewChart(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont f = chart->titleFont();
    f.setPointSize(kTitlePoints);
    f.setBold(true);
    chart->setTitleFont(f);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    return chart;
}

void Replace(QChartView* view, QChart* chart)
{
    QChart* old = view->chart();
    view->setChart(chart);
    view->setRenderHint(QPainter::Antialiasing);
    delete old;
}

void SmallTitle(QAbstractAxis* axis)
{
    QFont f = axis->titleFont();
    f.setPointSize(kAxisTitlePoints);
    axis->setTitleFont(f);
}

// A tick step of 1, 2 or 5 times a power of ten, never below 1: the figures are counts.
double NiceStep(double span)
{
    const double raw = std::max(span / kTargetTicks, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}
} // namespace

QColor SeriesColour(const QString& label)
{
    const QString word = label.section(u' ', 0, 0);
    if (word == u"Won")
        return QColor(39, 140, 76);
    if (word == u"Lost")
        return QColor(176, 48, 40);
    if (word == u"Played" || word == u"Moves")
        return QColor(42, 110, 175);
    if (word == u"Score")
        return QColor(128, 0, 0);
    if (word == u"Time")
        return QColor(214, 140, 20);
    return QColor(90, 90, 90);
}

void DrawShares(QChartView* view, const QString& title, const std::vector<ChartShare>& shares)
{
    QChart* chart = NewChart(title);
    auto* series = new QPieSeries;
    series->setPieSize(kPieSize);
    double total = 0;
    for (const ChartShare& s : shares)
        total += s.Value;
    for (const ChartShare& s : shares) {
        QPieSlice* slice = series->append(s.Label, s.Value);
        slice->setColor(s.Colour.isValid() ? s.Colour : SeriesColour(s.Label));
        slice->setBorderColor(Qt::white);
        // The legend carries the labels: beside a narrow pie they would be cut short.
        slice->setLabelVisible(false);
    }
    chart->addSeries(series);
    chart->legend()->setAlignment(Qt::AlignRight);
    if (total <= 0)
        chart->setTitle(title + QStringLiteral(" (no games)"));
    Replace(view, chart);
}

void DrawWonLost(QChartView* view, const QString& title, long long won, long long lost)
{
    DrawShares(view, title,
               {{QStringLiteral("Won : ") + QString::number(won), static_cast<double>(won), {}},
                {QStringLiteral("Lost : ") + QString::number(lost), static_cast<double>(lost), {}}});
}

void DrawTable(QChartView* view, const QString& title, const cChartTable& table, const QString& categoryTitle,
               const QString& valueTitle)
{
    QChart* chart = NewChart(title);
    auto* series = new QBarSeries;
    double low = 0;
    double high = 0;
    for (int c = 0; c < table.Columns().size(); ++c) {
        auto* set = new QBarSet(table.Columns()[c]);
        set->setColor(SeriesColour(table.Columns()[c]));
        set->setBorderColor(set->color());
        set->setLabelColor(kLabelInk);
        for (int r = 0; r < table.RowCount(); ++r) {
            const double v = table.Value(r, c);
            low = std::min(low, v);
            high = std::max(high, v);
            *set << v;
        }
        series->append(set);
    }
    const int bars = table.RowCount() * static_cast<int>(table.Columns().size());
    if (bars <= kMaxLabelledBars) {
        series->setLabelsVisible(true);
        series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        series->setLabelsPrecision(kLabelPrecision);
    }
    chart->addSeries(series);
    // Times are charted as plain seconds; the legend says so.
    for (QLegendMarker* marker : chart->legend()->markers(series))
        if (marker->label() == u"Time")
            marker->setLabel(QStringLiteral("Time (seconds)"));

    auto* categories = new QBarCategoryAxis;
    QStringList rows = table.Rows();
    if (rows.isEmpty())
        rows << QString();
    categories->append(rows);
    categories->setTitleText(categoryTitle);
    SmallTitle(categories);
    if (rows.size() > kCrowdedCategories) {
        const bool words = std::any_of(rows.begin(), rows.end(), [](const QString& s) { return s.size() > 2; });
        if (words)
            categories->setLabelsAngle(kUpright);
        QFont f = categories->labelsFont();
        f.setPointSize(kSmallPoints);
        categories->setLabelsFont(f);
    }
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);

    auto* values = new QValueAxis;
    const double step = NiceStep(high - low);
    // Room above the highest bar for its value label.
    const double top = (std::floor(high / step) + 1) * step;
    const double bottom = low < 0 ? std::floor(low / step) * step : 0;
    values->setRange(bottom, top);
    values->setTickCount(static_cast<int>(std::lround((top - bottom) / step)) + 1);
    values->setLabelFormat(QStringLiteral("%.0f"));
    values->setTitleText(valueTitle);
    SmallTitle(values);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    Replace(view, chart);
}

} // namespace solvane
