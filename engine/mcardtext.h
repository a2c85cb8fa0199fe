#pragma once
// Cards and boards as text: ranks A 2..9 T J Q K, suits C D S H.
#include <string>

namespace solvane {

class cArray;

char RankLetter(int num);
char SuitLetter(int suit);
std::string CardText(int num, int suit);
// The layout as the common free-cell solvers read it: a Foundations line, a Freecells
// line and one line per tableau pile, bottom card first.
std::string BoardText(const cArray& a);

} // namespace solvane
