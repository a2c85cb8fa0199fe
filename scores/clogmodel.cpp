#include "clogmodel.h"

#include "mscoreicons.h"
#include "mstatfigures.h"
#include "scorerecord.h"

namespace solvane {

namespace {
const char* const kHeaders[] = {"Date", "Player", "Game", "Score", "Time", "Moves", "Status", "Game Number"};
bool Numeric(int column)
{
    return column == cLogModel::Score || column == cLogModel::Time || column == cLogModel::Moves;
}
} // namespace

cLogModel::cLogModel(const cScoreTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), won_(WonIcon()), lost_(LostIcon())
{
}

void cLogModel::SetRows(std::vector<int> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int cLogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int cLogModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString cLogModel::DateCell(int tableRow) const
{
    const int32_t day = table_.DayOf(tableRow);
    if (day == kNoDay)
        return table_.DateText(tableRow); // unreadable: shown as written
    if (day != lastDay_) {
        lastDay_ = day;
        lastDate_ = form_.ShortDate(QDate::fromJulianDay(day));
    }
    return lastDate_;
}

QString cLogModel::Text(int row, int column) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const int t = rows_[static_cast<size_t>(row)];
    const cScoreTable::Row& r = table_.At(t);
    switch (column) {
    case Date: return DateCell(t);
    case Player: return table_.Player(t);
    case Game: return table_.GameName(t);
    case Score: return QString::number(r.Score);
    case Time: return TimeText(r.Time);
    case Moves: return QString::number(r.Moves);
    case Status: return StatusText(r.Won);
    case GameNumber: return table_.GameNo(t).Text();
    default: return {};
    }
}

QVariant cLogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return Text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (Numeric(index.column()))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::DecorationRole:
        if (index.column() == Status)
            return table_.At(rows_[static_cast<size_t>(index.row())]).IsWon() ? won_ : lost_;
        return {};
    default:
        return {};
    }
}

QVariant cLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Numeric(section) ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return QString::fromLatin1(kHeaders[section]);
}

} // namespace solvane
