#include "frmorgfav.h"

#include "cdata.h"
#include "cscore.h"
#include "iprompt.h"
#include "mfavlist.h"
#include "mscoreicons.h"
#include "ui_frmorgfav.h"

namespace solvane {

frmOrgFav::frmOrgFav(cData& data, cScore& score, iPrompt& prompt, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmOrgFav>()), data_(data), score_(score), prompt_(prompt)
{
    ui->setupUi(this);
    LoadFavourites(score_, data_, prompt_);
    const QIcon icon = GameIcon();
    for (const QString& name : CatalogueNames(data_))
        new QListWidgetItem(icon, name, ui->lvGames);
    if (ui->lvGames->count() > 0)
        ui->lvGames->setCurrentRow(CurrentGameIndex(data_));
    if (QListWidgetItem* current = ui->lvGames->currentItem())
        UpdateLVFav(current->text());

    connect(ui->lvGames, &QListWidget::currentTextChanged, this, &frmOrgFav::UpdateLVFav);
    connect(ui->cmdClear, &QPushButton::clicked, this, &frmOrgFav::Clear);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setParent(this);
    Timer1.setInterval(kTickMs);
    connect(&Timer1, &QTimer::timeout, this, &frmOrgFav::Tick);
    Timer1.start();
    Tick();
}

// The timer, a member, leaves its parent before the dialog deletes its children.
frmOrgFav::~frmOrgFav() = default;

void frmOrgFav::UpdateLVFav(const QString& name)
{
    ui->lvFav->clear();
    const QIcon icon = FavouriteIcon();
    QList<QTreeWidgetItem*> rows;
    for (int i : FavouritesOf(score_, name)) {
        auto* item = new QTreeWidgetItem({score_.GetFav(i).GameNo.Text()});
        item->setIcon(0, icon);
        rows << item;
    }
    ui->lvFav->addTopLevelItems(rows);
}

void frmOrgFav::Tick() { ui->cmdClear->setEnabled(score_.FavTop() >= 1); }

void frmOrgFav::Clear()
{
    if (const auto problem = score_.ClearFav()) {
        // The file is still there: the list keeps showing what it holds.
        prompt_.Inform(data_.ProdName(), QStringLiteral("The favorites could not be cleared: %1.").arg(*problem),
                       iPrompt::Icon::Critical);
        return;
    }
    score_.OpenFav();
    ui->lvFav->clear();
}

} // namespace solvane
