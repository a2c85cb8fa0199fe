#pragma once
// Shared pieces of the command-line front end.
#include "gamerules.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace solvane::cli {

constexpr int kExitUsage = 2;

// A refusal of the command line: printed as one line, exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

using Args = std::vector<std::string>;
using Command = int (*)(const Args&);
using Commands = std::map<std::string, Command>;

// What --help prints: every command of solvane-cli.
extern const char* const kUsage;

// Runs the command the first argument names; a refusal is printed as one line.
int Dispatch(const Args& args, const Commands& commands);

// A game number: a non-negative decimal number.
double ParseGameNumber(const std::string& text);
// The rules of a standard game by name, or of "--rules v1,...,v10".
GameRules RulesFromArgs(const Args& args, size_t& next);

} // namespace solvane::cli
