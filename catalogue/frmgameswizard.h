#pragma once
// The game wizard: the designed games with the rules of the selected one, and the way to
// add and delete them.
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace solvane {

class cCustom;
class cData;
class cGamePanel;
class iPrompt;

class frmGamesWizard : public QDialog {
    Q_OBJECT
public:
    frmGamesWizard(cData& data, cCustom& custom, iPrompt& prompt, QWidget* parent = nullptr);

    QListWidget* ListView1 = nullptr;
    cGamePanel* Panel = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* lbNoGames = nullptr; // says how to begin when there is no designed game

private:
    void BuildControls();
    void FillList();
    void ShowSelected();
    void cmdAddClick();
    void cmdDeleteClick();

    cData& data_;
    cCustom& custom_;
    iPrompt& prompt_;
};

} // namespace solvane
