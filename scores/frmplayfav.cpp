#include "frmplayfav.h"

#include "cdata.h"
#include "cscore.h"
#include "mfavlist.h"
#include "mscoreicons.h"
#include "mstatwindow.h"
#include "ui_frmplayfav.h"

namespace solvane {

frmPlayFav::frmPlayFav(cData& data, cScore& score, iPrompt& prompt, Starter start, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmPlayFav>()), score_(score), start_(std::move(start))
{
    ui->setupUi(this);
    LoadFavourites(score_, data, prompt);
    FillChoices(ui->imcGames, CatalogueNames(data), GameIcon());
    ui->imcGames->setCurrentIndex(CurrentGameIndex(data));
    UpdateLVFav(ui->imcGames->currentText());

    connect(ui->imcGames, &QComboBox::currentIndexChanged, this, [this] { UpdateLVFav(ui->imcGames->currentText()); });
    connect(ui->cmdPlay, &QPushButton::clicked, this, &frmPlayFav::Play);
    connect(ui->lvFav, &QListWidget::itemDoubleClicked, this, &frmPlayFav::Play);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

frmPlayFav::~frmPlayFav() = default;

void frmPlayFav::UpdateLVFav(const QString& name)
{
    ui->cmdPlay->setEnabled(false);
    ui->lvFav->clear();
    const QIcon icon = FavouriteIcon();
    QListWidgetItem* last = nullptr;
    for (int i : FavouritesOf(score_, name)) {
        last = new QListWidgetItem(icon, score_.GetFav(i).GameNo.Text(), ui->lvFav);
        last->setData(Qt::UserRole, i);
    }
    // Each row in turn becomes the selected one: the last stays selected.
    if (last) {
        ui->lvFav->setCurrentItem(last);
        ui->lvFav->scrollToItem(last);
        ui->cmdPlay->setEnabled(true);
    }
}

void frmPlayFav::Play()
{
    const QListWidgetItem* chosen = ui->lvFav->currentItem();
    if (!chosen || !ui->cmdPlay->isEnabled())
        return;
    // The number as the favourites file holds it: a number stays a number, a text a text.
    const cGameNo number = score_.GetFav(chosen->data(Qt::UserRole).toInt()).GameNo;
    hide();
    start_(ui->imcGames->currentText(), number);
    accept();
}

} // namespace solvane
