#include "mposition.h"

#include "carray.h"

namespace solvane {

std::optional<std::string> LoadPosition(const cArray& board, cPosition& p)
{
    const cSolverRules& rules = p.Rules();
    int seen = 0;
    for (int cell = 0; cell < kBoardCells; ++cell)
        for (int pile = 0; pile < kBoardPiles; ++pile) {
            const int top = board.GetTop(cell, pile);
            if (top == kEmpty)
                continue;
            int loc = -1;
            if (cell == kTableau && pile < rules.Piles())
                loc = pile;
            else if (cell == kReserve && pile < rules.Cells())
                loc = kCellLoc + pile;
            else if (cell == kFoundation && pile < kSolverFoundations)
                loc = kFoundationLoc + pile;
            if (loc < 0)
                return "cards lie outside the piles of the game";
            for (int i = 0; i <= top; ++i) {
                const int pic = board.GetPicID(cell, pile, i);
                if (pic < 0 || pic >= kSolverCards)
                    return "a slot of the board holds no card";
                if (board.CardFace(pic) != kFaceUp)
                    return "a card lies face down";
                p.Push(loc, pic);
                ++seen;
            }
        }
    if (seen != kSolverCards)
        return "the board does not hold all 52 cards";
    return std::nullopt;
}

void LocateOnBoard(int loc, int& cell, int& pile)
{
    if (IsTableauLoc(loc)) {
        cell = kTableau;
        pile = loc;
    } else if (IsCellLoc(loc)) {
        cell = kReserve;
        pile = loc - kCellLoc;
    } else {
        cell = kFoundation;
        pile = loc - kFoundationLoc;
    }
}

} // namespace solvane
