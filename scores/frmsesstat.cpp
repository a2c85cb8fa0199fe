#include "frmsesstat.h"

#include "cdata.h"
#include "cdateform.h"
#include "cscore.h"
#include "mcharts.h"
#include "mscoreicons.h"
#include "mstatfigures.h"
#include "mstatwindow.h"
#include "ui_frmsesstat.h"

#include <algorithm>

namespace solvane {

namespace {
// Columns of lvSession and lvSesChart that the timer refreshes.
enum SessionColumn { sGame, sNo, sPlayer, sTime, sMoves, sStatus, sScore };
enum ChartColumn { chNo, chTime, chMoves, chScore };

QString DateTimeText(const QDateTime& when) { return when.isValid() ? cDateForm().Format(when) : QString(); }

std::vector<double> Figures(int64_t score, int64_t moves, int64_t time)
{
    return {double(score), double(moves), double(time)};
}
} // namespace

frmSesStat::frmSesStat(cData& data, cScore& score, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmSesStat>()), data_(data), score_(score),
      chart_({QStringLiteral("Score"), QStringLiteral("Moves"), QStringLiteral("Time")})
{
    ui->setupUi(this);
    SetWidths(ui->lvSession, {180, 110, 130, 80, 70, 80, 70});
    SetWidths(ui->lvSesChart, {50, 80, 70, 70});
    AlignHeadersRight(ui->lvSession, {sTime, sMoves, sScore});
    StretchFirstColumn(ui->lvSession);
    AlignHeadersRight(ui->lvSesChart, {chNo, chTime, chMoves, chScore});
    ui->SSTab1->setCurrentIndex(0);
    FillSummary();
    FillDetails();
    FillGameLabels();

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setParent(this);
    Timer1.setInterval(kTickMs);
    connect(&Timer1, &QTimer::timeout, this, &frmSesStat::Tick);
    Timer1.start();
    connect(ui->cmdRefresh, &QPushButton::clicked, this, &frmSesStat::RefreshChart);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

// The timer, a member, leaves its parent before the dialog deletes its children.
frmSesStat::~frmSesStat() = default;

void frmSesStat::FillSummary()
{
    const StatTotals t = score_.SesStat();
    auto n = [](int64_t v) { return QString::number(v); };
    ui->lblSesStarted->setText(QStringLiteral("Started : ") + DateTimeText(data_.SesStartTime()));
    ui->lblSesPlayed->setText(QStringLiteral("Games Played : ") + n(score_.SesTop()));
    ui->lblSesWon->setText(QStringLiteral("Games Won : ") + n(t.Won));
    ui->lblSesLost->setText(QStringLiteral("Games Lost : ") + n(t.Lost));
    ui->lblsesScore->setText(QStringLiteral("Total Score : ") + n(t.Score));
    ui->lblSesMoves->setText(QStringLiteral("Total Moves : ") + n(t.Moves));
    Tick();

    QList<QTreeWidgetItem*> rows;
    for (int i = 1; i <= score_.SesTop(); ++i) {
        const ScoreRecord r = score_.GetSesGame(i);
        auto* item = new QTreeWidgetItem({r.GameName, r.GameNo.Text(), r.Player, TimeText(r.Time),
                                          QString::number(r.Moves), StatusText(r.Won), QString::number(r.Score)});
        item->setIcon(sGame, GameIcon());
        item->setIcon(sStatus, r.Won == kWon ? WonIcon() : LostIcon());
        AlignRight(item, {sTime, sMoves, sScore});
        rows << item;
    }
    runningRow_ = nullptr;
    if (data_.GameRunning()) {
        runningRow_ = new QTreeWidgetItem({data_.CurGName(), data_.CurGNo().Text(), data_.CurPlayer(),
                                           TimeText(data_.CurTime()), QString::number(data_.CurMoves()),
                                           QStringLiteral("Running"), QString::number(data_.CurScore())});
        runningRow_->setIcon(sGame, GameIcon());
        runningRow_->setIcon(sStatus, TimeIcon());
        AlignRight(runningRow_, {sTime, sMoves, sScore});
        Colour(runningRow_, kRunningColour);
        rows << runningRow_;
    }
    ui->lvSession->clear();
    ui->lvSession->addTopLevelItems(rows);
    if (runningRow_)
        ui->lvSession->scrollToItem(runningRow_);
    DrawWonLost(ui->chSummary, QStringLiteral("Session Games Won and Lost"), t.Won, t.Lost);
}

void frmSesStat::FillDetails()
{
    QList<QTreeWidgetItem*> rows;
    const int top = score_.SesTop();
    for (int i = 1; i <= top; ++i) {
        const ScoreRecord r = score_.GetSesGame(i);
        auto* item = new QTreeWidgetItem(
            {QString::number(i), TimeText(r.Time), QString::number(r.Moves), QString::number(r.Score)});
        AlignRight(item, {chNo, chTime, chMoves, chScore});
        rows << item;
        chart_.AddRow(QString::number(i), Figures(r.Score, r.Moves, r.Time));
    }
    // The row after the finished games is the running game's, empty while none runs.
    chart_.AddRow(QString::number(top + 1));
    runningChartRow_ = nullptr;
    if (data_.GameRunning()) {
        chart_.SetRow(top, Figures(data_.CurScore(), data_.CurMoves(), data_.CurTime()));
        runningChartRow_ = new QTreeWidgetItem({QString::number(top + 1), TimeText(data_.CurTime()),
                                                QString::number(data_.CurMoves()),
                                                QString::number(data_.CurScore())});
        AlignRight(runningChartRow_, {chNo, chTime, chMoves, chScore});
        Colour(runningChartRow_, kRunningColour);
        rows << runningChartRow_;
    }
    ui->lvSesChart->clear();
    ui->lvSesChart->addTopLevelItems(rows);
    if (runningChartRow_)
        ui->lvSesChart->scrollToItem(runningChartRow_);
    DrawChart();
}

void frmSesStat::FillGameLabels()
{
    ui->lblGameStarted->setText(QStringLiteral("Game Started : ") + DateTimeText(data_.GameStartTime()));
    ui->lblGameName->setText(QStringLiteral("Game : ") + data_.CurGName());
    ui->lblGameNo->setText(QStringLiteral("Game Number : ") + data_.CurGNo().Text());
    ui->lblGameScore->setText(QStringLiteral("Score : ") + QString::number(data_.CurScore()));
    ui->lblGameMoves->setText(QStringLiteral("Moves : ") + QString::number(data_.CurMoves()));
    ui->lblGameTime->setText(QStringLiteral("Time Elapsed : ") + TimeText(data_.CurTime()));
    ui->lblPlayer->setText(QStringLiteral("Player Name : ") + data_.CurPlayer());
}

void frmSesStat::Tick()
{
    const QDateTime start = data_.SesStartTime();
    const qint64 elapsed = start.isValid() ? std::max<qint64>(start.secsTo(score_.Now()), 0) : 0;
    ui->lblSesElapsedTime->setText(QStringLiteral("Time Elapsed : ") + TimeText(elapsed));
    if (!data_.GameRunning())
        return;
    const QString time = TimeText(data_.CurTime());
    const QString points = QString::number(data_.CurScore());
    if (runningRow_) {
        runningRow_->setText(sTime, time);
        runningRow_->setText(sScore, points);
    }
    if (runningChartRow_) {
        runningChartRow_->setText(chTime, time);
        runningChartRow_->setText(chScore, points);
    }
    ui->lblGameScore->setText(QStringLiteral("Score : ") + points);
    ui->lblGameTime->setText(QStringLiteral("Time Elapsed : ") + time);
}

void frmSesStat::RefreshChart()
{
    if (!data_.GameRunning())
        return;
    chart_.SetRow(score_.SesTop(), Figures(data_.CurScore(), data_.CurMoves(), data_.CurTime()));
    DrawChart();
}

void frmSesStat::DrawChart()
{
    DrawTable(ui->chChart, QStringLiteral("Score, Moves and Time of Each Game"), chart_, QStringLiteral("Game"), {});
}

} // namespace solvane
