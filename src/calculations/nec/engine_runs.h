#pragma once

#include <QException>
#include <QFuture>
#include <QList>
#include <QMutex>
#include <QPromise>
#include <QString>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

#include "nec/nec_engine.h"

namespace querlin::nec {

// Every engine the program runs off its caller's thread runs here: on one
// pool of as many threads as the machine has cores, each item of work on one
// thread and each running one engine at a time, so that never more engines
// run at once than there are cores, however many callers ask. Each item is a task of its
// own in the pool's queue, and nothing on the pool waits for anything else on
// it. The engine's program is chosen when the runner is made.
class EngineRuns {
  public:
    // Where a run's items join the pool's queue: behind those waiting, or
    // before them, so that a run a person waits for starts as soon as one
    // item under way ends.
    enum class Turn { InOrder, First };

    // The program that the environment variable QUERLIN_NEC2C names, else
    // the Debian package nec2c's.
    EngineRuns();
    explicit EngineRuns(QString program);

    const QString& program() const { return program_; }

    // An engine for a run on the caller's own thread, which nobody stops.
    NecEngine engine() const { return NecEngine(program_); }

    // work(index, engine) for each of count items: the future gives each
    // result at its item's index as it ends and reports its progress in
    // items. Cancelling it ends the engines under way at once and starts no
    // more. A fault the work throws cancels the rest likewise, and waiting
    // for the future throws that fault.
    template <typename Result, typename Work>
    QFuture<Result> map(int count, Work work, Turn turn = Turn::InOrder) const;

  private:
    static void start(std::function<void()> item, Turn turn);

    QString program_;
};

// A run's results, waited for, in the order of its items; waiting throws the
// fault that ended it.
template <typename Result>
std::vector<Result> waited(QFuture<Result> run) {
    const QList<Result> results = run.results();
    return {results.begin(), results.end()};
}

namespace detail {

// What the items of one run share: the promise of its future, the work and
// how many items have given a result, and how many have ended anyhow.
template <typename Result, typename Work>
class MappedRun {
  public:
    MappedRun(int count, QString program, Work work)
        : count_(count), program_(std::move(program)), work_(std::move(work)) {
        promise_.start();
        promise_.setProgressRange(0, count);
        if (count == 0) {
            promise_.finish();
        }
    }

    QFuture<Result> future() { return promise_.future(); }

    void runItem(int index) {
        if (!promise_.isCanceled()) {
            const NecEngine engine(program_, [this] { return promise_.isCanceled(); });
            try {
                Result result = work_(index, engine);
                const QMutexLocker reporting(&reporting_);
                promise_.addResult(std::move(result), index);
                promise_.setProgressValue(++done_);
            } catch (const NecCancelled&) {
                // Its run was cancelled: what it would have given is wanted no more.
            } catch (const QException& fault) {
                const QMutexLocker reporting(&reporting_);
                promise_.setException(fault);
            } catch (...) {
                const QMutexLocker reporting(&reporting_);
                promise_.setException(QUnhandledException(std::current_exception()));
            }
        }
        if (++ended_ == count_) {
            const QMutexLocker reporting(&reporting_);
            promise_.finish();
        }
    }

  private:
    const int count_;
    const QString program_;
    const Work work_;
    QPromise<Result> promise_;
    // One item reports at a time: Qt 6.4's setException empties the future's
    // results outside the future's own lock, where another item's result may
    // be going in at the same moment.
    QMutex reporting_;
    std::atomic<int> done_ = 0;
    std::atomic<int> ended_ = 0;
};

}  // namespace detail

template <typename Result, typename Work>
QFuture<Result> EngineRuns::map(int count, Work work, Turn turn) const {
    const auto run =
        std::make_shared<detail::MappedRun<Result, Work>>(count, program_, std::move(work));
    for (int index = 0; index < count; ++index) {
        start([run, index] { run->runItem(index); }, turn);
    }
    return run->future();
}

}  // namespace querlin::nec
