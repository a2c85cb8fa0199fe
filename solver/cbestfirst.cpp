#include "cbestfirst.h"

#include "mheuristic.h"
#include "mmoves.h"

#include <algorithm>

namespace solvane {

namespace {
constexpr uint64_t kCheckEvery = 1024;
constexpr uint32_t kRoot = 0xFFFFFFFF;
// Nodes this deep have no children kept: their depth would not fit.
constexpr int kMaxDepth = 0xFFFF;
// What a list of the queue holds beside its ids, about: one chunk partly filled.
constexpr size_t kQueueChunkBytes = 512;
// A move in sixteen bits: five for each place, six for the cards lying on the one moved.
constexpr int kPlaceBits = 5;
constexpr int kPlaceMask = (1 << kPlaceBits) - 1;
static_assert(kLocations <= (1 << kPlaceBits) && kSolverCards <= (1 << (16 - 2 * kPlaceBits)));

uint16_t PackMove(const SolverMove& m)
{
    return static_cast<uint16_t>(m.from | (m.to << kPlaceBits) | (m.count << (2 * kPlaceBits)));
}

SolverMove UnpackMove(uint16_t v)
{
    return {static_cast<uint8_t>(v & kPlaceMask), static_cast<uint8_t>((v >> kPlaceBits) & kPlaceMask),
            static_cast<uint8_t>(v >> (2 * kPlaceBits))};
}
} // namespace

cBestFirst::cBestFirst(const cPosition& start, cTransTable& table,
                       std::chrono::steady_clock::time_point deadline, const std::atomic<bool>* cancel,
                       size_t maxBytes)
    : start_(start), p_(start), table_(table), deadline_(deadline), cancel_(cancel), maxBytes_(maxBytes)
{
}

size_t cBestFirst::Bytes() const
{
    size_t queued = 0;
    for (const auto& q : queue_)
        queued += q.size() * sizeof(uint32_t) + kQueueChunkBytes;
    return blocks_.size() * (sizeof(Node) << kBlockBits) + queued + table_.Bytes() +
           path_.capacity() * sizeof(Step) + chain_.capacity() * sizeof(AutoMove);
}

SearchOutcome cBestFirst::Check() const
{
    if (cancel_ && cancel_->load(std::memory_order_relaxed))
        return SearchOutcome::Cancelled;
    if (std::chrono::steady_clock::now() > deadline_)
        return SearchOutcome::Time;
    if (Bytes() > maxBytes_)
        return SearchOutcome::Memory;
    return SearchOutcome::Won; // nothing to stop for
}

uint32_t cBestFirst::AddNode(uint32_t parent, uint16_t depth, const SolverMove& m)
{
    const uint32_t id = nodes_++;
    if ((id >> kBlockBits) == blocks_.size())
        blocks_.push_back(std::make_unique_for_overwrite<Node[]>(size_t(1) << kBlockBits));
    At(id) = {parent, depth, PackMove(m)};
    return id;
}

void cBestFirst::Queue(uint32_t id, int estimate)
{
    const size_t e = static_cast<size_t>(std::max(estimate, 0));
    if (e >= queue_.size())
        queue_.resize(e + 1);
    queue_[e].push_back(id);
    best_ = std::min(best_, e);
}

bool cBestFirst::PopBest(uint32_t& id)
{
    while (best_ < queue_.size() && queue_[best_].empty())
        ++best_;
    if (best_ == queue_.size())
        return false;
    id = queue_[best_].back();
    queue_[best_].pop_back();
    return true;
}

void cBestFirst::GoTo(uint32_t id)
{
    // Up from the node to the path, then back along the path to there, then down.
    climb_.clear();
    uint32_t n = id;
    while (At(n).depth >= path_.size() || path_[At(n).depth].node != n) {
        climb_.push_back(n);
        n = At(n).parent;
    }
    while (path_.size() > size_t(At(n).depth) + 1) {
        const Step& s = path_.back();
        p_.Undo(UnpackMove(At(s.node).move), chain_.data() + s.chainBegin, s.chainLength);
        chain_.resize(s.chainBegin);
        path_.pop_back();
    }
    AutoMove chain[kMaxChain];
    for (size_t i = climb_.size(); i-- > 0;) {
        const uint32_t c = climb_[i];
        const int k = p_.Apply(UnpackMove(At(c).move), chain);
        path_.push_back({c, static_cast<uint32_t>(chain_.size()), static_cast<uint8_t>(k)});
        chain_.insert(chain_.end(), chain, chain + k);
    }
}

void cBestFirst::Trace(uint32_t id, const SolverMove& last)
{
    solution_.clear();
    solution_.push_back(last);
    for (uint32_t n = id; At(n).parent != kRoot; n = At(n).parent)
        solution_.push_back(UnpackMove(At(n).move));
    std::reverse(solution_.begin(), solution_.end());
}

int cBestFirst::Priority(int depth) const
{
    return Estimate(p_) + depth * perFour_ / 4;
}

bool cBestFirst::Keep(cTransTable::Added added, uint32_t parent, uint16_t depth, const SolverMove& m, int priority)
{
    if (added == cTransTable::Added::New)
        Queue(AddNode(parent, depth, m), priority);
    return added != cTransTable::Added::Full;
}

SearchOutcome cBestFirst::Expand(uint32_t id, const std::vector<SolverMove>& moves)
{
    // Where the table keeps fingerprints alone, every child is made before the table is
    // asked about any, so that the look-ups overlap; a form needs the position itself.
    const bool byKeys = !table_.Exact();
    AutoMove chain[kMaxChain];
    const uint16_t depth = static_cast<uint16_t>(At(id).depth + 1);
    children_.clear();
    for (const SolverMove& m : moves) {
        const int n = p_.Apply(m, chain);
        ++positions_;
        if (p_.Won()) {
            Trace(id, m);
            return SearchOutcome::Won;
        }
        if (byKeys) {
            const PositionKey key = p_.Key();
            table_.Prefetch(key);
            children_.push_back({key, Priority(depth), m});
        } else {
            const cTransTable::Added added = table_.Add(p_);
            if (!Keep(added, id, depth, m, added == cTransTable::Added::New ? Priority(depth) : 0))
                return SearchOutcome::Memory;
        }
        p_.Undo(m, chain, n);
    }
    for (const Child& c : children_)
        if (!Keep(table_.Add(c.key, nullptr, 0), id, depth, c.move, c.priority))
            return SearchOutcome::Memory;
    return SearchOutcome::Exhausted;
}

SearchOutcome cBestFirst::Run(uint64_t budget)
{
    table_.Clear();
    solution_.clear();
    p_ = start_;
    if (p_.Won())
        return SearchOutcome::Won;
    table_.Add(p_);
    const uint32_t root = AddNode(kRoot, 0, {});
    path_.push_back({root, 0, 0});
    Queue(root, Priority(0));
    std::vector<SolverMove> moves;
    MoveFilter filter;
    filter.fromFoundations = false;
    filter.every = p_.Rules().Autoplay() && AutoplayPending(p_);
    uint64_t sinceCheck = 0;
    uint32_t id = 0;
    while (PopBest(id)) {
        if (At(id).depth == kMaxDepth)
            continue;
        GoTo(id);
        moves.clear();
        GenerateMoves(p_, filter, moves);
        filter.every = false;
        SolverMove safe;
        if (!p_.Rules().Autoplay() && SafeFoundationMove(p_, moves, safe))
            moves.assign(1, safe);
        const SearchOutcome expanded = Expand(id, moves);
        if (expanded != SearchOutcome::Exhausted)
            return expanded;
        sinceCheck += moves.size();
        if (sinceCheck >= kCheckEvery) {
            sinceCheck = 0;
            const SearchOutcome stop = Check();
            if (stop != SearchOutcome::Won)
                return stop;
        }
        if (budget != 0 && nodes_ >= budget)
            return SearchOutcome::Budget;
    }
    return SearchOutcome::Exhausted;
}

} // namespace solvane
