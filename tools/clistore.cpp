#include "clistore.h"

namespace solvane::cli {

int RunGames(const Args&) { throw UsageError("games is not available in this build"); }
int RunReport(const Args&) { throw UsageError("report is not available in this build"); }
int RunRecord(const Args&) { throw UsageError("record is not available in this build"); }

} // namespace solvane::cli
