// solvane-cli: the command-line front end, for players, scripts and tests.
#include "clicommon.h"
#include "clideal.h"

#include <iostream>

using namespace solvane::cli;

namespace {
const char* const kUsage =
    "usage: solvane-cli deal GAME NUMBER\n"
    "       solvane-cli deal --rules gOrder,gBase,gCards,hOrder,hSpace,hPiles,hAk,hMulti,rPiles,rCards NUMBER\n";
}

int main(int argc, char** argv)
{
    const Args args(argv + 1, argv + argc);
    try {
        if (args.empty())
            throw UsageError("a command is missing");
        if (args[0] == "deal")
            return RunDeal(args);
        if (args[0] == "--help" || args[0] == "help") {
            std::cout << kUsage;
            return 0;
        }
        throw UsageError("unknown command: \"" + args[0] + "\"");
    } catch (const UsageError& e) {
        std::cerr << "solvane-cli: " << e.what() << '\n';
        return kExitUsage;
    }
}
