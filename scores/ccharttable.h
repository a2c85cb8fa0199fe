#pragma once
// The figures a chart shows: categories (rows) by series (columns), one label per series.
// A row without values is a category shown empty.
#include <QString>
#include <QStringList>

#include <vector>

namespace solvane {

class cChartTable {
public:
    explicit cChartTable(QStringList columns = {}) : columns_(std::move(columns)) {}

    void AddRow(const QString& label, std::vector<double> values = {});
    void SetRow(int row, std::vector<double> values);

    const QStringList& Columns() const { return columns_; }
    const QStringList& Rows() const { return rows_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // 0 for a row without values.
    double Value(int row, int column) const;
    bool RowEmpty(int row) const { return values_[static_cast<size_t>(row)].empty(); }

private:
    QStringList columns_;
    QStringList rows_;
    std::vector<std::vector<double>> values_;
};

} // namespace solvane
