#include "clicommon.h"

#include "cliversion.h"

#include <cmath>
#include <cstdlib>
#include <iostream>

namespace solvane::cli {

const char* const kUsage =
    "usage: solvane-cli deal GAME NUMBER\n"
    "       solvane-cli deal --rules gOrder,gBase,gCards,hOrder,hSpace,hPiles,hAk,hMulti,rPiles,rCards NUMBER\n"
    "       solvane-cli games\n"
    "       solvane-cli report\n"
    "       solvane-cli record GAME NUMBER TIME MOVES SCORE WON [PLAYER]\n"
    "       solvane-cli solve GAME NUMBER [--autoplay off] [--limit SECONDS]\n"
    "       solvane-cli solve --range GAME FIRST LAST\n"
    "       solvane-cli solve --boards FILE\n"
    "       solvane-cli art DIR\n"
    "       solvane-cli --version\n";

int Dispatch(const Args& args, const Commands& commands)
{
    try {
        if (args.empty())
            throw UsageError("a command is missing (try --help)");
        if (args[0] == "--help" || args[0] == "help") {
            std::cout << kUsage;
            return 0;
        }
        if (args[0] == "--version") {
            std::cout << "solvane-cli " << kVersion << '\n';
            return 0;
        }
        const auto it = commands.find(args[0]);
        if (it == commands.end())
            throw UsageError("unknown command: \"" + args[0] + "\"");
        return it->second(args);
    } catch (const UsageError& e) {
        std::cerr << "solvane-cli: " << e.what() << '\n';
        return kExitUsage;
    }
}

double ParseGameNumber(const std::string& text)
{
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(v) || v < 0)
        throw UsageError("not a game number: \"" + text + "\"");
    return v;
}

GameRules RulesFromArgs(const Args& args, size_t& next)
{
    if (next >= args.size())
        throw UsageError("a game name or --rules is missing");
    if (args[next] == "--rules") {
        if (next + 1 >= args.size())
            throw UsageError("--rules needs ten comma-separated values");
        GameRules r;
        if (auto why = ParseRules(args[next + 1], r))
            throw UsageError("bad rule list: " + *why);
        if (auto why = ValidateRules(r))
            throw UsageError("bad rule list: " + *why);
        next += 2;
        return r;
    }
    const auto rules = StandardRules(args[next]);
    if (!rules)
        throw UsageError("unknown game: \"" + args[next] + "\"");
    ++next;
    return *rules;
}

} // namespace solvane::cli
