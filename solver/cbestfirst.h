#pragma once
// A greedy best-first pass: always expands the position that looks nearest to a win. It
// keeps every position it meets (packed), so it is given a budget; it leaves out the moves
// back from the foundations and plays safe foundation moves at once, so it proves nothing.
#include "cposition.h"
#include "ctranstable.h"
#include "searchoutcome.h"

#include <atomic>
#include <chrono>
#include <vector>

namespace solvane {

class cBestFirst {
public:
    cBestFirst(const cPosition& start, cTransTable& table, std::chrono::steady_clock::time_point deadline,
               const std::atomic<bool>* cancel, size_t maxBytes);

    SearchOutcome Run(uint64_t budget);
    const std::vector<SolverMove>& Solution() const { return solution_; }
    uint64_t Positions() const { return positions_; }

private:
    struct Node {
        uint32_t parent;
        SolverMove move;
    };

    void Add(uint32_t parent, const SolverMove& m, const cPosition& p);
    void Trace(uint32_t id, const SolverMove& last);
    SearchOutcome Check() const;
    size_t Bytes() const;

    cPosition start_;
    cTransTable& table_;
    std::chrono::steady_clock::time_point deadline_;
    const std::atomic<bool>* cancel_;
    size_t maxBytes_;
    std::vector<Node> nodes_;
    std::vector<PackedPosition> packed_;
    std::vector<uint64_t> heap_;
    std::vector<SolverMove> solution_;
    uint64_t positions_ = 0;
};

} // namespace solvane
