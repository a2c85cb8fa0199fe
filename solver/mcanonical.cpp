#include "mcanonical.h"

#include <bit>
#include <cstring>

namespace solvane {

namespace {
// The end of a place's cards; twins are 0..51.
constexpr uint8_t kEnd = kSolverCards;
// Four six-bit symbols to three bytes.
constexpr int kGroup = 4;
constexpr int kSymbols = kSolverCards + kLocations + kSolverFoundations;
constexpr int kWord = 8;
static_assert(cPosition::kTwinRow % kWord == 0 && cPosition::kTwinRow >= kSolverCards);

// Writes one place's twins from `from` on, and kEnd.
uint8_t* PutPlace(const cPosition& p, int loc, bool topOnly, uint8_t* out)
{
    const int len = p.Len(loc);
    const int from = topOnly && len > 0 ? len - 1 : 0;
    // Whole words, which beat a copy of any length on such short runs; the words past the
    // end are written over next.
    const uint8_t* twins = p.Twins(loc);
    for (int k = from; k < len; k += kWord)
        std::memcpy(out + (k - from), twins + k, kWord);
    out += len - from;
    *out++ = kEnd;
    return out;
}

// The places from `first` on, `count` of them, each ended by kEnd, as symbols from `out`
// on; answers the symbols' end. `topOnly`: a place is told by its top card alone.
// Where their order does not count, the empty places come first, then the others by the
// twin they are told by first (bottom or top), places with the same such twin by their
// shares of the fingerprint, which places with the same contents have alike: the same
// positions are written alike. Two other places with the same twin and share might come
// in either order; that would only keep one position twice.
uint8_t* PutPlaces(const cPosition& p, int first, int count, bool sorted, bool topOnly, uint8_t* out)
{
    if (!sorted) {
        for (int i = 0; i < count; ++i)
            out = PutPlace(p, first + i, topOnly, out);
        return out;
    }
    uint64_t seen = 0;
    int head[kSolverCards];
    int next[kSolverPiles];
    for (int i = 0; i < count; ++i) {
        const int loc = first + i;
        const int len = p.Len(loc);
        if (len == 0) {
            *out++ = kEnd;
            continue;
        }
        const int t = p.Twins(loc)[topOnly ? len - 1 : 0];
        int* link = &head[t];
        if ((seen >> t) & 1) {
            // Twins alike: rare, and only under rules with twins.
            while (*link >= 0 && p.PlaceHash(*link) < p.PlaceHash(loc))
                link = &next[*link - first];
        } else {
            seen |= uint64_t(1) << t;
            *link = -1;
        }
        next[i] = *link;
        *link = loc;
    }
    for (; seen != 0; seen &= seen - 1)
        for (int loc = head[std::countr_zero(seen)]; loc >= 0; loc = next[loc - first])
            out = PutPlace(p, loc, topOnly, out);
    return out;
}

// The same for places told by one card each (free cells, or foundations by their tops),
// from a mask of twins rather than lists; false, writing nothing, where two share a twin.
bool PutSingles(const cPosition& p, int first, int count, bool topOnly, uint8_t*& out)
{
    CardMask seen = 0;
    int filled = 0;
    for (int i = 0; i < count; ++i) {
        const int len = p.Len(first + i);
        if (len == 0)
            continue;
        if (len > 1 && !topOnly)
            return false;
        const CardMask twin = CardMask(1) << p.Twins(first + i)[len - 1];
        if (seen & twin)
            return false;
        seen |= twin;
        ++filled;
    }
    for (int i = filled; i < count; ++i)
        *out++ = kEnd;
    for (; seen != 0; seen &= seen - 1) {
        *out++ = static_cast<uint8_t>(std::countr_zero(seen));
        *out++ = kEnd;
    }
    return true;
}

// Sorted places told by one card each, the quick way where it can.
uint8_t* PutSortedSingles(const cPosition& p, int first, int count, bool topOnly, uint8_t* out)
{
    return PutSingles(p, first, count, topOnly, out) ? out : PutPlaces(p, first, count, true, topOnly, out);
}
} // namespace

int Canonical(const cPosition& p, uint8_t* out)
{
    const cSolverRules& r = p.Rules();
    const bool sorted = r.Interchangeable();
    uint8_t symbols[kSymbols + kWord + kGroup];
    uint8_t* end = sorted && r.FoundationByTop()
                       ? PutSortedSingles(p, kFoundationLoc, kSolverFoundations, true, symbols)
                       : PutPlaces(p, kFoundationLoc, kSolverFoundations, sorted, r.FoundationByTop(), symbols);
    end = sorted ? PutSortedSingles(p, kCellLoc, r.Cells(), false, end) : PutPlaces(p, kCellLoc, r.Cells(), false, false, end);
    if (const uint8_t* order = sorted ? p.PileOrder() : nullptr)
        for (int i = 0; i < r.Piles(); ++i)
            end = PutPlace(p, order[i], false, end);
    else
        end = PutPlaces(p, 0, r.Piles(), sorted, false, end);
    const int n = static_cast<int>(end - symbols);
    // The last group is filled up with zeros: forms then end alike only when their symbols
    // do, as every form ends with kEnd.
    std::memset(end, 0, kGroup);
    int bytes = 0;
    for (int i = 0; i < n; i += kGroup) {
        const uint32_t v = symbols[i] | symbols[i + 1] << 6 | symbols[i + 2] << 12 | uint32_t(symbols[i + 3]) << 18;
        out[bytes++] = static_cast<uint8_t>(v);
        out[bytes++] = static_cast<uint8_t>(v >> 8);
        out[bytes++] = static_cast<uint8_t>(v >> 16);
    }
    return bytes;
}

} // namespace solvane
