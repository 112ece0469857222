#include "antenna/dipole_check.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <utility>

#include "support/qstring_printer.h"

namespace querlin::antenna {
namespace {

constexpr double kLight = 299.792458;  // m/us: the free-space wavelength in m is this / MHz

// The 40-foot example in metres: 7.1 MHz, 40 ft of wire 0.08 in thick, the
// coils 10 ft out.
constexpr LoadedDipole kFortyFoot{7.1, 12.192, 0.002032, 3.048, 14.74};

// Every test runs the real nec2c with the temporary folder pointed at one of
// its own, which must be empty again at the end: the engine's folders go.
class Engine : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temporary_.isValid());
        saved_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", temporary_.path().toLocal8Bit());
    }
    void TearDown() override {
        qputenv("TMPDIR", saved_);
        EXPECT_TRUE(QDir(temporary_.path())
                        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                        .isEmpty());
    }

    // The feed reactance at the design frequency with that inductance.
    static double reactanceWith(const LoadedDipole& dipole, double inductance) {
        const QString deck =
            necDeck(dipole, {}, {{inductance, {dipole.frequency, 0, 1}}}, {}, Currents::LeftOut);
        return NecEngine().run(deck, 1).front().impedance.imag();
    }

  private:
    QTemporaryDir temporary_;
    QByteArray saved_;
};

// A straight wire half a wavelength long, no coils (0 uH), resonates where
// the ARRL Antenna Book's chart of the shortening factor K against the ratio
// of half a wavelength to the conductor diameter puts it: at K times the
// frequency of the free-space half wave. K as read from the chart: 0.98 at a
// ratio of 25,000, 0.975 at 6,500, 0.972 at 3,200, 0.96 at 400. The chart is
// read to about 0.005, and the model at its default segments lies within
// 0.3 % of its own converged answer, so the two must agree within 1 %.
TEST_F(Engine, WithoutCoilsResonatesAsAPlainHalfWaveDipole) {
    struct Case {
        double frequency;  // MHz, whose free-space half wave is the length
        double diameter;   // m
        double k;
    };
    const Case cases[] = {
        {3.6, 0.001628, 0.98},    // 14 AWG, ratio 25,600
        {14.1, 0.001628, 0.975},  // 14 AWG, ratio 6,500
        {28.5, 0.001628, 0.972},  // 14 AWG, ratio 3,200
        {28.5, 0.0127, 0.96},     // half-inch tubing, ratio 410
    };
    for (const Case& c : cases) {
        const double length = kLight / c.frequency / 2;
        const LoadedDipole plain{c.frequency, length, c.diameter, length / 4, 0};
        const DipoleCheck check = checkDipole(plain, {}, 50, {}, NecEngine());
        EXPECT_NEAR(check.resonance / c.frequency, c.k, 0.01)
            << c.frequency << " MHz, " << c.diameter << " m";
    }
}

// The inductance the check finds makes the engine's reactance at the design
// frequency vanish, for coils near the centre, half-way and far out, on
// antennas at 40 to 80 % of a half wavelength, of wire and of tubing.
TEST_F(Engine, ResonantInductanceZeroesTheReactance) {
    const LoadedDipole cases[] = {
        kFortyFoot,
        {7.1, 0.4 * kLight / 7.1 / 2, 0.001628, 0.9 * 0.4 * kLight / 7.1 / 4, 90},
        {3.6, 0.8 * kLight / 3.6 / 2, 0.001628, 0.1 * 0.8 * kLight / 3.6 / 4, 20},
        {28.5, 0.6 * kLight / 28.5 / 2, 0.0127, 0.3 * 0.6 * kLight / 28.5 / 4, 1},
    };
    for (const LoadedDipole& dipole : cases) {
        const DipoleCheck check = checkDipole(dipole, {}, 50, {}, NecEngine());
        ASSERT_TRUE(std::isfinite(check.resonantInductance)) << dipole.frequency;
        EXPECT_LT(std::abs(reactanceWith(dipole, check.resonantInductance)), 1)
            << dipole.frequency << " MHz, " << check.resonantInductance << " uH";
    }
}

TEST_F(Engine, MoreInductanceLowersTheResonance) {
    double last = INFINITY;
    for (const double inductance : {5.0, 10.0, 15.0, 25.0}) {
        LoadedDipole dipole = kFortyFoot;
        dipole.inductance = inductance;
        const double resonance = checkDipole(dipole, {}, 50, {}, NecEngine()).resonance;
        EXPECT_LT(resonance, last) << inductance << " uH";
        last = resonance;
    }
}

// A horizontal half-wave dipole's feed resistance swings about its 73 ohms of free
// space as its height moves the ground's reflection in and out of phase: over
// perfect ground up to 96 ohms at 0.3 wavelength and down to 58 at 0.6 (The ARRL
// Antenna Book, chapter on dipoles: radiation resistance of a horizontal
// half-wave antenna against height; the values are Carter's mutual resistance
// of the dipole and its image, 2 h away). Average ground reflects only about
// 0.6 of the wave (|(1 - n) / (1 + n)| for its complex index n at 7 MHz), so the
// swing keeps its sign and has 40 to 100 % of that size.
TEST_F(Engine, HeightSwingsTheResistanceAsOverGround) {
    const double wavelength = kLight / 7.1;
    const LoadedDipole plain{7.1, 0.975 * wavelength / 2, 0.001628, wavelength / 8, 0};
    for (const auto& [height, perfectGround] : {std::pair{0.3, 96.0}, std::pair{0.6, 58.0}}) {
        ModelOptions options;
        options.height = height * wavelength;
        const DipoleCheck check = checkDipole(plain, options, 50, {}, NecEngine());
        const double share = (check.impedance.real() - 73) / (perfectGround - 73);
        EXPECT_TRUE(share >= 0.4 && share <= 1)
            << height << " wavelength: " << check.impedance.real() << " ohms";
    }
}

