#pragma once
// Boards from elsewhere, in the text form the deal command prints: an optional
// "Foundations:" line (suit-rank pairs such as H-5, the suit's cards from the base rank up
// to that rank), an optional "Freecells:" line ("-" for an empty cell) and one line per
// tableau pile, bottom card first, with an optional leading colon. Tens may be T or 10.
#include "gamerules.h"

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace solvane {

class cBoardSet;

// The boards of a text, separated by blank lines.
std::vector<std::string> SplitBoards(std::istream& in);

// Lays the board out on the set under the rules, as a deal would leave it. Gives the
// reason when the text is not a board of the game; the set is then not usable.
// A game with a random base card takes its base rank from the first card dealt: the
// first free cell's card, or else the bottom card of the first pile.
std::optional<std::string> ReadBoard(const std::string& text, const GameRules& rules, cBoardSet& set);

} // namespace solvane
