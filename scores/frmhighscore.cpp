#include "frmhighscore.h"

#include "cdata.h"
#include "cdateform.h"
#include "cscore.h"
#include "mscoreicons.h"
#include "mstatfigures.h"
#include "mstatwindow.h"
#include "ui_frmhighscore.h"

#include <vector>

namespace solvane {

namespace {
// What a column of a top list shows.
enum class Cell { Slot, Game, Player, Score, Time, Moves, Status, Date, GameNo };
using Layout = std::vector<Cell>;

const Layout kTopLayout = {Cell::Game, Cell::Player, Cell::Score, Cell::Time,
                           Cell::Moves, Cell::Status, Cell::Date, Cell::GameNo};
const Layout kGameLayout = {Cell::Slot, Cell::Player, Cell::Score, Cell::Time,
                            Cell::Moves, Cell::Status, Cell::Date, Cell::GameNo};
const Layout kPlayerLayout = {Cell::Slot, Cell::Game, Cell::Score, Cell::Time,
                              Cell::Moves, Cell::Status, Cell::Date, Cell::GameNo};
const Layout kFinLayout = {Cell::Slot, Cell::Game, Cell::Player, Cell::Score,
                           Cell::Time, Cell::Moves, Cell::Date, Cell::GameNo};

bool Numeric(Cell cell)
{
    return cell == Cell::Slot || cell == Cell::Score || cell == Cell::Time || cell == Cell::Moves;
}

QString CellText(Cell cell, int slot, const ScoreRecord& r, const cDateForm& form)
{
    switch (cell) {
    case Cell::Slot: return QString::number(slot);
    case Cell::Game: return r.GameName;
    case Cell::Player: return r.Player;
    case Cell::Score: return QString::number(r.Score);
    case Cell::Time: return TimeText(r.Time);
    case Cell::Moves: return QString::number(r.Moves);
    case Cell::Status: return StatusText(r.Won);
    case Cell::Date: return RecordDate(r, form);
    case Cell::GameNo: return r.GameNo.Text();
    }
    return {};
}

QIcon CellIcon(Cell cell, const ScoreRecord& r)
{
    switch (cell) {
    case Cell::Game: return GameIcon();
    case Cell::Player: return PlayerIcon();
    case Cell::Status: return r.Won == kWon ? WonIcon() : LostIcon();
    case Cell::Date: return PeriodIcon(); // also keeps the date off the moves before it
    default: return {};
    }
}

// The list from the top list's filled slots, the key column marked.
void FillList(QTreeWidget* list, const cScore& score, const Layout& layout, Cell key)
{
    const cDateForm form;
    QList<QTreeWidgetItem*> rows;
    for (int slot = 1; slot <= kTopSlots; ++slot) {
        if (score.TopRow(slot) < 0)
            continue;
        const ScoreRecord r = score.GetTopScore(slot);
        auto* item = new QTreeWidgetItem;
        for (size_t c = 0; c < layout.size(); ++c) {
            const int column = static_cast<int>(c);
            item->setText(column, CellText(layout[c], slot, r, form));
            if (c == 0 || layout[c] == Cell::Status || layout[c] == Cell::Date)
                item->setIcon(column, CellIcon(layout[c], r));
            if (Numeric(layout[c]))
                AlignRight(item, {column});
            if (layout[c] == key)
                MarkKeyCell(item, column);
        }
        rows << item;
    }
    list->clear();
    list->addTopLevelItems(rows);
}

int CellWidth(Cell cell)
{
    switch (cell) {
    case Cell::Slot: return 60;
    case Cell::Game: return 170;
    case Cell::Player: return 140;
    case Cell::Score: return 70;
    case Cell::Time: return 80;
    case Cell::Moves: return 70;
    case Cell::Status: return 80;
    case Cell::Date: return 110;
    case Cell::GameNo: return 110;
    }
    return 0;
}

// Widths by what a column shows; numbers and their headers right-aligned.
void SetupList(QTreeWidget* list, const Layout& layout)
{
    for (size_t c = 0; c < layout.size(); ++c) {
        const int column = static_cast<int>(c);
        list->setColumnWidth(column, CellWidth(layout[c]));
        if (Numeric(layout[c]))
            list->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
}
} // namespace

frmHighScore::frmHighScore(cData& data, cScore& score, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmHighScore>()), data_(data), score_(score)
{
    ui->setupUi(this);
    SetupList(ui->lvTop, kTopLayout);
    SetupList(ui->lvGames, kGameLayout);
    SetupList(ui->lvPlayer, kPlayerLayout);
    SetupList(ui->lvFin, kFinLayout);
    ui->SSTab1->setCurrentIndex(0);
    score_.OpenAllScore();
    ShowLoadProblems(ui->lblProblems, score_);

    FillTop();

    QStringList games;
    for (int id = 1; id <= data_.TotalGames(); ++id)
        games << data_.GetGName(id);
    FillChoices(ui->imcGames, games, GameIcon());
    SelectFirstThen(ui->imcGames, data_.CurGName());
    FillGame(ui->imcGames->currentText());

    FillChoices(ui->imcPlayer, score_.Players(), PlayerIcon());
    const int me = ui->imcPlayer->findText(data_.CurPlayer(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (me >= 0)
        ui->imcPlayer->setCurrentIndex(me);
    FillPlayer(data_.CurPlayer());

    ui->imcFin->addItem(ScoreIcon(), QStringLiteral("Score"));
    ui->imcFin->addItem(MovesIcon(), QStringLiteral("Moves"));
    ui->imcFin->addItem(TimeIcon(), QStringLiteral("Time"));
    ui->imcFin->setCurrentIndex(0);
    FillFinished(FinKey::Score);

    connect(ui->imcGames, &QComboBox::currentIndexChanged, this, [this] { FillGame(ui->imcGames->currentText()); });
    connect(ui->imcPlayer, &QComboBox::currentIndexChanged, this,
            [this] { FillPlayer(ui->imcPlayer->currentText()); });
    connect(ui->imcFin, &QComboBox::currentIndexChanged, this,
            [this](int i) { FillFinished(static_cast<FinKey>(i)); });
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

frmHighScore::~frmHighScore() = default;

void frmHighScore::done(int result)
{
    score_.CloseScore();
    QDialog::done(result);
}

void frmHighScore::FillTop()
{
    score_.Sort({}, {}, kLost);
    FillList(ui->lvTop, score_, kTopLayout, Cell::Score);
}

void frmHighScore::FillGame(const QString& name)
{
    // An empty name would match every game.
    if (name.isEmpty()) {
        ui->lvGames->clear();
        return;
    }
    score_.Sort(name, {}, kLost);
    FillList(ui->lvGames, score_, kGameLayout, Cell::Score);
}

void frmHighScore::FillPlayer(const QString& name)
{
    if (name.isEmpty()) {
        ui->lvPlayer->clear();
        return;
    }
    score_.Sort({}, name, kLost);
    FillList(ui->lvPlayer, score_, kPlayerLayout, Cell::Score);
}

void frmHighScore::FillFinished(FinKey key)
{
    switch (key) {
    case FinKey::Score:
        score_.Sort({}, {}, kWon);
        FillList(ui->lvFin, score_, kFinLayout, Cell::Score);
        break;
    case FinKey::Moves:
        score_.FinSort(false, true);
        FillList(ui->lvFin, score_, kFinLayout, Cell::Moves);
        break;
    case FinKey::Time:
        score_.FinSort(true, false);
        FillList(ui->lvFin, score_, kFinLayout, Cell::Time);
        break;
    }
}

} // namespace solvane
