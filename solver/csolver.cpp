#include "csolver.h"

#include "cbestfirst.h"
#include "cmoveestimate.h"
#include "mheuristic.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace solvane {

namespace {
// How often the clock and the cancel flag are read, in positions: often enough that a
// busy machine does not carry the search far past its time.
constexpr uint64_t kCheckEvery = 256;
// The search stops this share of the time limit early, so that the answer, with the memory
// handed back and the clock read only every so often, still comes within the limit.
constexpr double kStopEarly = 0.05;
// Shares of the memory limit: the table of positions may take three quarters once grown
// (and a little more for a moment while it grows), the path of the depth-first pass one
// eighth. The best-first pass keeps its tree beside the table: together they may take seven
// eighths, the table half.
constexpr size_t kTableShareNum = 3, kTableShareDen = 4;
constexpr size_t kPathShareDen = 8;
constexpr size_t kQuickShareNum = 7, kQuickShareDen = 8;
constexpr size_t kQuickTableShareDen = 2;
// Without forms, a position takes about 9 bytes in the table and 12 in the tree.
constexpr size_t kQuickFingerprintShareNum = 3, kQuickFingerprintShareDen = 8;

// Grows a vector for `extra` more elements by doubling, unless that would pass `budget`
// bytes together with `others`.
template <class T>
bool Room(std::vector<T>& v, size_t extra, size_t others, size_t budget)
{
    if (v.size() + extra <= v.capacity())
        return true;
    const size_t cap = std::max(v.capacity() * 2, v.size() + extra);
    if (others + cap * sizeof(T) > budget)
        return false;
    v.reserve(cap);
    return true;
}
// The best-first pass gives up when its memory is full, or after this share of the time
// left, and leaves the rest to the complete pass.
constexpr int kQuickTimeNum = 1, kQuickTimeDen = 4;
// Where that pass proves nothing, it counts each move that led to a position a little (a
// third of a card off the foundations, estimate::kPerCardOff), so that it does not follow
// one line ever deeper: it wins more of the hard designed deals, most of them several times
// sooner, and the standard games' slowest deals sooner too. Where it proves
// (FoundationFirst) it goes by the estimate alone.
constexpr int kFirstQuickPerFour = 4;
// The quick pass after a complete pass that ran out of room counts each move that led to a
// position for more than a card still off the foundations (estimate::kPerCardOff): it then
// goes nearly level by level, the likeliest positions of a level first, and wins most often
// so (lighter and heavier counts won fewer of the hard designed deals).
constexpr int kSecondQuickPerFour = 16;
// The complete pass's share of the time left where that quick pass may follow.
constexpr int kCompleteTimeNum = 1, kCompleteTimeDen = 2;
// The complete pass orders its moves by the estimate too: it tries every move anyway, but a
// won position is often found long before the last one.
constexpr int kCompleteWeight = 50;
// Positions of the short complete pass that comes before the best-first pass.
constexpr uint64_t kShortProof = 100000;
// The dashes: short depth-first passes, each with a budget that doubles every round, under
// three move orders; after the first round the orders are shaken a little, which rescues
// most dashes that went astray.
constexpr uint64_t kDashFirst = 300;
constexpr int kDashRounds = 8;
constexpr int kFoundationFirstDashRounds = 0;
constexpr int kNoise = 100;
constexpr int kDashWeights[] = {50, 0, 1000};

// Move ordering weights.
constexpr int kToFoundation = 1000;
constexpr int kFromFoundation = -2000;
constexpr int kFromCell = 150;
constexpr int kOntoCard = 300;
constexpr int kOntoSpace = 40;
constexpr int kPerRunCard = 20;
constexpr int kToCell = -100;
constexpr int kEmptiesPile = 100;
constexpr int kFreesPlayable = 200;
constexpr int kBreaksRun = -150;
// Gives the memory of a finished pass back to the system, so that the next pass's peak is
// its own: the allocator would otherwise keep the smaller blocks for later use.
void ReleaseFreeMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
} // namespace

