// Every window of the program fits the screen it opens on. The suite runs twice: on a
// 1366 x 768 screen at scale 1, and on a 1920 x 1080 screen at scale 2.
#include "mwindows.h"
#include "tablewindow.h"

#include "dialogscript.h"

#include <QScreen>

using namespace solvane;
using namespace solvane::test;

namespace {
struct Screens : ::testing::Test {
    TableWindow t;
    Screens() { WireWindows(*t.w, *t.s); }

    // Opens the window as its menu entry does and answers whether it lay on the screen.
    void ExpectOnScreen(const char* window)
    {
        QRect frame, avail;
        QSize minimum;
        const bool opened = WithModal<QDialog>([&] { t.w->Open(QLatin1String(window)); }, [&](QDialog& dlg) {
            QApplication::processEvents();
            frame = dlg.frameGeometry();
            minimum = dlg.minimumSizeHint();
            avail = dlg.screen()->availableGeometry();
            // Pictures to look at, when asked for.
            if (const QByteArray folder = qgetenv("SOLVANE_SCREEN_SHOTS"); !folder.isEmpty())
                dlg.grab().save(QString::fromLocal8Bit(folder) + "/" + window + ".png");
        });
        ASSERT_TRUE(opened) << window;
        EXPECT_TRUE(avail.contains(frame)) << window << ": " << frame.width() << "x" << frame.height() << "+"
                                           << frame.x() << "+" << frame.y() << " on " << avail.width() << "x"
                                           << avail.height() << ", smallest " << minimum.width() << "x"
                                           << minimum.height();
    }
};
} // namespace

TEST_F(Screens, EveryWindowLiesOnTheScreen)
{
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(1)));
    t.Settle();
    for (const char* window : {"frmSelect", "frmChoose", "frmGamesWizard", "frmGameStat", "frmSesStat",
                               "frmHighScore", "frmLogStat", "frmPlayFav", "frmOrgFav", "frmCustomize",
                               "frmPlayers", "frmHistory", "frmAbout", "frmFinish"})
        ExpectOnScreen(window);
}
