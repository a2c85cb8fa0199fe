#include "frmabout.h"

#include "frmsplash.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace solvane {

frmAbout::frmAbout(const QString& productName, const QPixmap& icon, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + productName);
    auto* grid = new QGridLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(icon);
    picture->setAlignment(Qt::AlignTop);
    grid->addWidget(picture, 0, 0, 3, 1);
    lblName = new QLabel(productName, this);
    lblName->setObjectName(QStringLiteral("lblName"));
    QFont big = lblName->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    lblName->setFont(big);
    grid->addWidget(lblName, 0, 1);
    auto* version = new QLabel(frmSplash::VersionText(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    grid->addWidget(version, 1, 1);
    auto* what = new QLabel(
        QStringLiteral("Patience games of the free-cell family: five standard games and every game "
                       "you design from ten rule values."),
        this);
    what->setObjectName(QStringLiteral("lblDescription"));
    what->setWordWrap(true);
    what->setMinimumWidth(300);
    grid->addWidget(what, 2, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace solvane
