#include "startup_tuning.h"

#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/resource.h>

#include <QApplication>
#include <QTest>
#include <QThreadPool>
#include <memory>
#include <vector>

static long minorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// Start-up in its order, in a process of its own. The small blocks that follow
// the heap's prefault land in pages already in place (without it, one fault a
// page: 160), while a block the size of a backing store still gets a mapping
// of its own, to give back when it is freed. The first frame is drawn into
// memory made ready for it (without that, 284 faults), with one helper thread.
TEST(StartupTuning, StartUpTouchesPagesAlreadyInPlace) {
    querlin::prefaultStartupHeap();
    std::vector<std::unique_ptr<char[]>> blocks(160);
    long faults = minorFaults();
    for (auto& block : blocks) {
        block = std::make_unique<char[]>(4000);  // written through, every byte
    }
    EXPECT_LT(minorFaults() - faults, 16);
    const std::size_t mapped = mallinfo2().hblkhd;
    const auto store = std::make_unique<char[]>(612 * 448 * 4);
    EXPECT_GT(mallinfo2().hblkhd, mapped);

    int argc = 1;
    char* argv[] = {const_cast<char*>("startup_tuning_test"), nullptr};
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(612, 448);
    querlin::prepareFirstFrame(window);
    faults = minorFaults();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_LT(minorFaults() - faults, 64);
    EXPECT_EQ(QThreadPool::globalInstance()->maxThreadCount(), 1);
}
