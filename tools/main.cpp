// solvane-cli: the command-line front end, for players, scripts and tests. Dealing and
// solving need neither Qt nor a screen, so that one process per deal starts quickly; the
// commands on the stores and the art are run by solvane-cli-qt.
#include "clicommon.h"
#include "clideal.h"
#include "clihandover.h"
#include "clisolve.h"

using namespace solvane::cli;

int main(int argc, char** argv)
{
    const Commands commands = {
        {"deal", RunDeal},           {"solve", RunSolve},          {"games", RunInQtHelper},
        {"report", RunInQtHelper},   {"record", RunInQtHelper},    {"art", RunInQtHelper},
    };
    return Dispatch(Args(argv + 1, argv + argc), commands);
}
