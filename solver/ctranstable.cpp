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
// The slots' share of the memory: a slot takes about 13 bytes, a form mostly 30 to 45.
constexpr size_t kSlotShareNum = 1, kSlotShareDen = 4;
constexpr size_t kBlockBytes = size_t(1) << 20;
// Where forms may lie: places are 32 bits.
constexpr size_t kMaxFormBytes = std::numeric_limits<uint32_t>::max();

// The high half of the 128-bit product.
uint64_t MulHigh(uint64_t x, uint64_t y)
{
#ifdef __SIZEOF_INT128__
    __extension__ using Wide = unsigned __int128;
    return static_cast<uint64_t>((static_cast<Wide>(x) * y) >> 64);
#else
    const uint64_t xl = x & 0xffffffffu, xh = x >> 32, yl = y & 0xffffffffu, yh = y >> 32;
    const uint64_t mid = (xl * yl >> 32) + (xh * yl & 0xffffffffu) + xl * yh;
    return xh * yh + (xh * yl >> 32) + (mid >> 32);
#endif
}
} // namespace

size_t cTransTable::Home(uint64_t a) const { return static_cast<size_t>(MulHigh(a, buckets_.size())); }

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
    return std::max(maxBytes_ / kSlotShareDen * kSlotShareNum / sizeof(Bucket), kFirstBuckets);
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
            Place(bucket.a[w], bucket.form[w]);
    return true;
}

void cTransTable::Place(uint64_t a, uint32_t form)
{
    size_t j = Home(a);
    for (;;) {
        Bucket& bucket = buckets_[j];
        for (int w = 0; w < kWays; ++w)
            if (bucket.form[w] == 0) {
                bucket.a[w] = a;
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
        blocks_.push_back(std::make_unique<uint8_t[]>(kBlockBytes));
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
    for (size_t j = Home(key.a);;) {
        const Bucket& bucket = buckets_[j];
        int w = 0;
        for (; w < kWays && bucket.form[w] != 0; ++w)
            if (bucket.a[w] == key.a && Same(bucket.form[w], form, n))
                return Added::Known;
        if (w < kWays)
            break; // a free slot ends the run this key would lie in
        j = j + 1 == buckets_.size() ? 0 : j + 1;
    }
    const size_t slots = buckets_.size() * kWays;
    if ((size_ + 1) * kGrowDen > slots * kGrowNum && !Grow() && (size_ + 1) * kFullDen > slots * kFullNum)
        return Added::Full;
    const uint32_t at = Keep(form, n);
    if (at == 0)
        return Added::Full;
    Place(key.a, at);
    return Added::New;
}

cTransTable::Added cTransTable::Add(const cPosition& p)
{
    const PositionKey key = p.Key();
    uint8_t form[kMaxCanonicalBytes];
    const int n = Canonical(p, form);
    return Add(key, form, n);
}

} // namespace solvane
