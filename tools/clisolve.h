#pragma once
#include "clicommon.h"

namespace solvane::cli {

// solvane-cli solve GAME NUMBER | solve --range GAME FIRST LAST | solve --boards FILE
int RunSolve(const Args& args);

} // namespace solvane::cli
