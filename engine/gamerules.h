#pragma once
// The ten values that describe every game of the family, the five standard games, and
// the fixed mapping from the ten values to a game definition.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace solvane {

class cGames;

struct GameRules {
    int gOrder = 0;  // foundation building order (order code)
    int gBase = 0;   // foundation base card: rank 0..12, 13 = random
    int gCards = 0;  // base cards dealt to the foundations
    int hOrder = 4;  // tableau building order
    int hSpace = 13; // card that may fill an empty tableau pile, 13 = any
    int hPiles = 8;  // tableau piles
    int hAk = 0;     // King-Ace wrapping on the tableau
    int hMulti = 1;  // runs may be moved as one
    int rPiles = 4;  // free cells
    int rCards = 0;  // free cells filled by the deal

    bool operator==(const GameRules&) const = default;
    std::array<int, 10> Values() const;
    static GameRules FromValues(const std::array<int, 10>& v);
};

// Order codes 0..9 and the rank code that means "any card" or "random".
constexpr int kOrderCodes = 10;
constexpr int kAnyRank = 13;
constexpr int kStandardGames = 5;

struct StandardGame {
    const char* Name;
    GameRules Rules;
};

const std::array<StandardGame, kStandardGames>& StandardGames();
// The rules of a standard game by its exact name, or nothing.
std::optional<GameRules> StandardRules(std::string_view name);

// Why a set of values cannot be played, or nothing when it is sound.
std::optional<std::string> ValidateRules(const GameRules& r);

// Reads the first ten numbers of a text, separated by commas, blanks or line ends.
// Gives the reason when there are fewer than ten or one is not a whole number.
std::optional<std::string> ParseRules(std::string_view text, GameRules& out);
// The one-line form of a game file, without the line end: 0,0,0,4,13,8,1,1,4,0
std::string FormatRules(const GameRules& r);

// Fills the game definition from the ten values. Refuses an unsound set with
// std::invalid_argument naming the wrong value, leaving the definition unchanged.
void ApplyRules(cGames& games, const GameRules& r);

} // namespace solvane