cSolver::cSolver(const cPosition& start, const SolveLimits& limits)
    : start_(start), p_(start), limits_(limits),
      table_(limits.bytes / kTableShareDen * kTableShareNum)
{
    const auto span = std::chrono::duration<double>(limits.seconds * (1 - kStopEarly));
    deadline_ = std::chrono::steady_clock::now() +
                std::chrono::duration_cast<std::chrono::steady_clock::duration>(span);
    passEnd_ = deadline_;
}

Verdict cSolver::Run()
{
    const Verdict v = Search();
    if (v == Verdict::Winnable && limits_.shorten)
        Shorten();
    return v;
}

namespace {
std::string Exact(const cPosition& p)
{
    PackedPosition packed;
    p.Pack(packed);
    return std::string(reinterpret_cast<const char*>(&packed), sizeof packed);
}
} // namespace

void cSolver::Shorten()
{
    // Where the solution passes, exactly (not up to the order of the piles, since the
    // moves after a shortcut name the piles as they are).
    std::unordered_map<std::string, size_t> later;
    cPosition p = start_;
    AutoMove chain[kMaxChain];
    later[Exact(p)] = 0;
    for (size_t i = 0; i < solution_.size(); ++i) {
        p.Apply(solution_[i], chain);
        later[Exact(p)] = i + 1;
    }
    std::vector<SolverMove> shorter, moves;
    MoveFilter every;
    every.every = true;
    p = start_;
    for (size_t i = 0; i < solution_.size();) {
        size_t reach = i + 1;
        SolverMove best = solution_[i];
        moves.clear();
        GenerateMoves(p, every, moves);
        for (const SolverMove& m : moves) {
            const int n = p.Apply(m, chain);
            const auto it = later.find(Exact(p));
            const size_t to = p.Won() ? solution_.size() : it != later.end() ? it->second : 0;
            if (to > reach) {
                reach = to;
                best = m;
            }
            p.Undo(m, chain, n);
        }
        shorter.push_back(best);
        p.Apply(best, chain);
        i = reach;
    }
    solution_ = std::move(shorter);
}

