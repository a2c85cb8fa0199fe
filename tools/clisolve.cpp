#include "clisolve.h"

#include "cboardset.h"
#include "iboardhost.h"
#include "mautoplay.h"
#include "mboardread.h"
#include "mcardtext.h"
#include "msolver.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>

namespace solvane::cli {

namespace {
constexpr double kDefaultLimit = 10;

struct Options {
    bool autoplay = true;
    double limit = kDefaultLimit;
    // One line per deal gives only the number of moves, so the solution is not polished.
    bool shorten = true;
};

// The autoplay switch of a table without a window.
struct Host : iBoardHost {
    bool autoplay = true;
    bool AutoplayOn() const override { return autoplay; }
};

// Takes --autoplay on|off and --limit SECONDS out of the arguments, wherever they stand.
Options TakeOptions(Args& args)
{
    Options o;
    for (size_t i = 1; i < args.size();) {
        if (args[i] != "--autoplay" && args[i] != "--limit") {
            ++i;
            continue;
        }
        if (i + 1 >= args.size())
            throw UsageError(args[i] + " needs a value");
        const std::string value = args[i + 1];
        if (args[i] == "--autoplay") {
            if (value != "on" && value != "off")
                throw UsageError("--autoplay takes on or off, not \"" + value + "\"");
            o.autoplay = value == "on";
        } else {
            char* end = nullptr;
            o.limit = std::strtod(value.c_str(), &end);
            if (value.empty() || *end != '\0' || !std::isfinite(o.limit) || o.limit <= 0)
                throw UsageError("--limit takes a number of seconds, not \"" + value + "\"");
        }
        args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    }
    return o;
}

std::string PlaceName(int cell, int pile)
{
    const char kind = cell == kTableau ? 't' : cell == kReserve ? 'c' : 'f';
    return kind + std::to_string(pile + 1);
}

// "unknown" says which limit ended the search, so that a script can tell a search that
// wants more time from one that wants more memory.
std::string VerdictText(const SolveResult& r)
{
    switch (r.verdict) {
    case Verdict::Winnable: return "winnable";
    case Verdict::NotWinnable: return "not winnable";
    default: return r.reason == "time" || r.reason == "memory" ? "unknown (" + r.reason + ")" : "unknown";
    }
}

struct Timed {
    SolveResult result;
    long long ms = 0;
};

Timed SolveTimed(const GameRules& rules, const cArray& board, const Options& o)
{
    SolveLimits limits;
    limits.seconds = o.limit;
    limits.shorten = o.shorten;
    const auto t0 = std::chrono::steady_clock::now();
    Timed t{Solve(rules, board, o.autoplay, limits), 0};
    t.ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0).count();
    return t;
}

// A position as the player meets it: the deal, then autoplay's first run.
void StartGame(cBoardSet& set, Host& host)
{
    set.Board().SetHost(&host);
    Autoplay(set.Board());
}

void PrintLine(const std::string& label, const Timed& t)
{
    std::cout << label << ' ' << VerdictText(t.result) << ' '
              << (t.result.verdict == Verdict::Winnable ? std::to_string(t.result.moves.size()) : "-")
              << ' ' << t.ms << '\n';
}

int SolveOne(const Args& args, const Options& o)
{
    size_t next = 1;
    const GameRules rules = RulesFromArgs(args, next);
    if (next + 1 != args.size())
        throw UsageError("usage: solvane-cli solve GAME NUMBER [--autoplay off] [--limit SECONDS]");
    const double number = ParseGameNumber(args[next]);
    cBoardSet set;
    Host host;
    host.autoplay = o.autoplay;
    set.NewDeal(rules, number);
    StartGame(set, host);
    const Timed t = SolveTimed(rules, set.Board(), o);
    if (t.result.verdict != Verdict::Winnable) {
        std::cout << VerdictText(t.result) << '\n';
        return 0;
    }
    std::cout << "winnable " << t.result.moves.size() << '\n';
    cArray& a = set.Board();
    for (const SolveStep& s : t.result.moves) {
        std::cout << CardText(a.CardNum(s.pic), a.CardSuit(s.pic)) << ' '
                  << PlaceName(s.fromCell, s.fromPile) << ' ' << PlaceName(s.toCell, s.toPile) << '\n';
        PlayStep(a, s);
    }
    return 0;
}

int SolveRange(const Args& args, const Options& o)
{
    size_t next = 2;
    const GameRules rules = RulesFromArgs(args, next);
    if (next + 2 != args.size())
        throw UsageError("usage: solvane-cli solve --range GAME FIRST LAST");
    const double first = ParseGameNumber(args[next]);
    const double last = ParseGameNumber(args[next + 1]);
    if (first != std::floor(first) || last != std::floor(last) || last < first)
        throw UsageError("--range takes two whole numbers, the first not above the last");
    for (double n = first; n <= last; ++n) {
        cBoardSet set;
        Host host;
        host.autoplay = o.autoplay;
        set.NewDeal(rules, n);
        StartGame(set, host);
        char label[32];
        std::snprintf(label, sizeof label, "%.0f", n);
        PrintLine(label, SolveTimed(rules, set.Board(), o));
        std::cout.flush();
    }
    return 0;
}

int SolveBoards(const Args& args, const Options& o)
{
    if (args.size() < 3)
        throw UsageError("usage: solvane-cli solve --boards FILE [GAME | --rules V1,...,V10]");
    const std::string file = args[2];
    GameRules rules = *StandardRules("Freecell");
    size_t next = 3;
    if (next < args.size())
        rules = RulesFromArgs(args, next);
    if (next != args.size())
        throw UsageError("usage: solvane-cli solve --boards FILE [GAME | --rules V1,...,V10]");
    std::ifstream f;
    if (file != "-") {
        f.open(file);
        if (!f)
            throw UsageError("cannot read \"" + file + "\"");
    }
    std::istream& in = file == "-" ? std::cin : f;
    const std::vector<std::string> boards = SplitBoards(in);
    int bad = 0;
    for (size_t i = 0; i < boards.size(); ++i) {
        cBoardSet set;
        Host host;
        host.autoplay = o.autoplay;
        if (auto why = ReadBoard(boards[i], rules, set)) {
            // One bad board is reported and the others are still solved.
            std::cerr << "solvane-cli: board " << i + 1 << ": " << *why << '\n';
            std::cout << i + 1 << " unknown - 0\n";
            ++bad;
            continue;
        }
        StartGame(set, host);
        PrintLine(std::to_string(i + 1), SolveTimed(rules, set.Board(), o));
        std::cout.flush();
    }
    return bad == 0 ? 0 : 1;
}
} // namespace

int RunSolve(const Args& input)
{
    Args args = input;
    Options o = TakeOptions(args);
    o.shorten = args.size() < 2 || (args[1] != "--range" && args[1] != "--boards");
    if (args.size() >= 2 && args[1] == "--range")
        return SolveRange(args, o);
    if (args.size() >= 2 && args[1] == "--boards")
        return SolveBoards(args, o);
    return SolveOne(args, o);
}

} // namespace solvane::cli
