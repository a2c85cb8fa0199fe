#include "mstartup.h"

#include "cdata.h"
#include "cservices.h"
#include "ctableview.h"
#include "frmmain.h"
#include "iprompt.h"
#include "mwirecatalogue.h"

#include <QRegularExpression>

namespace solvane {

namespace {
constexpr double kLargestNumber = 1e15; // the largest range's top
} // namespace

std::variant<StartOptions, QString> StartOptionsFrom(const QString& game, const QString& number, bool numberGiven,
                                                     const cData& data)
{
    StartOptions o;
    if (game.isEmpty()) {
        if (numberGiven)
            return QStringLiteral("--number needs --game: which game should deal number %1?").arg(number);
        return o;
    }
    if (data.GetGameID(game) == 0) {
        QStringList names;
        for (int id = 1; id <= data.TotalGames(); ++id)
            names << QLatin1Char('"') + data.GetGName(id) + QLatin1Char('"');
        return QStringLiteral("There is no game \"%1\". The games are %2.").arg(game, names.join(QStringLiteral(", ")));
    }
    o.Game = game;
    if (!numberGiven)
        return o;
    static const QRegularExpression kWhole(QStringLiteral("^[0-9]{1,16}$"));
    const double value = number.toDouble();
    if (!kWhole.match(number).hasMatch() || value > kLargestNumber)
        return QStringLiteral("The game number \"%1\" is not a whole number from 0 to 1000000000000000.").arg(number);
    o.Number = cGameNo(value);
    return o;
}

bool ResumeKeptGame(frmMain& main, cServices& s)
{
    const cKeptGame store(s.Data().AppDir());
    if (!store.Exists())
        return false;
    const auto read = store.Read();
    std::optional<QString> problem;
    if (const auto* kept = std::get_if<KeptGame>(&read)) {
        problem = s.Lifecycle().Resume(*kept);
        if (!problem) {
            main.Table()->FinishAnimations();
            if (auto why = store.Remove())
                s.Prompt().Inform(s.Data().ProdName(), *why, iPrompt::Icon::Warning);
            return true;
        }
    } else {
        problem = QStringLiteral("The unfinished game cannot be resumed: %1.").arg(std::get<QString>(read));
    }
    // Never lost: the file is put beside, under a name of its own.
    const auto aside = store.SetAside();
    const QString where = aside.index() == 0 ? QStringLiteral(" It has been set aside as %1.").arg(std::get<0>(aside))
                                             : QStringLiteral(" ") + std::get<1>(aside) + QLatin1Char('.');
    s.Prompt().Inform(s.Data().ProdName(), *problem + where, iPrompt::Icon::Warning);
    return false;
}

void StartAfterSplash(frmMain& main, cServices& s, const StartOptions& options)
{
    // A deal asked for on the command line comes first; a kept game then stays kept.
    if (!options.Game.isEmpty()) {
        main.Start(options.Game, options.Number ? *options.Number : s.Lifecycle().RandomNumber());
        return;
    }
    if (!ResumeKeptGame(main, s))
        ShowSelectAtStartup(main, s);
}

} // namespace solvane
