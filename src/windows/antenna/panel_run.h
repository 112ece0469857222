#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <functional>
#include <utility>

#include "fault.h"

namespace querlin {

// The one run of the engines that a panel of the check window follows.
// Following another run, or stopping, cancels the run followed and lets go of
// its watcher, disconnected: whatever news of that run was still on its way
// goes with the watcher, so that nothing of a run replaced or stopped reaches
// the panel. Each run has a watcher of its own, made for it alone.
template <typename Result>
class PanelRun {
  public:
    // What the panel is told of the run it follows; any may be left empty.
    struct News {
        // A result, at its item's index, as each item ends.
        std::function<void(int index, const Result& result)> result;
        // The run ended by itself, every result told.
        std::function<void()> done;
        // The run ended with a fault, which stopped the rest of it.
        std::function<void(const Fault& fault)> failed;
    };

    // The watchers are the panel's children, so that none outlives it.
    explicit PanelRun(QObject* panel) : panel_(panel) {}
    ~PanelRun() { stop(); }
    PanelRun(const PanelRun&) = delete;
    PanelRun& operator=(const PanelRun&) = delete;

    // Stops the run followed, if any, and follows this one.
    void follow(QFuture<Result> run, News news) {
        stop();
        auto* watcher = new QFutureWatcher<Result>(panel_);
        watcher_ = watcher;
        if (news.result) {
            QObject::connect(watcher, &QFutureWatcherBase::resultReadyAt, panel_,
                             [watcher, told = news.result](int index) {
                                 told(index, watcher->resultAt(index));
                             });
        }
        QObject::connect(watcher, &QFutureWatcherBase::finished, panel_,
                         [this, watcher, news] { ended(watcher, news); });
        watcher->setFuture(std::move(run));
    }

    // Stops the run followed, its engines ended before this returns, and
    // tells nothing more of it, not even what it had already computed.
    void stop() {
        QFutureWatcher<Result>* watcher = std::exchange(watcher_, nullptr);
        if (watcher == nullptr) {
            return;
        }
        watcher->disconnect();
        QFuture<Result> run = watcher->future();
        run.cancel();
        try {
            run.waitForFinished();
        } catch (const Fault&) {
            // The fault of a run stopped is no longer anyone's concern.
        }
        // Later, since this may be called while the watcher gives its news.
        watcher->deleteLater();
    }

    // Whether a run is followed and has not ended yet.
    bool isUnderWay() const { return watcher_ != nullptr; }

  private:
    void ended(QFutureWatcher<Result>* watcher, const News& news) {
        // The run is over: stopping it now would stop nothing.
        watcher_ = nullptr;
        watcher->deleteLater();
        QFuture<Result> run = watcher->future();
        try {
            run.waitForFinished();
        } catch (const Fault& fault) {
            if (news.failed) {
                news.failed(fault);
            }
            return;
        }
        if (run.isCanceled()) {
            return;
        }
        if (news.done) {
            news.done();
        }
    }

    QObject* panel_;
    QFutureWatcher<Result>* watcher_ = nullptr;  // of the run followed; none between runs
};

}  // namespace querlin
