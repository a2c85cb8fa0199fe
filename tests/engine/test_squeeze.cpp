// Long tableau piles stay above the tableau's bottom: a pile that would reach below it
// lies closer, one that fits keeps the layout's places, and every way of moving agrees.
#include "ccard.h"
#include "ctrans.h"
#include "enginetest.h"

#include <map>

using namespace solvane;
using namespace solvane::test;

namespace {
constexpr int kBottom = 6000; // twips

// Stacks the cards of other piles onto pile 0 until it holds `count` cards, unlogged.
void Grow(Table& t, int count)
{
    cArray& a = t.a();
    for (int pile = 1; a.GetTop(kTableau, 0) + 1 < count; pile = pile % 7 + 1)
        if (a.GetTop(kTableau, pile) >= 0)
            a.Move(a.GetTopPicID(kTableau, pile), kTableau, 0, a.GetTop(kTableau, 0) + 1, kModeReplay, 0);
}

// The pile's cards lie where CordY places them, evenly spaced, the last ending in bounds.
void ExpectEvenlySpaced(cArray& a, int pile, int bottom)
{
    const int top = a.GetTop(kTableau, pile);
    ASSERT_GE(top, 1);
    const double step = (a.CardTop(a.GetPicID(kTableau, pile, top)) - a.CardTop(a.GetPicID(kTableau, pile, 0))) /
                        double(top);
    for (int pos = 0; pos <= top; ++pos) {
        const int pic = a.GetPicID(kTableau, pile, pos);
        EXPECT_EQ(a.CardTop(pic), a.CordY(kTableau, pile, pos));
        EXPECT_NEAR(a.CardTop(pic) - a.CardTop(a.GetPicID(kTableau, pile, 0)), step * pos, 1.0);
    }
    EXPECT_LE(a.CardTop(a.GetTopPicID(kTableau, pile)) + kCardHeight, bottom);
}
} // namespace

TEST(Squeeze, PilesThatFitKeepTheLayoutsPlaces)
{
    Table t;
    t.host.autoplay = false;
    t.Start(Rules("Freecell"), 1);
    cArray& a = t.a();
    std::vector<int> before;
    for (int pic = 0; pic < kDeckCards; ++pic)
        before.push_back(a.CardTop(pic));
    t.rec.placed.clear();
    a.SetTableauBottom(kBottom);
    EXPECT_TRUE(t.rec.placed.empty());
    for (int pos = 0; pos <= a.GetTop(kTableau, 0); ++pos)
        EXPECT_EQ(a.CordY(kTableau, 0, pos), 1840 + 250 * pos);
    for (int pic = 0; pic < kDeckCards; ++pic)
        EXPECT_EQ(a.CardTop(pic), before[size_t(pic)]);
}

TEST(Squeeze, ALongPileLiesCloserAndSpreadsAgainAsItShortens)
{
    Table t;
    t.host.autoplay = false;
    t.Start(Rules("Freecell"), 1);
    cArray& a = t.a();
    a.SetTableauBottom(kBottom);
    Grow(t, 24);
    ExpectEvenlySpaced(a, 0, kBottom);
    // The last card ends at the bottom; the spacing is below the layout's.
    EXPECT_GE(a.CardTop(a.GetTopPicID(kTableau, 0)) + kCardHeight, kBottom - 1);
    EXPECT_LT(a.CordY(kTableau, 0, 1) - a.CordY(kTableau, 0, 0), 250);

    // A logged move off the pile widens it; its undo closes it up again.
    const int moved = a.GetTopPicID(kTableau, 0);
    const int spacing = a.CordY(kTableau, 0, 1) - a.CordY(kTableau, 0, 0);
    a.Move(moved, kReserve, 0, 0, kModeNormal, 3);
    EXPECT_GT(a.CordY(kTableau, 0, 1) - a.CordY(kTableau, 0, 0), spacing);
    ExpectEvenlySpaced(a, 0, kBottom);
    int speed = 0;
    t.log().Undo(speed);
    EXPECT_EQ(a.GetTopPicID(kTableau, 0), moved);
    EXPECT_EQ(a.CordY(kTableau, 0, 1) - a.CordY(kTableau, 0, 0), spacing);
    ExpectEvenlySpaced(a, 0, kBottom);

    // Without a bottom, the layout's places come back.
    a.SetTableauBottom(0);
    EXPECT_EQ(a.CardTop(moved), 1840 + 250 * a.GetTop(kTableau, 0));
}

TEST(Squeeze, ARunArrivesInItsClosedUpPlacesAndDropsHitTheShownTopCard)
{
    Table t;
    t.host.autoplay = false;
    t.Start(Rules("Freecell"), 1);
    cArray& a = t.a();
    a.SetTableauBottom(kBottom);
    Grow(t, 20);
    // Three cards of pile 0 go onto pile 1 as one run, and back.
    const int runStart = a.GetPicID(kTableau, 0, a.GetTop(kTableau, 0) - 2);
    a.Move(runStart, kTableau, 1, a.GetTop(kTableau, 1) + 1, kModeNormal, 3, 2);
    a.Move(runStart, kTableau, 0, a.GetTop(kTableau, 0) + 1, kModeNormal, 3, 2);
    ExpectEvenlySpaced(a, 0, kBottom);
    // A card held over the squeezed top card's place hits that pile.
    const int top = a.GetTop(kTableau, 0);
    const int held = a.GetTopPicID(kTableau, 1);
    a.PositionCard(held, a.CordX(kTableau, 0, top), a.CordY(kTableau, 0, top) + 100);
    EXPECT_TRUE(a.SlotHit(held, kTableau, 0, top, 0));
    // Every card was last reported where the board has it, so the table shows it there.
    std::map<int, int> shownTop;
    for (const auto& p : t.rec.placed)
        shownTop[p.pic] = p.y;
    for (int pos = 0; pos <= top; ++pos) {
        const int pic = a.GetPicID(kTableau, 0, pos);
        EXPECT_EQ(shownTop[pic], a.CardTop(pic)) << pos;
    }
}
