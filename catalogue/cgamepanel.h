#pragma once
// The description of a game's rules: its name, then the foundation, tableau and free-cell
// rules under their group captions. The selection window and the game wizard show it.
#include "gamerules.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;

namespace solvane {

class cCustom;

class cGamePanel : public QWidget {
    Q_OBJECT
public:
    explicit cGamePanel(QWidget* parent = nullptr);

    // Loads the game's rules into the store and describes them; a game whose rules cannot
    // be read is named with the reason instead, which is also returned.
    std::optional<QString> ShowGameDetails(cCustom& custom, const QString& name);
    void Describe(const QString& name, const GameRules& rules);
    // Hides or shows every caption and line (the wizard hides them when there is no game).
    void SetLabelsVisible(bool visible);

private:
    QLabel* AddLabel(const char* objectName, bool caption = false);
    void ShowProblem(const QString& name, const QString& problem);

    QLabel* lbName = nullptr;
    QLabel* lbProblem = nullptr;
    std::vector<QLabel*> lines_;    // the ten rule lines, foundation first
    std::vector<QLabel*> captions_; // "Foundation", "Tableau", "Free Cells"
};

} // namespace solvane
