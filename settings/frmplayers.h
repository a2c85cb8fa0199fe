#pragma once
// "Players": the list of players, adding, renaming, deleting and choosing the current one.
#include <QDialog>

#include <memory>

namespace Ui {
class frmPlayers;
}

class QListWidgetItem;

namespace solvane {

class cData;
class iScoreStore;
class iPrompt;

class frmPlayers : public QDialog {
    Q_OBJECT
public:
    frmPlayers(cData& data, const iScoreStore& score, iPrompt& prompt, QWidget* parent = nullptr);
    ~frmPlayers() override;

    // Lists the players in slot order with the current player selected.
    void FillList();
    // The selected player's name, empty when none is selected.
    QString SelectedName() const;

    void cmdAddClick();
    void cmdEditClick();
    void cmdDeleteClick();
    void cmdSelectClick();

private:
    // Delete only for another player than the current one; Edit and Select for any player.
    void UpdateButtons();

    std::unique_ptr<Ui::frmPlayers> ui;
    cData& data_;
    const iScoreStore& score_;
    iPrompt& prompt_;
};

} // namespace solvane
