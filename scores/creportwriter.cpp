#include "creportwriter.h"

#include "cdata.h"
#include "cdateform.h"
#include "cprintline.h"
#include "cscore.h"
#include "mtime.h"

namespace solvane {

namespace {
// An empty line of the report holds one blank.
const QString kEmptyLine = QStringLiteral(" ");
constexpr int kGameNameWidth = 25;
constexpr int kGameHeaderGap = 21;
constexpr int kFullTextWidth = 12;
constexpr int kGameNoGap = 5;

QString TimeText(int64_t seconds) { return QString::fromStdString(ElapsedTimeText(seconds)); }

void Rule(QStringList& lines, const char* title, int dashes)
{
    lines << QString::fromLatin1(title) << QString(dashes, u'-');
}
} // namespace

void cReportWriter::Heading(QStringList& lines, const QDateTime& now) const
{
    lines << data_.ProdName() + QStringLiteral(" Score Board") << kEmptyLine << QString(25, u'*') << kEmptyLine;
    lines << cPrintLine().Adjacent("Created By").Column(data_.CurPlayer()).Text();
    lines << cPrintLine().Adjacent("Created Date").Column(form_.Format(now)).Text();
    lines << kEmptyLine << QString(34, u'-') << kEmptyLine;
}

void cReportWriter::General(QStringList& lines) const
{
    Rule(lines, "General Statistics", 18);
    cPrintLine head;
    for (const char* h : {"Played", "Won", "Lost", "Time", "Moves", "Score"})
        head.Column(QString::fromLatin1(h));
    lines << head.Text();
    const StatTotals t = score_.TotalStat();
    lines << cPrintLine()
                 .ColumnNumber(t.Played)
                 .ColumnNumber(t.Won)
                 .ColumnNumber(t.Lost)
                 .Column(TimeText(t.Time))
                 .ColumnNumber(t.Moves)
                 .ColumnNumber(t.Score)
                 .Text();
    lines << kEmptyLine << kEmptyLine;
}

void cReportWriter::PlayerLines(QStringList& lines) const
{
    Rule(lines, "Player Statistics", 17);
    cPrintLine head;
    for (const char* h : {"Player", "Played", "Won", "Lost", "Time", "Moves", "Score"})
        head.Column(QString::fromLatin1(h));
    lines << head.Text();
    for (const QString& player : score_.Players()) {
        const StatTotals t = score_.PlayerStat(player);
        lines << cPrintLine()
                     .Column(player)
                     .ColumnNumber(t.Played)
                     .ColumnNumber(t.Won)
                     .ColumnNumber(t.Lost)
                     .Column(TimeText(t.Time))
                     .ColumnNumber(t.Moves)
                     .ColumnNumber(t.Score)
                     .Text();
    }
    lines << kEmptyLine << kEmptyLine;
}

void cReportWriter::GameLines(QStringList& lines) const
{
    Rule(lines, "Games Statistics", 16);
    cPrintLine head;
    head.Adjacent("Game").Adjacent(QString(kGameHeaderGap, u' ')).Adjacent("Played");
    for (const char* h : {"Won", "Time", "Moves", "Score"})
        head.Column(QString::fromLatin1(h));
    lines << head.Text();
    for (int id = 1; id <= data_.TotalGames(); ++id) {
        const QString name = data_.GetGName(id);
        const StatTotals t = score_.GameStat(name);
        // A name longer than the column simply pushes the figures along.
        lines << cPrintLine()
                     .Adjacent(name)
                     .Adjacent(QString(std::max<qsizetype>(0, kGameNameWidth - name.size()), u' '))
                     .AdjacentNumber(t.Played)
                     .ColumnNumber(t.Won)
                     .Column(TimeText(t.Time))
                     .ColumnNumber(t.Moves)
                     .ColumnNumber(t.Score)
                     .Text();
    }
    lines << kEmptyLine << kEmptyLine;
}

void cReportWriter::FullLines(QStringList& lines) const
{
    Rule(lines, "Full Statistics", 14);
    cPrintLine head;
    for (const char* h : {"Date", "Game", "Player", "Status", "Score", "Moves", "Time", "Game No"})
        head.Column(QString::fromLatin1(h));
    lines << head.Text();
    const cScoreTable& table = score_.Table();
    // Records come in runs of one day: format each day once.
    int32_t lastDay = kNoDay;
    QString lastDate;
    for (int i = 0; i < table.Size(); ++i) {
        const cScoreTable::Row& r = table.At(i);
        QString date;
        const int32_t day = table.DayOf(i);
        if (day == kNoDay) {
            date = table.DateText(i); // unreadable: shown as written
        } else {
            if (day != lastDay) {
                lastDay = day;
                lastDate = form_.ShortDate(QDate::fromJulianDay(day));
            }
            date = lastDate;
        }
        const cGameNo no = table.GameNo(i);
        lines << cPrintLine()
                     .Column(date)
                     .Column(table.GameName(i).left(kFullTextWidth))
                     .Column(table.Player(i).left(kFullTextWidth))
                     .Column(StatusText(r.Won))
                     .ColumnNumber(r.Score)
                     .ColumnNumber(r.Moves)
                     .Column(TimeText(r.Time))
                     .Adjacent(QString(kGameNoGap, u' '))
                     .Adjacent(no.IsText() ? no.Text() : cPrintLine::NumberText(no.Value()))
                     .Text();
    }
}

QString cReportWriter::Text(const QDateTime& now) const
{
    QStringList lines;
    Heading(lines, now);
    General(lines);
    PlayerLines(lines);
    GameLines(lines);
    FullLines(lines);
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace solvane
