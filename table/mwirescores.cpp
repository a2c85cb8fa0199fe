#include "mwirescores.h"

namespace solvane {

void WireScoresWindows(frmMain&, cServices&) {}

} // namespace solvane
