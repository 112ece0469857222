#include "nec/nec_engine.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <numeric>
#include <vector>

#include "antenna/engine_folders.h"
#include "nec/engine_runs.h"
#include "nec/nec_model.h"
#include "support/qstring_printer.h"

namespace querlin::nec {
namespace {

// The 40-foot example in metres: 7.1 MHz, 40 ft of wire 0.08 in thick, the
// coils 10 ft out.
constexpr LoadedDipole kFortyFoot{7.1, 12.192, 0.002032, 3.048, 14.74};

// Its deck at the design frequency alone.
QString fortyFootDeck() {
    return necDeck(kFortyFoot, {}, {{14.74, {7.1, 0, 1}}}, {}, Currents::LeftOut);
}

// The power budget and the averaged far field as nec2c prints them: each to
// five digits, so that an antenna radiating next to nothing may show a little
// less than nothing, which is none; beyond what five digits explain, or an
// average over half of space (2 pi steradians) giving more than was put in,
// the output is wrong and says so. The share over half of space is the
// average gain times 2 pi over 4 pi.
TEST(EngineOutput, ReadsThePowerBudgetWithinItsDigits) {
    struct Case {
        const char* input;
        const char* radiated;
        const char* average;  // gain over 2 pi steradians; none: no RP card
        double efficiency;
        double upwards;  // NaN: none
        const char* fault;
    };
    const Case cases[] = {
        {"1.9483E-06", "-1.9894E-10", nullptr, 0, NAN, nullptr},
        {"2.0000E-06", "1.0000E-06", "1.3297E+00", 0.5, 0.66485, nullptr},
        {"1.0000E+00", "1.5000E+00", nullptr, 0, NAN, "does not add up"},
        {"1.0000E+00", "-1.0000E-02", nullptr, 0, NAN, "does not add up"},
        {"1.0000E+00", "5.0000E-01", "2.5000E+00", 0, NAN, "not a share of it"},
        // The far field's coarse average may seem to radiate up to 5 % more
        // than was put in, which is all of it.
        {"1.0000E+00", "5.0000E-01", "2.0900E+00", 0.5, 1, nullptr},
        {"1.0000E+00", "5.0000E-01", "2.1100E+00", 0, NAN, "not a share of it"},
    };
    // The tables of several frequencies in one output, each read on its own.
    QString tables;
    std::vector<const Case*> read;
    for (const Case& c : cases) {
        // The source's line: tag, segment, voltage, current, impedance.
        QString output =
            u"ANTENNA INPUT PARAMETERS\nh\nh\n 1 1 1.0E+00 0.0E+00 2.0E-02 -1.0E-03 "
            "5.0E+01 2.0E+00\n"_qs +
            u"INPUT POWER   =  %1 Watts\nRADIATED POWER=  %2 Watts\n"_qs.arg(
                QLatin1String(c.input), QLatin1String(c.radiated));
        if (c.average != nullptr) {
            output +=
                u"AVERAGE POWER GAIN: %1 - SOLID ANGLE USED IN AVERAGING: (+2.0000)*PI "
                "STERADIANS\n"_qs.arg(QLatin1String(c.average));
        }
        try {
            const FeedPoint point = feedPointsIn(output).at(0);
            EXPECT_EQ(c.fault, nullptr) << c.radiated;
            tables += output;
            read.push_back(&c);
            EXPECT_NEAR(point.efficiency, c.efficiency, 1e-9) << c.radiated;
            EXPECT_EQ(std::isnan(point.radiatedOver), std::isnan(c.upwards)) << c.radiated;
            if (!std::isnan(c.upwards)) {
                EXPECT_NEAR(point.radiated(), c.upwards, 1e-9) << c.average;
            }
        } catch (const NecError& error) {
            ASSERT_NE(c.fault, nullptr) << error.message.toStdString();
            EXPECT_TRUE(error.message.contains(QLatin1String(c.fault)))
                << error.message.toStdString();
        }
    }
    const std::vector<FeedPoint> points = feedPointsIn(tables);
    ASSERT_EQ(points.size(), read.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].impedance, std::complex<double>(50, 2)) << i;
        EXPECT_EQ(points[i].current, std::complex<double>(0.02, -0.001)) << i;
        EXPECT_NEAR(points[i].efficiency, read[i]->efficiency, 1e-9) << i;
        EXPECT_EQ(std::isnan(points[i].radiatedOver), std::isnan(read[i]->upwards)) << i;
    }
}

