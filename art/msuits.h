#pragma once
// The four suit symbols as outlines, and the colours of the card faces.
#include <QColor>
#include <QPainterPath>
#include <QPointF>

namespace solvane {

enum Suit : int { kClubs = 0, kDiamonds = 1, kSpades = 2, kHearts = 3 };

// The symbol of a suit, centred on `centre`, `height` logical pixels high (its width
// follows the symbol's shape; a diamond is the narrowest).
QPainterPath SuitPath(int suit, QPointF centre, double height);
bool IsRedSuit(int suit);

// The ink of a suit: near-black or red.
QColor SuitInk(int suit);

} // namespace solvane
