#pragma once

#include <QFuture>
#include <QPromise>
#include <QString>
#include <QThreadPool>
#include <QtConcurrent>
#include <atomic>
#include <numeric>
#include <vector>

#include "antenna/nec_engine.h"

namespace querlin {

// The engines' own pool: one thread a core, each running one engine at a
// time.
QThreadPool& enginePool();

// The pool in which the task that waits for the engines' pool waits: not the
// engines' pool, whose threads it would take, nor the global one, whose
// threads Qt's painting borrows.
QThreadPool& waitingPool();

// The work of each of count items, work(index, engine), on the engines' pool:
// the future gives each result at its item's index as it ends, reports its
// progress in items, and stops the engines at once when cancelled (the engine
// handed to the work asks it). A fault the work throws ends the future, and
// waiting for it throws that fault.
template <typename Result, typename Work>
QFuture<Result> mapOnEngines(int count, QString program, Work work) {
    return QtConcurrent::run(
        &waitingPool(),
        [count](QPromise<Result>& promise, const QString& program, const Work& work) {
            const antenna::NecEngine engine(program, [&promise] { return promise.isCanceled(); });
            promise.setProgressRange(0, count);
            std::vector<int> indices(static_cast<std::size_t>(count));
            std::iota(indices.begin(), indices.end(), 0);
            std::atomic<int> done = 0;
            try {
                QtConcurrent::blockingMap(&enginePool(), indices, [&](int i) {
                    promise.addResult(work(i, engine), i);
                    promise.setProgressValue(++done);
                });
            } catch (const antenna::NecCancelled&) {
                // The one who cancelled wants nothing more.
            }
        },
        std::move(program), std::move(work));
}

}  // namespace querlin
