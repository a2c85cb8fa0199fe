#include "ctranstable.h"

#include <algorithm>

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
    return buckets_.capacity() * sizeof(Bucket) + filled_.capacity() * sizeof(uint32_t);
}

size_t cTransTable::Capacity() const
{
    return std::max(maxBytes_ / sizeof(Bucket), kFirstBuckets) * kWays * kFullNum / kFullDen;
}

void cTransTable::Reserve(size_t buckets)
{
    buckets_.assign(buckets, Bucket{});
    size_ = 0;
    filled_.clear();
    tracking_ = buckets == kFirstBuckets;
}

void cTransTable::Clear()
{
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
    const size_t largest = maxBytes_ / sizeof(Bucket);
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
        for (int w = 0; w < kWays && bucket.a[w] != 0; ++w)
            Place(bucket.a[w], bucket.b[w]);
    return true;
}

void cTransTable::Place(uint64_t a, uint16_t b)
{
    size_t j = Home(a);
    for (;;) {
        Bucket& bucket = buckets_[j];
        for (int w = 0; w < kWays; ++w)
            if (bucket.a[w] == 0) {
                bucket.a[w] = a;
                bucket.b[w] = b;
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

cTransTable::Added cTransTable::Add(const PositionKey& key)
{
    const uint64_t a = key.a != 0 ? key.a : 1; // 0 marks a free slot
    const uint16_t b = static_cast<uint16_t>(key.b);
    for (size_t j = Home(a);;) {
        const Bucket& bucket = buckets_[j];
        int w = 0;
        for (; w < kWays && bucket.a[w] != 0; ++w)
            if (bucket.a[w] == a && bucket.b[w] == b)
                return Added::Known;
        if (w < kWays)
            break; // a free slot ends the run this key would lie in
        j = j + 1 == buckets_.size() ? 0 : j + 1;
    }
    const size_t slots = buckets_.size() * kWays;
    if ((size_ + 1) * kGrowDen > slots * kGrowNum && !Grow() && (size_ + 1) * kFullDen > slots * kFullNum)
        return Added::Full;
    Place(a, b);
    return Added::New;
}

} // namespace solvane
