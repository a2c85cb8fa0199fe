#pragma once
// A board of its own, copied from another with its game definition: something another
// thread may read while play goes on.
#include "carray.h"
#include "cgames.h"

namespace solvane {

class cBoardCopy {
public:
    explicit cBoardCopy(const cArray& source) : games_(source.Games()), board_(games_)
    {
        board_.CopyStateFrom(source);
    }
    cBoardCopy(const cBoardCopy&) = delete;
    cBoardCopy& operator=(const cBoardCopy&) = delete;

    const cArray& Board() const { return board_; }
    cArray& Board() { return board_; }

private:
    cGames games_;
    cArray board_;
};

} // namespace solvane
