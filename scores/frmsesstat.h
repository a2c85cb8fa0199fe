#pragma once
// "Session Statistics": the games finished since the program started and the game in
// progress, whose figures a half-second timer keeps current while the window is open.
#include "ccharttable.h"

#include <QDialog>
#include <QTimer>

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class frmSesStat;
}

namespace solvane {

class cData;
class cScore;

class frmSesStat : public QDialog {
    Q_OBJECT
public:
    frmSesStat(cData& data, cScore& score, QWidget* parent = nullptr);
    ~frmSesStat() override;

    static constexpr int kTickMs = 500;

    // The timer's work: the session's elapsed time and the running game's time and score.
    void Tick();
    // Brings the running game's bars of the session chart up to date.
    void RefreshChart();
    const cChartTable& ChartTable() const { return chart_; }

private:
    void FillSummary();
    void FillDetails();
    void FillGameLabels();
    void DrawChart();

    std::unique_ptr<Ui::frmSesStat> ui;
    cData& data_;
    cScore& score_;
    QTimer Timer1;
    cChartTable chart_;
    QTreeWidgetItem* runningRow_ = nullptr;
    QTreeWidgetItem* runningChartRow_ = nullptr;
};

} // namespace solvane
