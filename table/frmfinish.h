#pragma once
// "Congrats": the figures of a won game, with a chart, and the ways on from there.
#include <QDialog>

#include <memory>

class QToolBar;

namespace Ui {
class frmFinish;
}

namespace solvane {

class cServices;
class frmMain;

class frmFinish : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Close, New, Select, Restart };
    // The main window opens the statistics windows, this dialog staying open.
    frmFinish(cServices& services, frmMain& main, QWidget* parent = nullptr);
    ~frmFinish() override;

    Choice Chosen() const { return chosen_; }
    QToolBar* Toolbar() const { return toolbar_; }

private:
    void FillList();
    void FillChart();
    void BuildToolbar();
    void Choose(Choice c);

    std::unique_ptr<Ui::frmFinish> ui;
    cServices& services_;
    frmMain& main_;
    QToolBar* toolbar_ = nullptr;
    Choice chosen_ = Choice::Close;
};

} // namespace solvane
