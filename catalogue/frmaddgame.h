#pragma once
// The new-game dialog: the ten rule values of a new game chosen from lists, saved as a
// game file under the typed name.
#include "gamerules.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace solvane {

class cCustom;
class cData;
class iPrompt;

class frmAddGame : public QDialog {
    Q_OBJECT
public:
    frmAddGame(cData& data, cCustom& custom, iPrompt& prompt, QWidget* parent = nullptr);

    // The rules the lists stand for now (the values the items carry, not their texts).
    GameRules ChosenRules() const;

    QLineEdit* txtName = nullptr;
    QComboBox* imcGorder = nullptr;
    QComboBox* imcGoalBase = nullptr;
    QComboBox* imcGoalCards = nullptr;
    QComboBox* imcHorder = nullptr;
    QComboBox* imcHomePiles = nullptr;
    QComboBox* imcHomeEmpty = nullptr;
    QCheckBox* chkHomeAK = nullptr;
    QCheckBox* chkMulti = nullptr;
    QComboBox* imcResPiles = nullptr;
    QComboBox* imcResCards = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void BuildControls();
    QComboBox* AddList(QGridLayout* grid, const QString& label);
    void FillLists();
    void FillResCards(int freeCells);
    void cmdAddClick();
    // Why the typed name cannot be saved, or nothing.
    std::optional<QString> NameRefusal(const QString& name) const;
    bool Save(const QString& name);

    cData& data_;
    cCustom& custom_;
    iPrompt& prompt_;
    QStringList orderNames_; // by order code
    QStringList cardNames_;  // "Ace" .. "King" by rank
};

} // namespace solvane
