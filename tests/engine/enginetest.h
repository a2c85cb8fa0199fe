#pragma once
// Helpers for engine tests: a board set with a scripted host and an observer that records
// what the board reported, and hand-built positions.
#include "cboardset.h"
#include "iboardhost.h"
#include "iboardobserver.h"
#include "mautoplay.h"
#include "mcardtext.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace solvane::test {

struct Host : iBoardHost {
    bool autoplay = true;
    bool running = false;
    int winChecks = 0;
    bool AutoplayOn() const override { return autoplay; }
    bool GameRunning() const override { return running; }
    void WinCheck() override { ++winChecks; }
};

struct Recorder : iBoardObserver {
    struct Placement { int pic, x, y, steps; };
    std::vector<Placement> placed;
    std::vector<std::string> sounds;
    int turned = 0;
    int dealSteps = 0;
    std::vector<std::vector<int>> marks; // cell, pile, x, y, mark
    void CardPlaced(int pic, int x, int y, int steps) override { placed.push_back({pic, x, y, steps}); }
    void CardTurned(int, int) override { ++turned; }
    void DealStep() override { ++dealSteps; }
    void PlaceholderShown(int c, int p, int x, int y, int m) override { marks.push_back({c, p, x, y, m}); }
    void SoundDue(const char* kind) override { sounds.emplace_back(kind); }
};

inline GameRules Rules(const char* name) { return *StandardRules(name); }

struct Table {
    cBoardSet set;
    Host host;
    Recorder rec;
    Table()
    {
        set.Board().SetHost(&host);
        set.Board().SetObserver(&rec);
    }
    cArray& a() { return set.Board(); }
    cTrans& log() { return set.Log(); }
    // A game start up to and including its first autoplay.
    void Start(const GameRules& r, double number)
    {
        set.NewDeal(r, number);
        Autoplay(set.Board());
    }
};

// Parses "7H" into rank and suit.
inline std::pair<int, int> ParseCard(const std::string& t)
{
    const std::string ranks = "A23456789TJQK", suits = "CDSH";
    return {int(ranks.find(t[0])), int(suits.find(t[1]))};
}

// Builds a position by hand: tableau piles as "KS QH JC" strings bottom first, free cells
// ("-" for empty), foundations as "AC 2C". As in a deal, the pack is first gathered into the
// stock and the named cards are then taken from its top; the cards not named stay there,
// face down, so that all 52 cards keep a place.
inline void Arrange(cBoardSet& s, const GameRules& r, const std::vector<std::string>& tableau,
                    const std::vector<std::string>& cells = {},
                    const std::vector<std::string>& foundations = {})
{
    struct Placement { int value, cell, pile, pos; };
    std::vector<Placement> plan;
    std::vector<bool> used(52, false);
    auto words = [](const std::string& s) {
        std::istringstream in(s);
        std::vector<std::string> w;
        for (std::string x; in >> x;)
            w.push_back(x);
        return w;
    };
    auto add = [&](const std::string& card, int cell, int pile, int pos) {
        auto [num, suit] = ParseCard(card);
        ASSERT_TRUE(num >= 0 && suit >= 0) << card;
        ASSERT_FALSE(used[suit * 13 + num]) << card << " twice";
        used[suit * 13 + num] = true;
        plan.push_back({suit * 13 + num, cell, pile, pos});
    };
    for (size_t p = 0; p < tableau.size(); ++p) {
        const auto w = words(tableau[p]);
        for (size_t i = 0; i < w.size(); ++i)
            add(w[i], kTableau, int(p), int(i));
    }
    for (size_t p = 0; p < cells.size(); ++p)
        if (cells[p] != "-")
            add(cells[p], kReserve, int(p), 0);
    for (size_t p = 0; p < foundations.size(); ++p) {
        const auto w = words(foundations[p]);
        for (size_t i = 0; i < w.size(); ++i)
            add(w[i], kFoundation, int(p), int(i));
    }

    s.SelectRules(r);
    cArray& a = s.Board();
    a.Init(0);
    s.ResetLog();
    // The stock holds picture ids 0..51, 51 on top: placement i takes picture id 51 - i.
    std::vector<int> valueOf(52, -1);
    for (size_t i = 0; i < plan.size(); ++i)
        valueOf[51 - i] = plan[i].value;
    int spare = 0;
    for (int pic = 0; pic < 52 - int(plan.size()); ++pic) {
        while (used[spare])
            ++spare;
        valueOf[pic] = spare++;
    }
    for (int pic = 0; pic < 52; ++pic) {
        cCard& c = a.Card(pic);
        c.Num = int16_t(valueOf[pic] % 13);
        c.Suit = int16_t(valueOf[pic] / 13);
        c.Suitpile = c.Suit;
        a.Move(pic, kStock, 0, pic, kModeDeal, 0, 0, true);
    }
    for (const auto& p : plan)
        a.Move(a.GetTopPicID(kStock, 0), p.cell, p.pile, p.pos, kModeDeal, 0, 0, false);
}

inline void Arrange(Table& t, const GameRules& r, const std::vector<std::string>& tableau,
                    const std::vector<std::string>& cells = {},
                    const std::vector<std::string>& foundations = {})
{
    Arrange(t.set, r, tableau, cells, foundations);
}

// The picture id of a card named like "7H".
inline int Pic(const cArray& a, const std::string& card)
{
    auto [num, suit] = ParseCard(card);
    for (int p = 0; p < 52; ++p)
        if (a.CardNum(p) == num && a.CardSuit(p) == suit)
            return p;
    ADD_FAILURE() << "no card " << card;
    return -1;
}

// Every invariant of the board: each slot up to a top holds a card that knows its place,
// and each card stands in exactly one such slot.
inline void ExpectConsistent(const cArray& a)
{
    std::vector<int> seen(52, 0);
    for (int c = 0; c < 5; ++c)
        for (int p = 0; p < 21; ++p)
            for (int i = 0; i <= a.GetTop(c, p); ++i) {
                const int pic = a.GetPicID(c, p, i);
                ASSERT_GE(pic, 0);
                ASSERT_EQ(a.CardCell(pic), c);
                ASSERT_EQ(a.CardPile(pic), p);
                ASSERT_EQ(a.CardPos(pic), i);
                ++seen[pic];
            }
    for (int pic = 0; pic < 52; ++pic)
        ASSERT_EQ(seen[pic], 1) << "picture id " << pic;
}

} // namespace solvane::test
