#pragma once
// Drives a modal dialog the way a player would: the script runs once the dialog is the
// active modal window, and closes it if the script leaves it open.
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

namespace solvane::test {

// Runs `action` (which opens a modal dialog of type D) and `script` on that dialog. True
// when the dialog opened.
template <typename D>
bool WithModal(const std::function<void()>& action, const std::function<void(D&)>& script)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        opened = true;
        script(*dlg);
        if (dlg->isVisible())
            dlg->reject();
    });
    action();
    // A dialog that never opened leaves the timer pending; let it fire here, not later.
    QApplication::processEvents();
    return opened;
}

} // namespace solvane::test
