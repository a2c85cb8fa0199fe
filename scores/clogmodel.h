#pragma once
// The log list's rows over the loaded table: only row numbers are kept, and the cells of
// the rows on screen are made when the view asks for them.
#include "cdateform.h"
#include "cscoretable.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <vector>

namespace solvane {

class cLogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Date, Player, Game, Score, Time, Moves, Status, GameNumber, ColumnCount };

    explicit cLogModel(const cScoreTable& table, QObject* parent = nullptr);

    // The table rows (from 0) to list, in this order.
    void SetRows(std::vector<int> rows);
    const std::vector<int>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text of a cell, as the list shows it.
    QString Text(int row, int column) const;

private:
    QString DateCell(int tableRow) const;

    const cScoreTable& table_;
    std::vector<int> rows_;
    cDateForm form_;
    QIcon won_;
    QIcon lost_;
    // Neighbouring rows mostly share a day: its text is made once.
    mutable int32_t lastDay_ = kNoDay;
    mutable QString lastDate_;
};

} // namespace solvane
