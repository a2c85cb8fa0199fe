#pragma once
// The display texts of rule codes, shown wherever a game's rules are described.
#include "gamerules.h"

#include <QString>
#include <QStringList>

namespace solvane {

// "Up Same Suit" ... "Up or Down Regardless of Suit" for order codes 0..9.
QString OrderName(int code);
// "Ace" ... "King" for 0..12, "Random" for 13.
QString BaseCardName(int code);
// "Ace" ... "King" for 0..12, "Any Card" for 13.
QString SpaceCardName(int code);
// "False" for 0, "True" for 1.
QString FlagName(int code);

// Every code outside the listed ones gives the empty string.

// The lines that describe a game's rules, group by group, as every description of a
// game shows them ("Card Arranging Order : Up Same Suit", ...).
struct RulesTexts {
    QStringList foundation; // order, base card, initial cards
    QStringList tableau;    // piles, order, space filling card, wrapping, multi move
    QStringList freeCells;  // piles, initial cards
};
RulesTexts DescribeRules(const GameRules& rules);

} // namespace solvane