Verdict cSolver::Search()
{
    if (start_.Won()) {
        solution_.clear();
        return Verdict::Winnable;
    }
    if (limits_.cancel && limits_.cancel->load()) {
        last_ = Outcome::Cancelled;
        return Verdict::Unknown;
    }
    // A short depth-first dash along the best-looking moves wins most deals at once. Where
    // an exhausted dash proves nothing, the dashes can only find wins, which a chance
    // collision could only hide: they tell positions apart by fingerprints alone, which
    // spares writing out every position they meet.
    table_.SetExact(start_.Rules().FoundationFirst());
    const Outcome dashed = Dashes();
    table_.Clear();
    table_.SetExact(true);
    if (dashed == Outcome::Won)
        return Verdict::Winnable;
    if (dashed == Outcome::Time || dashed == Outcome::Cancelled)
        return Verdict::Unknown;
    // What a dash leaves out cannot matter under such rules: a dash that saw everything
    // it could see is a proof.
    if (dashed == Outcome::Exhausted && start_.Rules().FoundationFirst())
        return Verdict::NotWinnable;
    if (!start_.Rules().FoundationFirst()) {
        // A short complete pass settles most positions that cannot be won before the
        // best-first pass spends its share of the time on them.
        noise_ = 0;
        switch (RunPass({true, kShortProof, kCompleteWeight})) {
        case Outcome::Won: return Verdict::Winnable;
        case Outcome::Exhausted: return Verdict::NotWinnable;
        case Outcome::Time:
        case Outcome::Cancelled: return Verdict::Unknown;
        default: break;
        }
    }
    Outcome o = Outcome::Exhausted;
    {
        // The quick pass may take a share of the time that is left; the complete pass gets
        // the rest.
        const auto now = std::chrono::steady_clock::now();
        o = Quick(now + (deadline_ - now) * kQuickTimeNum / kQuickTimeDen,
                  start_.Rules().FoundationFirst() ? 0 : kFirstQuickPerFour);
        if (o == Outcome::Won)
            return Verdict::Winnable;
        // What the quick pass leaves out cannot matter under such rules: it saw everything.
        if (o == Outcome::Exhausted && start_.Rules().FoundationFirst())
            return Verdict::NotWinnable;
        if (o == Outcome::Time && std::chrono::steady_clock::now() < deadline_)
            o = Outcome::Budget;
    }
    table_.Clear();
    table_.SetExact(true);
    table_.SetLimit(limits_.bytes / kTableShareDen * kTableShareNum);
    ReleaseFreeMemory();
    noise_ = 0; // the complete pass takes the moves in their plain order
    // Where a quick pass may follow, the complete pass has half the time left: the lost
    // deals it proves it mostly proves sooner, and the deals it leaves open are won, if at
    // all, by that quick pass.
    const bool quickAfter = !start_.Rules().FoundationFirst();
    if (o == Outcome::Exhausted || o == Outcome::Budget || o == Outcome::Memory) {
        const auto now = std::chrono::steady_clock::now();
        passEnd_ = quickAfter ? now + (deadline_ - now) * kCompleteTimeNum / kCompleteTimeDen : deadline_;
        o = RunPass({true, 0, kCompleteWeight});
        passEnd_ = deadline_;
    }
    // A complete pass that ran out of room or of its time will prove nothing: the time left
    // goes to a quick pass again, which without forms reaches well past where the first one
    // stopped, and which counts the moves made so far, so that it looks first where the
    // first one did not, nearer the start.
    if ((o == Outcome::Memory || o == Outcome::Time) && quickAfter && std::chrono::steady_clock::now() < deadline_) {
        table_.Clear();
        std::vector<Frame>().swap(frames_);
        std::vector<Ranked>().swap(moves_);
        std::vector<AutoMove>().swap(chain_);
        ReleaseFreeMemory();
        if (Quick(deadline_, kSecondQuickPerFour) == Outcome::Won)
            return Verdict::Winnable;
        o = last_;
    }
    switch (o) {
    case Outcome::Won: return Verdict::Winnable;
    case Outcome::Exhausted: return Verdict::NotWinnable;
    default: return Verdict::Unknown;
    }
}

cSolver::Outcome cSolver::Quick(std::chrono::steady_clock::time_point end, int perFour)
{
    // Where the quick pass proves nothing when it ends, it needs no forms: its table then
    // holds fingerprints alone, several times as many positions, and a share of the memory
    // that leaves its tree room for them. It keeps its positions only while it runs.
    const bool proves = start_.Rules().FoundationFirst();
    table_.Clear();
    table_.SetExact(proves);
    table_.SetLimit(proves ? limits_.bytes / kQuickTableShareDen
                           : limits_.bytes / kQuickFingerprintShareDen * kQuickFingerprintShareNum);
    cBestFirst quick(start_, table_, end, limits_.cancel, limits_.bytes / kQuickShareDen * kQuickShareNum);
    quick.SetDepthWeight(perFour);
    const Outcome o = quick.Run(0);
    positions_ += quick.Positions();
    last_ = o;
    if (o == Outcome::Won)
        solution_ = quick.Solution();
    return o;
}

cSolver::Outcome cSolver::Dashes()
{
    uint64_t budget = kDashFirst;
    // Where the best-first pass is complete it wins about as soon as the dashes would, and
    // proves the rest: no dashes.
    const int rounds = start_.Rules().FoundationFirst() ? kFoundationFirstDashRounds : kDashRounds;
    for (int round = 0; round < rounds; ++round, budget *= 2)
        for (int w : kDashWeights) {
            noise_ = round == 0 ? 0 : kNoise;
            noiseState_ = uint64_t(round) * 7919 + uint64_t(w);
            const Outcome o = RunPass({false, budget, w});
            // A dash that saw everything it could see gains nothing from more room.
            if (o != Outcome::Budget)
                return o;
        }
    return Outcome::Budget;
}

