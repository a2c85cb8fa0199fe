#include "mwirescores.h"

#include "cservices.h"
#include "frmgamestat.h"
#include "frmhighscore.h"
#include "frmlogstat.h"
#include "frmmain.h"
#include "frmorgfav.h"
#include "frmplayfav.h"
#include "frmsesstat.h"

namespace solvane {

void WireScoresWindows(frmMain& main, cServices& s)
{
    main.SetOpener(QStringLiteral("frmGameStat"), [&s](QWidget* owner) {
        frmGameStat dlg(s.Data(), s.Score(), owner);
        dlg.exec();
    });
    main.SetOpener(QStringLiteral("frmHighScore"), [&s](QWidget* owner) {
        frmHighScore dlg(s.Data(), s.Score(), owner);
        dlg.exec();
    });
    main.SetOpener(QStringLiteral("frmSesStat"), [&s](QWidget* owner) {
        frmSesStat dlg(s.Data(), s.Score(), owner);
        dlg.exec();
    });
    main.SetOpener(QStringLiteral("frmLogStat"), [&s](QWidget* owner) {
        frmLogStat dlg(s.Data(), s.Score(), owner);
        dlg.exec();
    });
    main.SetOpener(QStringLiteral("frmOrgFav"), [&s](QWidget* owner) {
        frmOrgFav dlg(s.Data(), s.Score(), s.Prompt(), owner);
        dlg.exec();
    });
    // A refused start is shown by the main window; the dialog closes either way.
    main.SetOpener(QStringLiteral("frmPlayFav"), [&main, &s](QWidget* owner) {
        frmPlayFav dlg(s.Data(), s.Score(), s.Prompt(),
                       [&main](const QString& name, const cGameNo& number) { main.Start(name, number); }, owner);
        dlg.exec();
    });
}

} // namespace solvane
