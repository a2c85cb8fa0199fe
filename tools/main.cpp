// solvane-cli: the command-line front end, for players, scripts and tests.
#include "cliart.h"
#include "clicommon.h"
#include "clideal.h"
#include "clisolve.h"
#include "clistore.h"

#include <iostream>
#include <map>

using namespace solvane::cli;

namespace {
const char* const kUsage =
    "usage: solvane-cli deal GAME NUMBER\n"
    "       solvane-cli deal --rules gOrder,gBase,gCards,hOrder,hSpace,hPiles,hAk,hMulti,rPiles,rCards NUMBER\n"
    "       solvane-cli games\n"
    "       solvane-cli report\n"
    "       solvane-cli record GAME NUMBER TIME MOVES SCORE WON [PLAYER]\n"
    "       solvane-cli solve GAME NUMBER [--autoplay off] [--limit SECONDS]\n"
    "       solvane-cli solve --range GAME FIRST LAST\n"
    "       solvane-cli solve --boards FILE\n"
    "       solvane-cli art DIR\n";

using Command = int (*)(const Args&);
const std::map<std::string, Command> kCommands = {
    {"deal", RunDeal},     {"games", RunGames}, {"report", RunReport},
    {"record", RunRecord}, {"solve", RunSolve}, {"art", RunArt},
};
} // namespace

int main(int argc, char** argv)
{
    const Args args(argv + 1, argv + argc);
    try {
        if (args.empty())
            throw UsageError("a command is missing (try --help)");
        if (args[0] == "--help" || args[0] == "help") {
            std::cout << kUsage;
            return 0;
        }
        const auto it = kCommands.find(args[0]);
        if (it == kCommands.end())
            throw UsageError("unknown command: \"" + args[0] + "\"");
        return it->second(args);
    } catch (const UsageError& e) {
        std::cerr << "solvane-cli: " << e.what() << '\n';
        return kExitUsage;
    }
}
