#include "antenna/engine_runs.h"

#include <QThread>
#include <QThreadPool>

namespace querlin::antenna {

namespace {

QString programFromEnvironment() {
    const QString named = qEnvironmentVariable("QUERLIN_NEC2C");
    return named.isEmpty() ? QStringLiteral("nec2c") : named;
}

// One thread a core, each running one engine at a time.
class EnginePool : public QThreadPool {
  public:
    EnginePool() { setMaxThreadCount(QThread::idealThreadCount()); }
};

QThreadPool& enginePool() {
    static EnginePool pool;
    return pool;
}

}  // namespace

EngineRuns::EngineRuns() : program_(programFromEnvironment()) {}

EngineRuns::EngineRuns(QString program) : program_(std::move(program)) {}

void EngineRuns::start(std::function<void()> item, Turn turn) {
    enginePool().start(std::move(item), turn == Turn::First ? 1 : 0);
}

}  // namespace querlin::antenna
