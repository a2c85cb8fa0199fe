#pragma once
#include "clicommon.h"

namespace solvane::cli {

// solvane-cli deal GAME NUMBER | deal --rules V1,...,V10 NUMBER
int RunDeal(const Args& args);

} // namespace solvane::cli