// The currents table nec2c prints after a solution's input parameters: a line
// a segment under five lines of headings, up to a blank line; a line that is
// not a segment's, or a table without one, is a fault that names it.
TEST(EngineOutput, ReadsTheCurrentsOfThePrintedSegments) {
    struct Case {
        const char* lines;
        std::vector<SegmentCurrent> currents;
        const char* fault;
    };
    const Case cases[] = {
        {"   21    2   0.0  -0.07  0.0  0.003  4.7340E-03  1.4851E-02  1.5E-02  72.3\n"
         "   42    1   0.0   0.00  0.0  0.003  5.1982E-03 -1.5929E-02  1.6E-02 -71.9\n",
         {{2, {4.734e-3, 1.4851e-2}}, {1, {5.1982e-3, -1.5929e-2}}},
         nullptr},
        {"   21    2   0.0  -0.07  0.0  0.003  4.7340E-03\n",
         {},
         "4.7340E-03' where a segment's line belongs"},
        {"   21  two   0.0  -0.07  0.0  0.003  4.7E-03  1.4E-02  1.5E-02  72.3\n",
         {},
         "where a segment's line belongs"},
        {"", {}, "a currents table without a current"},
    };
    for (const Case& c : cases) {
        const QString output =
            u"ANTENNA INPUT PARAMETERS\nh\nh\n 1 1 1 0 1 0 5.0E+01 2.0E+00\n\n\n"
            "  -------- CURRENTS AND LOCATION --------\n  DISTANCES IN WAVELENGTHS\n\n"
            "   SEG  TAG  COORDINATES\n   No:  No:  X\n"_qs +
            QLatin1String(c.lines) +
            u"\n\n  INPUT POWER   =  1.0E-03 Watts\nRADIATED POWER=  1.0E-03 Watts\n"_qs;
        try {
            const std::vector<SegmentCurrent> read = feedPointsIn(output).at(0).printed;
            EXPECT_EQ(c.fault, nullptr) << c.lines;
            ASSERT_EQ(read.size(), c.currents.size()) << c.lines;
            for (std::size_t i = 0; i < read.size(); ++i) {
                EXPECT_EQ(read[i].tag, c.currents[i].tag) << i;
                EXPECT_EQ(read[i].current, c.currents[i].current) << i;
            }
        } catch (const NecError& error) {
            ASSERT_NE(c.fault, nullptr) << error.message.toStdString();
            EXPECT_TRUE(error.message.contains(QLatin1String(c.fault)))
                << error.message.toStdString();
        }
    }
}

// A missing engine, and engines that fail or write what cannot be read: each
// a clear message, nothing left behind.
TEST_F(EngineFolders, FailsClearlyWithoutAWorkingEngine) {
    QTemporaryDir scripts;
    ASSERT_TRUE(scripts.isValid());
    struct Case {
        const char* script;  // a shell script standing in for nec2c; none: no program
        const char* message;
    };
    const Case cases[] = {
        {nullptr, "install the Debian package nec2c"},
        {"echo 'card error in GW' >&2; exit 1", "failed (exit status 1): card error in GW"},
        {"kill -9 $$", "failed"},
        {"exit 0", "wrote no output"},
        {"echo 'nothing to read' > \"$4\"", "holds 0 feed-point impedances where 1 were"},
        {"printf 'ANTENNA INPUT PARAMETERS\\nhead\\nhead\\n 1 1 1 0 1 0 nan 2 0 0 0\\n' > \"$4\"",
         "wrote 'nan' where a number belongs"},
        {"printf 'ANTENNA INPUT PARAMETERS\\nhead\\nhead\\n 1 1\\n' > \"$4\"",
         "holds no feed-point impedance"},
        {"printf 'ANTENNA INPUT PARAMETERS\\nh\\nh\\n 1 1 1 0 1 0 1 2\\nINPUT POWER = 1\\nRADIATED "
         "POWER= 1\\nAVERAGE POWER GAIN: 1.0 - SOLID ANGLE\\n' > \"$4\"",
         "an average gain without its solid angle"},
    };
    const QString deck = fortyFootDeck();
    int index = 0;
    for (const Case& c : cases) {
        const QString program = scripts.filePath(QStringLiteral("nec2c-%1").arg(index++));
        if (c.script != nullptr) {
            ASSERT_TRUE(standIn(program, c.script));
        }
        try {
            NecEngine(program).run(deck, 1);
            ADD_FAILURE() << c.script;
        } catch (const NecError& error) {
            EXPECT_TRUE(error.message.contains(QLatin1String(c.message)))
                << error.message.toStdString();
        }
    }
}