size_t cSolver::PathBytes() const
{
    return frames_.capacity() * sizeof(Frame) + moves_.capacity() * sizeof(Ranked) +
           chain_.capacity() * sizeof(AutoMove);
}

cSolver::Outcome cSolver::Check()
{
    if (limits_.cancel && limits_.cancel->load(std::memory_order_relaxed))
        return Outcome::Cancelled;
    if (std::chrono::steady_clock::now() > passEnd_)
        return Outcome::Time;
    if (table_.Bytes() + PathBytes() > limits_.bytes / kTableShareDen * kTableShareNum + limits_.bytes / kPathShareDen)
        return Outcome::Memory;
    return Outcome::Won; // nothing to stop for
}

int cSolver::Score(const SolverMove& m, CardMask wanted) const
{
    const cSolverRules& r = p_.Rules();
    int s = 0;
    if (IsFoundationLoc(m.to))
        s += kToFoundation;
    if (IsFoundationLoc(m.from))
        s += kFromFoundation;
    if (IsCellLoc(m.from))
        s += kFromCell;
    if (IsCellLoc(m.to))
        s += kToCell;
    if (IsTableauLoc(m.to))
        s += (p_.Len(m.to) > 0 ? kOntoCard : kOntoSpace) + kPerRunCard * m.count;
    if (IsTableauLoc(m.from)) {
        const int below = p_.Len(m.from) - 2 - m.count;
        if (below < 0) {
            s += kEmptiesPile;
        } else {
            const int exposed = p_.CardAt(m.from, below);
            const int moved = p_.CardAt(m.from, below + 1);
            if ((wanted >> exposed) & 1)
                s += kFreesPlayable;
            if (r.FitsTableau(exposed, moved))
                s += kBreaksRun;
        }
    }
    return s;
}

void cSolver::Rank(const std::vector<SolverMove>& moves, int kw)
{
    ranked_.clear();
    const CardMask wanted = p_.FoundationWants();
    if (kw != 0 && !p_.Rules().Autoplay()) {
        // Without autoplay a move changes two places only, so its estimate needs no move made.
        const cMoveEstimate after(p_);
        for (const SolverMove& m : moves)
            ranked_.push_back({Score(m, wanted) - kw * after.After(m), m});
    } else if (kw != 0) {
        AutoMove chain[kMaxChain];
        for (const SolverMove& m : moves) {
            const int n = p_.Apply(m, chain);
            const int e = Estimate(p_);
            p_.Undo(m, chain, n);
            ranked_.push_back({Score(m, wanted) - kw * e, m});
        }
    } else {
        for (const SolverMove& m : moves)
            ranked_.push_back({Score(m, wanted), m});
    }
    if (noise_ != 0)
        for (Ranked& r : ranked_) {
            noiseState_ = noiseState_ * 6364136223846793005ULL + 1442695040888963407ULL;
            r.score += static_cast<int>((noiseState_ >> 33) % (2 * noise_ + 1)) - noise_;
        }
}

SolverMove cSolver::TakeBest(Frame& f)
{
    // Picked one at a time: a dash mostly goes on with the first move it tries.
    uint32_t best = f.next;
    for (uint32_t i = f.next + 1; i < f.movesEnd; ++i)
        if (moves_[i].score > moves_[best].score)
            best = i;
    const Ranked r = moves_[best];
    // The others keep their order, so that equal scores are tried in the order listed.
    std::copy_backward(moves_.begin() + f.next, moves_.begin() + best, moves_.begin() + best + 1);
    moves_[f.next++] = r;
    return r.move;
}

void cSolver::DropWayBack(const Frame& parent)
{
    // Without a chain, the cards that just moved going back make the position of the
    // frame below, which the table holds already: no need to try it.
    if (parent.chainLength != 0)
        return;
    const SolverMove back{parent.applied.to, parent.applied.from, parent.applied.count};
    const auto it = std::find(scratch_.begin(), scratch_.end(), back);
    if (it != scratch_.end())
        scratch_.erase(it);
}

