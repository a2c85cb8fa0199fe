#pragma once
// The help window: pages of the program's help with back, forward and contents. It is an
// ordinary window beside the table, not a dialog, and never keeps the program running on
// its own.
#include <QUrl>
#include <QWidget>

#include <memory>

namespace Ui {
class frmHelp;
}

namespace solvane {

class cHelpBrowser;

class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(const QString& productName, QWidget* parent = nullptr);
    ~frmHelp() override;

    // The first page of the help.
    static QUrl ContentsUrl();

    // Shows a page of the help's resources (an entry in the history).
    void ShowPage(const QUrl& url);
    // Shows a page made on the fly under its own address, replacing what that address
    // showed before.
    void ShowGeneratedPage(const QUrl& url, const QString& html);
    QUrl CurrentPage() const;
    cHelpBrowser* Browser() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetUpButtons();

    std::unique_ptr<Ui::frmHelp> ui_;
};

} // namespace solvane
