#pragma once
// Wires the program's windows to the main window's menus: the one place where windows
// meet each other.
namespace solvane {

class cServices;
class frmMain;

void WireWindows(frmMain& main, cServices& services);

} // namespace solvane