// A coil's loss is a series resistance of X / Q, which takes a share of the power
// proportional to 1 / Q while the currents stay nearly as they are: each lower Q
// lowers the efficiency, and (1 / efficiency - 1) Q, the loss over the radiation
// resistance times Q, stays within 1 %.
TEST_F(Engine, LowerCoilQLowersTheEfficiency) {
    double last = 100;
    double lossTimesQ = NAN;
    for (const double q : {1000.0, 300.0, 100.0, 30.0}) {
        ModelOptions options;
        options.coilQ = q;
        const double efficiency = checkDipole(kFortyFoot, options, 50, {}, NecEngine()).efficiency;
        EXPECT_LT(efficiency, last) << "Q " << q;
        last = efficiency;
        const double product = (100 / efficiency - 1) * q;
        EXPECT_NEAR(product, std::isnan(lossTimesQ) ? product : lossTimesQ, 0.01 * product)
            << "Q " << q;
        lossTimesQ = product;
    }
}

// Copper wire's loss by hand: the skin effect gives a resistance R' of
// sqrt(pi f mu0 / sigma) / (pi d) = sqrt(4e-7 f / sigma) / d per metre (mu0 =
// 4 pi 1e-7 H/m; annealed copper: 5.8e7 S/m), and the half wave's sinusoidal
// current, the feed current at its middle, loses as R' times half the length
// (the mean of cos^2) at the feed. Against a radiation resistance of 73.1 ohms
// for a half wave (Kraus, Antennas), a little less for the 2.5 % shorter one
// that resonates but above 65, the efficiency lies between 65 / (65 + R) and
// 73.1 / (73.1 + R). Thin wire, for a loss to see.
TEST_F(Engine, CopperWireLosesWhatItsSkinResistanceGives) {
    for (const auto& [frequency, diameter] : {std::pair{3.6, 0.0005}, std::pair{28.5, 0.0001}}) {
        const double length = 0.975 * kLight / frequency / 2;
        const double loss = std::sqrt(4e-7 * frequency * 1e6 / 5.8e7) / diameter * length / 2;
        ModelOptions options;
        options.copper = true;
        const double efficiency =
            checkDipole({frequency, length, diameter, length / 4, 0}, options, 50, {}, NecEngine())
                .efficiency;
        EXPECT_TRUE(efficiency > 100 * 65 / (65 + loss) && efficiency < 100 * 73.1 / (73.1 + loss))
            << frequency << " MHz: " << efficiency << " %, " << loss << " ohms lost";
    }
}

// The default segments are enough: twice as many move the 40-foot example's
// resonance by less than 0.3 %.
TEST_F(Engine, DoublingTheSegmentsMovesTheResonanceLittle) {
    ModelOptions doubled;
    doubled.segments = 2 * kDefaultSegments;
    const double resonance = checkDipole(kFortyFoot, {}, 50, {}, NecEngine()).resonance;
    const double finer = checkDipole(kFortyFoot, doubled, 50, {}, NecEngine()).resonance;
    EXPECT_LT(std::abs(finer / resonance - 1), 0.003);
}

// A missing engine, and engines that fail or write what cannot be read: each
// a clear message, nothing left behind.
TEST_F(Engine, FailsClearlyWithoutAWorkingEngine) {
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
    };
    const QString deck = necDeck(kFortyFoot, {}, {{14.74, {7.1, 0, 1}}}, {}, Currents::LeftOut);
    int index = 0;
    for (const Case& c : cases) {
        const QString program = scripts.filePath(QStringLiteral("nec2c-%1").arg(index++));
        if (c.script != nullptr) {
            QFile file(program);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("#!/bin/sh\n") + c.script + '\n');
            file.close();
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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
TEST_F(Engine, AStopEndsTheEngine) {
    QTemporaryDir scripts;
    ASSERT_TRUE(scripts.isValid());
    const QString started = scripts.filePath(QStringLiteral("started"));
    const QString program = scripts.filePath(QStringLiteral("nec2c-slow"));
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\ntouch '" + started.toLocal8Bit() + "'\nexec sleep 60\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    struct Case {
        bool stopAtOnce;  // or only once the engine has started
        bool runs;
    };
    const QString deck = necDeck(kFortyFoot, {}, {{14.74, {7.1, 0, 1}}}, {}, Currents::LeftOut);
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

TEST_F(Engine, TheEnvironmentNamesTheEngine) {
    const QByteArray saved = qgetenv("QUERLIN_NEC2C");
    qputenv("QUERLIN_NEC2C", "/nonexistent/nec2c-elsewhere");
    EXPECT_EQ(NecEngine().program(), u"/nonexistent/nec2c-elsewhere"_qs);
    EXPECT_THROW(checkDipole(kFortyFoot, {}, 50, {}, NecEngine()), NecError);
    qputenv("QUERLIN_NEC2C", saved);
    if (saved.isEmpty()) {
        qunsetenv("QUERLIN_NEC2C");
    }
    EXPECT_EQ(NecEngine().program(), u"nec2c"_qs);
}

}  // namespace
}  // namespace querlin::antenna
