// Play without dragging, through the real main window: clicks, double-clicks and keys make
// the same moves as drags, under the same rules, and show where held cards may go.
#include "../engine/enginetest.h"
#include "tablewindow.h"

#include "ckeyplay.h"
#include "cselection.h"
#include "isoundplayer.h"
#include "mcardtext.h"
#include "msolver.h"
#include "vexcard.h"

#include <QAccessible>

#include <optional>

using namespace solvane;
using namespace solvane::test;

namespace {
struct Sounds : iSoundPlayer {
    QStringList played;
    void Play(const QString& name) override { played << name; }
};

// A Freecell game won by the solver's plan, each move made by `play`.
void WinWith(TableWindow& t, double number, const std::function<void(const SolveStep&)>& play)
{
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(number)));
    t.Settle();
    const SolveResult plan = Solve(*StandardRules("Freecell"), t.a(), true, SolveLimits{});
    ASSERT_EQ(plan.verdict, Verdict::Winnable);
    for (const SolveStep& step : plan.moves) {
        ASSERT_EQ(t.finishes, 0);
        const int before = t.s->Boards().Log().Total();
        play(step);
        ASSERT_GT(t.s->Boards().Log().Total(), before) << "a move of the plan was not made";
        // (Autoplay may take the card on from where it was put; the last move wins the game.)
        const int cell = t.a().CardCell(step.pic);
        ASSERT_TRUE(t.finishes > 0 || cell == kFoundation ||
                    (cell == step.toCell && t.a().CardPile(step.pic) == step.toPile));
    }
    t.Settle();
    EXPECT_EQ(t.finishes, 1);
}

// Where a double-click sends a tableau pile's top card: the first foundation that takes
// it, or else the first empty free cell.
std::optional<PileAddress> DoubleClickGoes(cArray& a, int pic)
{
    for (const PileAddress& p : AcceptingPiles(a, pic, 0))
        if (p.Cell == kFoundation)
            return p;
    for (int r = 0; r < a.Games().Piles(kReserve); ++r)
        if (a.GetTop(kReserve, r) < 0)
            return PileAddress{kReserve, r};
    return std::nullopt;
}

// Presses arrow keys until the keyboard's focus is on the place.
void FocusOn(TableWindow& t, int cell, int pile)
{
    t.Key(cell == kTableau ? Qt::Key_Down : Qt::Key_Up);
    for (int i = 0; i < 20 && !(t.w->Keys().Focus() == PileAddress{cell, pile}); ++i)
        t.Key(Qt::Key_Right);
    ASSERT_EQ(t.w->Keys().Focus(), (PileAddress{cell, pile}));
}

std::string Board(TableWindow& t) { return BoardText(t.a()); }
} // namespace

TEST(QuickPlay, AGameWonWithClicksAndDoubleClicksOnly)
{
    TableWindow t;
    int doubleClicks = 0;
    WinWith(t, 3, [&](const SolveStep& step) {
        const bool topCard = step.fromCell == kTableau && step.count == 0;
        if (topCard && DoubleClickGoes(t.a(), step.pic) == PileAddress{step.toCell, step.toPile}) {
            ++doubleClicks;
            return t.DoubleClick(step.pic);
        }
        t.Click(step.pic);
        ASSERT_TRUE(t.w->Selection().Holding());
        t.ClickPlace(step.toCell, step.toPile);
        EXPECT_FALSE(t.w->Selection().Holding());
    });
    EXPECT_GT(doubleClicks, 0);
}

TEST(QuickPlay, AGameWonWithKeysOnly)
{
    TableWindow t;
    t.Key(Qt::Key_Down); // the first key shows where the focus is
    WinWith(t, 4, [&](const SolveStep& step) {
        FocusOn(t, step.fromCell, step.fromPile);
        t.Key(Qt::Key_Space);
        // Space again on the same pile takes one card more, until the run is in hand.
        for (int i = 0; i < 13 && t.w->Selection().Pic() != step.pic; ++i)
            t.Key(Qt::Key_Space);
        ASSERT_EQ(t.w->Selection().Pic(), step.pic);
        ASSERT_EQ(t.w->Selection().Count(), step.count);
        FocusOn(t, step.toCell, step.toPile);
        t.Key(Qt::Key_Return);
    });
}

