#pragma once
// "Game History": the move log as a list, built once when the window opens.
#include <QDialog>

#include <memory>

namespace Ui {
class frmHistory;
}

namespace solvane {

class cTrans;

class frmHistory : public QDialog {
    Q_OBJECT
public:
    frmHistory(const cTrans& log, QWidget* parent = nullptr);
    ~frmHistory() override;

    // Fills the list from the log.
    void CreateLV();

private:
    std::unique_ptr<Ui::frmHistory> ui;
    const cTrans& log_;
};

} // namespace solvane
