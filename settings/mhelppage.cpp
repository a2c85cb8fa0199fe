#include "mhelppage.h"

namespace solvane {

namespace {

const QString kSeparator = QStringLiteral(" : ");

// One rule per row, its name and its value in columns of their own. Every text is
// escaped: a game's name is whatever the player typed.
QString RulesTable(const QString& heading, const QStringList& lines)
{
    QString html = QStringLiteral("<h2>%1</h2>\n<table class=\"grid\">\n").arg(heading);
    for (const QString& line : lines) {
        const qsizetype split = line.indexOf(kSeparator);
        if (split < 0) {
            html += QStringLiteral("<tr><td colspan=\"2\">%1</td></tr>\n").arg(line.toHtmlEscaped());
            continue;
        }
        html += QStringLiteral("<tr><th>%1</th><td>%2</td></tr>\n")
                    .arg(line.left(split).trimmed().toHtmlEscaped(),
                         line.mid(split + kSeparator.size()).trimmed().toHtmlEscaped());
    }
    return html + QStringLiteral("</table>\n");
}

} // namespace

QString DesignedGamePage(const QString& gameName, const QStringList& foundation,
                         const QStringList& tableau, const QStringList& freeCells)
{
    const QString name = gameName.toHtmlEscaped();
    QString html = QStringLiteral(
        "<html>\n<head>\n<title>%1</title>\n"
        "<link rel=\"stylesheet\" type=\"text/css\" href=\"help.css\">\n</head>\n<body>\n"
        "<p class=\"nav\"><a href=\"contents.html\">Contents</a> &gt; Your own games</p>\n"
        "<h1>%1</h1>\n"
        "<p class=\"lead\">A game of your own design, made with the Game Wizard. These are "
        "its rules as you chose them.</p>\n").arg(name);
    html += RulesTable(QStringLiteral("Foundation"), foundation);
    html += RulesTable(QStringLiteral("Tableau"), tableau);
    html += RulesTable(QStringLiteral("Free Cells"), freeCells);
    html += QStringLiteral(
        "<h2>Playing</h2>\n"
        "<p>Cards are moved as in every game of Solvane; see <a href=\"playing.html\">How to "
        "play</a>. When Multi Card Move is True, runs built by the tableau's order move "
        "together, up to (empty free cells + 1) &times; (empty tableau piles + 1) cards. "
        "The game is won when all 52 cards are on the foundations.</p>\n"
        "<p>See also: <a href=\"designer.html\">Designing your own games</a>, for what each "
        "rule means.</p>\n</body>\n</html>\n");
    return html;
}

} // namespace solvane
