#include "dlginput.h"

#include "cdata.h"
#include "iprompt.h"
#include "mnames.h"
#include "mplayers.h"
#include "ui_dlginput.h"

#include <QPushButton>

namespace solvane {

namespace {
const QString kPlayerExists = QStringLiteral("Player Exists !");
} // namespace

dlGInput::dlGInput(cData& data, const iScoreStore& score, iPrompt& prompt, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::dlGInput>()), data_(data), score_(score), prompt_(prompt)
{
    ui->setupUi(this);
    setWindowTitle(data_.ProdName());
    ui->Text1->setMaxLength(kMaxNameLength);
    connect(ui->OKButton, &QPushButton::clicked, this, &dlGInput::OKButtonClick);
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

dlGInput::~dlGInput() = default;

void dlGInput::Setup(const QString& promptText, const QString& name)
{
    ui->Label1->setText(promptText);
    ui->Text1->setText(name);
    ui->Text1->setSelection(0, int(name.size()));
    ui->Text1->setFocus();
    startingName_ = name;
}

std::optional<QString> dlGInput::Problem(const QString& name) const
{
    // The name becomes the score file's name, so it must be one the data folder can hold.
    if (auto invalid = InvalidNameMessage(name))
        return invalid;
    if (FindPlayerSlot(data_, name) != 0)
        return kPlayerExists;
    return std::nullopt;
}

void dlGInput::Refuse(const QString& text)
{
    prompt_.Inform(data_.ProdName(), text, iPrompt::Icon::Critical);
    ui->Text1->setFocus();
}

void dlGInput::OKButtonClick()
{
    const QString name = ui->Text1->text();
    if (auto problem = Problem(name))
        return Refuse(*problem);
    const auto failed = startingName_.isEmpty() ? AddPlayer(data_, name)
                                                : RenamePlayer(data_, score_, startingName_, name);
    if (failed)
        return Refuse(*failed);
    accept();
}

bool AskPlayerName(cData& data, const iScoreStore& score, iPrompt& prompt, const QString& promptText,
                   const QString& name, QWidget* owner)
{
    dlGInput dlg(data, score, prompt, owner);
    dlg.Setup(promptText, name);
    return dlg.exec() == QDialog::Accepted;
}

} // namespace solvane
