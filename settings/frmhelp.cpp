#include "frmhelp.h"

#include "chelpbrowser.h"
#include "ui_frmhelp.h"

#include <QKeyEvent>
#include <QStyle>

namespace solvane {

frmHelp::frmHelp(const QString& productName, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(std::make_unique<Ui::frmHelp>())
{
    ui_->setupUi(this);
    setWindowTitle(productName + QStringLiteral(" Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    // Opened, closed and opened again: keep the window and its history.
    setAttribute(Qt::WA_DeleteOnClose, false);
    ui_->txtHelp->setSearchPaths({QStringLiteral(":/help")});
    SetUpButtons();
}

frmHelp::~frmHelp() = default;

QUrl frmHelp::ContentsUrl()
{
    return QUrl(QStringLiteral("qrc:/help/contents.html"));
}

void frmHelp::SetUpButtons()
{
    ui_->cmdBack->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    ui_->cmdForward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    ui_->cmdContents->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    ui_->cmdBack->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    ui_->cmdForward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));

    cHelpBrowser* browser = ui_->txtHelp;
    connect(ui_->cmdBack, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(ui_->cmdForward, &QPushButton::clicked, browser, &QTextBrowser::forward);
    connect(ui_->cmdContents, &QPushButton::clicked, this, [this] { ShowPage(ContentsUrl()); });
    connect(browser, &QTextBrowser::backwardAvailable, ui_->cmdBack, &QPushButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, ui_->cmdForward, &QPushButton::setEnabled);
}

void frmHelp::ShowPage(const QUrl& url)
{
    ui_->txtHelp->setSource(url);
}

void frmHelp::ShowGeneratedPage(const QUrl& url, const QString& html)
{
    cHelpBrowser* browser = ui_->txtHelp;
    browser->SetGeneratedPage(url, html);
    // Asked for the page already shown: setSource would keep the old text.
    if (browser->source() == url)
        browser->reload();
    else
        browser->setSource(url);
}

QUrl frmHelp::CurrentPage() const
{
    return ui_->txtHelp->source();
}

cHelpBrowser* frmHelp::Browser() const
{
    return ui_->txtHelp;
}

void frmHelp::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace solvane
