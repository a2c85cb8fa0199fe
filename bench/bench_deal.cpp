// How long one game takes to select, shuffle, deal and autoplay, without animation.
#include "cboardset.h"
#include "iboardhost.h"
#include "mautoplay.h"

#include <chrono>
#include <cstdio>

using namespace solvane;

namespace {
struct AutoplayHost : iBoardHost {
    bool AutoplayOn() const override { return true; }
};
} // namespace

int main()
{
    constexpr int kGames = 200000;
    cBoardSet set;
    AutoplayHost host;
    set.Board().SetHost(&host);
    const GameRules rules = *StandardRules("Freecell");
    long goal = 0;
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kGames; ++i) {
        set.NewDeal(rules, i);
        Autoplay(set.Board());
        goal += set.Board().TotalGoalCards();
    }
    const auto t1 = std::chrono::steady_clock::now();
    const double us = std::chrono::duration<double, std::micro>(t1 - t0).count() / kGames;
    std::printf("select + shuffle + deal + autoplay: %.2f us per game (target < 20 us; %ld cards autoplayed)\n",
                us, goal);
    return 0;
}
