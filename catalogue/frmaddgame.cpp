#include "frmaddgame.h"

#include "ccard.h"
#include "ccustom.h"
#include "cdata.h"
#include "iprompt.h"
#include "mnames.h"
#include "mstudio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace solvane {

namespace {
const QString kInitialName = QStringLiteral("Freecell Game 01");
constexpr int kFoundationOrderCodes = 6; // foundations build in one direction only
constexpr int kRandomOrAny = 13;
constexpr int kMinPiles = 4;
constexpr int kMaxPiles = 10;
constexpr int kMaxFour = 4; // foundation cards and free cells alike
constexpr int kInitialHorder = 4;
constexpr int kInitialPiles = 8;
constexpr int kInitialFreeCells = 4;

void AddItem(QComboBox* list, const QString& text, int value, int initial)
{
    list->addItem(text, value);
    if (value == initial)
        list->setCurrentIndex(list->count() - 1);
}

void AddNumbers(QComboBox* list, int from, int to, int initial)
{
    for (int v = from; v <= to; ++v)
        AddItem(list, QString::number(v), v, initial);
}

int Value(const QComboBox* list) { return list->currentData().toInt(); }
} // namespace

frmAddGame::frmAddGame(cData& data, cCustom& custom, iPrompt& prompt, QWidget* parent)
    : QDialog(parent), data_(data), custom_(custom), prompt_(prompt)
{
    setObjectName(QStringLiteral("frmAddGame"));
    setWindowTitle(QStringLiteral("Create a New Game"));
    BuildControls();
    FillLists();
    connect(imcResPiles, &QComboBox::activated, this, [this] { FillResCards(Value(imcResPiles)); });
    connect(cmdAdd, &QPushButton::clicked, this, &frmAddGame::cmdAddClick);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QComboBox* frmAddGame::AddList(QGridLayout* grid, const QString& label)
{
    const int row = grid->rowCount();
    auto* list = new QComboBox(this);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(list);
    grid->addWidget(caption, row, 0);
    grid->addWidget(list, row, 1);
    return list;
}

void frmAddGame::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    const auto group = [this, layout](const QString& caption) {
        auto* box = new QGroupBox(caption, this);
        auto* grid = new QGridLayout(box);
        grid->setColumnStretch(1, 1);
        layout->addWidget(box);
        return grid;
    };
    QGridLayout* name = group(QStringLiteral("Game Name"));
    txtName = new QLineEdit(this);
    txtName->setMaxLength(kMaxNameLength);
    name->addWidget(new QLabel(QStringLiteral("Enter a Name for this New Game"), this), 0, 0);
    name->addWidget(txtName, 1, 0, 1, 2);

    QGridLayout* goal = group(QStringLiteral("Foundation"));
    imcGorder = AddList(goal, QStringLiteral("Foundation Card Arranging Order"));
    imcGoalBase = AddList(goal, QStringLiteral("Foundation Base Card"));
    imcGoalCards = AddList(goal, QStringLiteral("Initial Cards on Foundation"));

    QGridLayout* home = group(QStringLiteral("Tableau"));
    imcHorder = AddList(home, QStringLiteral("Tableau Card Arranging Order"));
    imcHomePiles = AddList(home, QStringLiteral("Tableau Piles"));
    imcHomeEmpty = AddList(home, QStringLiteral("Tableau Space filling card"));
    chkHomeAK = new QCheckBox(QStringLiteral("Ace-King Wrapping"), this);
    chkMulti = new QCheckBox(QStringLiteral("Multi Move"), this);
    home->addWidget(chkHomeAK, home->rowCount(), 0);
    home->addWidget(chkMulti, home->rowCount() - 1, 1);

    QGridLayout* res = group(QStringLiteral("Free Cells"));
    imcResPiles = AddList(res, QStringLiteral("Number of Free Cells"));
    imcResCards = AddList(res, QStringLiteral("Total Cards in Free Cells"));

    auto* buttons = new QDialogButtonBox(this);
    cmdAdd = buttons->addButton(QStringLiteral("Add Game"), QDialogButtonBox::AcceptRole);
    cmdCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cmdAdd->setDefault(true);
    layout->addWidget(buttons);
}

