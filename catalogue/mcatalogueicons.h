#pragma once
// The small pictures of the game lists: a group of games, a standard game and a designed
// game. Painted at several sizes so they stay sharp on any screen.
#include <QIcon>

namespace solvane {

QIcon GroupIcon();
QIcon StandardGameIcon();
QIcon CustomGameIcon();

} // namespace solvane
