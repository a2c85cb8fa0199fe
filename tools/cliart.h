#pragma once
#include "clicommon.h"

namespace solvane::cli {

// solvane-cli art DIR: every picture of the program as PNG files, for review.
int RunArt(const Args& args);

} // namespace solvane::cli
