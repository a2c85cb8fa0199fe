#include "mtablearea.h"

#include "carray.h"

#include <algorithm>

namespace solvane {

QRectF GameArea(const cArray& board)
{
    const cGames& g = board.Games();
    QRectF area;
    auto add = [&](int cell, int pile, int pos) {
        area |= QRectF(g.GetCordX(cell, pile, pos), g.GetCordY(cell, pile, pos, 0), kCardWidth, kCardHeight);
    };
    add(kStock, 0, 0);
    for (int r = 0; r < g.Piles(kReserve); ++r)
        add(kReserve, r, 0);
    for (int f = 0; f < g.Piles(kFoundation); ++f)
        add(kFoundation, f, 0);
    for (int t = 0; t < g.Piles(kTableau); ++t)
        add(kTableau, t, std::max<int>(board.GetTop(kTableau, t), 0) + kRoomCards);
    return area.adjusted(-kAreaMargin, -kAreaMargin, kAreaMargin, kAreaMargin);
}

} // namespace solvane
