// How soon the "winnable?" answer is there during play: positions met in play (deals after
// some random legal moves, autoplay on) of the standard games and of designed rule sets,
// each solved as the status item does, with its time limit, and given up at the share of
// a second the status should answer within. Prints for every game the share answered in
// time and the slowest answers.
#include "cboardset.h"
#include "iboardhost.h"
#include "mautoplay.h"
#include "mrules.h"
#include "msolver.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

using namespace solvane;

namespace {
constexpr int kStandardPositions = 300;
constexpr int kDesignedPositions = 100;
constexpr int kDeals = 500;
constexpr int kMaxRandomMoves = 40;
constexpr double kStandardTargetMs = 200;
constexpr double kDesignedTargetMs = 1000;
// The status item's own limit.
constexpr double kStatusSeconds = 10;

struct Host : iBoardHost {
    bool AutoplayOn() const override { return true; }
};

struct Game {
    const char* name;
    GameRules rules;
    int positions;
    double targetMs;
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

// Solves with the status item's limit, cancelled once the target time has passed.
SolveResult SolveUntil(const GameRules& rules, const cArray& board, double targetMs)
{
    std::atomic<bool> cancel{false};
    std::mutex m;
    std::condition_variable done;
    bool finished = false;
    std::thread watch([&] {
        std::unique_lock lock(m);
        if (!done.wait_for(lock, std::chrono::duration<double, std::milli>(targetMs), [&] { return finished; }))
            cancel = true;
    });
    SolveLimits limits;
    limits.seconds = kStatusSeconds;
    limits.cancel = &cancel;
    SolveResult r = Solve(rules, board, true, limits);
    {
        std::lock_guard lock(m);
        finished = true;
    }
    done.notify_one();
    watch.join();
    return r;
}

void Measure(const Game& g, std::mt19937& rng)
{
    std::vector<double> ms;
    int winnable = 0, notWinnable = 0, unknown = 0;
    for (int i = 0; i < g.positions; ++i) {
        cBoardSet set;
        Host host;
        set.NewDeal(g.rules, 1 + i % kDeals);
        set.Board().SetHost(&host);
        Autoplay(set.Board());
        const int moves = std::uniform_int_distribution<int>(0, kMaxRandomMoves)(rng);
        for (int k = 0; k < moves && RandomMove(set.Board(), rng); ++k) {
        }
        const auto t0 = std::chrono::steady_clock::now();
        const SolveResult r = SolveUntil(g.rules, set.Board(), g.targetMs);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        winnable += r.verdict == Verdict::Winnable;
        notWinnable += r.verdict == Verdict::NotWinnable;
        unknown += r.verdict == Verdict::Unknown;
    }
    std::sort(ms.begin(), ms.end());
    const auto within = std::count_if(ms.begin(), ms.end(), [&](double v) { return v <= g.targetMs; });
    const int n = static_cast<int>(ms.size());
    std::printf("%-24s %5d %5d %5d %5d  %6.1f %% within %4.0f ms  median %7.2f  99th %7.1f  slowest %7.1f ms\n",
                g.name, n, winnable, notWinnable, unknown, 100.0 * double(within) / n,
                g.targetMs, ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back());
    std::fflush(stdout);
}
} // namespace

int main()
{
    std::vector<Game> games;
    for (const StandardGame& s : StandardGames())
        games.push_back({s.Name, s.Rules, kStandardPositions, kStandardTargetMs});
    const char* designed[] = {"0,5,2,9,12,6,1,1,2,1", "1,12,0,5,0,9,0,1,2,0", "0,3,0,2,12,7,1,1,4,2",
                              "0,0,0,1,13,8,0,1,3,0", "0,0,0,4,13,10,0,0,4,0"};
    for (const char* values : designed) {
        GameRules r;
        ParseRules(values, r);
        games.push_back({values, r, kDesignedPositions, kDesignedTargetMs});
    }
    std::mt19937 rng(2024);
    std::printf("%-24s %5s %5s %5s %5s  (unknown: no answer by the target time)\n", "game", "pos", "won", "not",
                "unkn");
    for (const Game& g : games)
        Measure(g, rng);
    return 0;
}
