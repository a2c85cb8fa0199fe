#include "mcardtext.h"

#include "carray.h"

#include <array>

namespace solvane {

char RankLetter(int num) { return (num >= 0 && num < kRanks) ? "A23456789TJQK"[num] : '?'; }
char SuitLetter(int suit) { return (suit >= 0 && suit < kSuits) ? "CDSH"[suit] : '?'; }

std::string CardText(int num, int suit) { return {RankLetter(num), SuitLetter(suit)}; }

namespace {
std::string CardAt(const cArray& a, int cell, int pile, int pos)
{
    const cCard& c = a.Card(a.GetPicID(cell, pile, pos));
    return CardText(c.Num, c.Suit);
}

std::string FoundationsLine(const cArray& a)
{
    // The highest rank of each suit on the foundations, counted from the Ace.
    std::array<int, kSuits> highest{};
    highest.fill(-1);
    for (int f = 0; f < a.Games().Piles(kFoundation); ++f)
        for (int i = 0; i <= a.GetTop(kFoundation, f); ++i) {
            const cCard& c = a.Card(a.GetPicID(kFoundation, f, i));
            highest[c.Suit] = std::max<int>(highest[c.Suit], c.Num);
        }
    std::string s = "Foundations:";
    for (int suit = 0; suit < kSuits; ++suit) {
        s += ' ';
        s += SuitLetter(suit);
        s += '-';
        s += highest[suit] < 0 ? '0' : RankLetter(highest[suit]);
    }
    return s;
}
} // namespace

std::string BoardText(const cArray& a)
{
    std::string s = FoundationsLine(a) + "\nFreecells:";
    for (int r = 0; r < a.Games().Piles(kReserve); ++r)
        s += ' ' + (a.GetTop(kReserve, r) == kEmpty ? std::string("-") : CardAt(a, kReserve, r, 0));
    s += '\n';
    for (int t = 0; t < a.Games().Piles(kTableau); ++t) {
        s += ':';
        for (int i = 0; i <= a.GetTop(kTableau, t); ++i)
            s += ' ' + CardAt(a, kTableau, t, i);
        s += '\n';
    }
    return s;
}

} // namespace solvane
