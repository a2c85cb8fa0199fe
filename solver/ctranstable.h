#pragma once
// The positions a search has met, by fingerprint: an open-addressing set that starts small
// and grows up to a memory limit, so easy searches stay cheap and hard ones stay bounded.
// Slots come six to a cache line, so that a look-up mostly reads one line and the table
// can be filled nearly to the brim; its size need not be a power of two, so it takes all
// the memory it is given.
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
    // A new bound for the table's memory, from its next growth on.
    void SetLimit(size_t maxBytes) { maxBytes_ = maxBytes; }
    // How many positions the table can hold at its largest.
    size_t Capacity() const;
    void Clear();

private:
    static constexpr int kWays = 6;
    // 80 bits of fingerprint a slot: the bucket is chosen by `a`, which is kept whole, so
    // that growing can place every slot again; `b` tells apart what `a` does not.
    struct alignas(64) Bucket {
        uint64_t a[kWays];
        uint16_t b[kWays];
    };
    static_assert(sizeof(Bucket) == 64);

    bool Grow();
    void Reserve(size_t buckets);
    // The bucket of a fingerprint: `a` scaled to the number of buckets.
    size_t Home(uint64_t a) const;
    // Stores a fingerprint known to be absent.
    void Place(uint64_t a, uint16_t b);

    size_t maxBytes_;
    std::vector<Bucket> buckets_;
    // The buckets filled since the table was last cleared, while they are few and the table
    // is at its first size: clearing then empties just those.
    std::vector<uint32_t> filled_;
    bool tracking_ = true;
    size_t size_ = 0;
};

} // namespace solvane
