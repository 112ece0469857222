#include "nec/engine_runs.h"

#include <QThreadPool>

namespace querlin::nec {

namespace {

QString programFromEnvironment() {
    const QString named = qEnvironmentVariable("QUERLIN_NEC2C");
    return named.isEmpty() ? QStringLiteral("nec2c") : named;
}

// One thread a core, as a pool has by default, each running one engine at a
// time: never more engines than cores, however many checks, builds and
// comparisons ask for them at once.
QThreadPool& enginePool() {
    static QThreadPool pool;
    return pool;
}

}  // namespace

EngineRuns::EngineRuns() : program_(programFromEnvironment()) {}

EngineRuns::EngineRuns(QString program) : program_(std::move(program)) {}

void EngineRuns::start(std::function<void()> item, Turn turn) {
    enginePool().start(std::move(item), turn == Turn::First ? 1 : 0);
}

}  // namespace querlin::nec
