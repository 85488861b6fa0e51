#include "qt/start_heap.h"

#include <cstdint>
#include <cstdlib>  // says whether the C library is GNU's

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace gs::qt {

#if defined(__linux__) && defined(__GLIBC__)

namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;
// Two large pages: less than the start allocates up to the shown main window
// (offscreen about 6 MiB, under X11 4.5 MiB), so both are used whole and the
// peak does not grow.
constexpr std::size_t kStartPages = 2 * kLargePage;
// The C library's own thresholds, kept fixed from the start's end on.
constexpr int kUsualThreshold = 128 * 1024;

// Holds the heap from its top at the start to the first large page, so that
// the start's blocks begin on it.
void* heldGap = nullptr;

}  // namespace

void growHeapForStart() {
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(4 * kStartPages));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(4 * kStartPages));
    void* probe = std::malloc(kLargePage + kStartPages);
    if (!probe) return;
    const auto top = reinterpret_cast<std::uintptr_t>(probe);
    const std::uintptr_t first = (top + kLargePage - 1) & ~(kLargePage - 1);
    std::free(probe);
    // Marked before the gap's block writes the heap's next header on the
    // first large page: a page touched before is a small one.
    madvise(reinterpret_cast<void*>(first), kStartPages, MADV_HUGEPAGE);
    if (first > top) heldGap = std::malloc(first - top);
}

void endHeapForStart() {
    std::free(heldGap);
    heldGap = nullptr;
    mallopt(M_MMAP_THRESHOLD, kUsualThreshold);
    mallopt(M_TRIM_THRESHOLD, kUsualThreshold);
}

#else

void growHeapForStart() {}
void endHeapForStart() {}

#endif

}  // namespace gs::qt
