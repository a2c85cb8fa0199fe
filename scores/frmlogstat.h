#pragma once
// "Log Statistics": every recorded game, one row each, filtered by game, player and
// period. The rows are a model over the loaded table, so a long history lists at once.
#include "clogfilter.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmLogStat;
}

namespace solvane {

class cData;
class cLogModel;
class cScore;

class frmLogStat : public QDialog {
    Q_OBJECT
public:
    frmLogStat(cData& data, cScore& score, QWidget* parent = nullptr);
    ~frmLogStat() override;

    struct PeriodChoice {
        const char* Caption;
        const char* Key;
    };
    static const PeriodChoice kPeriods[];
    static constexpr int kPeriodCount = 7;
    static constexpr int kShowAll = 6;

    // Refills the list from the three choices.
    void FillList();
    const cLogModel& Model() const { return *model_; }

    void done(int result) override;

private:
    cLogFilter Filter() const;

    std::unique_ptr<Ui::frmLogStat> ui;
    cData& data_;
    cScore& score_;
    cLogModel* model_ = nullptr;
};

} // namespace solvane
