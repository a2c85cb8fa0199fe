// The table as the window's size changes: the game fills the window at the largest scale
// that fits, long piles stay on the table, and play goes on through a resize.
#include "longpile.h"
#include "mtablearea.h"
#include "tablewindow.h"
#include "vexcard.h"

#include <QSignalSpy>

using namespace solvane;
using namespace solvane::test;

namespace {
// Where an area of the table shows in the view, in its pixels.
QRectF Shown(TableWindow& t, const QRectF& twips) { return t.view().viewportTransform().mapRect(twips); }

bool Inside(const QRectF& outer, const QRectF& inner) { return outer.adjusted(-0.5, -0.5, 0.5, 0.5).contains(inner); }

QRectF CardRect(TableWindow& t, int cell, int pile, int pos)
{
    return QRectF(t.a().CordX(cell, pile, pos), t.a().CordY(cell, pile, pos), kCardWidth, kCardHeight);
}

void Resize(TableWindow& t, QSize size)
{
    t.w->resize(size);
    QApplication::processEvents();
}
} // namespace

TEST(TableFit, EveryPlaceShowsAtTheLargestScaleThatFitsAtEverySize)
{
    TableWindow t;
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(3)));
    t.Settle();
    for (const QSize size : {QSize(800, 600), QSize(1366, 768), QSize(800, 1000), QSize(1800, 520), QSize(1920, 1080)}) {
        Resize(t, size);
        const QRectF viewport = t.view().viewport()->rect();
        const auto& g = t.a().Games();
        for (int cell : {kTableau, kFoundation, kReserve})
            for (int pile = 0; pile < g.Piles(cell); ++pile) {
                const int last = cell == kTableau ? std::max<int>(t.a().GetTop(cell, pile), 0) : 0;
                EXPECT_TRUE(Inside(viewport, Shown(t, CardRect(t, cell, pile, last))))
                    << size.width() << "x" << size.height() << " cell " << cell << " pile " << pile;
            }
        // The area touches the view's sides or its top and bottom: no larger scale fits.
        const QRectF area = Shown(t, t.view().FittedArea());
        // (The left edge lies on a whole pixel, so the area may shift by less than one.)
        EXPECT_TRUE(viewport.adjusted(-1, -1, 1, 1).contains(area));
        const bool acrossFull = area.width() > viewport.width() - 1;
        const bool downFull = area.height() > viewport.height() - 1;
        EXPECT_TRUE(acrossFull || downFull) << size.width() << "x" << size.height();
        // Centred across, from the top.
        EXPECT_NEAR(area.left(), viewport.right() - area.right(), 2);
        EXPECT_NEAR(area.top(), 0, 1);
    }
}

TEST(TableFit, LargerWindowsShowLargerCards)
{
    TableWindow t;
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(3)));
    t.Settle();
    Resize(t, QSize(1366, 768));
    const double laptop = Shown(t, CardRect(t, kFoundation, 0, 0)).width();
    Resize(t, QSize(1920, 1080));
    const double wide = Shown(t, CardRect(t, kFoundation, 0, 0)).width();
    EXPECT_GT(laptop, 71 * 13 / 10); // well above the layout's 71 pixels
    EXPECT_GT(wide, 71 * 18 / 10);   // about twice
    t.Settle();
    // Painted for the size shown: a face pixel for every screen pixel.
    const VexCard* card = t.view().PicCards(t.a().GetTopPicID(kTableau, 0));
    EXPECT_NEAR(card->ShownPicture().width(), wide * t.view().devicePixelRatioF(), 1);
}

TEST(TableFit, ADropWorksAfterAResizeAndDuringOne)
{
    TableWindow t;
    t.s.Data().SetAutoplay(0);
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(1)));
    t.Settle();
    Resize(t, QSize(900, 640));
    t.DragTo(t.a().GetTopPicID(kTableau, 0), kReserve, 0);
    EXPECT_EQ(t.a().GetTop(kReserve, 0), 0);

    // Held while the window grows: the card stays under the pointer where it was grabbed.
    const int pic = t.a().GetTopPicID(kTableau, 1);
    const QPointF grip(300, 100);
    const QPoint from = t.ViewPoint(t.a().CardLeft(pic) + grip.x(), t.a().CardTop(pic) + grip.y());
    t.Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    const QPoint held = from + QPoint(40, 30);
    t.Send(QEvent::MouseMove, held, Qt::NoButton, Qt::LeftButton);
    Resize(t, QSize(1400, 900));
    const QPointF under = t.view().mapToScene(held);
    EXPECT_NEAR(t.a().Card(pic).Left + grip.x(), under.x(), 20);
    EXPECT_NEAR(t.a().Card(pic).Top + grip.y(), under.y(), 20);
    // Dropped on the second free cell at the new size.
    const QPoint to = t.ViewPoint(t.a().CordX(kReserve, 1, 0) + grip.x(), t.a().CordY(kReserve, 1, 0) + grip.y());
    t.Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    t.Send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    t.Settle();
    EXPECT_EQ(t.a().GetTopPicID(kReserve, 1), pic);
}

TEST(TableFit, ALongPileEndsOnTheTableAndEachOfItsCardsCanBeTaken)
{
    TableWindow t;
    t.s.Data().SetAutoplay(0);
    WriteAnyOnAnyGame(t.s->Custom());
    Resize(t, QSize(800, 600));
    ASSERT_TRUE(t.w->Start(kAnyOnAnyGame, cGameNo(12)));
    t.Settle();
    BuildLongPile(t.a(), 2, 24);
    t.Settle();
    ASSERT_GE(t.a().GetTop(kTableau, 2), 23);
    const QRectF viewport = t.view().viewport()->rect();
    const int top = t.a().GetTop(kTableau, 2);
    EXPECT_TRUE(Inside(viewport, Shown(t, CardRect(t, kTableau, 2, top))));
    // Each card shows a strip of its own; a press there takes that card.
    QSignalSpy pressed(&t.view(), &cTableView::CardMouseDown);
    for (int pos = 0; pos <= top; ++pos) {
        const int pic = t.a().GetPicID(kTableau, 2, pos);
        const double strip = pos < top ? t.a().CordY(kTableau, 2, pos + 1) - t.a().CordY(kTableau, 2, pos) : 400;
        const QPoint at = t.ViewPoint(t.a().CardLeft(pic) + 300, t.a().CardTop(pic) + strip / 2);
        t.Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        t.Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        ASSERT_EQ(pressed.count(), pos + 1);
        EXPECT_EQ(pressed.last().at(0).toInt(), pic) << pos;
    }
    t.Settle();
    // A run of three from the closed-up pile goes onto another pile and back, spaced as
    // each pile lies.
    const int run = t.a().GetPicID(kTableau, 2, top - 2);
    t.DragTo(run, kTableau, 0);
    ASSERT_EQ(t.a().CardPile(run), 0);
    EXPECT_EQ(t.a().GetTop(kTableau, 2), top - 3);
    t.DragTo(run, kTableau, 2);
    ASSERT_EQ(t.a().CardPile(run), 2);
    for (int pos = 0; pos <= top; ++pos)
        EXPECT_EQ(t.a().CardTop(t.a().GetPicID(kTableau, 2, pos)), t.a().CordY(kTableau, 2, pos));
    EXPECT_TRUE(Inside(viewport, Shown(t, CardRect(t, kTableau, 2, top))));
}
