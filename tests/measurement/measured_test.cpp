#include "measurement/measured.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <numbers>
#include <string_view>

#include "build/build.h"
#include "check/dipole_check.h"
#include "check/feed_line.h"
#include "measurement/comparison.h"
#include "nec/engine_runs.h"
#include "support/qstring_printer.h"

namespace querlin::measurement {
namespace {

using nec::LoadedDipole;

// The 40-foot example in metres, as designed: 7.1 MHz, 40 ft of wire 0.08 in
// thick, coils of 14.74 uH 10 ft out.
constexpr LoadedDipole kFortyFoot{7.1, 12.192, 0.002032, 3.048, 14.74};
// An analyser's sweep of it: 6.4 to 7.8 MHz in 5 kHz steps.
constexpr nec::FrequencySweep kSweep{6.4, 0.005, 281};

// The antenna as built: both tips longer by a share of the whole length (the
// coils where designed) and the coils' inductance off by a share.
LoadedDipole built(double tips, double coils) {
    LoadedDipole dipole = kFortyFoot;
    dipole.length *= 1 + tips;
    dipole.inductance *= 1 + coils;
    return dipole;
}

std::vector<nec::FeedPoint> measuredByEngine(const LoadedDipole& dipole,
                                             const nec::ModelOptions& options = {},
                                             const nec::FrequencySweep& sweep = kSweep) {
    return nec::EngineRuns().engine().run(
        nec::necDeck(dipole, options, {{dipole.inductance, sweep}}, {}, nec::Currents::LeftOut),
        sweep.count);
}

double resonance(const LoadedDipole& dipole) {
    return check::resonanceOf(dipole, {}, nec::EngineRuns().engine());
}

// A file of that name and text in the folder, its path.
QString writtenFile(const QTemporaryDir& folder, const char* name, std::string_view text) {
    const QString path = folder.filePath(QLatin1String(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
    return path;
}

// How a file writes the sweep: its option line or header row, the unit of its
// frequencies in MHz, the parameter (S; Z and Y normalised to the reference;
// or the impedance itself), its pair of numbers, and the field separator
// (a blank for Touchstone; a semicolon with decimal commas).
struct Flavour {
    const char* header;
    double unit;
    char parameter;
    char pair;  // r: real and imaginary, m: magnitude and degrees, d: decibels and degrees
    double reference;
    char separator;
};
const Flavour kFlavours[] = {
    {"! an analyser's sweep\n# Hz S RI R 50", 1e-6, 'S', 'r', 50, ' '},
    {"# khz s ma r 75", 1e-3, 'S', 'm', 75, ' '},
    {"# GHz S DB R 50 ! a comment", 1e3, 'S', 'd', 50, ' '},
    {"# MHz Z RI R 300", 1, 'Z', 'r', 300, ' '},
    {"# R 25 MA Y MHz", 1, 'Y', 'm', 25, ' '},
    {"#", 1e3, 'S', 'm', 50, ' '},  // GHz S MA R 50 when left out
    {"Frequency (Hz),Re(S11),Im(S11),SWR", 1e-6, 'S', 'r', 50, ','},
    {"Freq [MHz];SWR;R (Ohm);X (Ohm)", 1, 'Z', 'r', 1, ';'},
    {"Frequency (GHz)\tGamma real\tGamma imag\tSWR", 1e3, 'S', 'r', 50, '\t'},
    {"Frequency (kHz),Rs (ohms),Xs (ohms),SWR", 1e-3, 'Z', 'r', 1, ','},
    // Without a unit, judged by the first row: from 1000 up Hz, below MHz.
    {"Frequency,Resistance,Reactance,SWR", 1e-6, 'Z', 'r', 1, ','},
    {"Freq,Re(Z),Im(Z),VSWR", 1, 'Z', 'r', 1, ','},
    // Only the first option line counts (the Touchstone 1.1 file format of the IBIS Open Forum).
    {"# Hz S RI R 50\n# GHz Z MA R 1", 1e-6, 'S', 'r', 50, ' '},
};

QByteArray written(const std::vector<nec::FeedPoint>& feeds, const Flavour& f) {
    QByteArray text = QByteArray(f.header) + '\n';
    const auto number = [&](double value) {
        QByteArray digits = QByteArray::number(value, 'g', 12);
        return f.separator == ';' ? digits.replace('.', ',') : digits;
    };
    for (int i = 0; i < kSweep.count; ++i) {
        const std::complex<double> z = feeds[i].impedance;
        const std::complex<double> v = f.parameter == 'S'   ? (z - f.reference) / (z + f.reference)
                                       : f.parameter == 'Y' ? f.reference / z
                                                            : z / f.reference;
        const double degrees = std::arg(v) * 180 / std::numbers::pi;
        const double first = f.pair == 'r'   ? v.real()
                             : f.pair == 'm' ? std::abs(v)
                                             : 20 * std::log10(std::abs(v));
        QList<QByteArray> fields{number(kSweep.frequency(i) / f.unit),
                                 number(f.pair == 'r' ? v.imag() : degrees)};
        fields.insert(1, number(first));
        if (f.separator != ' ') {
            fields.insert(f.separator == ';' ? 1 : 3, "1.5");  // the SWR column, left unread
        }
        text += fields.join(f.separator == ' ' ? ' ' : f.separator) + "\r\n";
    }
    return text;
}

// Every flavour reads back the impedances the engine computed, and the
// resonance that the engine's own search finds, within the sweep's step.
TEST(Measured, ReadsEachFlavourAsTheEngineComputedIt) {
    const LoadedDipole antenna = built(0.03, -0.02);
    const std::vector<nec::FeedPoint> feeds = measuredByEngine(antenna);
    const double truth = resonance(antenna);
    for (const Flavour& flavour : kFlavours) {
        const QByteArray text = written(feeds, flavour);
        const OnePort sweep = readOnePort(
            text.toStdString(), flavour.separator == ' ' ? Format::Touchstone : Format::Csv);
        ASSERT_EQ(sweep.size(), feeds.size()) << flavour.header;
        for (std::size_t i = 0; i < sweep.size(); ++i) {
            EXPECT_NEAR(sweep[i].frequency, kSweep.frequency(static_cast<int>(i)), 1e-9);
            EXPECT_LT(std::abs(sweep[i].impedance / feeds[i].impedance - 1.0), 1e-9)
                << flavour.header << " at " << sweep[i].frequency;
        }
        EXPECT_NEAR(measuredFigures(sweep, 50, 7.1).resonance, truth, kSweep.step)
            << flavour.header;
    }
}

// Files as analysers and spreadsheets write them, each worked by hand: two
// frequencies, 7.0 and 7.1 MHz. Where the name does not tell the format, the
// first line that is not blank does (a Touchstone 1.1 file begins with a
// comment or its option line), a UTF-8 byte order mark left out. A number may
// begin with a plus, as C's strtod reads it; a CSV field in double quotes may
// hold the separator (RFC 4180, section 2.6), here in a decimal comma.
TEST(Measured, ReadsTheFormatWhereTheNameDoesNotTellIt) {
    using namespace std::string_view_literals;
    struct Case {
        const char* name;
        std::string_view text;
        std::complex<double> first;
        std::complex<double> second;
    };
    const Case cases[] = {
        // Z normalised to 50 ohms: 1 and 0.5 - 0.2j.
        {"analyser.txt",
         "\xEF\xBB\xBF! exported\n# MHz Z RI R 50\n7.0 1 0\n+7.1 +0.5E+00 -0.2\n"sv,
         {50, 0},
         {25, -10}},
        // The reflection coefficient on 75 ohms: -0.2, 75 x 0.8 / 1.2; and 0,
        // between tabs.
        {"analyser.dat",
         "\r\n  # GHz S MA R 75\n0.0070 0.2 180\n0.0071\t0\t0\n"sv,
         {50, 0},
         {75, 0}},
        {"analyser",
         "Freq (MHz),R,X\n7.0,50,0\n7.1,\"25,5\",\"-10,5\"\n"sv,
         {50, 0},
         {25.5, -10.5}},
        // A CSV file may begin with a comment, its name in any case, blanks
        // and tabs either side of a field.
        {"ANALYSER.CSV",
         "# exported\nFreq (MHz), R, X\n7.0 , 50,\t0\n7.1, 25.5\t, -10.5 \n"sv,
         {50, 0},
         {25.5, -10.5}},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const Case& c : cases) {
        const QString path = writtenFile(folder, c.name, c.text);
        try {
            const OnePort sweep = readMeasurementFile(path);
            ASSERT_EQ(sweep.size(), 2U) << c.name;
            EXPECT_NEAR(sweep[0].frequency, 7.0, 1e-12) << c.name;
            EXPECT_NEAR(sweep[1].frequency, 7.1, 1e-12) << c.name;
            EXPECT_LT(std::abs(sweep[0].impedance - c.first), 1e-9) << c.name;
            EXPECT_LT(std::abs(sweep[1].impedance - c.second), 1e-9) << c.name;
        } catch (const MeasurementError& error) {
            ADD_FAILURE() << error.message.toStdString();
        }
    }
}

// Tips a few per cent long or short, coils a few per cent off: the tips
// changed as advised, or instead the coils, bring the antenna as built within
// 0.3 % of the design frequency in one round.
TEST(Measured, OneRoundOfTheAdviceTunesTheAntennaAsBuilt) {
    struct Case {
        double tips;
        double coils;
    };
    for (const Case c : {Case{0.03, 0}, Case{-0.03, 0}, Case{0, 0.04}, Case{0, -0.04},
                         Case{0.02, 0.03}, Case{-0.02, -0.03}}) {
        const LoadedDipole antenna = built(c.tips, c.coils);
        const OnePort sweep =
            readTouchstone(written(measuredByEngine(antenna), kFlavours[0]).toStdString());
        const TuningAdvice advice = tuningAdvice(kFortyFoot, {}, measuredFigures(sweep, 50, 7.1),
                                                 nec::EngineRuns().engine());
        LoadedDipole tips = antenna;
        tips.length += 2 * advice.tipChange;
        LoadedDipole coils = antenna;
        coils.inductance += advice.inductanceChange;
        EXPECT_NEAR(resonance(tips) / 7.1, 1, 0.003) << c.tips << " " << c.coils;
        EXPECT_NEAR(resonance(coils) / 7.1, 1, 0.003) << c.tips << " " << c.coils;
    }
}

// A build tuned with its matching coil fitted: the 40-foot example built with
// coils of Q 300, hung with its tips 2 % long or short, its matching coil
// across the feed point as the analyser sees it, its loss R = ωL/Q by the
// definition of Q. With that coil named as a user names it, one
// round of the advice on the tips brings the SWR at 7.1 MHz to 1.2 or better,
// where tuning the antenna's own resonance to 7.1 MHz, as for a design,
// leaves it above 1.5; and the loss estimate, the coil taken off the sweep,
// finds the coils' Q within a tenth.
TEST(Measured, OneRoundTunesABuildWithItsMatchingCoil) {
    const nec::NecEngine& engine = nec::EngineRuns().engine();
    nec::ModelOptions lossy;
    lossy.coilQ = 300;
    const build::DipoleBuild built =
        build::buildDipole(kFortyFoot, lossy, 50, {300, {}}, build::Bandwidth::LeftOut, engine);
    LoadedDipole design = kFortyFoot;
    design.inductance = built.loadInductance;
    const check::ShuntCoil coil{built.shuntInductance,
                                2 * std::numbers::pi * 7.1 * built.shuntInductance / 300, 0};
    const auto seenAt = [&](const LoadedDipole& antenna, const nec::FrequencySweep& sweep) {
        OnePort seen;
        const std::vector<nec::FeedPoint> points = measuredByEngine(antenna, lossy, sweep);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const double f = sweep.frequency(static_cast<int>(i));
            seen.push_back({f, check::withShuntCoil(points[i].impedance, f, coil)});
        }
        return seen;
    };
    for (const double tips : {0.02, -0.02}) {
        LoadedDipole antenna = design;
        antenna.length *= 1 + tips;
        const MeasuredFigures measured =
            measuredIn(seenAt(antenna, kSweep), u"sweep"_qs, 50, 7.1,
                       fittedShuntCoil(built.shuntInductance, 7.1, std::nullopt, 300));
        const auto swrAfter = [&](Aim aim) {
            const TuningAdvice advice = tuningAdvice(design, lossy, measured, engine, aim);
            LoadedDipole tuned = antenna;
            tuned.length += 2 * advice.tipChange;
            return std::pair{
                check::standingWaveRatio(seenAt(tuned, {7.1, 0, 1}).front().impedance, 50),
                advice.coilQ};
        };
        const auto [build, q] = swrAfter(Aim::BuildsMatch);
        EXPECT_LE(build, 1.2) << tips;
        EXPECT_GT(swrAfter(Aim::Resonance).first, 1.5) << tips;
        EXPECT_NEAR(q / 300, 1, 0.1) << tips;
    }
}

// Coils of a known Q in the antenna as built: the estimate comes within a
// quarter of that Q, and within 4 points of the efficiency the engine gives
// the antenna at its resonance. Where the antenna differs from the model
// only in its tips, the model changed to resonate as measured is the
// antenna, and the estimate comes within 3 %.
TEST(Measured, TheLossEstimateFindsTheCoilsQ) {
    struct Case {
        double tips;
        double coils;
        double within;
    };
    nec::ModelOptions lossy;
    lossy.coilQ = 150;
    for (const Case c : {Case{0.03, 0, 0.03}, Case{0.02, -0.03, 0.25}, Case{-0.02, 0.03, 0.25}}) {
        const LoadedDipole antenna = built(c.tips, c.coils);
        const OnePort sweep =
            readTouchstone(written(measuredByEngine(antenna, lossy), kFlavours[0]).toStdString());
        const MeasuredFigures measured = measuredFigures(sweep, 50, 7.1);
        const TuningAdvice advice =
            tuningAdvice(kFortyFoot, {}, measured, nec::EngineRuns().engine());
        const double efficiency =
            measuredByEngine(antenna, lossy, {measured.resonance, 0, 1}).front().efficiency * 100;
        EXPECT_NEAR(advice.coilQ / 150, 1, c.within) << c.tips << " " << c.coils;
        EXPECT_NEAR(advice.efficiency, efficiency, 4) << c.tips << " " << c.coils;
    }
}

// Each file that cannot be read or holds no resonance: one message, which
// names the file and, where one line is at fault, that line.
TEST(Measured, AFileThatCannotBeReadSaysWhy) {
    using namespace std::string_view_literals;
    struct Case {
        const char* name;
        std::string_view text;
        const char* message;
    };
    const std::string many = "# MHz S RI R 50\n" + [] {
        std::string lines;
        for (int i = 1; i <= kMostFrequencies + 1; ++i) {
            lines += std::to_string(i) + " 0 0\n";
        }
        return lines;
    }();
    const Case cases[] = {
        {"empty.s1p", "", "the file is empty"},
        {"blank.csv", " \r\n\n", "the file is empty"},
        {"comments.s1p", "! a comment alone\n", "no option line and no data"},
        {"data-first.s1p", "7.1 0.1 0.2\n# MHz S RI R 50\n", "line 1: data before the option"},
        {"option.s1p", "# MHz S RI Q 50\n", "line 1: 'Q' is no part of an option line"},
        {"twice.s1p", "# MHz S RI kHz\n", "line 1: 'kHz' repeats a part of the option line"},
        {"h.s1p", "# MHz H RI\n", "line 1: H parameters describe two ports"},
        {"reference.s1p", "# MHz S RI R -50\n", "line 1: R must be followed by the reference"},
        {"version-2.s1p", "[Version] 2.0\n", "line 1: '[Version] 2.0' is a keyword"},
        {"falling.s1p", "# MHz S RI R 50\n7.1 0 0\n\n7 0 0\n",
         "line 4: the frequency 7 MHz does not rise above the 7.1 MHz"},
        {"letter.s1p", "# MHz S RI R 50\n7.1 0 O.5\n", "line 2: 'O.5' is not a number"},
        {"infinite.s1p", "# MHz S RI R 50\n7.1 inf 0\n", "line 2: 'inf' is not a number"},
        {"five.s1p", "# MHz S RI R 50\n7.1 0 0 0 0\n", "line 2: 5 numbers where one port's"},
        {"open.s1p", "# MHz S RI R 50\n7.1 1 0\n", "line 2: these values give no finite"},
        {"huge.s1p", "# GHz S RI R 50\n1e306 0 0\n", "line 2: the frequency must be a positive"},
        {"negative.s1p", "# MHz S RI R 50\n-7 0 0\n", "line 2: the frequency must be a positive"},
        {"one.s1p", "# MHz S RI R 50\n7.1 0 0\n", "one frequency only"},
        {"options-only.s1p", "# MHz S RI R 50\n", "no sweep: the file holds no line of data"},
        {"signs.s1p", "# MHz S RI R 50\n+-7.1 0 0\n", "line 2: '+-7.1' is not a number"},
        {"zero.s1p", "# MHz S RI R 50\n7.1 0 0\n\0\0"sv, "line 3: a zero byte"},
        {"many.s1p", many, "line 100002: more than 100000 frequencies"},
        {"no-resonance.s1p", "# MHz Z RI R 1\n7 30 -5\n7.2 30 -1\n",
         "the reactance does not rise through zero anywhere from 7 to 7.2 MHz"},
        {"no-header.csv", "7.1,50,0\n", "line 1: no column is named as the frequency"},
        {"no-pair.csv", "\nFreq (MHz),SWR,R\n7.1,1.2,50\n", "line 2: no columns are named as"},
        {"short.csv", "Freq (MHz),R,X\n7.1,50\n", "line 2: 2 fields where the columns read need 3"},
        {"word.csv", "Freq (MHz),R,X\n7.1,fifty,0\n", "line 2: 'fifty' in the column 'R' is not"},
        // A quote in a quoted field is doubled (RFC 4180, section 2.7).
        {"quote.csv", "Freq (MHz),R,X\n7.1,\"30 \"\"ohms\"\"\",0\n",
         "line 2: '30 \"ohms\"' in the column 'R' is not"},
        {"two.s2p", "# MHz S RI R 50\n", "a file of 2 ports"},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto failure = [](const QString& path) {
        try {
            measuredIn(readMeasurementFile(path), path, 50, {});
        } catch (const MeasurementError& error) {
            EXPECT_EQ(error.status, FaultStatus::Calculation);
            return error.message;
        }
        return QStringLiteral("no fault");
    };
    for (const Case& c : cases) {
        const QString path = writtenFile(folder, c.name, c.text);
        EXPECT_TRUE(failure(path).startsWith(path + u": "_qs + QLatin1String(c.message)))
            << failure(path).toStdString();
    }
    QFile enormous(folder.filePath(u"enormous.s1p"_qs));
    ASSERT_TRUE(enormous.open(QIODevice::WriteOnly) && enormous.resize(kMostBytes + 1));
    EXPECT_TRUE(failure(enormous.fileName())
                    .endsWith(u"larger than 16.0 MB, more than any "
                              "analyser's sweep."_qs));
    EXPECT_TRUE(failure(folder.path()).endsWith(u"not a file that holds a measurement."_qs));
    EXPECT_TRUE(failure(folder.filePath(u"none.s1p"_qs)).endsWith(u"no such file."_qs));
}

}  // namespace
}  // namespace querlin::measurement
