#pragma once
namespace solvane {

class cServices;
class frmMain;

// Makes the main window's menus reach the windows of the catalogue folder.
void WireCatalogueWindows(frmMain& main, cServices& services);
// Opens the game selection window without blocking the main window, as at start-up.
void ShowSelectAtStartup(frmMain& main, cServices& services);

} // namespace solvane
