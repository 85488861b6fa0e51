#include "qt/start_heap.h"

#include <cstdint>
#include <cstdlib>  // says whether the C library is GNU's
#include <cstring>
#include <string_view>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace gs::qt {

#if defined(__linux__) && defined(__GLIBC__)

namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;
// The start's heap in large pages: less than the start allocates up to the
// shown main window, so that they are used whole and the peak does not grow.
// On a display the windows' pictures lie in memory shared with the display
// server, and the start allocates about 3.4 MiB: one large page. Offscreen
// they lie on the heap too, about 5 MiB: two.
constexpr std::size_t kStartPagesOnDisplay = kLargePage;
constexpr std::size_t kStartPagesOffscreen = 2 * kLargePage;
// From the start's end on. Setting a threshold at all stops the C library from
// raising its mapping threshold as large blocks come and go, which it would do
// up to 32 MiB. Left at its first 128 KiB, every copy of a large province's
// text became a fresh mapping whose pages all fault on first touch: opening
// the fullest province took twice the processor time. So both are fixed where
// the library itself would take them.
constexpr int kMappingThreshold = 32 << 20;
constexpr int kTrimThreshold = 2 * kMappingThreshold;

// Holds the heap from its top at the start to the first large page, so that
// the start's blocks begin on it.
void* heldGap = nullptr;

// Whether Qt will draw offscreen: the platform named by a -platform argument
// or else by QT_QPA_PLATFORM, without its options ("offscreen:size=...").
bool drawsOffscreen(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) platform = argv[i + 1];
    return platform && std::string_view(platform).substr(0, std::string_view(platform).find(':')) == "offscreen";
}

}  // namespace

void growHeapForStart(int argc, char** argv) {
    const std::size_t startPages = drawsOffscreen(argc, argv) ? kStartPagesOffscreen : kStartPagesOnDisplay;
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(4 * startPages));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(4 * startPages));
    void* probe = std::malloc(kLargePage + startPages);
    if (!probe) return;
    const auto top = reinterpret_cast<std::uintptr_t>(probe);
    const std::uintptr_t first = (top + kLargePage - 1) & ~(kLargePage - 1);
    std::free(probe);
    // Marked before the gap's block writes the heap's next header on the
    // first large page: a page touched before is a small one.
    madvise(reinterpret_cast<void*>(first), startPages, MADV_HUGEPAGE);
    if (first > top) heldGap = std::malloc(first - top);
}

void endHeapForStart() {
    std::free(heldGap);
    heldGap = nullptr;
    mallopt(M_MMAP_THRESHOLD, kMappingThreshold);
    mallopt(M_TRIM_THRESHOLD, kTrimThreshold);
}

#else

void growHeapForStart(int, char**) {}
void endHeapForStart() {}

#endif

}  // namespace gs::qt
