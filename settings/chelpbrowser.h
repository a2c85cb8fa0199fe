#pragma once
// The help window's page view: a QTextBrowser that also shows pages made on the fly (the
// rules of a designed game) under an address of their own, so that links, back and
// forward treat them like the pages of the resources.
#include <QHash>
#include <QTextBrowser>
#include <QUrl>

namespace solvane {

class cHelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit cHelpBrowser(QWidget* parent = nullptr);

    // Remembers (or replaces) the page shown for the address.
    void SetGeneratedPage(const QUrl& url, const QString& html);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHash<QUrl, QString> generated_;
};

} // namespace solvane
