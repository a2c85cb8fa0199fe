// Saves pictures of the game selection, game-number, wizard and new-game windows, for
// looking at them: catalogue_ui_shots <folder>.
#include "frmaddgame.h"
#include "frmchoose.h"
#include "frmgameswizard.h"
#include "frmselect.h"
#include "shotsaver.h"
#include "testservices.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

using namespace solvane;
using namespace solvane::test;

namespace {

void Design(TestServices& s, const QString& name, const QByteArray& line)
{
    QFile f(s.DataDir() + name + ".gam");
    if (f.open(QIODevice::WriteOnly))
        f.write(line + "\r\n");
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = ShotFolder(argc, argv);
    if (folder.isEmpty())
        return 2;
    TestServices s;
    s.Data().SetPlayer(2, "Ann", true);
    s.Data().SetPlayer(3, "Bob the Builder", false);
    Design(s, "Kings Corner", "0,13,0,9,12,10,1,0,2,1");
    Design(s, "Easy Does It", "6,0,4,6,13,6,0,1,4,4");
    s->Custom().Init();
    s.Data().SetLastGName("Baker's Game");
    s.Data().SetCurGName("Seven By Four");
    const GameStarter starter{[](const QString&, const cGameNo&, const QString&) { return true; }, [] { return cGameNo(31337); }};
    {
        frmSelect w(s.Data(), s->Custom(), starter);
        SaveShot(w, folder, "select");
    }
    {
        frmChoose w(s.Data(), s.prompt, starter);
        SaveShot(w, folder, "choose");
    }
    {
        frmGamesWizard w(s.Data(), s->Custom(), s.prompt);
        SaveShot(w, folder, "wizard");
    }
    {
        frmAddGame w(s.Data(), s->Custom(), s.prompt);
        SaveShot(w, folder, "addgame");
    }
    QDir(s.DataDir()).removeRecursively();
    s->Custom().Init();
    {
        frmGamesWizard w(s.Data(), s->Custom(), s.prompt);
        SaveShot(w, folder, "wizard-empty");
    }
    return 0;
}
