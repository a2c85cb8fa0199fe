// Saves pictures of the main window as it opens on this screen, for looking at the table at
// every size (run under Xvfb at the screen size wanted):
//   table_shots FOLDER NAME            a long pile on the table
//   table_shots FOLDER NAME deal N     the deal after N frames
//   table_shots FOLDER NAME play       a held card, the focus frame, a drag with its
//                                      glowing places, and a refused drop sliding back
#include "longpile.h"
#include "shotsaver.h"
#include "testservices.h"

#include "ckeyplay.h"
#include "ctableview.h"
#include "frmmain.h"

#include <QMouseEvent>
#include <QScreen>
#include <QTest>

using namespace solvane;
using namespace solvane::test;

namespace {
void Mouse(frmMain& w, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QWidget* vp = w.Table()->viewport();
    QMouseEvent e(type, QPointF(at), vp->mapToGlobal(QPointF(at)),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(vp, &e);
}

QPoint At(frmMain& w, cArray& a, int pic) { return w.Table()->mapFromScene(QPointF(a.CardLeft(pic) + 300, a.CardTop(pic) + 100)); }

void Play(frmMain& w, cArray& a, const QString& folder, const QString& name)
{
    // A card taken by a click, its places glowing.
    const QPoint held = At(w, a, a.GetTopPicID(kTableau, 4));
    Mouse(w, QEvent::MouseButtonPress, held, Qt::LeftButton);
    Mouse(w, QEvent::MouseButtonRelease, held, Qt::NoButton);
    SaveShot(w, folder, name + "-held");
    // The keyboard's focus on the second free cell.
    QTest::keyClick(w.Table(), Qt::Key_Escape);
    QTest::keyClick(w.Table(), Qt::Key_Up);
    QTest::keyClick(w.Table(), Qt::Key_Right);
    SaveShot(w, folder, name + "-focus");
    // A drag on its way, then let go where it may not go: it slides back.
    const int pic = a.GetTopPicID(kTableau, 5);
    const QPoint from = At(w, a, pic);
    const QPoint to = At(w, a, a.GetTopPicID(kTableau, 7)) + QPoint(0, 30);
    Mouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int i = 1; i <= 4; ++i)
        Mouse(w, QEvent::MouseMove, from + (to - from) * i / 4, Qt::LeftButton);
    SaveShot(w, folder, name + "-drag");
    Mouse(w, QEvent::MouseButtonRelease, to, Qt::NoButton);
    w.Table()->PlayFrame();
    SaveShot(w, folder, name + "-slide");
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = ShotFolder(argc, argv);
    if (folder.isEmpty())
        return 2;
    const QString name = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("table");
    const QByteArray mode = argc > 3 ? QByteArray(argv[3]) : QByteArray();
    TestServices s;
    s.Data().SetAutoplay(0);
    WriteAnyOnAnyGame(s->Custom());
    frmMain w(*s);
    w.setGeometry(w.screen()->availableGeometry());
    w.show();
    QApplication::processEvents();
    if (mode == "play") {
        w.Start("Freecell", cGameNo(3));
        w.Table()->FinishAnimations();
        w.Table()->WaitForPictures();
        Play(w, s->Board(), folder, name);
        return 0;
    }
    w.Start(kAnyOnAnyGame, cGameNo(12));
    if (mode == "deal") {
        w.Table()->WaitForPictures();
        for (int frame = argc > 4 ? QByteArray(argv[4]).toInt() : 40; frame > 0; --frame)
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
