#pragma once
// The game-number window: starts a game with the number the player types, so that a deal
// can be played again.
#include "gamestarter.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace solvane {

class cData;
class iPrompt;

class frmChoose : public QDialog {
    Q_OBJECT
public:
    frmChoose(cData& data, iPrompt& prompt, GameStarter starter, QWidget* parent = nullptr);

    // The excluded upper end of the range: 10 to the power of the range setting, minus 1.
    static double RangeEnd(int rangeIndex);
    // The range end as the window shows it, with group separators ("99,999").
    static QString RangeText(double end);
    // Whether the text is a number strictly between 0 and the range end.
    static bool Accepts(const QString& text, double end);

    QLabel* lblName = nullptr;
    QLabel* lblRange = nullptr;
    QLineEdit* Text1 = nullptr;
    QComboBox* imcGames = nullptr;
    QComboBox* imcPlayer = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void BuildControls();
    void FillLists();
    void cmdSelectClick();

    cData& data_;
    iPrompt& prompt_;
    GameStarter starter_;
    double end_ = 0;
};

} // namespace solvane
