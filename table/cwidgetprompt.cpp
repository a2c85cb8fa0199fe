#include "cwidgetprompt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace solvane {

namespace {
QMessageBox::Icon BoxIcon(iPrompt::Icon icon)
{
    switch (icon) {
    case iPrompt::Icon::Information: return QMessageBox::Information;
    case iPrompt::Icon::Question: return QMessageBox::Question;
    case iPrompt::Icon::Critical: return QMessageBox::Critical;
    case iPrompt::Icon::Warning: return QMessageBox::Warning;
    case iPrompt::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Windows colour values keep red in the low byte.
QColor FromWindows(int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
int32_t ToWindows(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }
} // namespace

QWidget* cWidgetPrompt::Owner() const
{
    return owner_ ? owner_ : QApplication::activeWindow();
}

bool cWidgetPrompt::AskYesNo(const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, Owner());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void cWidgetPrompt::Inform(const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::Ok, Owner());
    box.exec();
}

std::optional<QString> cWidgetPrompt::AskSavePath(const QString& defaultName, const QString& filter)
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = QFileDialog::getSaveFileName(Owner(), QString(), dir + u'/' + defaultName, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<int32_t> cWidgetPrompt::AskColor(int32_t initial)
{
    const QColor c = QColorDialog::getColor(FromWindows(initial), Owner());
    if (!c.isValid())
        return std::nullopt;
    return ToWindows(c);
}

} // namespace solvane
