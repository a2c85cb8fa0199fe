#pragma once
// The legality tests of the game family. They read the board and the game definition
// and never change either.
#include <vector>

namespace solvane {

class cArray;

// Order codes.
enum OrderCode : int {
    kUpSameSuit = 0,
    kUpAlternateColor = 1,
    kUpRegardless = 2,
    kDownSameSuit = 3,
    kDownAlternateColor = 4,
    kDownRegardless = 5,
    kAnyCard = 6,
    kEitherSameSuit = 7,
    kEitherAlternateColor = 8,
    kEitherRegardless = 9,
};

// Animation steps of a move the player makes (and of autoplay's), and of a refused drop
// going back.
constexpr int kPlaySpeed = 3;

// May card `upper` lie directly on card `lower` under the order code?
bool Fits(const cArray& a, int lower, int upper, int orderCode, bool wrap);
// By ranks and suits alone, for code that has no card objects at hand.
bool FitsValues(int lowerNum, int lowerSuit, int upperNum, int upperSuit, int orderCode, bool wrap);
// Do the `count` cards lying on the card in its tableau pile form a movable run?
bool SequenceOK(const cArray& a, int pic, int count);
// How many cards may lie on a moved card: (free cells + 1) x (empty piles + 1) - 1.
int SequenceCapacity(const cArray& a);
bool AcceptsOnTableau(const cArray& a, int pic, int pile);
bool AcceptsOnReserve(const cArray& a, int pic, int pile, int count);
bool AcceptsOnFoundation(const cArray& a, int pic, int pile, int count);
// May the player take hold of the card; `count` gets the number of cards that come with it.
bool CanPickUp(const cArray& a, int pic, int& count);
// May the card, with the `count` cards on it, be put on top of the pile (cell, pile)? The
// one question every way of playing asks before a move.
bool Accepts(const cArray& a, int pic, int count, int cell, int pile);

struct PileAddress {
    int Cell, Pile;
    bool operator==(const PileAddress&) const = default;
};
// Every tableau pile, free cell and foundation that accepts the card with its `count` cards,
// in the order tableau piles, free cells, foundations.
std::vector<PileAddress> AcceptingPiles(const cArray& a, int pic, int count);
// Plays the card to the first foundation that takes it, with the autoplay sound.
// Answers whether one did.
bool PlayToFoundation(cArray& a, int pic);

} // namespace solvane
