#pragma once
namespace solvane {

class cServices;
class frmMain;

// Makes the main window's menus reach the windows of the settings folder.
void WireSettingsWindows(frmMain& main, cServices& services);

} // namespace solvane
