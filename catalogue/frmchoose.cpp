#include "frmchoose.h"

#include "cdata.h"
#include "gamerules.h"
#include "iprompt.h"
#include "mcatalogueicons.h"
#include "mplayerlist.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace solvane {

namespace {
constexpr double kBase = 10;
} // namespace

frmChoose::frmChoose(cData& data, iPrompt& prompt, GameStarter starter, QWidget* parent)
    : QDialog(parent), data_(data), prompt_(prompt), starter_(std::move(starter)),
      end_(RangeEnd(data.RangeIndex()))
{
    setObjectName(QStringLiteral("frmChoose"));
    setWindowTitle(QStringLiteral("Select a Game Number"));
    BuildControls();
    FillLists();
    connect(cmdSelect, &QPushButton::clicked, this, &frmChoose::cmdSelectClick);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

double frmChoose::RangeEnd(int rangeIndex) { return std::pow(kBase, rangeIndex) - 1; }

QString frmChoose::RangeText(double end)
{
    // Grouped digits whatever the locale's default, as the range is read at a glance.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<qlonglong>(end));
}

bool frmChoose::Accepts(const QString& text, double end)
{
    double v = 0;
    return cGameNo::ParseNumber(text.trimmed(), v) && v > 0 && v < end;
}

void frmChoose::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* range = new QHBoxLayout;
    lblName = new QLabel(QStringLiteral("Enter a Game Number between"), this);
    lblRange = new QLabel(this);
    lblRange->setObjectName(QStringLiteral("lblRange"));
    QFont bold = lblRange->font();
    bold.setBold(true);
    lblRange->setFont(bold);
    range->addWidget(lblName);
    range->addWidget(lblRange);
    range->addStretch(1);
    layout->addLayout(range);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    imcGames = new QComboBox(this);
    imcGames->setObjectName(QStringLiteral("imcGames"));
    imcPlayer = new QComboBox(this);
    imcPlayer->setObjectName(QStringLiteral("imcPlayer"));
    layout->addWidget(Text1);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Game"), imcGames);
    form->addRow(QStringLiteral("Player"), imcPlayer);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(this);
    cmdSelect = buttons->addButton(QStringLiteral("Select"), QDialogButtonBox::AcceptRole);
    cmdCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cmdSelect->setDefault(true);
    layout->addWidget(buttons);
}

void frmChoose::FillLists()
{
    if (starter_.randomNumber)
        Text1->setText(starter_.randomNumber().Text());
    Text1->selectAll();
    Text1->setFocus();
    lblRange->setText(QStringLiteral("0 and ") + RangeText(end_));
    for (int id = 1; id <= data_.TotalGames(); ++id)
        imcGames->addItem(id <= kStandardGames ? StandardGameIcon() : CustomGameIcon(), data_.GetGName(id));
    const int current = imcGames->findText(data_.CurGName(), Qt::MatchExactly);
    imcGames->setCurrentIndex(current >= 0 ? current : 0);
    FillPlayerList(imcPlayer, data_);
}

void frmChoose::cmdSelectClick()
{
    const QString text = Text1->text();
    if (!Accepts(text, end_)) {
        prompt_.Inform(data_.ProdName(), QStringLiteral("Please enter a number between 0 and ") + RangeText(end_),
                       iPrompt::Icon::Information);
        Text1->setText(QStringLiteral("0"));
        Text1->setFocus();
        return;
    }
    hide();
    const QString player = imcPlayer->currentIndex() >= 0 ? imcPlayer->currentText() : QString();
    if (starter_.start)
        starter_.start(imcGames->currentText(), cGameNo::FromText(text), player);
    accept();
}

} // namespace solvane
