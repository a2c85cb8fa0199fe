// The help pages as the program carries them: every link leads to a page that is there,
// every page can be reached from the contents, and the page written for a designed game
// links into the same help and survives whatever name the player typed.
#include "mhelppage.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

const QUrl kContents(QStringLiteral("qrc:/help/contents.html"));

QString Read(const QUrl& url)
{
    QFile file(QLatin1Char(':') + url.path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QList<QUrl> Links(const QUrl& page, const QString& html)
{
    static const QRegularExpression kHref(QStringLiteral("href=\"([^\"]*)\""));
    QList<QUrl> links;
    for (auto it = kHref.globalMatch(html); it.hasNext();)
        links << page.resolved(QUrl(it.next().captured(1)));
    return links;
}

bool Exists(const QUrl& url)
{
    return url.scheme() == QLatin1String("qrc") && QFile::exists(QLatin1Char(':') + url.path());
}

QStringList Pages()
{
    return QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
}

} // namespace

TEST(HelpPages, EveryLinkLeadsToAPageOfTheHelp)
{
    ASSERT_GE(Pages().size(), 6);
    for (const QString& name : Pages()) {
        SCOPED_TRACE(name.toStdString());
        const QUrl page(QStringLiteral("qrc:/help/") + name);
        const QString html = Read(page);
        ASSERT_FALSE(html.isEmpty());
        EXPECT_TRUE(html.contains(QLatin1String("<title>"))) << "page without a title";
        for (const QUrl& link : Links(page, html))
            EXPECT_TRUE(Exists(link)) << link.toString().toStdString();
    }
}

TEST(HelpPages, EveryPageCanBeReachedFromTheContents)
{
    QSet<QString> reached;
    QList<QUrl> pending{kContents};
    while (!pending.isEmpty()) {
        const QUrl page = pending.takeFirst();
        const QString name = page.fileName();
        if (reached.contains(name) || !name.endsWith(QLatin1String(".html")))
            continue;
        reached.insert(name);
        pending << Links(page, Read(page));
    }
    for (const QString& name : Pages())
        EXPECT_TRUE(reached.contains(name)) << name.toStdString() << " is not linked from anywhere";
}

TEST(HelpPages, DesignedGamePageShowsTheRulesAndLinksIntoTheHelp)
{
    const QString page = solvane::DesignedGamePage(
        QStringLiteral("Kings <b>& Queens</b>"),
        {QStringLiteral("Card Arranging Order : Up Same Suit"), QStringLiteral("Base Card : Six")},
        {QStringLiteral("No. of Piles : 9"), QStringLiteral("Space Filling Card : King")},
        {QStringLiteral("No. of Piles : 2"), QStringLiteral("Initial Cards : 1")});

    QTextDocument doc;
    doc.setHtml(page);
    // The typed name is text, not markup.
    EXPECT_EQ(doc.metaInformation(QTextDocument::DocumentTitle), QStringLiteral("Kings <b>& Queens</b>"));
    const QString text = doc.toPlainText();
    EXPECT_TRUE(text.contains(QLatin1String("Kings <b>& Queens</b>")));
    for (const char* shown : {"Up Same Suit", "Six", "Space Filling Card", "King", "Initial Cards"})
        EXPECT_TRUE(text.contains(QLatin1String(shown))) << shown;

    const QUrl where(QStringLiteral("qrc:/help/game6.html"));
    const QList<QUrl> links = Links(where, page);
    EXPECT_FALSE(links.isEmpty());
    for (const QUrl& link : links)
        EXPECT_TRUE(Exists(link)) << link.toString().toStdString();
}
