#include "mplacetext.h"

#include "carray.h"

namespace solvane {

namespace {
const char* const kRankNames[] = {"Ace", "Two", "Three", "Four", "Five", "Six", "Seven",
                              "Eight", "Nine", "Ten", "Jack", "Queen", "King"};
const char* const kSuitNames[] = {"Clubs", "Diamonds", "Spades", "Hearts"};

QString PlaceName(const cArray& board, PileAddress place)
{
    switch (place.Cell) {
    case kTableau: return QStringLiteral("pile %1").arg(place.Pile + 1);
    case kReserve: return QStringLiteral("free cell %1").arg(place.Pile + 1);
    default: break;
    }
    // A foundation is named by the suit it holds, once it holds one.
    const int top = board.GetTop(kFoundation, place.Pile);
    if (top < 0)
        return QStringLiteral("foundation %1").arg(place.Pile + 1);
    return SuitName(board.CardSuit(board.GetPicID(kFoundation, place.Pile, top))) + QStringLiteral(" foundation");
}
} // namespace

QString RankName(int num) { return num >= 0 && num < kRanks ? QLatin1String(kRankNames[num]) : QString(); }

QString SuitName(int suit) { return suit >= 0 && suit < kSuits ? QLatin1String(kSuitNames[suit]) : QString(); }

QString CardName(int num, int suit) { return RankName(num) + QStringLiteral(" of ") + SuitName(suit); }

QString PlaceText(const cArray& board, PileAddress place)
{
    const QString name = PlaceName(board, place);
    const int top = board.GetTop(place.Cell, place.Pile);
    if (top < 0)
        return name + QStringLiteral(", empty");
    const int pic = board.GetPicID(place.Cell, place.Pile, top);
    if (place.Cell == kFoundation)
        return name + QStringLiteral(", ") + RankName(board.CardNum(pic));
    return CardName(board.CardNum(pic), board.CardSuit(pic)) + QStringLiteral(", ") + name;
}

} // namespace solvane
