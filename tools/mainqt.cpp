// solvane-cli-qt: the commands of solvane-cli that need Qt (the stores, the art); solvane-cli
// hands them over, with its own arguments.
#include "cliart.h"
#include "clicommon.h"
#include "clistore.h"

using namespace solvane::cli;

int main(int argc, char** argv)
{
    const Commands commands = {
        {"games", RunGames}, {"report", RunReport}, {"record", RunRecord}, {"art", RunArt},
    };
    return Dispatch(Args(argv + 1, argv + argc), commands);
}