void frmAddGame::FillLists()
{
    for (int code = 0; code < kOrderCodes; ++code)
        orderNames_ << OrderName(code);
    for (int rank = 0; rank < kRanks; ++rank)
        cardNames_ << BaseCardName(rank);

    txtName->setText(kInitialName);
    for (int code = 0; code < kFoundationOrderCodes; ++code)
        AddItem(imcGorder, orderNames_[code], code, 0);
    for (int code = 0; code < kOrderCodes; ++code)
        AddItem(imcHorder, orderNames_[code], code, kInitialHorder);
    for (int rank = 0; rank < kRanks; ++rank) {
        AddItem(imcGoalBase, cardNames_[rank], rank, 0);
        AddItem(imcHomeEmpty, cardNames_[rank], rank, kRandomOrAny);
    }
    AddItem(imcGoalBase, BaseCardName(kRandomOrAny), kRandomOrAny, 0);
    AddItem(imcHomeEmpty, SpaceCardName(kRandomOrAny), kRandomOrAny, kRandomOrAny);
    AddNumbers(imcHomePiles, kMinPiles, kMaxPiles, kInitialPiles);
    AddNumbers(imcGoalCards, 0, kMaxFour, 0);
    AddNumbers(imcResPiles, 0, kMaxFour, kInitialFreeCells);
    FillResCards(kInitialFreeCells);
    chkHomeAK->setChecked(true);
    chkMulti->setChecked(true);
}

void frmAddGame::FillResCards(int freeCells)
{
    imcResCards->clear();
    AddNumbers(imcResCards, 0, freeCells, 0);
}

GameRules frmAddGame::ChosenRules() const
{
    GameRules r;
    r.gOrder = Value(imcGorder);
    r.gBase = Value(imcGoalBase);
    r.gCards = Value(imcGoalCards);
    r.hOrder = Value(imcHorder);
    r.hSpace = Value(imcHomeEmpty);
    r.hPiles = Value(imcHomePiles);
    r.hAk = chkHomeAK->isChecked() ? 1 : 0;
    r.hMulti = chkMulti->isChecked() ? 1 : 0;
    r.rPiles = Value(imcResPiles);
    r.rCards = Value(imcResCards);
    return r;
}

std::optional<QString> frmAddGame::NameRefusal(const QString& name) const
{
    // The name becomes the game file's name.
    if (auto invalid = InvalidNameMessage(name))
        return invalid;
    // A game file of a standard name would never be played: the built-in rules come first.
    if (cCustom::IsStandardName(name))
        return name + QStringLiteral(" is a Standard Game. Please Enter another Name");
    return std::nullopt;
}

void frmAddGame::cmdAddClick()
{
    const QString name = txtName->text();
    if (auto refusal = NameRefusal(name)) {
        prompt_.Inform(data_.ProdName(), *refusal, iPrompt::Icon::Information);
        txtName->setFocus();
        return;
    }
    const bool existed = custom_.GameFileExists(name);
    if (existed && !prompt_.AskYesNo(data_.ProdName(), QStringLiteral("Game Exists. Do you want to Overwrite ?"),
                                     iPrompt::Icon::None))
        return;
    if (!Save(name))
        return;
    if (!existed) {
        const int id = data_.TotalGames() + 1;
        data_.SetTotalGames(id);
        data_.SetGame(id, name);
    }
    custom_.Refresh();
    prompt_.Inform(data_.ProdName(), QStringLiteral("Successfully Created New Game ") + name,
                   iPrompt::Icon::Information);
    accept();
}

bool frmAddGame::Save(const QString& name)
{
    // Written whole or not at all; a failure leaves the dialog open with its choices.
    if (auto failed = custom_.WriteGame(name, ChosenRules())) {
        prompt_.Inform(data_.ProdName(), *failed, iPrompt::Icon::Critical);
        return false;
    }
    return true;
}

} // namespace solvane
