#include "mdeal.h"

#include "carray.h"
#include "gamerules.h"
#include "iboardobserver.h"
#include "mround.h"

#include <cmath>

namespace solvane {

namespace {
constexpr int kRandomBase = 13;

int SuitOf(int value, int suitType)
{
    switch (suitType) {
    case 2: return (value % kDeckCards) / kRanks;
    case 1: return (value % kDeckCards) / (2 * kRanks);
    default: return 0;
    }
}

void ShowMark(cArray& a, int cell, int pile, int mark)
{
    if (a.Observer())
        a.Observer()->PlaceholderShown(cell, pile, a.CordX(cell, pile, 0), a.CordY(cell, pile, 0),
                                       mark);
}

// The stock's top card goes to (cell, pile, pos), face up.
void DealFromStock(cArray& a, int cell, int pile, int pos)
{
    a.Move(a.GetTopPicID(kStock, 0), cell, pile, pos, kModeDeal, kDealSpeed, 0, false);
}
} // namespace

void SetCardValues(cArray& a)
{
    const int suitType = a.Games().SuitType();
    for (int p = 0; p < a.TotalCards() && p < kDeckCards; ++p) {
        const int v = a.GetRandom(p);
        cCard& c = a.Card(p);
        c.Num = static_cast<int16_t>(v % kRanks);
        c.Suitpile = static_cast<int16_t>(v / kRanks);
        c.Suit = static_cast<int16_t>(SuitOf(v, suitType));
    }
    if (a.Observer())
        a.Observer()->CardValuesSet();
}

void Deal(cArray& a)
{
    const cGames& g = a.Games();
    const int n = a.TotalCards();
    // A "random" base takes the rank of the card the shuffle placed last, so that some card
    // can start the foundations.
    const int goalType = g.GoalType();
    a.SetBaseRank(static_cast<int16_t>(goalType == kRandomBase ? a.CardNum(n - 1) : goalType));
    const int base = a.BaseRank();

    std::vector<bool> onFoundation(n, false);
    const int baseCards = g.Cards(kFoundation);
    if (baseCards >= 1) {
        for (int p = 0; p < n; ++p) {
            const cCard& c = a.Card(p);
            if (c.Num == base && c.Suitpile < baseCards) {
                a.Move(p, kFoundation, c.Suitpile, 0, kModeDeal, 0, 0, false);
                onFoundation[p] = true;
            }
        }
    }

    for (int f = 0; f < g.Piles(kFoundation); ++f)
        ShowMark(a, kFoundation, f, base);
    for (int r = 0; r < g.Piles(kReserve); ++r)
        ShowMark(a, kReserve, r, kMarkAnyCard);
    for (int t = 0; t < g.Piles(kTableau); ++t)
        ShowMark(a, kTableau, t, g.EmptyNum() == kAnyRank ? kMarkAnyCard : g.EmptyNum());

    for (int p = 0; p < n; ++p)
        if (!onFoundation[p])
            a.Move(p, kStock, 0, a.GetTop(kStock, 0) + 1, kModeDeal, 0, 0, true);

    const int cells = g.Piles(kReserve);
    for (int i = 0; i < g.Cards(kReserve) && cells > 0; ++i)
        DealFromStock(a, kReserve, i % cells, i / cells);

    a.SoundDue("Start");

    const int piles = g.Piles(kTableau);
    for (int i = 0; i < g.Cards(kTableau) && piles > 0; ++i)
        DealFromStock(a, kTableau, i % piles, i / piles);
}

void ClearTable(cArray& a)
{
    for (int p = 0; p < kDeckCards; ++p) {
        cCard& c = a.Card(p);
        c.Visible = false;
        c.Cell = c.Pile = c.Pos = 0;
        c.Num = c.Suit = c.Suitpile = 0;
    }
    if (a.Observer())
        a.Observer()->TableCleared();
}

double RandomGameNumber(cRandom& rng, int rangeIndex, float secondsSinceMidnight)
{
    if (rangeIndex <= 0)
        return 0;
    rng.RandomizeTimer(secondsSinceMidnight);
    const float r = rng.Rnd();
    return RoundHalfEven(std::pow(10.0, rangeIndex) * static_cast<double>(r));
}

} // namespace solvane
