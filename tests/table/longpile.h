#pragma once
// A designed game in which any card may lie on any other, so that a test can build a long
// pile with ordinary moves.
#include "carray.h"
#include "ccustom.h"
#include "gamerules.h"

namespace solvane::test {

constexpr const char* kAnyOnAnyGame = "Any On Any";

// Writes the game's file: foundations up in suit from the Ace, tableau any card on any,
// eight piles, four free cells.
inline void WriteAnyOnAnyGame(cCustom& custom)
{
    GameRules r;
    r.hOrder = 6;
    r.hSpace = 13;
    custom.WriteGame(kAnyOnAnyGame, r);
    custom.Init();
}

// Moves the top cards of the other piles onto `pile`, one ordinary move at a time, until
// it holds `count` cards (or no other pile has a card left).
inline void BuildLongPile(cArray& a, int pile, int count)
{
    for (int from = 0; a.GetTop(kTableau, pile) + 1 < count && from < a.Games().Piles(kTableau);) {
        if (from == pile || a.GetTop(kTableau, from) < 0) {
            ++from;
            continue;
        }
        a.Move(a.GetTopPicID(kTableau, from), kTableau, pile, a.GetTop(kTableau, pile) + 1, kModeNormal, 0);
    }
}

} // namespace solvane::test
