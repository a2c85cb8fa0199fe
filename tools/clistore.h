#pragma once
#include "clicommon.h"

namespace solvane::cli {

// solvane-cli games | report | record GAME NUMBER TIME MOVES SCORE WON [PLAYER]
int RunGames(const Args& args);
int RunReport(const Args& args);
int RunRecord(const Args& args);

} // namespace solvane::cli
