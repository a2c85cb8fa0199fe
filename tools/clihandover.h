#pragma once
#include "clicommon.h"

namespace solvane::cli {

// Runs the command in solvane-cli-qt, found next to this program (else on the PATH), in
// place of this process: same arguments, output and exit status.
int RunInQtHelper(const Args& args);

} // namespace solvane::cli
