#include "mwirecatalogue.h"

namespace solvane {

void WireCatalogueWindows(frmMain&, cServices&) {}

} // namespace solvane
