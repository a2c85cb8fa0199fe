#pragma once
// What happens once the splash window has gone: the deal the command line asks for, or
// the game kept from the last run, or the game selection window.
#include "cgameno.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace solvane {

class cData;
class cServices;
class frmMain;

struct StartOptions {
    QString Game; // none asked for when empty
    std::optional<cGameNo> Number;
};

// The start the options --game NAME and --number N ask for, or why they cannot be played
// (a sentence for the user). The game must be in the game list; the number a whole number
// from 0 to 10^15.
std::variant<StartOptions, QString> StartOptionsFrom(const QString& game, const QString& number, bool numberGiven,
                                                     const cData& data);

void StartAfterSplash(frmMain& main, cServices& s, const StartOptions& options);
// Resumes the game kept from the last run, if there is one. One that cannot be resumed is
// said, with its reason, and set aside. Answers whether a game was resumed.
bool ResumeKeptGame(frmMain& main, cServices& s);

} // namespace solvane