TEST(QuickPlay, WithTheSwitchOffADoubleClickMovesNothing)
{
    TableWindow t;
    Sounds sounds;
    t.s.Data().SetSoundPlayer(&sounds);
    t.s.Data().SetSoundCardDown(1);
    t.s.Data().SetAutoplay(0);
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(1)));
    t.Settle();
    const int pic = t.a().GetTopPicID(kTableau, 0);
    // On: the card goes to the first free cell, and no pick-up sound is left behind.
    sounds.played.clear();
    t.DoubleClick(pic);
    EXPECT_EQ(t.a().CardCell(pic), kReserve);
    EXPECT_FALSE(sounds.played.contains("CARDDOWN"));
    EXPECT_FALSE(t.w->Selection().Holding());
    EXPECT_FALSE(t.s->MousePlay().Dragging());
    // Off: as if there were no double-click at all.
    t.s.Data().SetDoubleClickMove(0);
    const std::string before = Board(t);
    const int next = t.a().GetTopPicID(kTableau, 1);
    t.DoubleClick(next);
    EXPECT_EQ(Board(t), before);
    EXPECT_EQ(t.s->Boards().Log().Total(), 1);
    EXPECT_FALSE(t.w->Selection().Holding());
    t.s.Data().SetSoundPlayer(nullptr);
}

TEST(QuickPlay, AClickMoveThatBreaksARuleMovesAndLogsNothing)
{
    TableWindow t;
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(1)));
    t.Settle();
    // A hand-built position: 9S may not go on 9D (wrong rank), TC-9H may not go into a cell,
    // and a run of six is longer than the four free cells and no empty pile allow.
    Arrange(t.s->Boards(), *StandardRules("Freecell"),
            {"9D", "TC 9H", "KS QH JC TD 9C 8D 7S", "9S", "2D", "3D", "4D", "5D"});
    t.Settle();
    const std::string before = Board(t);
    t.Click(Pic(t.a(), "9S"));
    ASSERT_TRUE(t.w->Selection().Holding());
    t.ClickPlace(kTableau, 0);
    EXPECT_FALSE(t.w->Selection().Holding()); // let go
    t.Click(Pic(t.a(), "TC"));
    ASSERT_TRUE(t.w->Selection().Holding());
    t.ClickPlace(kReserve, 0);
    EXPECT_FALSE(t.w->Selection().Holding());
    t.Click(Pic(t.a(), "QH"));
    EXPECT_FALSE(t.w->Selection().Holding()); // too long to take
    EXPECT_EQ(Board(t), before);
    EXPECT_EQ(t.s->Boards().Log().Total(), 0);
}

TEST(QuickPlay, HeldCardsShowSelectedAndTheirPlacesGlow)
{
    TableWindow t;
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(1)));
    t.Settle();
    Arrange(t.s->Boards(), *StandardRules("Freecell"), {"TD", "", "9C", "TH 9S", "2C"}, {"-", "KH"}, {"AC"});
    t.Settle();
    using P = PileAddress;
    t.Click(Pic(t.a(), "9C"));
    EXPECT_TRUE(t.view().PicCards(Pic(t.a(), "9C"))->Selected());
    EXPECT_EQ(t.view().Targets(), (std::vector<P>{{kTableau, 0}, {kTableau, 1}, {kTableau, 5}, {kTableau, 6},
                                                  {kTableau, 7}, {kReserve, 0}, {kReserve, 2}, {kReserve, 3}}));
    // Another click elsewhere lets go: no glow, nothing selected.
    t.ClickAt(t.ViewPoint(15000, 10000));
    EXPECT_TRUE(t.view().Targets().empty());
    EXPECT_FALSE(t.view().PicCards(Pic(t.a(), "9C"))->Selected());
    // A run held by keys: the empty piles only.
    t.Key(Qt::Key_Down);
    FocusOn(t, kTableau, 3);
    t.Key(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(t.w->Selection().Pic(), Pic(t.a(), "TH"));
    EXPECT_EQ(t.view().Targets(), (std::vector<P>{{kTableau, 1}, {kTableau, 5}, {kTableau, 6}, {kTableau, 7}}));
    t.Key(Qt::Key_Escape);
    EXPECT_TRUE(t.view().Targets().empty());
    // While a drag goes on, and not after it.
    const int pic = Pic(t.a(), "2C");
    const QPoint from = t.Grip(pic);
    t.Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    t.Send(QEvent::MouseMove, from + QPoint(40, 40), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(t.view().Targets().back(), (P{kFoundation, 0}));
    t.Send(QEvent::MouseButtonRelease, from + QPoint(40, 40), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(t.view().Targets().empty());
}

TEST(QuickPlay, UndoTakesBackEveryKindOfMove)
{
    TableWindow t;
    t.s.Data().SetAutoplay(0);
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(5)));
    t.Settle();
    auto undoRestores = [&t](const std::function<void()>& move) {
        const std::string before = Board(t);
        const int moves = t.s->Boards().Log().GetTransID();
        move();
        t.Settle();
        ASSERT_EQ(t.s->Boards().Log().GetTransID(), moves + 1);
        t.w->mGame[1]->trigger();
        t.Settle();
        EXPECT_EQ(Board(t), before);
    };
    undoRestores([&] { t.DoubleClick(t.a().GetTopPicID(kTableau, 2)); });
    undoRestores([&] {
        t.Click(t.a().GetTopPicID(kTableau, 3));
        t.ClickPlace(kReserve, 1);
    });
    undoRestores([&] {
        FocusOn(t, kTableau, 4);
        t.Key(Qt::Key_Space);
        FocusOn(t, kReserve, 3);
        t.Key(Qt::Key_Space);
    });
    undoRestores([&] { t.DragTo(t.a().GetTopPicID(kTableau, 6), kReserve, 2); });
}

