#include "mwiresettings.h"

namespace solvane {

void WireSettingsWindows(frmMain&, cServices&) {}

} // namespace solvane
