#pragma once
// The game selection window: every playable game in a tree of standard and designed
// games, the player to play as, the rules of the selected game, and Play.
#include "gamestarter.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace solvane {

class cCustom;
class cData;
class cGamePanel;

class frmSelect : public QDialog {
    Q_OBJECT
public:
    // Again: a start was refused while the window ran modally; run it again.
    enum class Choice { None, Play, Create, Again };

    frmSelect(cData& data, cCustom& custom, GameStarter starter, QWidget* parent = nullptr);
    // What closed the window: Create asks the caller to open the game wizard.
    Choice Chosen() const { return chosen_; }
    // Runs the window modally until the player plays, creates or cancels.
    Choice Run();
    // Lists the games again, after the game list changed.
    void RefreshGames();

    QTreeWidget* TreeView1 = nullptr;
    QComboBox* imcPlayer = nullptr;
    cGamePanel* Panel = nullptr;
    QPushButton* cmdPlay = nullptr;
    QPushButton* cmdCreate = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void BuildControls();
    void FillPlayers();
    void FillTree();
    QTreeWidgetItem* AddGroup(const QString& text, const QString& key);
    static bool IsGroup(const QTreeWidgetItem* node);
    void NodeClick(QTreeWidgetItem* node);
    void cmdPlayClick();
    void cmdCreateClick();

    cData& data_;
    cCustom& custom_;
    GameStarter starter_;
    Choice chosen_ = Choice::None;
};

} // namespace solvane
