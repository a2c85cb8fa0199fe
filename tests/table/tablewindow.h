#pragma once
// A real main window over test services, shown offscreen, with mouse drags simulated on
// its table the way a player makes them.
#include "cservices.h"
#include "ctableview.h"
#include "frmfinish.h"
#include "frmmain.h"
#include "testservices.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace solvane::test {

struct TableWindow {
    TestServices s;
    std::unique_ptr<frmMain> w;
    QStringList finishLines; // what the finish dialog listed, once it opened
    int finishes = 0;

    TableWindow()
    {
        w = std::make_unique<frmMain>(*s);
        // The finish dialog is built as for real but not run modally.
        w->SetOpener("frmFinish", [this](QWidget* owner) {
            frmFinish dlg(*s, *w, owner);
            ++finishes;
            auto* list = dlg.findChild<QListWidget*>("ListView1");
            for (int i = 0; i < list->count(); ++i)
                finishLines << list->item(i)->text();
        });
        w->resize(1100, 850);
        w->show();
        QApplication::processEvents();
    }
    cArray& a() { return s->Board(); }
    cTableView& view() { return *w->Table(); }

    QPoint ViewPoint(double sceneX, double sceneY) { return view().mapFromScene(QPointF(sceneX, sceneY)); }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget* vp = view().viewport();
        QMouseEvent e(type, QPointF(at), vp->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(vp, &e);
    }

    // Presses the card near its top-left corner (where it shows even under other cards),
    // drags it so that its top-left lands on (left, top) and releases it.
    void Drag(int pic, double left, double top, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPointF grip(300, 100);
        const cCard& c = a().Card(pic);
        const QPoint from = ViewPoint(c.Left + grip.x(), c.Top + grip.y());
        const QPoint to = ViewPoint(left + grip.x(), top + grip.y());
        Send(QEvent::MouseButtonPress, from, button, button);
        for (int i = 1; i <= 4; ++i)
            Send(QEvent::MouseMove, from + (to - from) * i / 4, Qt::NoButton, button);
        Send(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
        view().FinishAnimations();
        QApplication::processEvents();
    }
    // A point of the card that shows even under the cards on it.
    QPoint Grip(int pic)
    {
        const cCard& c = a().Card(pic);
        const int cell = c.Cell, pile = c.Pile, pos = c.Pos;
        const double strip = pos < a().GetTop(cell, pile) ? a().CordY(cell, pile, pos + 1) - a().CordY(cell, pile, pos) : 400;
        return ViewPoint(c.Left + 300, c.Top + std::min(100.0, strip / 2));
    }
    void ClickAt(QPoint at)
    {
        Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        Settle();
    }
    void Click(int pic) { ClickAt(Grip(pic)); }
    // A click on a place: on its top card, or on its mark when it is empty.
    void ClickPlace(int cell, int pile)
    {
        const int top = a().GetTop(cell, pile);
        if (top >= 0)
            return Click(a().GetPicID(cell, pile, top));
        ClickAt(ViewPoint(a().CordX(cell, pile, 0) + 500, a().CordY(cell, pile, 0) + 700));
    }
    void DoubleClick(int pic)
    {
        const QPoint at = Grip(pic);
        Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        Send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        Settle();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&view(), Qt::Key(key), modifiers);
        Settle();
    }

    // Drags the card onto the next place of a pile.
    void DragTo(int pic, int cell, int pile)
    {
        const int pos = cell == kTableau ? a().GetTop(cell, pile) + 1 : 0;
        Drag(pic, a().CordX(cell, pile, pos), a().CordY(cell, pile, pos));
    }
    void Settle()
    {
        view().FinishAnimations();
        view().WaitForPictures();
        QApplication::processEvents();
        w->RefreshState();
    }
};

} // namespace solvane::test
