#include "mwiresettings.h"

#include "cservices.h"
#include "ctableview.h"
#include "frmcustomize.h"
#include "frmmain.h"
#include "frmplayers.h"

namespace solvane {

void WireSettingsWindows(frmMain& main, cServices& s)
{
    main.SetOpener(QStringLiteral("frmPlayers"), [&s](QWidget* owner) {
        frmPlayers dlg(s.Data(), s.Score(), s.Prompt(), owner);
        dlg.exec();
    });
    // OK repaints the main window's table and gives its cards the chosen back.
    main.SetOpener(QStringLiteral("frmCustomize"), [&main, &s](QWidget* owner) {
        frmCustomize dlg(s.Data(), s.Score(), s.Pictures(), s.Prompt(), main.Table(), owner);
        dlg.exec();
    });
}

} // namespace solvane
