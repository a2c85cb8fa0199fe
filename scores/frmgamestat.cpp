#include "frmgamestat.h"

#include "cdata.h"
#include "cscore.h"
#include "mcharts.h"
#include "mscoreicons.h"
#include "mstatfigures.h"
#include "mstatwindow.h"
#include "ui_frmgamestat.h"

#include <QChartView>

#include <algorithm>

namespace solvane {

const frmGameStat::PeriodChoice frmGameStat::kPeriods[] = {
    {"5d", "Last 5 Days", "d", 5},       {"10d", "Last 10 Days", "d", 10}, {"30d", "Last 30 Days", "d", 30},
    {"5m", "Last 5 Months", "m", 5},     {"10m", "Last 10 Months", "m", 10}, {"5y", "Last 5 Years", "yyyy", 5},
};

namespace {
const QStringList kFigureColumns = {QStringLiteral("Score"), QStringLiteral("Moves"), QStringLiteral("Time")};

QTreeWidgetItem* TotalsRow(const QString& name, const StatTotals& t, const QString& perc, const QIcon& icon)
{
    auto* item = new QTreeWidgetItem({name, QString::number(t.Played), QString::number(t.Won),
                                      QString::number(t.Played - t.Won), TimeText(t.Time), QString::number(t.Moves),
                                      QString::number(t.Score), perc});
    item->setIcon(0, icon);
    AlignRight(item, {1, 2, 3, 4, 5, 6, 7});
    return item;
}

// Score, moves and time of a total; a negative score sum is charted as 0.
std::vector<double> TotalFigures(const StatTotals& t)
{
    return {static_cast<double>(std::max<int64_t>(t.Score, 0)), static_cast<double>(t.Moves),
            static_cast<double>(t.Time)};
}

void SetListWidths(QTreeWidget* list) { SetWidths(list, {190, 70, 70, 70, 90, 90, 90, 70}); }
} // namespace

frmGameStat::frmGameStat(cData& data, cScore& score, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmGameStat>()), data_(data), score_(score)
{
    ui->setupUi(this);
    SetListWidths(ui->lvGames);
    SetListWidths(ui->lvPlayer);
    SetWidths(ui->lvDate, {90, 60, 60});
    for (QTreeWidget* list : {ui->lvGames, ui->lvPlayer})
    {
        AlignHeadersRight(list, {1, 2, 3, 4, 5, 6, 7});
        StretchFirstColumn(list);
    }
    AlignHeadersRight(ui->lvDate, {1, 2});
    ui->SSTab1->setCurrentIndex(0);
    Load();
    FillGeneral();
    FillGames();
    FillDates();
    FillPlayers();

    connect(ui->imcGames, &QComboBox::currentIndexChanged, this, [this] { ShowGame(ui->imcGames->currentText()); });
    connect(ui->imcDate, &QComboBox::currentIndexChanged, this, [this](int i) { ShowPeriods(i); });
    connect(ui->imcPlayer, &QComboBox::currentIndexChanged, this,
            [this] { ShowPlayer(ui->imcPlayer->currentText()); });
    connect(ui->cmdClear, &QPushButton::clicked, this, [this] { score_.ClearStat(); });
    connect(ui->cmdExport, &QPushButton::clicked, this, [this] { Export(); });
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

frmGameStat::~frmGameStat() = default;

void frmGameStat::done(int result)
{
    score_.CloseScore();
    QDialog::done(result);
}

void frmGameStat::Load()
{
    score_.OpenAllScore();
    totals_ = TotalsByGroup(score_.Table());
    ShowLoadProblems(ui->lblProblems, score_);
}

void frmGameStat::Export()
{
    score_.ExportStat();
    // The report leaves the table empty; the lists and charts keep drawing from it.
    Load();
}

void frmGameStat::FillGeneral()
{
    const StatTotals t = score_.TotalStat();
    ui->lvGeneral->clear();
    ui->lvGeneral->addItems(GeneralLines(t));
    DrawWonLost(ui->chGen, QStringLiteral("Games Won and Lost"), t.Won, t.Lost);
    cChartTable table(kFigureColumns);
    table.AddRow(QStringLiteral("All games"), TotalFigures(t));
    DrawTable(ui->chGen1, QStringLiteral("Total Score, Moves and Time"), table, {}, {});
}

void frmGameStat::FillGames()
{
    const cScoreTable& table = score_.Table();
    const QIcon icon = GameIcon();
    QStringList names;
    QList<QTreeWidgetItem*> rows;
    for (int id = 1; id <= data_.TotalGames(); ++id) {
        const QString name = data_.GetGName(id);
        const StatTotals t = totals_.Game(table, name);
        rows << TotalsRow(name, t, PercentText(t.Won, t.Played) + u'%', icon);
        names << name;
    }
    ui->lvGames->clear();
    ui->lvGames->addTopLevelItems(rows);
    FillChoices(ui->imcGames, names, icon);
    SelectFirstThen(ui->imcGames, data_.CurGName());
    ShowGame(ui->imcGames->currentText());
}

void frmGameStat::ShowGame(const QString& name)
{
    const cScoreTable& table = score_.Table();
    const StatTotals t = totals_.Game(table, name);
    DrawWonLost(ui->chGames, name + QStringLiteral(": Won and Lost"), t.Won, t.Played - t.Won);
    cChartTable games(kFigureColumns);
    const std::vector<int> rows = FirstGameRows(table, name, kChartedGames);
    for (size_t k = 0; k < rows.size(); ++k) {
        const cScoreTable::Row& r = table.At(rows[k]);
        games.AddRow(QString::number(k + 1), {double(r.Score), double(r.Moves), double(r.Time)});
    }
    const QString title = rows.size() < size_t(kChartedGames)
                              ? name + QStringLiteral(": Each Game")
                              : name + QStringLiteral(": The First %1 Games").arg(kChartedGames);
    DrawTable(ui->chGames1, title, games, QStringLiteral("Game"), {});
}

void frmGameStat::FillDates()
{
    ui->imcDate->clear();
    const QIcon icon = PeriodIcon();
    for (const PeriodChoice& p : kPeriods)
        ui->imcDate->addItem(icon, QString::fromLatin1(p.Caption), QString::fromLatin1(p.Key));
    ui->imcDate->setCurrentIndex(0);
    ShowPeriods(0);
}

void frmGameStat::ShowPeriods(int choice)
{
    if (choice < 0 || choice >= kPeriodCount)
        return;
    const PeriodChoice& p = kPeriods[choice];
    const DateInterval interval = *IntervalFromTag(QString::fromLatin1(p.Tag));
    const QString unit = interval == DateInterval::Day     ? QStringLiteral("Day")
                         : interval == DateInterval::Month ? QStringLiteral("Month")
                                                           : QStringLiteral("Year");
    const QDate today = score_.Now().date();
    cChartTable counts({QStringLiteral("Played"), QStringLiteral("Won")});
    cChartTable figures(kFigureColumns);
    QList<QTreeWidgetItem*> rows;
    const QIcon icon = PeriodIcon();
    for (int j = p.Periods - 1; j >= 0; --j) {
        const QDate at = interval == DateInterval::Day     ? today.addDays(-j)
                         : interval == DateInterval::Month ? today.addMonths(-j)
                                                           : today.addYears(-j);
        const DateTotals d = score_.DateStat(at, interval);
        auto* item = new QTreeWidgetItem({d.Label, QString::number(d.Played), QString::number(d.Won)});
        item->setIcon(0, icon);
        AlignRight(item, {1, 2});
        rows << item;
        counts.AddRow(d.Label, {double(d.Played), double(d.Won)});
        figures.AddRow(d.Label, {double(d.Score), double(d.Moves), double(d.Time)});
    }
    ui->lvDate->clear();
    ui->lvDate->addTopLevelItems(rows);
    ui->lvDate->headerItem()->setText(0, unit);
    DrawTable(ui->chDate, QStringLiteral("Games Played and Won per %1").arg(unit), counts, {}, QStringLiteral("Games"));
    DrawTable(ui->chDate1, QStringLiteral("Score, Moves and Time per %1").arg(unit), figures, {}, {});
}

void frmGameStat::FillPlayers()
{
    const cScoreTable& table = score_.Table();
    const QIcon icon = PlayerIcon();
    const QStringList players = score_.Players();
    QList<QTreeWidgetItem*> rows;
    for (const QString& name : players) {
        const StatTotals t = totals_.Player(table, name);
        rows << TotalsRow(name, t, QString::number(WholePercent(t.Won, t.Played)) + u'%', icon);
    }
    ui->lvPlayer->clear();
    ui->lvPlayer->addTopLevelItems(rows);
    FillChoices(ui->imcPlayer, players, icon);
    const int at = ui->imcPlayer->findText(data_.CurPlayer(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (at >= 0)
        ui->imcPlayer->setCurrentIndex(at);
    ShowPlayer(data_.CurPlayer());
}

void frmGameStat::ShowPlayer(const QString& name)
{
    const StatTotals t = totals_.Player(score_.Table(), name);
    DrawWonLost(ui->chPlayer, name + QStringLiteral(": Won and Lost"), t.Won, t.Played - t.Won);
    cChartTable table(kFigureColumns);
    table.AddRow(name, TotalFigures(t));
    DrawTable(ui->chPlayer1, name + QStringLiteral(": Total Score, Moves and Time"), table, {}, {});
}

} // namespace solvane
