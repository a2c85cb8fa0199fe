#include "frmgameswizard.h"

#include "ccustom.h"
#include "cdata.h"
#include "gamerules.h"
#include "cgamepanel.h"
#include "frmaddgame.h"
#include "iprompt.h"
#include "mcatalogueicons.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace solvane {

namespace {
constexpr int kFirstCustomId = kStandardGames + 1;
constexpr int kListWidth = 200;
} // namespace

frmGamesWizard::frmGamesWizard(cData& data, cCustom& custom, iPrompt& prompt, QWidget* parent)
    : QDialog(parent), data_(data), custom_(custom), prompt_(prompt)
{
    setObjectName(QStringLiteral("frmGamesWizard"));
    setWindowTitle(QStringLiteral("Game Wizard"));
    BuildControls();
    connect(ListView1, &QListWidget::itemSelectionChanged, this, &frmGamesWizard::ShowSelected);
    connect(cmdAdd, &QPushButton::clicked, this, &frmGamesWizard::cmdAddClick);
    connect(cmdDelete, &QPushButton::clicked, this, &frmGamesWizard::cmdDeleteClick);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    FillList();
}

void frmGamesWizard::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setMinimumWidth(kListWidth);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    Panel = new cGamePanel(frame);
    lbNoGames = new QLabel(QStringLiteral("No game of your own yet.\n\nPress \"Add Game\" to design one."), frame);
    lbNoGames->setAlignment(Qt::AlignCenter);
    lbNoGames->setWordWrap(true);
    auto* inFrame = new QVBoxLayout(frame);
    inFrame->addWidget(Panel);
    inFrame->addWidget(lbNoGames);
    top->addWidget(ListView1, 1);
    top->addWidget(frame, 1);
    layout->addLayout(top, 1);

    auto* buttons = new QDialogButtonBox(this);
    cmdAdd = buttons->addButton(QStringLiteral("Add Game"), QDialogButtonBox::ActionRole);
    cmdDelete = buttons->addButton(QStringLiteral("Delete Game"), QDialogButtonBox::ActionRole);
    cmdClose = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
}

void frmGamesWizard::FillList()
{
    {
        const QSignalBlocker quiet(ListView1);
        ListView1->clear();
        for (int id = kFirstCustomId; id <= data_.TotalGames(); ++id)
            new QListWidgetItem(CustomGameIcon(), data_.GetGName(id), ListView1);
        if (ListView1->count() > 0)
            ListView1->setCurrentRow(0);
    }
    const bool any = data_.TotalGames() >= kFirstCustomId;
    Panel->SetLabelsVisible(any);
    Panel->setVisible(any);
    lbNoGames->setVisible(!any);
    cmdDelete->setEnabled(any);
    if (any)
        ShowSelected();
}

void frmGamesWizard::ShowSelected()
{
    const auto selected = ListView1->selectedItems();
    if (!selected.isEmpty())
        Panel->ShowGameDetails(custom_, selected.front()->text());
}

void frmGamesWizard::cmdAddClick()
{
    frmAddGame dlg(data_, custom_, prompt_, this);
    dlg.exec();
    FillList();
}

void frmGamesWizard::cmdDeleteClick()
{
    const auto selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return;
    if (!prompt_.AskYesNo(data_.ProdName(), QStringLiteral("Are you sure you want to delete this game ?"),
                          iPrompt::Icon::Question))
        return;
    if (auto failed = custom_.DeleteGame(selected.front()->text()))
        prompt_.Inform(data_.ProdName(), *failed, iPrompt::Icon::Critical);
    custom_.Init();
    FillList();
}

} // namespace solvane
