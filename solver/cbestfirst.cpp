#include "cbestfirst.h"

#include "mheuristic.h"
#include "mmoves.h"

#include <algorithm>
#include <functional>

namespace solvane {

namespace {
constexpr uint64_t kCheckEvery = 1024;
constexpr uint32_t kRoot = 0xFFFFFFFF;
constexpr int kIdBits = 32;
} // namespace

cBestFirst::cBestFirst(const cPosition& start, cTransTable& table,
                       std::chrono::steady_clock::time_point deadline, const std::atomic<bool>* cancel,
                       size_t maxBytes)
    : start_(start), table_(table), deadline_(deadline), cancel_(cancel), maxBytes_(maxBytes)
{
}

size_t cBestFirst::Bytes() const
{
    return nodes_.capacity() * sizeof(Node) + packed_.capacity() * sizeof(PackedPosition) +
           heap_.capacity() * sizeof(uint64_t) + table_.Bytes();
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

void cBestFirst::Add(uint32_t parent, const SolverMove& m, const cPosition& p)
{
    const uint32_t id = static_cast<uint32_t>(nodes_.size());
    nodes_.push_back({parent, m});
    packed_.emplace_back();
    p.Pack(packed_.back());
    // Lowest estimate first; among equals the newest, which keeps the search going deep.
    const uint64_t key = (uint64_t(Estimate(p)) << kIdBits) | (kRoot - id);
    heap_.push_back(key);
    std::push_heap(heap_.begin(), heap_.end(), std::greater<>());
}

void cBestFirst::Trace(uint32_t id, const SolverMove& last)
{
    solution_.clear();
    solution_.push_back(last);
    for (uint32_t n = id; nodes_[n].parent != kRoot; n = nodes_[n].parent)
        solution_.push_back(nodes_[n].move);
    std::reverse(solution_.begin(), solution_.end());
}

SearchOutcome cBestFirst::Run(uint64_t budget)
{
    table_.Clear();
    solution_.clear();
    cPosition p = start_;
    if (p.Won())
        return SearchOutcome::Won;
    table_.Add(p.Key());
    Add(kRoot, {}, p);
    std::vector<SolverMove> moves;
    MoveFilter filter;
    filter.fromFoundations = false;
    filter.every = p.Rules().Autoplay() && AutoplayPending(p);
    AutoMove chain[kMaxChain];
    uint64_t sinceCheck = 0;
    while (!heap_.empty()) {
        std::pop_heap(heap_.begin(), heap_.end(), std::greater<>());
        const uint32_t id = kRoot - static_cast<uint32_t>(heap_.back());
        heap_.pop_back();
        p.Unpack(packed_[id]);
        moves.clear();
        GenerateMoves(p, filter, moves);
        filter.every = false;
        SolverMove safe;
        if (!p.Rules().Autoplay() && SafeFoundationMove(p, moves, safe))
            moves.assign(1, safe);
        for (const SolverMove& m : moves) {
            const int n = p.Apply(m, chain);
            ++positions_;
            if (p.Won()) {
                Trace(id, m);
                return SearchOutcome::Won;
            }
            const cTransTable::Added added = table_.Add(p.Key());
            if (added == cTransTable::Added::Full)
                return SearchOutcome::Memory;
            if (added == cTransTable::Added::New)
                Add(id, m, p);
            p.Undo(m, chain, n);
        }
        sinceCheck += moves.size();
        if (sinceCheck >= kCheckEvery) {
            sinceCheck = 0;
            const SearchOutcome stop = Check();
            if (stop != SearchOutcome::Won)
                return stop;
        }
        if (budget != 0 && nodes_.size() >= budget)
            return SearchOutcome::Budget;
    }
    return SearchOutcome::Exhausted;
}

} // namespace solvane
