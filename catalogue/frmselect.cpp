#include "frmselect.h"

#include "ccustom.h"
#include "cdata.h"
#include "gamerules.h"
#include "cgamepanel.h"
#include "mcatalogueicons.h"
#include "mplayerlist.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace solvane {

namespace {
constexpr int kKeyRole = Qt::UserRole;     // "s" or "c" on the group nodes
constexpr int kTagRole = Qt::UserRole + 1; // the game id of a standard game
constexpr int kTreeWidth = 220;
constexpr int kMinHeight = 340;
} // namespace

frmSelect::frmSelect(cData& data, cCustom& custom, GameStarter starter, QWidget* parent)
    : QDialog(parent), data_(data), custom_(custom), starter_(std::move(starter))
{
    setObjectName(QStringLiteral("frmSelect"));
    setWindowTitle(data_.ProdName());
    BuildControls();
    FillPlayers();
    FillTree();
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* node) { NodeClick(node); });
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* node) {
        if (!IsGroup(node))
            cmdPlayClick();
    });
    connect(cmdPlay, &QPushButton::clicked, this, &frmSelect::cmdPlayClick);
    connect(cmdCreate, &QPushButton::clicked, this, &frmSelect::cmdCreateClick);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSelect::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setMinimumWidth(kTreeWidth);
    TreeView1->setMinimumHeight(kMinHeight);
    imcPlayer = new QComboBox(this);
    imcPlayer->setObjectName(QStringLiteral("imcPlayer"));
    auto* playerCaption = new QLabel(QStringLiteral("Player"), this);
    playerCaption->setBuddy(imcPlayer);
    left->addWidget(TreeView1, 1);
    left->addWidget(playerCaption);
    left->addWidget(imcPlayer);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    Panel = new cGamePanel(frame);
    (new QVBoxLayout(frame))->addWidget(Panel);
    top->addLayout(left, 1);
    top->addWidget(frame, 1);
    layout->addLayout(top, 1);

    auto* buttons = new QDialogButtonBox(this);
    cmdPlay = buttons->addButton(QStringLiteral("Play"), QDialogButtonBox::AcceptRole);
    cmdCreate = buttons->addButton(QStringLiteral("Create a New Game"), QDialogButtonBox::ActionRole);
    cmdCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cmdPlay->setDefault(true);
    layout->addWidget(buttons);
}

void frmSelect::FillPlayers()
{
    FillPlayerList(imcPlayer, data_);
    if (imcPlayer->count() > 0 && imcPlayer->currentIndex() < 0)
        imcPlayer->setCurrentIndex(0);
}

QTreeWidgetItem* frmSelect::AddGroup(const QString& text, const QString& key)
{
    auto* group = new QTreeWidgetItem(TreeView1, QStringList(text));
    group->setIcon(0, GroupIcon());
    group->setData(0, kKeyRole, key);
    return group;
}

void frmSelect::FillTree()
{
    QTreeWidgetItem* standard = AddGroup(QStringLiteral("Standard Games"), QStringLiteral("s"));
    QTreeWidgetItem* selected = nullptr;
    for (int id = 1; id <= kStandardGames; ++id) {
        auto* node = new QTreeWidgetItem(standard, QStringList(data_.GetGName(id)));
        node->setIcon(0, StandardGameIcon());
        node->setData(0, kTagRole, id);
        if (id == 1 || node->text(0) == data_.LastGName())
            selected = node;
    }
    // Designed games are listed but never preselected.
    QTreeWidgetItem* custom = AddGroup(QStringLiteral("Custom Games"), QStringLiteral("c"));
    for (int id = kStandardGames + 1; id <= data_.TotalGames(); ++id)
    {
        auto* node = new QTreeWidgetItem(custom, QStringList(data_.GetGName(id)));
        node->setIcon(0, CustomGameIcon());
    }
    TreeView1->expandAll();
    if (selected) {
        TreeView1->setCurrentItem(selected);
        TreeView1->scrollToItem(selected);
        Panel->ShowGameDetails(custom_, selected->text(0));
    }
}

bool frmSelect::IsGroup(const QTreeWidgetItem* node)
{
    return node && !node->data(0, kKeyRole).toString().isEmpty();
}

void frmSelect::NodeClick(QTreeWidgetItem* node)
{
    if (node && !IsGroup(node))
        Panel->ShowGameDetails(custom_, node->text(0));
}

void frmSelect::cmdPlayClick()
{
    QTreeWidgetItem* node = TreeView1->currentItem();
    if (!node || IsGroup(node))
        return;
    hide();
    const QString player = imcPlayer->currentIndex() >= 0 ? imcPlayer->currentText() : QString();
    const bool started =
        !starter_.start ||
        starter_.start(node->text(0), starter_.randomNumber ? starter_.randomNumber() : cGameNo(), player);
    // A refused start (its reason has been shown) leaves the player here to choose again.
    // Hiding ended a modal run of the window, so its caller runs it again.
    if (!started) {
        if (isModal())
            chosen_ = Choice::Again;
        else
            show();
        return;
    }
    chosen_ = Choice::Play;
    accept();
}

frmSelect::Choice frmSelect::Run()
{
    do {
        chosen_ = Choice::None;
        exec();
    } while (chosen_ == Choice::Again);
    return chosen_;
}

void frmSelect::RefreshGames()
{
    const QTreeWidgetItem* node = TreeView1->currentItem();
    const QString current = node && !IsGroup(node) ? node->text(0) : QString();
    TreeView1->clear();
    FillTree();
    // The game chosen before stays chosen while it is still in the list.
    const auto found = TreeView1->findItems(current, Qt::MatchExactly | Qt::MatchRecursive);
    for (QTreeWidgetItem* item : found)
        if (!IsGroup(item)) {
            TreeView1->setCurrentItem(item);
            TreeView1->scrollToItem(item);
            break;
        }
}

void frmSelect::cmdCreateClick()
{
    chosen_ = Choice::Create;
    accept();
}

} // namespace solvane
