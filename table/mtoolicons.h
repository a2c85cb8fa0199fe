#pragma once
// The toolbar's icons, painted by our own code.
#include <QIcon>
#include <QString>

namespace solvane {

// The icon of a toolbar button by its key ("New", "Select", "Restart", "Autoplay", "Undo",
// "Redo", "Back", "ReplayStop", "Forward", "Statistics", "Help", "Hint", "Solve",
// "Highscore", "Close"); an empty icon for an unknown key.
QIcon ToolIcon(const QString& key);

} // namespace solvane
