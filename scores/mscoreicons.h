#pragma once
// Small icons of the statistics and favourites windows' lists and choices, painted here.
#include "mdrawnicon.h" // PlayerIcon

#include <QIcon>

namespace solvane {

QIcon GameIcon();      // a card
QIcon PeriodIcon();    // a calendar leaf
QIcon ScoreIcon();     // a star
QIcon MovesIcon();     // an arrow
QIcon TimeIcon();      // a clock
QIcon FavouriteIcon(); // a heart
QIcon WonIcon();       // a tick
QIcon LostIcon();      // a cross

} // namespace solvane
