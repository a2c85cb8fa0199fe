#include "clisolve.h"

namespace solvane::cli {

int RunSolve(const Args&) { throw UsageError("solve is not available in this build"); }

} // namespace solvane::cli
