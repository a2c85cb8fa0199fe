#pragma once
// Dealing a game: giving the cards their values, laying out the deal, clearing the table,
// and drawing random game numbers.
namespace solvane {

class cArray;
class cRandom;

// Speeds of the deal, in animation steps.
constexpr int kDealSpeed = 3;
// Empty-pile marks: ranks 0..12, then "random" and "any card".
constexpr int kMarkRandom = 13;
constexpr int kMarkAnyCard = 14;
constexpr int kMaxRangeIndex = 15;

// Gives every card object the value the shuffle chose for its picture id.
void SetCardValues(cArray& a);
// Lays out the selected game on a board that Init has just shuffled.
void Deal(cArray& a);
// Hides every card and mark and resets the card objects.
void ClearTable(cArray& a);
// A fresh game number in 0 .. 10^rangeIndex, drawn right after mixing the clock in.
double RandomGameNumber(cRandom& rng, int rangeIndex, float secondsSinceMidnight);

} // namespace solvane