// A stop asked for before the engine starts runs nothing; one asked for while
// it runs ends it at once rather than after its ten minutes: a stand-in that
// would run a minute is ended well within it, its folder removed.
TEST_F(EngineFolders, AStopEndsTheEngine) {
    QTemporaryDir scripts;
    ASSERT_TRUE(scripts.isValid());
    const QString started = scripts.filePath(QStringLiteral("started"));
    const QString program = scripts.filePath(QStringLiteral("nec2c-slow"));
    ASSERT_TRUE(standIn(program, "touch '" + started.toLocal8Bit() + "'\nexec sleep 60"));

    struct Case {
        bool stopAtOnce;  // or only once the engine has started
        bool runs;
    };
    const QString deck = fortyFootDeck();
    for (const Case c : {Case{true, false}, Case{false, true}}) {
        QFile::remove(started);
        QElapsedTimer clock;
        clock.start();
        const NecEngine engine(program, [&] { return c.stopAtOnce || QFile::exists(started); });
        EXPECT_THROW(engine.run(deck, 1), NecCancelled);
        EXPECT_LT(clock.elapsed(), 20'000);
        EXPECT_EQ(QFile::exists(started), c.runs);
    }
}

// However many runs are under way, never more engines at once than cores;
// each run's results come at their items' indices, and a run asked for
// first starts as soon as an engine ends, before the waiting items of the
// runs asked for earlier. The stand-in runs a while and writes nothing.
TEST_F(EngineFolders, RunsShareTheCores) {
    QTemporaryDir scripts;
    ASSERT_TRUE(scripts.isValid());
    const QString program = scripts.filePath(QStringLiteral("nec2c-slow"));
    ASSERT_TRUE(standIn(program, "sleep 0.3"));
    const EngineRuns engines(program);
    const QString deck = fortyFootDeck();
    const int cores = QThread::idealThreadCount();
    std::atomic<int> running = 0;
    std::atomic<int> most = 0;
    QMutex mutex;
    std::vector<int> started;  // the items in the order they started; the first run's is -1
    const auto work = [&](int item, const NecEngine& engine) {
        {
            const QMutexLocker lock(&mutex);
            started.push_back(item);
        }
        const int now = ++running;
        for (int seen = most; now > seen && !most.compare_exchange_weak(seen, now);) {
        }
        EXPECT_THROW(engine.run(deck, 1), NecError);
        --running;
        return item;
    };
    const int count = 3 * cores;
    QFuture<int> sweep = engines.map<int>(count, work);
    QFuture<int> first = engines.map<int>(
        1, [&](int, const NecEngine& engine) { return work(-1, engine); }, EngineRuns::Turn::First);
    std::vector<int> indices(static_cast<std::size_t>(count));
    std::iota(indices.begin(), indices.end(), 0);
    EXPECT_EQ(waited(sweep), indices);
    EXPECT_EQ(waited(first), std::vector<int>{-1});
    EXPECT_LE(most, cores);
    const auto turn = std::find(started.begin(), started.end(), -1) - started.begin();
    EXPECT_LE(turn, cores);
}

TEST_F(EngineFolders, TheEnvironmentNamesTheEngine) {
    const QByteArray saved = qgetenv("QUERLIN_NEC2C");
    qputenv("QUERLIN_NEC2C", "/nonexistent/nec2c-elsewhere");
    const EngineRuns elsewhere;
    qunsetenv("QUERLIN_NEC2C");
    EXPECT_EQ(elsewhere.program(), u"/nonexistent/nec2c-elsewhere"_qs);
    EXPECT_THROW(elsewhere.engine().run(fortyFootDeck(), 1), NecError);
    EXPECT_EQ(EngineRuns().program(), u"nec2c"_qs);
    if (!saved.isEmpty()) {
        qputenv("QUERLIN_NEC2C", saved);
    }
}

}  // namespace
}  // namespace querlin::nec
