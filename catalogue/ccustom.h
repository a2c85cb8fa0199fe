#pragma once
// The custom-game store: the list of playable games (the standard games, then the game
// files of the data folder), the rules of the game loaded last, and the game files.
//
// Failures come back as a text naming the game and the reason; the rules loaded before
// and the current game definition stay as they were.
#include "gamerules.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace solvane {

class cBoardSet;
class cData;

// The fewest tableau piles a game file may ask for.
constexpr int kMinGameFilePiles = 4;

class cCustom {
public:
    cCustom(cData& data, cBoardSet& boards);
    cCustom(const cCustom&) = delete;
    cCustom& operator=(const cCustom&) = delete;

    // Re-reads the game files and rebuilds the store's game list: ids 1..5 the standard
    // games, ids 6.. the game files in the order of the file list.
    void Init();
    // Re-reads the data folder's *.gam files, sorted by name regardless of letter case.
    // The store's game list is left alone (saving a game extends it by itself).
    void Refresh();

    // The file list: game files only, indexes 0..TotalGames()-1.
    int16_t TotalGames() const { return static_cast<int16_t>(files_.size()); }
    QString gName(int index) const;
    QString gPath(int index) const;

    // The loaded rules.
    int16_t gOrder() const { return static_cast<int16_t>(rules_.gOrder); }
    int16_t gBase() const { return static_cast<int16_t>(rules_.gBase); }
    int16_t gCards() const { return static_cast<int16_t>(rules_.gCards); }
    int16_t hOrder() const { return static_cast<int16_t>(rules_.hOrder); }
    int16_t hSpace() const { return static_cast<int16_t>(rules_.hSpace); }
    int16_t hPiles() const { return static_cast<int16_t>(rules_.hPiles); }
    int16_t hAk() const { return static_cast<int16_t>(rules_.hAk); }
    int16_t hMulti() const { return static_cast<int16_t>(rules_.hMulti); }
    int16_t rPiles() const { return static_cast<int16_t>(rules_.rPiles); }
    int16_t rCards() const { return static_cast<int16_t>(rules_.rCards); }
    const GameRules& Rules() const { return rules_; }

    // Loads a game's rules: a standard name gives the built-in rules (also when a game
    // file of that name exists), any other name its game file.
    std::optional<QString> InitGame(const QString& name);
    // Loads a game's rules and makes them the current game definition.
    std::optional<QString> SelectGame(const QString& name);
    // Reads a game's rules without loading them: a standard name gives the built-in rules,
    // any other name its game file. A start reads once, then selects what it read.
    std::optional<QString> ReadRules(const QString& name, GameRules& out) const;
    // Makes rules read before the loaded rules and the current game definition.
    void SelectRules(const GameRules& rules);

    static bool IsStandardName(const QString& name);
    // The game file of a name: data folder + name + ".gam".
    QString GameFilePath(const QString& name) const;
    bool GameFileExists(const QString& name) const;
    // Writes (or replaces) a game file whole; a failed write leaves the old file as it was.
    // Refuses a name the name check refuses, a standard name and rules out of range.
    std::optional<QString> WriteGame(const QString& name, const GameRules& rules);
    // Deletes a game file if it exists.
    std::optional<QString> DeleteGame(const QString& name);

    // Why a set of values cannot stand in a game file (hPiles 4..10 and the engine's
    // ranges), or nothing.
    static std::optional<QString> RulesProblem(const GameRules& rules);
    // Reads the first ten numbers of a game file; the reason when it cannot.
    static std::optional<QString> ReadGameFile(const QString& path, GameRules& out);

private:
    cData& data_;
    cBoardSet& boards_;
    GameRules rules_;
    QStringList files_; // file names, in list order
};

} // namespace solvane
