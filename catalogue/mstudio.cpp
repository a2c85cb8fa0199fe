#include "mstudio.h"

#include <array>

namespace solvane {

namespace {
constexpr int kRanks = 13;

const std::array<const char*, 10> kOrders = {
    "Up Same Suit",          "Up Alternate Color",        "Up Regardless of Suit",
    "Down Same Suit",        "Down Alternate Color",      "Down Regardless of Suit",
    "Any Card",              "Up or Down Same Suit",      "Up or Down Alternate Color",
    "Up or Down Regardless of Suit",
};

const std::array<const char*, kRanks> kCards = {
    "Ace", "Two", "Three", "Four", "Five", "Six", "Seven",
    "Eight", "Nine", "Ten", "Jack", "Queen", "King",
};

template <size_t N>
QString Pick(const std::array<const char*, N>& names, int code)
{
    if (code < 0 || code >= static_cast<int>(N))
        return {};
    return QString::fromLatin1(names[static_cast<size_t>(code)]);
}

QString CardOr(int code, const char* last)
{
    return code == kRanks ? QString::fromLatin1(last) : Pick(kCards, code);
}
} // namespace

QString OrderName(int code) { return Pick(kOrders, code); }
QString BaseCardName(int code) { return CardOr(code, "Random"); }
QString SpaceCardName(int code) { return CardOr(code, "Any Card"); }

QString FlagName(int code)
{
    switch (code) {
    case 0: return QStringLiteral("False");
    case 1: return QStringLiteral("True");
    default: return {};
    }
}

RulesTexts DescribeRules(const GameRules& r)
{
    const auto line = [](const char* caption, const QString& value) {
        return QLatin1String(caption) + value;
    };
    const auto number = [](int v) { return QString::number(v); };
    RulesTexts t;
    t.foundation = {line("Card Arranging Order : ", OrderName(r.gOrder)),
                    line("Base Card : ", BaseCardName(r.gBase)),
                    line("Initial Cards : ", number(r.gCards))};
    t.tableau = {line("No. of Piles : ", number(r.hPiles)),
                 line("Card Arranging Order : ", OrderName(r.hOrder)),
                 line("Space Filling Card : ", SpaceCardName(r.hSpace)),
                 line("Ace-King Wrapping : ", FlagName(r.hAk)),
                 line("Multi Card Move : ", FlagName(r.hMulti))};
    t.freeCells = {line("No. of Piles : ", number(r.rPiles)), line("Initial Cards : ", number(r.rCards))};
    return t;
}

} // namespace solvane
