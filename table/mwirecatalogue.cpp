#include "mwirecatalogue.h"

#include "cservices.h"
#include "frmchoose.h"
#include "frmgameswizard.h"
#include "frmmain.h"
#include "frmselect.h"

#include <QTimer>

namespace solvane {

namespace {
const QString kSelect = QStringLiteral("frmSelect");
const QString kWizard = QStringLiteral("frmGamesWizard");

GameStarter Starter(frmMain& main, cServices& s)
{
    return {[&main](const QString& name, const cGameNo& number, const QString& player) {
                return main.Start(name, number, player);
            },
            [&s] { return s.Lifecycle().RandomNumber(); }};
}

// A selection window left open since start-up gives way to the one asked for now.
void CloseStartupSelect(frmMain& main)
{
    for (frmSelect* other : main.findChildren<frmSelect*>())
        if (other->isVisible())
            other->close();
}

void OpenSelect(frmMain& main, cServices& s, QWidget* owner)
{
    CloseStartupSelect(main);
    frmSelect dlg(s.Data(), s.Custom(), Starter(main, s), owner);
    if (dlg.Run() == frmSelect::Choice::Create)
        main.Open(kWizard, owner);
}
} // namespace

void WireCatalogueWindows(frmMain& main, cServices& s)
{
    main.SetOpener(kSelect, [&main, &s](QWidget* owner) { OpenSelect(main, s, owner); });
    main.SetOpener(QStringLiteral("frmChoose"), [&main, &s](QWidget* owner) {
        frmChoose dlg(s.Data(), s.Prompt(), Starter(main, s), owner);
        dlg.exec();
    });
    main.SetOpener(kWizard, [&main, &s](QWidget* owner) {
        frmGamesWizard dlg(s.Data(), s.Custom(), s.Prompt(), owner);
        dlg.exec();
        // A selection window left open since start-up lists the games as they are now.
        for (frmSelect* open : main.findChildren<frmSelect*>())
            open->RefreshGames();
    });
}

void ShowSelectAtStartup(frmMain& main, cServices& s)
{
    // The main window stays usable while the player chooses.
    auto* dlg = new frmSelect(s.Data(), s.Custom(), Starter(main, s), &main);
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    dlg->setWindowModality(Qt::NonModal);
    QObject::connect(dlg, &QDialog::finished, &main, [&main, dlg] {
        if (dlg->Chosen() == frmSelect::Choice::Create)
            QTimer::singleShot(0, &main, [&main] { main.Open(kWizard); });
    });
    dlg->show();
}

} // namespace solvane
