#pragma once
// The positions a search has met: an open-addressing set that starts small and grows up to
// a memory limit, so easy searches stay cheap and hard ones stay bounded. Each position is
// kept whole, in its canonical form (mcanonical.h), beside its fingerprint: the fingerprint
// finds it quickly, the form decides, so that two positions that share a fingerprint are
// still told apart and no verdict rests on a chance collision. Slots come eight to a cache
// line, so a look-up mostly reads one line and the forms it names; the forms lie in blocks
// that never move.
#include "cposition.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace solvane {

class cTransTable {
public:
    enum class Added { New, Known, Full };

    // `maxBytes` bounds the table's own memory.
    explicit cTransTable(size_t maxBytes);

    // The position by its fingerprint and its canonical form of `n` bytes.
    Added Add(const PositionKey& key, const uint8_t* form, int n);
    // The same, worked out from the position.
    Added Add(const cPosition& p);
    size_t Size() const { return size_; }
    size_t Bytes() const;
    // Whether positions are told apart by their forms, as they must be where a verdict rests
    // on the table; else by 63 bits of fingerprint, so that the slots alone hold them, several
    // times as many in the same memory, for passes that can only find wins, which a chance
    // collision could only hide. Set while the table is empty.
    void SetExact(bool exact);
    bool Exact() const { return exact_; }
    // Asks for the memory a look-up of the fingerprint will read, so that several such
    // reads can be under way at once.
    void Prefetch(const PositionKey& key) const
    {
        __builtin_prefetch(&buckets_[Home(static_cast<uint32_t>(key.a >> 32))]);
    }
    // A new bound for the table's memory, from its next growth on.
    void SetLimit(size_t maxBytes) { maxBytes_ = maxBytes; }
    // How many positions the slots can hold at the table's largest (the forms may fill its
    // memory sooner).
    size_t Capacity() const;
    void Clear();

private:
    static constexpr int kWays = 8;
    // The bucket is chosen by `tag`, the fingerprint's high half, which is kept so that
    // growing can place every slot again and most other positions are passed over without
    // reading their forms; `form` is where the slot's canonical form lies, 0 for a free slot
    // (without forms, the low half of the fingerprint's first word, its lowest bit set).
    struct alignas(64) Bucket {
        uint32_t tag[kWays];
        uint32_t form[kWays];
    };
    static_assert(sizeof(Bucket) == 64);

    bool Grow();
    void Reserve(size_t buckets);
    size_t LargestBuckets() const;
    // The bucket of a tag: scaled to the number of buckets.
    size_t Home(uint32_t tag) const { return static_cast<size_t>((uint64_t(tag) * buckets_.size()) >> 32); }
    // Stores a slot known to be absent.
    void Place(uint32_t tag, uint32_t form);
    // Keeps a canonical form; 0 when the memory bound forbids.
    uint32_t Keep(const uint8_t* form, int n);
    bool Same(uint32_t at, const uint8_t* form, int n) const;
    void ClearForms();

    size_t maxBytes_;
    bool exact_ = true;
    std::vector<Bucket> buckets_;
    // The buckets filled since the table was last cleared, while they are few and the table
    // is at its first size: clearing then empties just those.
    std::vector<uint32_t> filled_;
    bool tracking_ = true;
    size_t size_ = 0;
    // The forms, each a length byte and its bytes, in blocks; a form's place counts from 1.
    std::vector<std::unique_ptr<uint8_t[]>> blocks_;
    size_t used_ = 0;
};

} // namespace solvane