bool cSolver::PushFrame(const Pass& pass, bool root)
{
    scratch_.clear();
    const bool foundationFirst = p_.Rules().FoundationFirst();
    MoveFilter filter;
    // Before the first move, a move that changes nothing can still set autoplay off.
    filter.every = root && p_.Rules().Autoplay() && AutoplayPending(p_);
    filter.fromFoundations = pass.complete && BackMovesMatter(p_, !filter.every);
    GenerateMoves(p_, filter, scratch_);
    // The start may still have autoplay to do, so going back there can lead elsewhere.
    if (!root && (frames_.size() > 1 || !p_.Rules().Autoplay()))
        DropWayBack(frames_.back());
    SolverMove forced;
    if ((!pass.complete || foundationFirst) && !p_.Rules().Autoplay() && SafeFoundationMove(p_, scratch_, forced))
        ranked_.assign(1, {0, forced});
    else
        Rank(scratch_, pass.estimateWeight);
    const size_t budget = limits_.bytes / kPathShareDen;
    const size_t framesBytes = frames_.capacity() * sizeof(Frame);
    const size_t chainBytes = chain_.capacity() * sizeof(AutoMove);
    if (!Room(moves_, ranked_.size(), framesBytes + chainBytes, budget) ||
        !Room(frames_, 1, moves_.capacity() * sizeof(Ranked) + chainBytes, budget) ||
        !Room(chain_, kMaxChain, moves_.capacity() * sizeof(Ranked) + frames_.capacity() * sizeof(Frame), budget))
        return false;
    Frame f;
    f.movesBegin = static_cast<uint32_t>(moves_.size());
    moves_.insert(moves_.end(), ranked_.begin(), ranked_.end());
    f.movesEnd = static_cast<uint32_t>(moves_.size());
    f.next = f.movesBegin;
    frames_.push_back(f);
    return true;
}

cSolver::Outcome cSolver::RunPass(const Pass& pass)
{
    p_ = start_;
    table_.Clear();
    frames_.clear();
    moves_.clear();
    chain_.clear();
    solution_.clear();
    passPositions_ = 0;
    table_.Add(p_);
    if (p_.Won())
        return last_ = Outcome::Won;
    if (!PushFrame(pass, true))
        return last_ = Outcome::Memory;
    AutoMove chain[kMaxChain];
    while (!frames_.empty()) {
        Frame& f = frames_.back();
        if (f.next == f.movesEnd) {
            moves_.resize(f.movesBegin);
            frames_.pop_back();
            if (frames_.empty())
                break;
            Frame& parent = frames_.back();
            p_.Undo(parent.applied, chain_.data() + parent.chainBegin, parent.chainLength);
            chain_.resize(parent.chainBegin);
            continue;
        }
        const SolverMove m = TakeBest(f);
        const int n = p_.Apply(m, chain);
        ++positions_;
        ++passPositions_;
        if (passPositions_ % kCheckEvery == 0) {
            const Outcome stop = Check();
            if (stop != Outcome::Won)
                return last_ = stop;
        }
        if (p_.Won()) {
            for (const Frame& fr : frames_)
                if (&fr != &frames_.back())
                    solution_.push_back(fr.applied);
            solution_.push_back(m);
            return last_ = Outcome::Won;
        }
        const cTransTable::Added added = table_.Add(p_);
        if (added != cTransTable::Added::New) {
            p_.Undo(m, chain, n);
            if (added == cTransTable::Added::Full)
                return last_ = Outcome::Memory;
            continue;
        }
        if (pass.budget != 0 && passPositions_ >= pass.budget)
            return last_ = Outcome::Budget;
        f.applied = m;
        f.chainBegin = static_cast<uint32_t>(chain_.size());
        f.chainLength = static_cast<uint8_t>(n);
        chain_.insert(chain_.end(), chain, chain + n);
        if (!PushFrame(pass, false))
            return last_ = Outcome::Memory;
    }
    return last_ = Outcome::Exhausted;
}

} // namespace solvane
