#include "chelpviewer.h"

#include "frmhelp.h"

#include <array>

namespace solvane {

namespace {

// The standard games by their context number (their id in the game list).
constexpr std::array<const char*, 5> kRulesPages{
    "freecell.html", "bakersgame.html", "forecell.html", "sevenbyfour.html", "twocells.html"};
constexpr int kFirstDesignedGame = static_cast<int>(kRulesPages.size()) + 1;

} // namespace

cHelpViewer::cHelpViewer(const QString& productName) : productName_(productName) {}

cHelpViewer::~cHelpViewer() = default;

void cHelpViewer::SetPageMaker(PageMaker maker)
{
    maker_ = std::move(maker);
}

QUrl cHelpViewer::RulesPage(int context)
{
    if (context < 1 || context >= kFirstDesignedGame)
        return {};
    return QUrl(QStringLiteral("qrc:/help/") + QLatin1String(kRulesPages[context - 1]));
}

QUrl cHelpViewer::GeneratedPage(int context)
{
    // Beside the real pages, so that the page's relative links find them.
    return QUrl(QStringLiteral("qrc:/help/game%1.html").arg(context));
}

frmHelp& cHelpViewer::OpenWindow()
{
    if (!window_)
        window_ = std::make_unique<frmHelp>(productName_);
    if (window_->isMinimized())
        window_->showNormal();
    window_->show();
    window_->raise();
    window_->activateWindow();
    return *window_;
}

void cHelpViewer::ShowContents()
{
    OpenWindow().ShowPage(frmHelp::ContentsUrl());
}

void cHelpViewer::ShowContext(int context)
{
    const QUrl rules = RulesPage(context);
    if (!rules.isEmpty()) {
        OpenWindow().ShowPage(rules);
        return;
    }
    const QString page = context >= kFirstDesignedGame && maker_ ? maker_(context) : QString();
    if (page.isEmpty()) {
        ShowContents();
        return;
    }
    OpenWindow().ShowGeneratedPage(GeneratedPage(context), page);
}

} // namespace solvane
