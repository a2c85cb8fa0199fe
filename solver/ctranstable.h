#pragma once
// The positions a search has met, by fingerprint: an open-addressing set that starts small
// and doubles up to a memory limit, so easy searches stay cheap and hard ones stay bounded.
#include "cposition.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace solvane {

class cTransTable {
public:
    enum class Added { New, Known, Full };

    // `maxBytes` bounds the table's own memory.
    explicit cTransTable(size_t maxBytes);

    Added Add(const PositionKey& key);
    size_t Size() const { return size_; }
    size_t Bytes() const;
    void Clear();

private:
    bool Grow();
    void Reserve(size_t slots);
    static constexpr size_t kEntryBytes = sizeof(uint64_t) + sizeof(uint32_t);

    size_t maxBytes_;
    std::vector<uint64_t> a_;
    std::vector<uint32_t> b_;
    size_t mask_ = 0;
    size_t size_ = 0;
};

} // namespace solvane
