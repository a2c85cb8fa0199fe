#include "frmplayers.h"

#include "cdata.h"
#include "dlginput.h"
#include "iprompt.h"
#include "mplayers.h"
#include "ui_frmplayers.h"

#include <QPushButton>

namespace solvane {

namespace {
const QString kTooMany = QStringLiteral("Maximum 20 Players Only!");
const QString kDeleteQuestion = QStringLiteral("Are you sure you want to delete this player");
} // namespace

frmPlayers::frmPlayers(cData& data, const iScoreStore& score, iPrompt& prompt, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmPlayers>()), data_(data), score_(score), prompt_(prompt)
{
    ui->setupUi(this);
    connect(ui->lvPlayer, &QListWidget::itemSelectionChanged, this, &frmPlayers::UpdateButtons);
    connect(ui->lvPlayer, &QListWidget::itemDoubleClicked, this, &frmPlayers::cmdSelectClick);
    connect(ui->cmdAdd, &QPushButton::clicked, this, &frmPlayers::cmdAddClick);
    connect(ui->cmdEdit, &QPushButton::clicked, this, &frmPlayers::cmdEditClick);
    connect(ui->cmdDelete, &QPushButton::clicked, this, &frmPlayers::cmdDeleteClick);
    connect(ui->cmdSelect, &QPushButton::clicked, this, &frmPlayers::cmdSelectClick);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    FillList();
}

frmPlayers::~frmPlayers() = default;

void frmPlayers::FillList()
{
    QListWidget* lv = ui->lvPlayer;
    const QSignalBlocker quiet(lv);
    lv->clear();
    const QString current = data_.CurPlayer();
    for (const QString& name : PlayerNames(data_)) {
        auto* item = new QListWidgetItem(name, lv);
        if (name != current)
            continue;
        // The current player stands out whichever player is selected.
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        if (lv->selectedItems().isEmpty()) {
            lv->setCurrentItem(item);
            item->setSelected(true);
        }
    }
    UpdateButtons();
}

QString frmPlayers::SelectedName() const
{
    const auto selected = ui->lvPlayer->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

void frmPlayers::UpdateButtons()
{
    const QString name = SelectedName();
    ui->cmdDelete->setEnabled(!name.isEmpty() && name != data_.CurPlayer());
    ui->cmdEdit->setEnabled(!name.isEmpty());
    ui->cmdSelect->setEnabled(!name.isEmpty());
}

void frmPlayers::cmdAddClick()
{
    if (data_.TotalPlayers() >= kMaxPlayers) {
        prompt_.Inform(data_.ProdName(), kTooMany, iPrompt::Icon::Information);
        return;
    }
    AskPlayerName(data_, score_, prompt_, QStringLiteral("Add Player"), QString(), this);
    FillList();
}

void frmPlayers::cmdEditClick()
{
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    AskPlayerName(data_, score_, prompt_, QStringLiteral("Edit Player"), name, this);
    FillList();
}

void frmPlayers::cmdDeleteClick()
{
    const QString name = SelectedName();
    if (name.isEmpty() || name == data_.CurPlayer())
        return;
    if (!prompt_.AskYesNo(data_.ProdName(), kDeleteQuestion, iPrompt::Icon::Critical))
        return;
    const auto failed = DeletePlayer(data_, score_, name);
    FillList();
    if (failed)
        prompt_.Inform(data_.ProdName(), *failed, iPrompt::Icon::Critical);
}

void frmPlayers::cmdSelectClick()
{
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    data_.SetCurPlayer(name);
    // The choice holds for this run; the player learns it will not be kept.
    if (auto why = data_.Save())
        prompt_.Inform(data_.ProdName(), *why, iPrompt::Icon::Critical);
    accept();
}

} // namespace solvane
