#include "ctranstable.h"

namespace solvane {

namespace {
constexpr size_t kFirstSlots = size_t(1) << 14;
constexpr size_t kJumpBytes = size_t(24) << 20;
// Grow beyond three quarters full; refuse beyond nine tenths at the limit.
constexpr size_t kGrowNum = 3, kGrowDen = 4;
constexpr size_t kFullNum = 9, kFullDen = 10;
} // namespace

cTransTable::cTransTable(size_t maxBytes) : maxBytes_(maxBytes) { Reserve(kFirstSlots); }

size_t cTransTable::Bytes() const { return a_.capacity() * sizeof(uint64_t) + b_.capacity() * sizeof(uint32_t); }

void cTransTable::Reserve(size_t slots)
{
    a_.assign(slots, 0);
    b_.assign(slots, 0);
    mask_ = slots - 1;
    size_ = 0;
}

void cTransTable::Clear()
{
    if (a_.size() != kFirstSlots) {
        std::vector<uint64_t>().swap(a_);
        std::vector<uint32_t>().swap(b_);
    }
    Reserve(kFirstSlots);
}

bool cTransTable::Grow()
{
    size_t slots = a_.size() * 2;
    if (slots * kEntryBytes > maxBytes_)
        return false;
    // Past a certain size the table goes straight to its largest, so that the moment when
    // the old and the new table both exist costs less than a doubling would.
    if (slots * kEntryBytes > kJumpBytes)
        while (slots * 2 * kEntryBytes <= maxBytes_)
            slots *= 2;
    std::vector<uint64_t> oldA;
    std::vector<uint32_t> oldB;
    oldA.swap(a_);
    oldB.swap(b_);
    Reserve(slots);
    for (size_t i = 0; i < oldA.size(); ++i)
        if (oldA[i] != 0 || oldB[i] != 0) {
            size_t j = oldA[i] & mask_;
            while (a_[j] != 0 || b_[j] != 0)
                j = (j + 1) & mask_;
            a_[j] = oldA[i];
            b_[j] = oldB[i];
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
    while (a_[j] != 0 || b_[j] != 0) {
        if (a_[j] == a && b_[j] == b)
            return Added::Known;
        j = (j + 1) & mask_;
    }
    if ((size_ + 1) * kGrowDen > a_.size() * kGrowNum) {
        if (Grow()) {
            j = a & mask_;
            while (a_[j] != 0 || b_[j] != 0)
                j = (j + 1) & mask_;
        } else if ((size_ + 1) * kFullDen > a_.size() * kFullNum) {
            return Added::Full;
        }
    }
    a_[j] = a;
    b_[j] = b;
    ++size_;
    return Added::New;
}

} // namespace solvane
