#pragma once
// A greedy best-first pass: always expands the position that looks nearest to a win. It
// keeps every position it meets as a move from the position it came from, eight bytes
// each, and walks the tree of moves from one expanded position to the next, which is
// mostly one step away. It leaves out the moves back from the foundations and plays safe
// foundation moves at once, so an exhausted pass proves nothing unless the rules make
// both of those exact (cSolverRules::FoundationFirst).
#include "cposition.h"
#include "ctranstable.h"
#include "searchoutcome.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <memory>
#include <vector>

namespace solvane {

class cBestFirst {
public:
    cBestFirst(const cPosition& start, cTransTable& table, std::chrono::steady_clock::time_point deadline,
               const std::atomic<bool>* cancel, size_t maxBytes);

    // Expands positions until a win, the end of the positions, the limits, or `budget`
    // positions kept (0: no such bound).
    SearchOutcome Run(uint64_t budget);
    const std::vector<SolverMove>& Solution() const { return solution_; }
    uint64_t Positions() const { return positions_; }
    // Counts the moves that led to a position too, `perFour` for every four of them (0: not
    // at all), before Run: the pass then goes less far along long detours and sees other
    // positions than it would by the estimate alone.
    void SetDepthWeight(int perFour) { perFour_ = perFour; }

private:
    struct Node {
        uint32_t parent;
        uint16_t depth;
        uint16_t move;
    };
    // Where the walk through the tree stands: a node of the path and the autoplay chain its
    // move set off.
    struct Step {
        uint32_t node;
        uint32_t chainBegin;
        uint8_t chainLength;
    };

    Node& At(uint32_t id) { return blocks_[id >> kBlockBits][id & kBlockMask]; }
    uint32_t AddNode(uint32_t parent, uint16_t depth, const SolverMove& m);
    void Queue(uint32_t id, int estimate);
    bool PopBest(uint32_t& id);
    // Brings the position to that of the node, undoing and making moves along the tree.
    void GoTo(uint32_t id);
    void Trace(uint32_t id, const SolverMove& last);
    SearchOutcome Check() const;
    // Makes every move from the position and keeps the new positions; Won with the
    // solution when one wins, Memory when the table is full.
    SearchOutcome Expand(uint32_t id, const std::vector<SolverMove>& moves);
    // Queues a child the table did not know; false when the table is full.
    bool Keep(cTransTable::Added added, uint32_t parent, uint16_t depth, const SolverMove& m, int priority);
    // The estimate of the position, with the moves that led to it where they count.
    int Priority(int depth) const;
    size_t Bytes() const;

    static constexpr int kBlockBits = 16;
    static constexpr uint32_t kBlockMask = (1u << kBlockBits) - 1;

    cPosition start_;
    cPosition p_;
    cTransTable& table_;
    std::chrono::steady_clock::time_point deadline_;
    const std::atomic<bool>* cancel_;
    size_t maxBytes_;
    // Nodes in blocks, so that growing never copies them.
    std::vector<std::unique_ptr<Node[]>> blocks_;
    uint32_t nodes_ = 0;
    // Node ids by estimate, the newest last: the lowest estimate first, and among equals
    // the newest, which keeps the search going deep. In chunks, so that a long list never
    // needs its old and its new copy at once.
    std::vector<std::deque<uint32_t>> queue_;
    size_t best_ = 0;
    std::vector<Step> path_;
    std::vector<AutoMove> chain_;
    std::vector<uint32_t> climb_;
    // The children of the position being expanded, where the table needs only their
    // fingerprints (Expand).
    struct Child {
        PositionKey key;
        int priority;
        SolverMove move;
    };
    std::vector<Child> children_;
    std::vector<SolverMove> solution_;
    uint64_t positions_ = 0;
    int perFour_ = 0;
};

} // namespace solvane