TEST(QuickPlay, ARefusedDropSlidesBackAndARefusedKeyShakes)
{
    TableWindow t;
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(1)));
    t.Settle();
    Arrange(t.s->Boards(), *StandardRules("Freecell"), {"9H", "9S", "2D", "3D", "4D", "5D", "6D", "7D"});
    t.Settle();
    const int pic = Pic(t.a(), "9S");
    const QPointF home(t.a().CardLeft(pic), t.a().CardTop(pic));
    const QPoint from = t.Grip(pic);
    const QPoint onto = t.Grip(Pic(t.a(), "9H"));
    t.Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    t.Send(QEvent::MouseMove, (from + onto) / 2, Qt::NoButton, Qt::LeftButton);
    t.Send(QEvent::MouseMove, onto, Qt::NoButton, Qt::LeftButton);
    t.Send(QEvent::MouseButtonRelease, onto, Qt::LeftButton, Qt::NoButton);
    // On its way back, not back at once.
    EXPECT_TRUE(t.view().IsAnimating());
    EXPECT_NE(t.view().PicCards(pic)->pos(), home);
    t.view().FinishAnimations();
    EXPECT_EQ(t.view().PicCards(pic)->pos(), home);
    EXPECT_EQ(t.s->Boards().Log().Total(), 0);
    // Taken by a key and refused on 9H: the card shakes its head and stays held.
    FocusOn(t, kTableau, 1);
    t.Key(Qt::Key_Space);
    FocusOn(t, kTableau, 0);
    t.Key(Qt::Key_Space);
    EXPECT_EQ(t.w->Selection().Pic(), pic);
    QTest::qWait(60);
    EXPECT_NE(t.view().PicCards(pic)->pos(), home);
    QTest::qWait(400);
    EXPECT_EQ(t.view().PicCards(pic)->pos(), home);
    EXPECT_EQ(t.s->Boards().Log().Total(), 0);
}

TEST(QuickPlay, TheTableTellsAccessibilityToolsWhereTheFocusIs)
{
    TableWindow t;
    ASSERT_TRUE(t.w->Start("Freecell", cGameNo(1)));
    t.Settle();
    Arrange(t.s->Boards(), *StandardRules("Freecell"), {"TD", "KS 7H", "9C"}, {"-", "KH"}, {"AH 2H 3H 4H 5H"});
    t.Settle();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&t.view());
    ASSERT_TRUE(table);
    FocusOn(t, kTableau, 1);
    EXPECT_EQ(table->text(QAccessible::Name), "Seven of Hearts, pile 2");
    FocusOn(t, kReserve, 0);
    EXPECT_EQ(table->text(QAccessible::Name), "free cell 1, empty");
    FocusOn(t, kFoundation, 0);
    EXPECT_EQ(table->text(QAccessible::Name), "Hearts foundation, Five");
    FocusOn(t, kFoundation, 1);
    EXPECT_EQ(table->text(QAccessible::Name), "foundation 2, empty");
    // The focus frame shows after the keyboard was used, and goes on a mouse press.
    EXPECT_TRUE(t.view().FocusShown());
    t.ClickAt(t.ViewPoint(15000, 10000));
    EXPECT_FALSE(t.view().FocusShown());
}
