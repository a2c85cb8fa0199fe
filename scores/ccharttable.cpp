#include "ccharttable.h"

namespace solvane {

void cChartTable::AddRow(const QString& label, std::vector<double> values)
{
    rows_ << label;
    values_.push_back(std::move(values));
}

void cChartTable::SetRow(int row, std::vector<double> values)
{
    if (row >= 0 && row < RowCount())
        values_[static_cast<size_t>(row)] = std::move(values);
}

double cChartTable::Value(int row, int column) const
{
    if (row < 0 || row >= RowCount())
        return 0;
    const auto& v = values_[static_cast<size_t>(row)];
    return column >= 0 && column < static_cast<int>(v.size()) ? v[static_cast<size_t>(column)] : 0;
}

} // namespace solvane
