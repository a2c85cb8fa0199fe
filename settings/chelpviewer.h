#pragma once
// The program's help: the help window opened at the contents or at a game's rules. The
// standard games (context numbers 1 to 5) have pages of their own; a designed game's
// page is asked of the page maker the main window gives, which writes it from the game's
// rules. Without a page maker, or for context 0, the contents show.
#include "ihelpviewer.h"

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

namespace solvane {

class frmHelp;

class cHelpViewer final : public iHelpViewer {
public:
    // The page of a designed game, as HTML; empty when there is none.
    using PageMaker = std::function<QString(int context)>;

    explicit cHelpViewer(const QString& productName);
    ~cHelpViewer() override;
    cHelpViewer(const cHelpViewer&) = delete;
    cHelpViewer& operator=(const cHelpViewer&) = delete;

    void SetPageMaker(PageMaker maker);

    void ShowContents() override;
    void ShowContext(int context) override;

    // The help window, once it has been opened; null before.
    frmHelp* Window() const { return window_.get(); }

    // The page of a standard game's rules; empty for any other number.
    static QUrl RulesPage(int context);
    // Where a designed game's generated page is shown.
    static QUrl GeneratedPage(int context);

private:
    frmHelp& OpenWindow();

    QString productName_;
    PageMaker maker_;
    std::unique_ptr<frmHelp> window_;
};

} // namespace solvane
