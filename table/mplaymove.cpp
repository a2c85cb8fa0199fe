#include "mplaymove.h"

#include "carray.h"
#include "mrules.h"

namespace solvane {

bool PlayMove(cArray& board, int pic, int count, int cell, int pile)
{
    if (!Accepts(board, pic, count, cell, pile))
        return false;
    board.Move(pic, cell, pile, board.GetTop(cell, pile) + 1, kModeNormal, kPlaySpeed, count);
    return true;
}

} // namespace solvane
