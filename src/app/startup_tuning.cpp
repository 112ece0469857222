#include "startup_tuning.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QBackingStore>
#include <QImage>
#include <QThreadPool>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace querlin {

namespace {

// Less than the heap grows by from the start of main until the main window is
// first shown, its backing store apart (1.4 to 1.9 MiB measured), so that no
// page is put in place that start-up does not use.
constexpr std::size_t kStartupHeapBytes = std::size_t{1} << 20;

// glibc's starting threshold above which a block gets a mapping of its own.
// Once set, it stays there instead of rising as large blocks are freed.
constexpr int kDefaultMmapThreshold = 128 * 1024;

void populate(void* memory, std::size_t bytes) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(memory);
    const auto first = start & ~(page - 1);
    const auto end = (start + bytes + page - 1) & ~(page - 1);
    // The advice leaves what the pages hold as it is, so the pages that the
    // block shares with its neighbours are put in place too. A kernel older
    // than 5.14 refuses it, and the pages fault in one at a time as before.
    madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
}

}  // namespace

void prefaultStartupHeap() {
    // A block this large would get a mapping of its own and lose it again when
    // freed. So for this one block malloc extends its heap instead, and keeps
    // the freed pages at the top of the heap for what start-up allocates next.
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kStartupHeapBytes));
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(2 * kStartupHeapBytes));
    void* block = std::malloc(kStartupHeapBytes);
    if (block != nullptr) {
        populate(block, kStartupHeapBytes);
        std::free(block);
    }
    // A backing store keeps a mapping of its own, so that resizing or closing
    // a window gives its memory back.
    mallopt(M_MMAP_THRESHOLD, kDefaultMmapThreshold);
}

void prepareFirstFrame(QWidget& window) {
    // Qt's raster engine hands any fill of 96 spans or more to the global
    // thread pool in pieces, and waits for them. The windows' fills are small,
    // and starting a second thread for them costs more than it saves.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    // The native window comes with the backing store, which is sized here as
    // the first frame will size it, so that its pixels stay where they are.
    window.winId();
    QBackingStore* store = window.backingStore();
    store->resize(window.size());
    // A platform that draws through the GPU has no image to prepare.
    if (auto* image = dynamic_cast<QImage*>(store->paintDevice())) {
        populate(image->bits(), static_cast<std::size_t>(image->sizeInBytes()));
    }
}

}  // namespace querlin
