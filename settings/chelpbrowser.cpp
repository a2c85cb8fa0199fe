#include "chelpbrowser.h"

#include <QTextDocument>

namespace solvane {

namespace {

QUrl WithoutFragment(QUrl url)
{
    url.setFragment(QString());
    return url;
}

} // namespace

cHelpBrowser::cHelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(true);
    setOpenExternalLinks(false); // the help has no outside links, and follows none
}

void cHelpBrowser::SetGeneratedPage(const QUrl& url, const QString& html)
{
    generated_.insert(WithoutFragment(url), html);
}

QVariant cHelpBrowser::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::HtmlResource) {
        // Relative links arrive resolved against the page that holds them.
        const auto found = generated_.constFind(WithoutFragment(source().resolved(name)));
        if (found != generated_.constEnd())
            return found.value();
    }
    return QTextBrowser::loadResource(type, name);
}

} // namespace solvane
