// Saves a picture of the main window as it opens on this screen, with a long pile on the
// table: for looking at the table at every size (run under Xvfb at the screen size wanted).
#include "longpile.h"
#include "shotsaver.h"
#include "testservices.h"

#include "ctableview.h"
#include "frmmain.h"

#include <QApplication>
#include <QScreen>

using namespace solvane;
using namespace solvane::test;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = ShotFolder(argc, argv);
    if (folder.isEmpty())
        return 2;
    const QString name = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("table");
    TestServices s;
    s.Data().SetAutoplay(0);
    WriteAnyOnAnyGame(s->Custom());
    frmMain w(*s);
    w.setGeometry(w.screen()->availableGeometry());
    w.show();
    QApplication::processEvents();
    w.Start(kAnyOnAnyGame, cGameNo(12));
    // With a third argument: the deal as it shows after that many frames.
    if (argc > 3) {
        w.Table()->WaitForPictures();
        for (int frame = QByteArray(argv[3]).toInt(); frame > 0; --frame)
            w.Table()->PlayFrame();
        SaveShot(w, folder, name);
        return 0;
    }
    w.Table()->FinishAnimations();
    BuildLongPile(s->Board(), 2, 24);
    w.Table()->FinishAnimations();
    w.Table()->WaitForPictures();
    w.StatusTick();
    SaveShot(w, folder, name);
    return 0;
}
