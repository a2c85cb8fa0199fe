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
#include "mstartup.h"
#include "solvaneversion.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

#include <memory>

using namespace solvane;

namespace {
constexpr int kStandardGameCount = 5;
constexpr int kExitBadArguments = 2;

bool AsksOnlyForText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--help", "-h", "-?", "--version", "-v"})
            if (qstrcmp(argv[i], option) == 0)
                return true;
    return false;
}

void DescribeProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Solvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2").arg(kVersionMajor).arg(kVersionMinor));
}

void AddOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Patience games of the free-cell family."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("game"), QStringLiteral("Start a game of this name (a standard or a designed game)."),
                      QStringLiteral("NAME")});
    parser.addOption({QStringLiteral("number"), QStringLiteral("Deal this number of the game (0 to 10^15)."),
                      QStringLiteral("N")});
}

int Refuse(const QString& problem)
{
    std::fprintf(stderr, "solvane: %s\n", qPrintable(problem));
    return kExitBadArguments;
}

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
    // --help and --version answer without a screen.
    if (AsksOnlyForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        DescribeProgram();
        QCommandLineParser parser;
        AddOptions(parser);
        parser.process(app);
        return 0;
    }
    QApplication app(argc, argv);
    DescribeProgram();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.solvane.Solvane"));
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(app.arguments()))
        return Refuse(parser.errorText());
    auto data = std::make_unique<cData>();
    data->InitCD(QStringLiteral("Solvane"), kStandardGameCount, QStringLiteral("qbn.chm"));
    cData& d = *data;

    cSoundPlayer sounds;
    cHelpViewer help(d.ProdName());
    d.SetSoundPlayer(&sounds);
    d.SetHelpViewer(&help);
    cWidgetPrompt prompt;
    cServices services(std::move(data), prompt);
    services.Custom().Init(); // the game list, to check a game asked for by name
    const auto options = StartOptionsFrom(parser.value(QStringLiteral("game")), parser.value(QStringLiteral("number")),
                                          parser.isSet(QStringLiteral("number")), d);
    if (const auto* problem = std::get_if<QString>(&options))
        return Refuse(*problem);
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
        StartAfterSplash(*main, services, std::get<StartOptions>(options));
    });
    splash.show();
    const int rc = app.exec();
    main.reset();
    d.SetSoundPlayer(nullptr);
    d.SetHelpViewer(nullptr);
    return rc;
}
