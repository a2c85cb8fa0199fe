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
    // 96 bits of fingerprint in one place, so that a look-up touches one cache line.
#pragma pack(push, 4)
    struct Entry {
        uint64_t a;
        uint32_t b;
    };
#pragma pack(pop)
    static constexpr size_t kEntryBytes = sizeof(Entry);
    static_assert(kEntryBytes == 12);

    size_t maxBytes_;
    std::vector<Entry> slots_;
    // The slots filled since the table was last cleared, while they are few and the table
    // is at its first size: clearing then empties just those.
    std::vector<uint32_t> filled_;
    bool tracking_ = true;
    size_t mask_ = 0;
    size_t size_ = 0;
};

} // namespace solvane
