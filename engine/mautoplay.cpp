#include "mautoplay.h"

#include "carray.h"
#include "iboardhost.h"
#include "mrules.h"

namespace solvane {

void Autoplay(cArray& a)
{
    if (a.Games().DisAutoPlay() || !a.Host() || !a.Host()->AutoplayOn())
        return;
    for (int t = 0; t < a.Games().Piles(kTableau); ++t)
        if (a.GetTop(kTableau, t) != kEmpty)
            PlayToFoundation(a, a.GetTopPicID(kTableau, t));
    for (int r = 0; r < a.Games().Piles(kReserve); ++r)
        if (a.GetTop(kReserve, r) != kEmpty)
            PlayToFoundation(a, a.GetTopPicID(kReserve, r));
}

} // namespace solvane
