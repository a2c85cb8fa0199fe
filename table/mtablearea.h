#pragma once
// The part of the table a game uses, in twips: what the table view fits to the window.
#include <QRectF>

namespace solvane {

class cGames;

// Cards that fit below the deepest pile of the deal before a pile lies closer.
constexpr int kRoomCards = 6;
// Around the cards; the layout's own top margin.
constexpr int kAreaMargin = 200;
// Between the last card of a pile and the bottom of the table shown.
constexpr int kBottomMargin = 150;

// The free cells, foundations, deck and tableau piles of a game, with room below the
// deepest pile its deal makes for kRoomCards more cards.
QRectF GameArea(const cGames& game);

} // namespace solvane
