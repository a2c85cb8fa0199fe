// The help window as the Help menu drives it: the right page for every context number,
// the fallbacks, the designed game's page from the page maker, back, forward and
// contents, and one window reused.
#include "chelpbrowser.h"
#include "chelpviewer.h"
#include "frmhelp.h"
#include "mhelppage.h"

#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using solvane::cHelpViewer;

namespace {

const QUrl kContents(QStringLiteral("qrc:/help/contents.html"));

QString Title(const cHelpViewer& viewer)
{
    return viewer.Window()->Browser()->documentTitle();
}

QString Page(const cHelpViewer& viewer)
{
    return viewer.Window()->CurrentPage().toString();
}

// Clicks the first link to href on the page shown, as the player would.
bool ClickLink(const cHelpViewer& viewer, const QString& href)
{
    solvane::cHelpBrowser* browser = viewer.Window()->Browser();
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            const QPoint at = browser->cursorRect(cursor).center();
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
            return true;
        }
    }
    return false;
}

QPushButton* Button(const cHelpViewer& viewer, const char* name)
{
    return viewer.Window()->findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

TEST(HelpViewer, EachStandardGameOpensItsOwnRulesPage)
{
    cHelpViewer viewer(QStringLiteral("Solvane"));
    const char* const games[] = {"Freecell", "Baker's Game", "Forecell", "Seven By Four", "Two Cells"};
    for (int context = 1; context <= 5; ++context) {
        viewer.ShowContext(context);
        ASSERT_NE(viewer.Window(), nullptr);
        EXPECT_EQ(Title(viewer), QString::fromUtf8(games[context - 1])) << context;
        EXPECT_EQ(viewer.Window()->CurrentPage(), cHelpViewer::RulesPage(context));
        EXPECT_TRUE(viewer.Window()->Browser()->toPlainText().contains(QLatin1String("free cell")));
    }
}

TEST(HelpViewer, ContextZeroAndNumbersWithoutAPageShowTheContents)
{
    cHelpViewer viewer(QStringLiteral("Solvane"));
    for (int context : {0, 6, 42, -1}) {
        viewer.ShowContext(3);
        viewer.ShowContext(context);
        EXPECT_EQ(viewer.Window()->CurrentPage(), kContents) << context;
        EXPECT_EQ(Title(viewer), QStringLiteral("Solvane Help"));
    }
}

TEST(HelpViewer, DesignedGamesGetThePageTheMakerWrites)
{
    cHelpViewer viewer(QStringLiteral("Solvane"));
    QList<int> asked;
    QString rule = QStringLiteral("No. of Piles : 9");
    viewer.SetPageMaker([&](int context) {
        asked << context;
        if (context != 7)
            return QString(); // a game the maker does not know
        return solvane::DesignedGamePage(QStringLiteral("Nine Piles"), {}, {rule}, {});
    });

    viewer.ShowContext(7);
    EXPECT_EQ(Title(viewer), QStringLiteral("Nine Piles"));
    EXPECT_TRUE(viewer.Window()->Browser()->toPlainText().contains(QLatin1String("9")));

    // The game was redesigned: asking again shows the new rules, not the old page.
    rule = QStringLiteral("No. of Piles : 4");
    viewer.ShowContext(7);
    const QString text = viewer.Window()->Browser()->toPlainText();
    EXPECT_TRUE(text.contains(QLatin1String("4")));
    EXPECT_FALSE(text.contains(QLatin1String("9")));

    // Its links lead into the help, and back returns to it.
    ASSERT_TRUE(ClickLink(viewer, QStringLiteral("playing.html")));
    EXPECT_EQ(Page(viewer), QStringLiteral("qrc:/help/playing.html"));
    EXPECT_EQ(Title(viewer), QStringLiteral("How to play"));
    Button(viewer, "cmdBack")->click();
    EXPECT_EQ(Title(viewer), QStringLiteral("Nine Piles"));

    viewer.ShowContext(8); // the maker has nothing for it
    EXPECT_EQ(viewer.Window()->CurrentPage(), kContents);

    viewer.ShowContext(0);
    viewer.ShowContext(2); // standard games never go to the maker
    EXPECT_EQ(asked, (QList<int>{7, 7, 8}));
}

TEST(HelpViewer, BackForwardAndContentsWalkTheHistory)
{
    cHelpViewer viewer(QStringLiteral("Solvane"));
    viewer.ShowContents();
    QPushButton* back = Button(viewer, "cmdBack");
    QPushButton* forward = Button(viewer, "cmdForward");
    QPushButton* contents = Button(viewer, "cmdContents");
    ASSERT_TRUE(back && forward && contents);
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());

    viewer.ShowContext(1);
    viewer.ShowContext(3);
    EXPECT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(Title(viewer), QStringLiteral("Freecell"));
    EXPECT_TRUE(forward->isEnabled());
    back->click();
    EXPECT_EQ(Page(viewer), kContents.toString());
    EXPECT_FALSE(back->isEnabled());

    forward->click();
    EXPECT_EQ(Title(viewer), QStringLiteral("Freecell"));
    // Following a link drops the pages ahead.
    ASSERT_TRUE(ClickLink(viewer, QStringLiteral("playing.html")));
    ASSERT_TRUE(ClickLink(viewer, QStringLiteral("scoring.html")));
    EXPECT_EQ(Page(viewer), QStringLiteral("qrc:/help/scoring.html"));
    EXPECT_FALSE(forward->isEnabled());

    contents->click();
    EXPECT_EQ(Page(viewer), kContents.toString());
    back->click();
    EXPECT_EQ(Title(viewer), QStringLiteral("Scoring"));
    back->click();
    EXPECT_EQ(Title(viewer), QStringLiteral("How to play"));
}

TEST(HelpViewer, OneWindowBesideTheTableReusedWhenOpenedAgain)
{
    cHelpViewer viewer(QStringLiteral("Solvane"));
    EXPECT_EQ(viewer.Window(), nullptr);
    viewer.ShowContents();
    solvane::frmHelp* window = viewer.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Solvane Help"));
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose)) << "help alone must not keep the program running";

    viewer.ShowContext(4);
    window->close();
    EXPECT_FALSE(window->isVisible());
    viewer.ShowContext(5);
    EXPECT_EQ(viewer.Window(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Title(viewer), QStringLiteral("Two Cells"));
    Button(viewer, "cmdBack")->click();
    EXPECT_EQ(Title(viewer), QStringLiteral("Seven By Four")) << "history kept across closing";
}

TEST(HelpViewer, PagesTakeTheirLookFromTheStyleSheet)
{
    cHelpViewer viewer(QStringLiteral("Solvane"));
    viewer.ShowContents();
    const QTextBlock heading = viewer.Window()->Browser()->document()->firstBlock();
    EXPECT_EQ(heading.text(), QStringLiteral("Solvane Help"));
    EXPECT_EQ(heading.charFormat().foreground().color(), QColor(QStringLiteral("#1f5c32")));
}
