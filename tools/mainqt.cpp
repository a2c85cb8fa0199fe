// solvane-cli-qt: solvane-cli with the commands that need Qt (the stores, the art), which
// solvane-cli hands over with its own arguments. It knows every other command too.
#include "cliart.h"
#include "clicommon.h"
#include "clideal.h"
#include "clisolve.h"
#include "clistore.h"

using namespace solvane::cli;

int main(int argc, char** argv)
{
    const Commands commands = {
        {"deal", RunDeal},     {"solve", RunSolve},   {"games", RunGames},
        {"report", RunReport}, {"record", RunRecord}, {"art", RunArt},
    };
    return Dispatch(Args(argv + 1, argv + argc), commands);
}
