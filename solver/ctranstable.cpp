#include "ctranstable.h"

namespace solvane {

namespace {
constexpr size_t kFirstSlots = size_t(1) << 12;
constexpr size_t kTrackedSlots = kFirstSlots / 4;
constexpr size_t kJumpBytes = size_t(24) << 20;
// Grow beyond three quarters full; refuse beyond nine tenths at the limit.
constexpr size_t kGrowNum = 3, kGrowDen = 4;
constexpr size_t kFullNum = 9, kFullDen = 10;
} // namespace

cTransTable::cTransTable(size_t maxBytes) : maxBytes_(maxBytes)
{
    filled_.reserve(kTrackedSlots);
    Reserve(kFirstSlots);
}

size_t cTransTable::Bytes() const { return slots_.capacity() * kEntryBytes + filled_.capacity() * sizeof(uint32_t); }

void cTransTable::Reserve(size_t slots)
{
    slots_.assign(slots, Entry{0, 0});
    mask_ = slots - 1;
    size_ = 0;
    filled_.clear();
    tracking_ = slots == kFirstSlots;
}

void cTransTable::Clear()
{
    // Most searches are short: emptying their few slots beats clearing the whole table.
    if (tracking_) {
        for (uint32_t j : filled_)
            slots_[j] = Entry{0, 0};
        filled_.clear();
        size_ = 0;
        return;
    }
    if (slots_.size() != kFirstSlots)
        std::vector<Entry>().swap(slots_);
    Reserve(kFirstSlots);
}

bool cTransTable::Grow()
{
    size_t slots = slots_.size() * 2;
    if (slots * kEntryBytes > maxBytes_)
        return false;
    // Past a certain size the table goes straight to its largest, so that the moment when
    // the old and the new table both exist costs less than a doubling would.
    if (slots * kEntryBytes > kJumpBytes)
        while (slots * 2 * kEntryBytes <= maxBytes_)
            slots *= 2;
    std::vector<Entry> old;
    old.swap(slots_);
    Reserve(slots);
    for (const Entry& e : old)
        if (e.a != 0 || e.b != 0) {
            size_t j = e.a & mask_;
            while (slots_[j].a != 0 || slots_[j].b != 0)
                j = (j + 1) & mask_;
            slots_[j] = e;
            ++size_;
        }
    return true;
}

cTransTable::Added cTransTable::Add(const PositionKey& key)
{
    uint64_t a = key.a;
    const uint32_t b = static_cast<uint32_t>(key.b);
    if (a == 0 && b == 0)
        a = 1; // (0, 0) marks a free slot
    size_t j = a & mask_;
    while (slots_[j].a != 0 || slots_[j].b != 0) {
        if (slots_[j].a == a && slots_[j].b == b)
            return Added::Known;
        j = (j + 1) & mask_;
    }
    if ((size_ + 1) * kGrowDen > slots_.size() * kGrowNum) {
        if (Grow()) {
            j = a & mask_;
            while (slots_[j].a != 0 || slots_[j].b != 0)
                j = (j + 1) & mask_;
        } else if ((size_ + 1) * kFullDen > slots_.size() * kFullNum) {
            return Added::Full;
        }
    }
    slots_[j] = Entry{a, b};
    ++size_;
    if (tracking_) {
        if (filled_.size() < kTrackedSlots)
            filled_.push_back(static_cast<uint32_t>(j));
        else
            tracking_ = false;
    }
    return Added::New;
}

} // namespace solvane
