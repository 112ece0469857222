#include "coil/coil_winding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <variant>
#include <vector>

#include "support/qstring_printer.h"

namespace querlin {
namespace {

constexpr double kInchesPerMetre = 1 / 0.0254;

// A copy, so that it outlives the outcome it was read from.
WindingDetails detailsOf(const WindingOutcome& outcome) {
    const auto* why = std::get_if<QString>(&outcome);
    EXPECT_EQ(why, nullptr) << (why != nullptr ? why->toStdString() : std::string());
    return why == nullptr ? std::get<WindingDetails>(outcome) : WindingDetails{};
}

// Nagaoka's coefficient by diameter over length, as tabulated by E. B. Rosa
// and F. W. Grover, "Formulas and tables for the calculation of mutual and
// self-inductance", Bulletin of the Bureau of Standards 8 (1912), and in
// Grover's "Inductance Calculations" (1946). Wheeler gives his 1982 formula
// as within 0.1 %; the table is to four decimals.
TEST(CoilWinding, NagaokasCoefficientAsTabulated) {
    const std::vector<std::pair<double, double>> table{
        {0.1, 0.9588}, {0.2, 0.9201}, {0.3, 0.8838}, {0.4, 0.8499}, {0.5, 0.8181}, {1, 0.6884},
        {2, 0.5255},   {3, 0.4292},   {4, 0.3654},   {5, 0.3198},   {10, 0.2033},
    };
    for (const auto& [shape, published] : table) {
        EXPECT_NEAR(nagaokaCoefficient(shape), published, published * 1e-3 + 5e-5) << shape;
    }
}

// A long coil tends to the infinite solenoid less the end correction
// 4 D / (3 pi l) of Rayleigh and Niven's series (Rosa and Grover, as above).
TEST(CoilWinding, TheLongCoilLimit) {
    for (const double shape : {1e-3, 1e-4, 1e-6}) {
        EXPECT_NEAR(nagaokaCoefficient(shape), 1 - 4 * shape / (3 * std::numbers::pi), 2e-6)
            << shape;
    }
}

// Wheeler's formula of 1928, L = r^2 N^2 / (9 r + 10 l) in microhenries and
// inches, is within 1 % for coils longer than 0.8 of their radius (H. A.
// Wheeler, "Simple inductance formulas for radio coils", Proc. IRE 16, 1928).
TEST(CoilWinding, AgreesWithWheelers1928FormulaWhereThatHolds) {
    const std::vector<Winding> windings{
        {38, 1, 2, 0.051}, {100, 2, 6, 0.05}, {12, 4, 1.6, 0.1}, {500, 0.5, 20, 0.02}};
    for (const Winding& w : windings) {
        const double r = w.diameter / 2;
        const double wheeler = r * r * w.turns * w.turns / (9 * r + 10 * w.length);
        EXPECT_NEAR(detailsOf(windingDetails(w, {})).currentSheet, wheeler, wheeler * 0.01)
            << w.turns;
    }
}

// Rosa's corrections for round wire as Grover tabulates them ("Inductance
// Calculations", 1946, tables 38 and 39): A by wire diameter over pitch, B by
// the number of turns, both to four decimals.
TEST(CoilWinding, RosasCorrectionsAsTabulated) {
    for (const auto& [wireOverPitch, a] :
         {std::pair{1.0, 0.5568}, std::pair{0.5, -0.1363}, std::pair{0.2, -1.0526}}) {
        EXPECT_NEAR(rosaSelfCorrection(wireOverPitch), a, 1e-4) << wireOverPitch;
    }
    for (const auto& [turns, b] :
         {std::pair{1.0, 0.0}, std::pair{2.0, 0.1137}, std::pair{3.0, 0.1663},
          std::pair{4.0, 0.1973}, std::pair{10.0, 0.2664}, std::pair{100.0, 0.3269}}) {
        EXPECT_NEAR(rosaMutualCorrection(turns), b, 1e-4) << turns;
    }
}

// Bare Tesla-coil secondaries whose self-resonance P. Nicholson measured and
// published (Tesla Coil Mailing List, February 2001: "My big CW coil", "My
// half-coil", "Terry's big coil"; sizes in metres, 12 AWG is 0.0808 inch and
// 24 AWG 0.0201 inch). Medhurst's self-capacitance predicts such coils to
// about 5 % (M. Rzeszotarski on the same list, 1999).
TEST(CoilWinding, SelfResonanceOfMeasuredCoils) {
    struct Measured {
        double turns, diameter, length, wire, kilohertz;
    };
    const std::vector<Measured> coils{
        {725, 0.58, 1.6, 0.0808, 90.9},
        {365, 0.58, 0.8, 0.0808, 150.7},
        {1001, 0.2606, 0.762, 0.0201, 148.4},
    };
    for (const Measured& c : coils) {
        const Winding w{c.turns, c.diameter * kInchesPerMetre, c.length * kInchesPerMetre, c.wire};
        const std::optional<double> resonance = detailsOf(windingDetails(w, {})).selfResonance;
        ASSERT_TRUE(resonance.has_value());
        EXPECT_NEAR(*resonance * 1000, c.kilohertz, c.kilohertz * 0.05) << c.turns;
    }
}

// The warning stands between a third of the measured self-resonance and the
// resonance itself, for the first coil above (thick enough for its Q there).
TEST(CoilWinding, WarnsNearTheSelfResonance) {
    const Winding w{725, 0.58 * kInchesPerMetre, 1.6 * kInchesPerMetre, 0.0808};
    for (const auto& [fraction, near] : {std::pair{0.3, false}, std::pair{0.6, true}}) {
        const WindingOutcome outcome = windingDetails(w, 0.0909 * fraction);
        const std::optional<WindingAtFrequency> at = detailsOf(outcome).atFrequency;
        ASSERT_TRUE(at.has_value());
        EXPECT_EQ(at->nearSelfResonance, near) << fraction;
    }
}

// The coil's resistance over its wire's stretched straight, read back from its
// Q, is Medhurst's factor (R. G. Medhurst, Wireless Engineer 24, 1947, his
// table with wire diameter over pitch 0.5): 1.78 at 4 diameters long, and for
// longer coils between his rows for 10 diameters (1.83) and an infinitely
// long coil (1.93). The straight wire is a copper annulus one skin depth deep
// (copper at 1.7241e-8 ohm metres, the IEC's annealed standard).
TEST(CoilWinding, ResistanceByMedhurstsTable) {
    using std::numbers::pi;
    const double mu0 = 4e-7 * pi;
    const double resistivity = 1.7241e-8;
    const double frequency = 3.5;
    const double depth = std::sqrt(resistivity / (pi * frequency * 1e6 * mu0));
    const double wire = 0.04;
    struct Case {
        double diameter, length, least, most;
    };
    for (const Case& c :
         {Case{2.5, 10, 1.775, 1.785}, Case{0.5, 10, 1.83, 1.93}, Case{0.25, 10, 1.83, 1.93}}) {
        const Winding w{c.length / (2 * wire), c.diameter, c.length, wire};
        const WindingDetails details = detailsOf(windingDetails(w, frequency));
        ASSERT_TRUE(details.atFrequency.has_value()) << c.diameter;
        const double wireMetres = wire / kInchesPerMetre;
        const double straight = resistivity * details.wireLength / kInchesPerMetre /
                                (pi * depth * (wireMetres - depth));
        const double factor = details.atFrequency->reactance / details.atFrequency->q / straight;
        EXPECT_GE(factor, c.least) << c.diameter;
        EXPECT_LE(factor, c.most) << c.diameter;
    }
}

// Every winding the formulas cannot stand behind gives a reason, not figures.
TEST(CoilWinding, ImpossibleWindingsSayWhy) {
    const Winding coil{38, 1, 2, 0.051};
    const double nan = std::nan("");
    const std::vector<std::pair<Winding, std::optional<double>>> cases{
        {{0, 1, 2, 0.051}, {}},       // no turns: no inductance asked for
        {{0.5, 1, 2, 0.051}, {}},     // less than a turn
        {{38, -1, 2, 0.051}, {}},     // negative sizes
        {{38, 1, 0, 0.051}, {}},      // no length
        {{38, 1, 2, nan}, {}},        // no wire diameter
        {{38, 1, 2, 0.06}, {}},       // the turns do not fit the length
        {{2, 0.05, 2, 0.06}, {}},     // a wire thicker than the coil
        {coil, 0.0},                  // no frequency
        {coil, -7.1},                 // a negative frequency
        {coil, nan},                  // not a number
        {coil, 1000.0},               // above the self-resonance
        {{38, 1, 0.05, 0.001}, 7.1},  // shorter than Medhurst measured
        {{38, 1, 60, 0.051}, 7.1},    // longer than Medhurst measured
        {{38, 1, 2, 0.00005}, 0.1},   // a wire thin against the skin depth
    };
    for (const auto& [winding, frequency] : cases) {
        const WindingOutcome outcome = windingDetails(winding, frequency);
        ASSERT_TRUE(std::holds_alternative<QString>(outcome))
            << winding.turns << " " << winding.length << " " << frequency.value_or(0);
        EXPECT_FALSE(std::get<QString>(outcome).isEmpty());
    }
    // A winding exactly as long as the coil fits, as the window says.
    EXPECT_TRUE(std::holds_alternative<WindingDetails>(windingDetails({16, 2, 0.7, 0.04375}, {})));
}

}  // namespace
}  // namespace querlin
