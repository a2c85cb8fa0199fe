#include "mwindowplace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace solvane {

namespace {
constexpr double kScreenShare = 0.92; // of the available area, at most, for a new window

// Keeps windows on their screen at the moment they show.
class cOnScreen : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* w = qobject_cast<QWidget*>(watched); w && w->isWindow() && !qobject_cast<QMainWindow*>(w))
                KeepOnScreen(w);
        return false;
    }
};
} // namespace

bool FitsAScreen(const QRect& geometry)
{
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* s) { return s->availableGeometry().contains(geometry); });
}

QRect PlaceCentred(QSize wanted, QSize minimum, const QRect& available)
{
    const QSize most(int(available.width() * kScreenShare), int(available.height() * kScreenShare));
    const QSize size = wanted.boundedTo(most).expandedTo(minimum);
    QRect r(QPoint(0, 0), size);
    r.moveCenter(available.center());
    return r;
}

void KeepOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect avail = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QSize decoration = frame.size() - window->size();
    const QSize room = (avail.size() - decoration).expandedTo(window->minimumSize());
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));
    QRect placed = window->frameGeometry();
    placed.moveLeft(std::clamp(placed.left(), avail.left(), std::max(avail.left(), avail.right() - placed.width() + 1)));
    placed.moveTop(std::clamp(placed.top(), avail.top(), std::max(avail.top(), avail.bottom() - placed.height() + 1)));
    if (placed.topLeft() != window->frameGeometry().topLeft())
        window->move(placed.topLeft());
}

void KeepWindowsOnScreen(QObject* application)
{
    const QString name = QStringLiteral("KeepWindowsOnScreen");
    if (application->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        return; // once is enough
    auto* filter = new cOnScreen(application);
    filter->setObjectName(name);
    application->installEventFilter(filter);
}

} // namespace solvane
