#include "mmemory.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace solvane {

namespace {
constexpr int kMegabyte = 1 << 20;
constexpr int kMapAbove = 256 * kMegabyte; // only larger blocks are mapped on their own
constexpr int kTrimAbove = 512 * kMegabyte; // free memory kept before it goes back
} // namespace

void KeepLargeBuffersForReuse()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, kMapAbove);
    mallopt(M_TRIM_THRESHOLD, kTrimAbove);
#endif
}

} // namespace solvane
