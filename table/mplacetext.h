#pragma once
// The names of cards and places as a screen reader says them: "Seven of Hearts, pile 3",
// "free cell 2, empty", "Hearts foundation, Five".
#include "mrules.h"

#include <QString>

namespace solvane {

class cArray;

QString RankName(int num);
QString SuitName(int suit);
QString CardName(int num, int suit);
// The place and its top card.
QString PlaceText(const cArray& board, PileAddress place);

} // namespace solvane
