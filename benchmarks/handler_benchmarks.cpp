#include <benchmark/benchmark.h>

#include "coil/coil_window_in_memory.h"
#include "coil/turns.h"
#include "dipole/coil_position.h"
#include "dipole/loading_coil.h"
#include "dipole/main_window_in_memory.h"
#include "dipole/matching_coil.h"
#include "dipole/units.h"
#include "handler_fault.h"

// The calculation handlers of the main window and the coil window, each run as a button press or
// slider change runs it, over fields held in memory: once with the 40-foot dipole on 7.1 MHz and
// once down a path that ends in a fault.

namespace querlin {
namespace {

template <typename Handler>
void run(benchmark::State& state, MemoryFields& fields, Handler&& handler, bool faults) {
    std::int64_t faultCount = 0;
    for (auto _ : state) {
        // The record of writes would otherwise grow with every run; clearing
        // keeps its storage.
        fields.written.clear();
        try {
            handler();
        } catch (const HandlerFault& fault) {
            benchmark::DoNotOptimize(fault.kind);
            ++faultCount;
        }
    }
    // A path that does not end as it should measures the wrong work.
    if (faultCount != (faults ? static_cast<std::int64_t>(state.iterations()) : 0)) {
        state.SkipWithError("the handler did not take the path it was meant to");
    }
}

void LoadingCoil(benchmark::State& state) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
    DipoleVariables v;
    run(
        state, fields, [&] { calculateLoadingCoil(fields, v); }, false);
}

// The initial texts: a division by zero at the quarter wavelength.
void LoadingCoilFault(benchmark::State& state) {
    MemoryFields fields = initialMainWindow();
    DipoleVariables v;
    run(
        state, fields, [&] { calculateLoadingCoil(fields, v); }, true);
}

void CoilPosition(benchmark::State& state) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
    DipoleVariables v;
    run(
        state, fields, [&] { showCoilPosition(fields, v); }, false);
}

// An emptied frequency field, read after the coils have moved.
void CoilPositionFault(benchmark::State& state) {
    MemoryFields fields = mainWindowWith(u""_qs, u"40"_qs, u"0.08"_qs, 50);
    DipoleVariables v;
    run(
        state, fields, [&] { showCoilPosition(fields, v); }, true);
}

MemoryFields afterLoadingCoil(const QString& feedline, DipoleVariables& v) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
    calculateLoadingCoil(fields, v);
    fields.texts["Text27"] = feedline;
    return fields;
}

void MatchingCoil(benchmark::State& state) {
    DipoleVariables v;
    MemoryFields fields = afterLoadingCoil(u"50"_qs, v);
    run(
        state, fields, [&] { calculateMatchingCoil(fields, v); }, false);
}

// A feed line below the antenna impedance: the square root of a negative ratio.
void MatchingCoilFault(benchmark::State& state) {
    DipoleVariables v;
    MemoryFields fields = afterLoadingCoil(u"20"_qs, v);
    run(
        state, fields, [&] { calculateMatchingCoil(fields, v); }, true);
}

void Metric(benchmark::State& state) {
    MemoryFields fields = initialMainWindow();
    run(
        state, fields, [&] { selectMetric(fields); }, false);
}

// A unit text that cannot be reached.
void MetricFault(benchmark::State& state) {
    MemoryFields fields = initialMainWindow();
    fields.texts.erase(u"Text11"_qs);
    run(
        state, fields, [&] { selectMetric(fields); }, true);
}

// The loading coil of the 40-foot dipole on a 1-inch former with 16 AWG wire.
void Turns(benchmark::State& state) {
    MemoryFields fields = coilWindowWith(u"14.74"_qs, u"1"_qs, u"2"_qs, u".051"_qs);
    CoilVariables v;
    run(
        state, fields, [&] { calculateTurns(fields, v); }, false);
}

// The coil window's initial texts: zero divided by zero.
void TurnsFault(benchmark::State& state) {
    MemoryFields fields = initialCoilWindow();
    CoilVariables v;
    run(
        state, fields, [&] { calculateTurns(fields, v); }, true);
}

BENCHMARK(LoadingCoil);
BENCHMARK(LoadingCoilFault);
BENCHMARK(CoilPosition);
BENCHMARK(CoilPositionFault);
BENCHMARK(MatchingCoil);
BENCHMARK(MatchingCoilFault);
BENCHMARK(Metric);
BENCHMARK(MetricFault);
BENCHMARK(Turns);
BENCHMARK(TurnsFault);

}  // namespace
}  // namespace querlin
