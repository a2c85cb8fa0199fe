#include "mtablearea.h"

#include "ccard.h"
#include "cgames.h"

#include <algorithm>

namespace solvane {

QRectF GameArea(const cGames& g)
{
    QRectF area;
    auto add = [&](int cell, int pile, int pos) {
        area |= QRectF(g.GetCordX(cell, pile, pos), g.GetCordY(cell, pile, pos, 0), kCardWidth, kCardHeight);
    };
    add(kStock, 0, 0);
    for (int r = 0; r < g.Piles(kReserve); ++r)
        add(kReserve, r, 0);
    for (int f = 0; f < g.Piles(kFoundation); ++f)
        add(kFoundation, f, 0);
    const int piles = std::max<int>(g.Piles(kTableau), 1);
    const int deepest = (g.Cards(kTableau) + piles - 1) / piles; // cards in the fullest pile
    for (int t = 0; t < g.Piles(kTableau); ++t)
        add(kTableau, t, std::max(deepest - 1, 0) + kRoomCards);
    return area.adjusted(-kAreaMargin, -kAreaMargin, kAreaMargin, kAreaMargin);
}

} // namespace solvane
