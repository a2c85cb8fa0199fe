#pragma once
// "Game Statistics": the recorded games of all players as totals, per game, per period
// and per player, with charts. The score files are loaded while the window is open.
#include "mtablescan.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmGameStat;
}

namespace solvane {

class cData;
class cScore;

class frmGameStat : public QDialog {
    Q_OBJECT
public:
    frmGameStat(cData& data, cScore& score, QWidget* parent = nullptr);
    ~frmGameStat() override;

    // The period choices of the Date-wise tab, in their order.
    struct PeriodChoice {
        const char* Key;
        const char* Caption;
        const char* Tag;
        int Periods;
    };
    static const PeriodChoice kPeriods[];
    static constexpr int kPeriodCount = 6;
    // Games of one name charted one by one.
    static constexpr int kChartedGames = 50;

    void ShowGame(const QString& name);
    void ShowPeriods(int choice);
    void ShowPlayer(const QString& name);

    void done(int result) override;

private:
    void Load();
    void FillGeneral();
    void FillGames();
    void FillDates();
    void FillPlayers();
    void Export();

    std::unique_ptr<Ui::frmGameStat> ui;
    cData& data_;
    cScore& score_;
    GroupTotals totals_;
};

} // namespace solvane
