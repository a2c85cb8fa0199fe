// How soon the "winnable?" answer is there during play: Freecell positions met in play
// (deals after some random legal moves, autoplay on), each solved as the status item would.
// Prints the share answered within 200 ms and the slowest answers.
#include "cboardset.h"
#include "iboardhost.h"
#include "mautoplay.h"
#include "mrules.h"
#include "msolver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

using namespace solvane;

namespace {
constexpr int kPositions = 1000;
constexpr int kMaxRandomMoves = 40;
constexpr double kTargetMs = 200;

struct Host : iBoardHost {
    bool AutoplayOn() const override { return true; }
};

// One random legal move of the player, as mouse play allows it.
bool RandomMove(cArray& a, std::mt19937& rng)
{
    struct M { int pic, cell, pile, count; };
    std::vector<M> moves;
    for (int pic = 0; pic < 52; ++pic) {
        int count = 0;
        const int cell = a.CardCell(pic);
        if (cell == kFoundation || !CanPickUp(a, pic, count))
            continue;
        for (int t = 0; t < a.Games().Piles(kTableau); ++t)
            if (!(cell == kTableau && a.CardPile(pic) == t) && AcceptsOnTableau(a, pic, t))
                moves.push_back({pic, kTableau, t, count});
        for (int r = 0; r < a.Games().Piles(kReserve); ++r)
            if (AcceptsOnReserve(a, pic, r, count))
                moves.push_back({pic, kReserve, r, 0});
    }
    if (moves.empty())
        return false;
    const M m = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
    a.Move(m.pic, m.cell, m.pile, a.GetTop(m.cell, m.pile) + 1, kModeNormal, 0, m.count);
    return true;
}
} // namespace

int main()
{
    const GameRules freecell = *StandardRules("Freecell");
    std::mt19937 rng(2024);
    std::vector<double> ms;
    int winnable = 0, notWinnable = 0, unknown = 0;
    for (int i = 0; i < kPositions; ++i) {
        cBoardSet set;
        Host host;
        set.NewDeal(freecell, 1 + i % 500);
        set.Board().SetHost(&host);
        Autoplay(set.Board());
        const int moves = std::uniform_int_distribution<int>(0, kMaxRandomMoves)(rng);
        for (int k = 0; k < moves && RandomMove(set.Board(), rng); ++k) {
        }
        const auto t0 = std::chrono::steady_clock::now();
        const SolveResult r = Solve(freecell, set.Board(), true, SolveLimits{});
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        winnable += r.verdict == Verdict::Winnable;
        notWinnable += r.verdict == Verdict::NotWinnable;
        unknown += r.verdict == Verdict::Unknown;
    }
    std::sort(ms.begin(), ms.end());
    const auto within = std::count_if(ms.begin(), ms.end(), [](double v) { return v <= kTargetMs; });
    std::printf("Freecell positions in play: %d (winnable %d, not winnable %d, unknown %d)\n", kPositions,
                winnable, notWinnable, unknown);
    std::printf("answered within %.0f ms: %.1f %%; median %.2f ms, 99th percentile %.1f ms, slowest %.1f ms\n",
                kTargetMs, 100.0 * double(within) / kPositions, ms[ms.size() / 2], ms[ms.size() * 99 / 100],
                ms.back());
    return 0;
}
