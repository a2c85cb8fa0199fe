// The entry procedure: the settings store first, then the splash window, which gives way to
// the main window.
#include "ccustom.h"
#include "cdata.h"
#include "chelpviewer.h"
#include "cservices.h"
#include "csoundplayer.h"
#include "cwidgetprompt.h"
#include "frmmain.h"
#include "frmsplash.h"
#include "mhelppage.h"
#include "mmemory.h"
#include "mstudio.h"
#include "mwindows.h"
#include "mwirecatalogue.h"

#include <QApplication>

#include <memory>

using namespace solvane;

namespace {
constexpr int kStandardGameCount = 5;

// The help page of a designed game, from the texts the description panel shows.
QString DesignedPage(cServices& s, int id)
{
    const QString name = s.Data().GetGName(id);
    cCustom& c = s.Custom();
    if (name.isEmpty() || c.InitGame(name))
        return {};
    const RulesTexts t = DescribeRules(c.Rules());
    return DesignedGamePage(name, t.foundation, t.tableau, t.freeCells);
}
} // namespace

int main(int argc, char** argv)
{
    KeepLargeBuffersForReuse();
    QApplication app(argc, argv);
    auto data = std::make_unique<cData>();
    data->InitCD(QStringLiteral("Solvane"), kStandardGameCount, QStringLiteral("qbn.chm"));
    cData& d = *data;

    cSoundPlayer sounds;
    cHelpViewer help(d.ProdName());
    d.SetSoundPlayer(&sounds);
    d.SetHelpViewer(&help);
    cWidgetPrompt prompt;
    cServices services(std::move(data), prompt);
    help.SetPageMaker([&services](int id) { return DesignedPage(services, id); });
    QApplication::setWindowIcon(services.Pictures().ProgramIcon());

    std::unique_ptr<frmMain> main;
    frmSplash splash(services.Pictures(), d.ProdName());
    QObject::connect(&splash, &frmSplash::Done, [&] {
        splash.close();
        main = std::make_unique<frmMain>(services);
        prompt.SetOwner(main.get());
        WireWindows(*main, services);
        main->show();
        ShowSelectAtStartup(*main, services);
    });
    splash.show();
    const int rc = app.exec();
    main.reset();
    d.SetSoundPlayer(nullptr);
    d.SetHelpViewer(nullptr);
    return rc;
}
