#include "mrules.h"

#include "carray.h"

namespace solvane {

namespace {
constexpr int kAce = 0;

enum class RankRule { Up, Down, Either, Any, None };
enum class SuitRule { Same, OtherColor, Free };

RankRule RankRuleOf(int code)
{
    switch (code) {
    case kUpSameSuit: case kUpAlternateColor: case kUpRegardless: return RankRule::Up;
    case kDownSameSuit: case kDownAlternateColor: case kDownRegardless: return RankRule::Down;
    case kEitherSameSuit: case kEitherAlternateColor: case kEitherRegardless: return RankRule::Either;
    case kAnyCard: return RankRule::Any;
    default: return RankRule::None;
    }
}

SuitRule SuitRuleOf(int code)
{
    switch (code) {
    case kUpSameSuit: case kDownSameSuit: case kEitherSameSuit: return SuitRule::Same;
    case kUpAlternateColor: case kDownAlternateColor: case kEitherAlternateColor:
        return SuitRule::OtherColor;
    default: return SuitRule::Free;
    }
}

bool OneUp(int l, int u, bool wrap) { return u == l + 1 || (wrap && l == kKing && u == kAce); }
bool OneDown(int l, int u, bool wrap) { return l == u + 1 || (wrap && l == kAce && u == kKing); }
int ColorOfSuit(int suit) { return (suit == 0 || suit == 2) ? 1 : 2; }
} // namespace

bool FitsValues(int l, int lSuit, int u, int uSuit, int code, bool wrap)
{
    bool rank = false;
    switch (RankRuleOf(code)) {
    case RankRule::Up: rank = OneUp(l, u, wrap); break;
    case RankRule::Down: rank = OneDown(l, u, wrap); break;
    case RankRule::Either: rank = OneUp(l, u, wrap) || OneDown(l, u, wrap); break;
    case RankRule::Any: return true;
    case RankRule::None: return false;
    }
    if (!rank)
        return false;
    switch (SuitRuleOf(code)) {
    case SuitRule::Same: return uSuit == lSuit;
    case SuitRule::OtherColor: return ColorOfSuit(uSuit) != ColorOfSuit(lSuit);
    case SuitRule::Free: return true;
    }
    return false;
}

bool Fits(const cArray& a, int lower, int upper, int code, bool wrap)
{
    return FitsValues(a.CardNum(lower), a.CardSuit(lower), a.CardNum(upper), a.CardSuit(upper),
                      code, wrap);
}

bool SequenceOK(const cArray& a, int pic, int count)
{
    const int pile = a.CardPile(pic);
    const int s = a.CardPos(pic);
    const int order = a.Games().MultiOrder();
    const bool wrap = a.Games().AK(kTableau) != 0;
    for (int k = s; k < s + count; ++k)
        if (!Fits(a, a.GetPicID(kTableau, pile, k), a.GetPicID(kTableau, pile, k + 1), order, wrap))
            return false;
    return true;
}

int SequenceCapacity(const cArray& a)
{
    const int f = a.EmptyPiles(kReserve);
    const int e = a.EmptyPiles(kTableau);
    return (f + 1) * e + f;
}

bool AcceptsOnTableau(const cArray& a, int pic, int pile)
{
    const cGames& g = a.Games();
    if (a.GetTop(kTableau, pile) == kEmpty)
        return a.CardNum(pic) == g.EmptyNum() || g.EmptyNum() == 13;
    if (a.CardCell(pic) == kTableau && a.CardPile(pic) == pile)
        return false;
    return Fits(a, a.GetTopPicID(kTableau, pile), pic, g.Order(kTableau, pile), g.AK(kTableau) != 0);
}

bool AcceptsOnReserve(const cArray& a, int /*pic*/, int pile, int count)
{
    return count == 0 && a.GetTop(kReserve, pile) == kEmpty;
}

bool AcceptsOnFoundation(const cArray& a, int pic, int pile, int count)
{
    // A card never lands on the pile it lies on: with "any card" order a foundation's top
    // would otherwise fit onto itself.
    if (count != 0 || (a.CardCell(pic) == kFoundation && a.CardPile(pic) == pile))
        return false;
    const int top = a.GetTop(kFoundation, pile);
    if (top == kEmpty)
        return a.CardNum(pic) == a.BaseRank();
    const cGames& g = a.Games();
    return top + 1 < kRanks &&
           Fits(a, a.GetTopPicID(kFoundation, pile), pic, g.Order(kFoundation, pile),
                g.AK(kFoundation) != 0);
}

bool CanPickUp(const cArray& a, int pic, int& count)
{
    count = 0;
    const int cell = a.CardCell(pic);
    const int pile = a.CardPile(pic);
    switch (cell) {
    case kTableau: {
        const int top = a.GetTop(kTableau, pile);
        if (a.CardPos(pic) == top)
            return true;
        count = top - a.CardPos(pic);
        return a.CardFace(pic) == kFaceUp && a.Games().MultiMove() && SequenceOK(a, pic, count) &&
               count <= SequenceCapacity(a);
    }
    case kReserve:
    case kFoundation:
        return true;
    case kWaste:
        return a.CardPos(pic) == a.GetTop(kWaste, pile);
    default:
        return false;
    }
}

bool Accepts(const cArray& a, int pic, int count, int cell, int pile)
{
    if (pile < 0 || pile >= a.Games().Piles(cell))
        return false;
    switch (cell) {
    case kTableau: return AcceptsOnTableau(a, pic, pile);
    case kReserve: return AcceptsOnReserve(a, pic, pile, count);
    case kFoundation: return AcceptsOnFoundation(a, pic, pile, count);
    default: return false;
    }
}

std::vector<PileAddress> AcceptingPiles(const cArray& a, int pic, int count)
{
    std::vector<PileAddress> places;
    for (int cell : {kTableau, kReserve, kFoundation})
        for (int pile = 0; pile < a.Games().Piles(cell); ++pile)
            if (Accepts(a, pic, count, cell, pile))
                places.push_back({cell, pile});
    return places;
}

bool PlayToFoundation(cArray& a, int pic)
{
    for (int f = 0; f < a.Games().Piles(kFoundation); ++f) {
        if (!AcceptsOnFoundation(a, pic, f, 0))
            continue;
        a.Move(pic, kFoundation, f, a.GetTop(kFoundation, f) + 1, kModeNormal, kPlaySpeed);
        a.SoundDue("AutoPlay");
        return true;
    }
    return false;
}

} // namespace solvane
