#include "mcanonical.h"

#include <cstring>

namespace solvane {

namespace {
// The end of a place's cards; twins are 0..51.
constexpr uint8_t kEnd = kSolverCards;
// Four six-bit symbols to three bytes.
constexpr int kGroup = 4;
constexpr int kSymbols = kSolverCards + kLocations + kSolverFoundations;

// The places from `first` on, `count` of them, each ended by kEnd, as symbols from `out`
// on; sorted first when their order does not count. `topOnly`: a place is told by its top
// card alone. Answers the symbols' end.
uint8_t* PutPlaces(const cPosition& p, int first, int count, bool sorted, bool topOnly, uint8_t* out)
{
    // Sorted by their shares of the fingerprint, which places with the same contents have
    // alike: the same positions are written alike. Two other places with the same share
    // might be written in either order; that would only keep one position twice.
    int order[kSolverPiles];
    for (int i = 0; i < count; ++i) {
        // Insertion sort: ten places at most.
        const uint64_t h = p.PlaceHash(first + i);
        int j = i;
        for (; sorted && j > 0 && h < p.PlaceHash(order[j - 1]); --j)
            order[j] = order[j - 1];
        order[j] = first + i;
    }
    for (int i = 0; i < count; ++i) {
        const int loc = order[i];
        const int len = p.Len(loc);
        const int from = topOnly && len > 0 ? len - 1 : 0;
        std::memcpy(out, p.Twins(loc) + from, size_t(len - from));
        out += len - from;
        *out++ = kEnd;
    }
    return out;
}
} // namespace

int Canonical(const cPosition& p, uint8_t* out)
{
    const cSolverRules& r = p.Rules();
    const bool sorted = r.Interchangeable();
    uint8_t symbols[kSymbols + kGroup] = {};
    uint8_t* end = PutPlaces(p, kFoundationLoc, kSolverFoundations, sorted, r.FoundationByTop(), symbols);
    end = PutPlaces(p, kCellLoc, r.Cells(), sorted, false, end);
    end = PutPlaces(p, 0, r.Piles(), sorted, false, end);
    const int n = static_cast<int>(end - symbols);
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
