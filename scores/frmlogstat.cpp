#include "frmlogstat.h"

#include "cdata.h"
#include "clogmodel.h"
#include "cscore.h"
#include "mscoreicons.h"
#include "mstatwindow.h"
#include "ui_frmlogstat.h"

#include <QHeaderView>

namespace solvane {

const frmLogStat::PeriodChoice frmLogStat::kPeriods[] = {
    {"Show Today", "t"},    {"Last 3 Days", "3d"},   {"Last 7 Days", "7d"}, {"Last 30 Days", "30d"},
    {"Last 3 Months", "3m"}, {"Last 5 Months", "5m"}, {"Show All", ""},
};

namespace {
constexpr int kColumnWidths[] = {100, 130, 170, 70, 80, 70, 80, 120};
} // namespace

frmLogStat::frmLogStat(cData& data, cScore& score, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmLogStat>()), data_(data), score_(score)
{
    ui->setupUi(this);
    score_.OpenAllScore();
    ShowLoadProblems(ui->lblProblems, score_);

    model_ = new cLogModel(score_.Table(), this);
    ui->lvLog->setModel(model_);
    // Fixed widths: measuring a million rows' contents would take seconds.
    QHeaderView* header = ui->lvLog->header();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    for (int c = 0; c < cLogModel::ColumnCount; ++c)
        ui->lvLog->setColumnWidth(c, kColumnWidths[c]);

    ui->imcGames->addItem(GameIcon(), QStringLiteral("All Games"));
    for (int id = 1; id <= data_.TotalGames(); ++id)
        ui->imcGames->addItem(GameIcon(), data_.GetGName(id));
    ui->imcPlayer->addItem(PlayerIcon(), QStringLiteral("All Players"));
    FillChoices(ui->imcPlayer, score_.Players(), PlayerIcon());
    for (const PeriodChoice& p : kPeriods)
        ui->imcDate->addItem(PeriodIcon(), QString::fromLatin1(p.Caption), QString::fromLatin1(p.Key));
    ui->imcGames->setCurrentIndex(0);
    ui->imcPlayer->setCurrentIndex(0);
    ui->imcDate->setCurrentIndex(kShowAll);
    FillList();

    for (QComboBox* box : {ui->imcGames, ui->imcPlayer, ui->imcDate})
        connect(box, &QComboBox::currentIndexChanged, this, &frmLogStat::FillList);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

frmLogStat::~frmLogStat() = default;

void frmLogStat::done(int result)
{
    // The model reads the table: it is emptied first.
    model_->SetRows({});
    score_.CloseScore();
    QDialog::done(result);
}

cLogFilter frmLogStat::Filter() const
{
    cLogFilter f;
    // The first entries stand for all; an entry is never compared with their captions.
    if (ui->imcGames->currentIndex() > 0)
        f.Game = ui->imcGames->currentText();
    if (ui->imcPlayer->currentIndex() > 0)
        f.Player = ui->imcPlayer->currentText();
    f.Within = cLogFilter::PeriodFromKey(ui->imcDate->currentData().toString()).value_or(cLogFilter::Period::All);
    return f;
}

void frmLogStat::FillList()
{
    model_->SetRows(Filter().Rows(score_.Table(), score_.Now().date()));
    const int n = model_->rowCount();
    ui->lblCount->setText(n == 1 ? QStringLiteral("1 game listed") : QStringLiteral("%1 games listed").arg(n));
}

} // namespace solvane
