#pragma once
// Small list and button pictures drawn by code on a 16-unit square, painted at several
// pixel sizes so they stay sharp on any screen.
#include <QIcon>

#include <functional>

class QPainter;

namespace solvane {

constexpr int kIconGrid = 16;

// The icon of a drawing made in 16 x 16 units; selected rows keep its colours.
QIcon DrawnIcon(const std::function<void(QPainter&)>& draw);
// A person: the picture of a player wherever players are listed.
QIcon PlayerIcon();

} // namespace solvane
