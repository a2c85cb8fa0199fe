#include "gamerules.h"

#include "cgames.h"
#include "mround.h"

#include <cctype>
#include <charconv>
#include <stdexcept>

namespace solvane {

namespace {
// Layout of every game of the family, in twips.
constexpr int kPileStep = 1165;      // tableau pile distance
constexpr int kCellStep = 1115;      // foundation and free-cell distance
constexpr int kLayoutPiles = 10;     // the tableau is centred in the width of ten piles
constexpr int kTableauTop = 1640;
constexpr int kFanStep = 250;
constexpr int kFoundationLeft = 5975;
constexpr int kReserveLeft = 1165;
constexpr int kRowLength = 20;
constexpr int kBaseX = 11550;
constexpr int kBaseY = 200;
constexpr int kDeckSize = 52;
constexpr int kFoundations = 4;
constexpr int kWasteFan = 30;

const std::array<StandardGame, kStandardGames> kStandard = {{
    {"Freecell", {0, 0, 0, 4, 13, 8, 0, 1, 4, 0}},
    {"Baker's Game", {0, 0, 0, 3, 13, 8, 0, 1, 4, 0}},
    {"Forecell", {0, 0, 0, 4, 13, 8, 0, 1, 4, 4}},
    {"Seven By Four", {0, 0, 0, 4, 13, 7, 0, 1, 4, 0}},
    {"Two Cells", {0, 0, 0, 4, 13, 8, 0, 1, 2, 0}},
}};

std::optional<std::string> OutOfRange(const char* name, int v, int lo, int hi)
{
    if (v >= lo && v <= hi)
        return std::nullopt;
    return std::string(name) + " is " + std::to_string(v) + ", it must lie between " +
           std::to_string(lo) + " and " + std::to_string(hi);
}
} // namespace

std::array<int, 10> GameRules::Values() const
{
    return {gOrder, gBase, gCards, hOrder, hSpace, hPiles, hAk, hMulti, rPiles, rCards};
}

GameRules GameRules::FromValues(const std::array<int, 10>& v)
{
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]};
}

const std::array<StandardGame, kStandardGames>& StandardGames() { return kStandard; }

std::optional<GameRules> StandardRules(std::string_view name)
{
    for (const auto& g : kStandard)
        if (name == g.Name)
            return g.Rules;
    return std::nullopt;
}

std::optional<std::string> ValidateRules(const GameRules& r)
{
    const std::optional<std::string> checks[] = {
        OutOfRange("gOrder", r.gOrder, 0, kOrderCodes - 1),
        OutOfRange("gBase", r.gBase, 0, kAnyRank),
        OutOfRange("gCards", r.gCards, 0, kFoundations),
        OutOfRange("hOrder", r.hOrder, 0, kOrderCodes - 1),
        OutOfRange("hSpace", r.hSpace, 0, kAnyRank),
        OutOfRange("hPiles", r.hPiles, 1, kLayoutPiles),
        OutOfRange("hAk", r.hAk, 0, 1),
        OutOfRange("hMulti", r.hMulti, 0, 1),
        OutOfRange("rPiles", r.rPiles, 0, kFoundations),
        OutOfRange("rCards", r.rCards, 0, r.rPiles),
    };
    for (const auto& c : checks)
        if (c)
            return c;
    return std::nullopt;
}

std::optional<std::string> ParseRules(std::string_view text, GameRules& out)
{
    std::array<int, 10> v{};
    size_t n = 0;
    size_t i = 0;
    auto isSeparator = [](char c) { return c == ',' || std::isspace(static_cast<unsigned char>(c)); };
    while (n < v.size()) {
        while (i < text.size() && isSeparator(text[i]))
            ++i;
        if (i >= text.size())
            return "it holds " + std::to_string(n) + " numbers instead of ten";
        size_t end = i;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        const std::string_view word = text.substr(i, end - i);
        const char* first = word.data();
        const char* last = word.data() + word.size();
        if (*first == '+')
            ++first;
        auto [ptr, ec] = std::from_chars(first, last, v[n]);
        if (ec != std::errc() || ptr != last)
            return "\"" + std::string(word) + "\" is not a whole number";
        ++n;
        i = end;
    }
    out = GameRules::FromValues(v);
    return std::nullopt;
}

std::string FormatRules(const GameRules& r)
{
    std::string s;
    for (int v : r.Values()) {
        if (!s.empty())
            s += ',';
        s += std::to_string(v);
    }
    return s;
}

void ApplyRules(cGames& g, const GameRules& r)
{
    if (auto why = ValidateRules(r))
        throw std::invalid_argument(*why);

    // No waste and no free cells until the rules say otherwise.
    g.Res(0, 0, 0, 0, 0, 0, kRowLength, 0, 0);
    g.Waste(0, 0, 0, 0, 0, kWasteFan);
    const int16_t startX = Round16((kLayoutPiles - r.hPiles) * kPileStep / 2.0);
    g.Home(int16_t(r.hPiles), r.hOrder, int16_t(kDeckSize - r.gCards - r.rCards), int16_t(r.hAk),
           int16_t(r.hSpace), int16_t(r.hMulti), startX, kTableauTop, kPileStep, kFanStep,
           kRowLength, 0, 0, 0, 0, 2, 0);
    // Foundations wrap from King to Ace whenever they do not start at the Ace.
    g.Goal(kFoundations, r.gOrder, int16_t(r.gCards), r.gBase, int16_t(r.gBase != 0 ? 1 : 0),
           kFoundationLeft, 0, kCellStep, 0, kRowLength, 0, 0);
    g.Res(int16_t(r.rPiles), int16_t(r.rCards), kReserveLeft, 0, kCellStep, 0, kRowLength, 0, 0);
    // The stock only holds the pack while dealing; it stands where free cell 0 is.
    g.Stock(1, 0, kReserveLeft, 0, 0, 0, 0);
    g.Ext(kBaseX, kBaseY, kDeckSize, 0, "Freecell", 0, 0);
}

} // namespace solvane
