#include "ctranstable.h"

#include "mcanonical.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace solvane {

namespace {
constexpr size_t kFirstBuckets = size_t(1) << 10;
constexpr size_t kTrackedBuckets = kFirstBuckets / 4;
// Past this size the table goes straight to its largest, so that the moment when the old
// and the new table both exist costs little beside the new one.
constexpr size_t kJumpBytes = size_t(16) << 20;
// Grow beyond three quarters full; refuse beyond this share at the largest size, where
// look-ups still mostly end in the first or second cache line.
constexpr size_t kGrowNum = 3, kGrowDen = 4;
constexpr size_t kFullNum = 95, kFullDen = 100;
// The slots' share of the memory: a slot takes about 9 bytes at the fill the table keeps, a
// form mostly 30 to 45.
constexpr size_t kSlotShareNum = 1, kSlotShareDen = 5;
constexpr size_t kBlockBytes = size_t(1) << 20;
// Where forms may lie: places are 32 bits.
constexpr size_t kMaxFormBytes = std::numeric_limits<uint32_t>::max();

} // namespace

cTransTable::cTransTable(size_t maxBytes) : maxBytes_(maxBytes)
{
    filled_.reserve(kTrackedBuckets);
    Reserve(kFirstBuckets);
}

size_t cTransTable::Bytes() const
{
    return buckets_.capacity() * sizeof(Bucket) + filled_.capacity() * sizeof(uint32_t) +
           blocks_.size() * kBlockBytes;
}

size_t cTransTable::LargestBuckets() const
{
    const size_t slots = exact_ ? maxBytes_ / kSlotShareDen * kSlotShareNum
                                : maxBytes_ - std::min(maxBytes_, kTrackedBuckets * sizeof(uint32_t));
    return std::max(slots / sizeof(Bucket), kFirstBuckets);
}

size_t cTransTable::Capacity() const { return LargestBuckets() * kWays * kFullNum / kFullDen; }

void cTransTable::Reserve(size_t buckets)
{
    buckets_.assign(buckets, Bucket{});
    size_ = 0;
    filled_.clear();
    tracking_ = buckets == kFirstBuckets;
}

void cTransTable::ClearForms()
{
    // The first block stays: most searches are short.
    blocks_.resize(std::min<size_t>(blocks_.size(), 1));
    used_ = 1; // place 0 marks a free slot
}

void cTransTable::SetExact(bool exact)
{
    exact_ = exact;
    // The block of forms a short search keeps is no use without forms.
    if (!exact)
        std::vector<std::unique_ptr<uint8_t[]>>().swap(blocks_);
}

void cTransTable::Clear()
{
    ClearForms();
    // Most searches are short: emptying their few buckets beats clearing the whole table.
    if (tracking_) {
        for (uint32_t j : filled_)
            buckets_[j] = Bucket{};
        filled_.clear();
        size_ = 0;
        return;
    }
    if (buckets_.size() != kFirstBuckets)
        std::vector<Bucket>().swap(buckets_);
    Reserve(kFirstBuckets);
}

bool cTransTable::Grow()
{
    const size_t largest = LargestBuckets();
    if (buckets_.size() >= largest)
        return false;
    size_t buckets = std::min(buckets_.size() * 2, largest);
    if (buckets * sizeof(Bucket) > kJumpBytes)
        buckets = largest;
    std::vector<Bucket> old;
    old.swap(buckets_);
    Reserve(buckets);
    tracking_ = false;
    for (const Bucket& bucket : old)
        for (int w = 0; w < kWays && bucket.form[w] != 0; ++w)
            Place(bucket.tag[w], bucket.form[w]);
    return true;
}

void cTransTable::Place(uint32_t tag, uint32_t form)
{
    size_t j = Home(tag);
    for (;;) {
        Bucket& bucket = buckets_[j];
        for (int w = 0; w < kWays; ++w)
            if (bucket.form[w] == 0) {
                bucket.tag[w] = tag;
                bucket.form[w] = form;
                ++size_;
                if (tracking_ && w == 0) {
                    if (filled_.size() < kTrackedBuckets)
                        filled_.push_back(static_cast<uint32_t>(j));
                    else
                        tracking_ = false;
                }
                return;
            }
        j = j + 1 == buckets_.size() ? 0 : j + 1;
    }
}

uint32_t cTransTable::Keep(const uint8_t* form, int n)
{
    const size_t need = size_t(n) + 1;
    size_t at = used_;
    if (at / kBlockBytes >= blocks_.size() || at / kBlockBytes != (at + need - 1) / kBlockBytes) {
        // A form never straddles two blocks: it starts the next one.
        at = blocks_.empty() ? 1 : blocks_.size() * kBlockBytes;
        const size_t slots = buckets_.size() * sizeof(Bucket);
        const size_t limit = std::max(maxBytes_, LargestBuckets() * sizeof(Bucket) + kBlockBytes);
        if (at + need > kMaxFormBytes || slots + (blocks_.size() + 1) * kBlockBytes > limit)
            return 0;
        blocks_.push_back(std::make_unique_for_overwrite<uint8_t[]>(kBlockBytes));
    }
    uint8_t* p = blocks_[at / kBlockBytes].get() + at % kBlockBytes;
    p[0] = static_cast<uint8_t>(n);
    std::memcpy(p + 1, form, size_t(n));
    used_ = at + need;
    return static_cast<uint32_t>(at);
}

bool cTransTable::Same(uint32_t at, const uint8_t* form, int n) const
{
    const uint8_t* p = blocks_[at / kBlockBytes].get() + at % kBlockBytes;
    return p[0] == n && std::memcmp(p + 1, form, size_t(n)) == 0;
}

cTransTable::Added cTransTable::Add(const PositionKey& key, const uint8_t* form, int n)
{
    const uint32_t tag = static_cast<uint32_t>(key.a >> 32);
    const uint32_t low = static_cast<uint32_t>(key.a) | 1;
    for (size_t j = Home(tag);;) {
        const Bucket& bucket = buckets_[j];
        int w = 0;
        for (; w < kWays && bucket.form[w] != 0; ++w)
            if (bucket.tag[w] == tag && (exact_ ? Same(bucket.form[w], form, n) : bucket.form[w] == low))
                return Added::Known;
        if (w < kWays)
            break; // a free slot ends the run this key would lie in
        j = j + 1 == buckets_.size() ? 0 : j + 1;
    }
    const size_t slots = buckets_.size() * kWays;
    if ((size_ + 1) * kGrowDen > slots * kGrowNum && !Grow() && (size_ + 1) * kFullDen > slots * kFullNum)
        return Added::Full;
    const uint32_t at = exact_ ? Keep(form, n) : low;
    if (at == 0)
        return Added::Full;
    Place(tag, at);
    return Added::New;
}

cTransTable::Added cTransTable::Add(const cPosition& p)
{
    const PositionKey key = p.Key();
    if (!exact_)
        return Add(key, nullptr, 0);
    uint8_t form[kMaxCanonicalBytes];
    const int n = Canonical(p, form);
    return Add(key, form, n);
}

} // namespace solvane
