#include "frmfinish.h"

#include "cservices.h"
#include "frmmain.h"
#include "mtime.h"
#include "mtoolicons.h"
#include "ui_frmfinish.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QToolBar>
#include <QValueAxis>
#include <QVBoxLayout>

namespace solvane {

frmFinish::frmFinish(cServices& services, frmMain& main, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmFinish>()), services_(services), main_(main)
{
    ui->setupUi(this);
    ui->Frame1->setTitle(services_.Data().CurGName());
    BuildToolbar();
    FillList();
    FillChart();
    services_.Data().PlaySound(QStringLiteral("Win"));
    if (auto problem = services_.Lifecycle().FinishWin())
        ui->ListView1->addItem(QStringLiteral(" ") + *problem);
}

frmFinish::~frmFinish() = default;

void frmFinish::FillList()
{
    const cData& d = services_.Data();
    QStringList lines = {
        QStringLiteral(" Game : ") + d.CurGNo().Text(),
        QStringLiteral(" Player : ") + d.CurPlayer(),
        QStringLiteral(" Time : ") + QString::fromStdString(ElapsedTimeText(d.CurTime())),
        QStringLiteral(" Moves : ") + QString::number(d.CurMoves()),
        QStringLiteral(" Score : ") + QString::number(d.CurScore()),
    };
    if (services_.Lifecycle().SolvedByComputer())
        lines << QStringLiteral(" Result : Solved by the computer");
    ui->ListView1->addItems(lines);
}

void frmFinish::FillChart()
{
    const cData& d = services_.Data();
    const double values[] = {double(std::max<int>(d.CurScore(), 0)), double(d.CurMoves()),
                             double(d.CurTime())};
    const char* labels[] = {"Score", "Moves", "Time"};
    auto* series = new QBarSeries;
    double top = 10; // an axis of at least 0..10 reads well for small games
    for (int i = 0; i < 3; ++i) {
        auto* set = new QBarSet(QLatin1String(labels[i]));
        *set << values[i];
        series->append(set);
        top = std::max(top, values[i]);
    }
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    auto* chart = new QChart;
    chart->setObjectName(QStringLiteral("chFin"));
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(QStringLiteral(" "));
    auto* y = new QValueAxis;
    y->setRange(0, top * 1.15);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* view = new QChartView(chart, ui->chartHolder);
    view->setObjectName(QStringLiteral("chFin"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(280, 240);
    auto* layout = new QVBoxLayout(ui->chartHolder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
}

void frmFinish::BuildToolbar()
{
    toolbar_ = new QToolBar(ui->toolHolder);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setIconSize(QSize(24, 24));
    auto* layout = new QVBoxLayout(ui->toolHolder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolbar_);
    auto add = [this](const QString& key, const QString& text, auto action) {
        QAction* a = toolbar_->addAction(ToolIcon(key), text);
        a->setObjectName(QStringLiteral("Button_") + key);
        a->setData(key);
        connect(a, &QAction::triggered, this, action);
        return a;
    };
    add(QStringLiteral("New"), QStringLiteral("New Game"), [this] { Choose(Choice::New); });
    QAction* select = add(QStringLiteral("Select"), QStringLiteral("Select Game"), [this] { Choose(Choice::Select); });
    add(QStringLiteral("Restart"), QStringLiteral("Restart Game"), [this] { Choose(Choice::Restart); });
    QAction* stats = add(QStringLiteral("Statistics"), QStringLiteral("Statistics"),
                         [this] { main_.Open(QStringLiteral("frmGameStat"), this); });
    QAction* high = add(QStringLiteral("Highscore"), QStringLiteral("High Score"),
                        [this] { main_.Open(QStringLiteral("frmHighScore"), this); });
    add(QStringLiteral("Close"), QStringLiteral("Close"), [this] { Choose(Choice::Close); });
    // Windows that are not part of the program yet stay out of reach.
    select->setEnabled(main_.HasOpener(QStringLiteral("frmSelect")));
    stats->setEnabled(main_.HasOpener(QStringLiteral("frmGameStat")));
    high->setEnabled(main_.HasOpener(QStringLiteral("frmHighScore")));
}

void frmFinish::Choose(Choice c)
{
    chosen_ = c;
    accept();
}

} // namespace solvane
