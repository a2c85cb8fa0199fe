#include "cliart.h"

namespace solvane::cli {

int RunArt(const Args&) { throw UsageError("art is not available in this build"); }

} // namespace solvane::cli
