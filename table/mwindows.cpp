#include "mwindows.h"

#include "cservices.h"
#include "frmabout.h"
#include "frmfinish.h"
#include "frmhistory.h"
#include "frmmain.h"
#include "mwirecatalogue.h"
#include "mwirescores.h"
#include "mwiresettings.h"
#include "mwindowplace.h"

#include <QCoreApplication>

namespace solvane {

namespace {
void OpenFinish(frmMain& main, cServices& s, QWidget* owner)
{
    frmFinish dlg(s, main, owner);
    dlg.exec();
    switch (dlg.Chosen()) {
    case frmFinish::Choice::New:
        main.NewGame();
        break;
    case frmFinish::Choice::Restart:
        main.Start(s.Data().CurGName(), s.Data().CurGNo());
        break;
    case frmFinish::Choice::Select:
        main.Open(QStringLiteral("frmSelect"));
        break;
    case frmFinish::Choice::Close:
        break;
    }
}
} // namespace

void WireWindows(frmMain& main, cServices& s)
{
    KeepWindowsOnScreen(QCoreApplication::instance());
    main.SetOpener(QStringLiteral("frmFinish"), [&main, &s](QWidget* owner) { OpenFinish(main, s, owner); });
    main.SetOpener(QStringLiteral("frmHistory"), [&s](QWidget* owner) {
        frmHistory dlg(s.Boards().Log(), owner);
        dlg.exec();
    });
    main.SetOpener(QStringLiteral("frmAbout"), [&s](QWidget* owner) {
        frmAbout dlg(s.Data().ProdName(), s.Pictures().IconPic(48, owner->devicePixelRatioF()), owner);
        dlg.exec();
    });
    WireCatalogueWindows(main, s);
    WireScoresWindows(main, s);
    WireSettingsWindows(main, s);
}

} // namespace solvane
