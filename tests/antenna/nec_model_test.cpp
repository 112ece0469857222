#include "nec/nec_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ostream>

#include "check/check_figures.h"
#include "support/qstring_printer.h"

namespace querlin::nec {
namespace {

struct Card {
    QString name;
    std::vector<double> fields;
};

std::vector<Card> cardsOf(const QString& deck) {
    std::vector<Card> cards;
    for (const QString& line : deck.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        Card card{words.front(), {}};
        for (qsizetype i = 1; i < words.size() && card.name != u"CM"; ++i) {
            card.fields.push_back(words.at(i).toDouble());
        }
        cards.push_back(card);
    }
    return cards;
}

struct DeckCase {
    int position;  // the coil distance, per cent of half the length
    int segments;
};

// The case as the test's name shows it, without blanks that tools split names
// at: its bytes would include the padding, which differs from run to run, so
// that the test found by its name in one run would be missing in the next.
void PrintTo(const DeckCase& c, std::ostream* out) {
    *out << c.position << "-percent-" << c.segments << "-segments";
}

class Deck : public ::testing::TestWithParam<DeckCase> {};

// The deck as the engine reads it: wires from tip to tip without a gap,
// mirrored about the feed point, the source alone on a segment centred there,
// each coil a wire of its own centred at the coil distance with wire on both
// sides, its load spread evenly over its segments, both loaded alike. No
// segment is longer than the length over the segments asked for, nor more than
// twice as long as its neighbour, the most NEC-2's modelling guidelines allow.
TEST_P(Deck, IsSymmetricWithTheSourceAndCoilsCentredOnWiresOfTheirOwn) {
    const double length = 12.192;
    const LoadedDipole dipole{7.1, length, 0.002, GetParam().position * length / 200, 14.5};
    ModelOptions options;
    options.segments = GetParam().segments;
    options.coilQ = 200;
    const std::vector<Card> cards = cardsOf(necDeck(
        dipole, options, {{dipole.inductance, {7, 0.1, 3}}}, {"a design"}, Currents::Printed));
    const double tolerance = length * 1e-9;

    std::vector<Card> wires;
    std::vector<Card> coils;
    double source = 0;
    for (const Card& card : cards) {
        if (card.name == u"GW") {
            wires.push_back(card);
        } else if (card.name == u"LD" && card.fields[0] == 0) {
            coils.push_back(card);
        } else if (card.name == u"EX") {
            source = card.fields[1];
        }
    }
    ASSERT_GE(wires.size(), 5U);
    EXPECT_NEAR(wires.front().fields[3], -length / 2, tolerance);
    EXPECT_NEAR(wires.back().fields[6], length / 2, tolerance);
    const auto segmentLength = [](const Card& wire) {
        return (wire.fields[6] - wire.fields[3]) / wire.fields[1];
    };
    for (std::size_t i = 0; i < wires.size(); ++i) {
        const Card& wire = wires[i];
        const Card& mirror = wires[wires.size() - 1 - i];
        EXPECT_NEAR(wire.fields[3], -mirror.fields[6], tolerance) << i;
        EXPECT_EQ(wire.fields[1], mirror.fields[1]) << i;
        EXPECT_LE(segmentLength(wire), length / GetParam().segments * (1 + 1e-9)) << i;
        if (i > 0) {
            EXPECT_NEAR(wire.fields[3], wires[i - 1].fields[6], tolerance) << i;
            const double ratio = segmentLength(wire) / segmentLength(wires[i - 1]);
            EXPECT_LE(std::max(ratio, 1 / ratio), 2) << i;
        }
    }

    const auto wireTagged = [&](double tag) {
        return std::find_if(wires.begin(), wires.end(),
                            [&](const Card& wire) { return wire.fields[0] == tag; });
    };
    const auto feed = wireTagged(source);
    ASSERT_NE(feed, wires.end());
    EXPECT_EQ(feed->fields[1], 1);
    EXPECT_NEAR(feed->fields[3] + feed->fields[6], 0, tolerance);

    ASSERT_EQ(coils.size(), 2U);
    std::vector<double> centres;
    for (const Card& coil : coils) {
        const auto wire = wireTagged(coil.fields[1]);
        ASSERT_NE(wire, wires.end());
        // Plain wire on both sides: neither a tip nor the source next to it.
        EXPECT_TRUE(wire != wires.begin() && wire + 1 != wires.end() && wire - 1 != feed &&
                    wire + 1 != feed);
        EXPECT_EQ(coil.fields[2], 1);
        EXPECT_EQ(coil.fields[3], wire->fields[1]);  // every segment of the wire
        centres.push_back((wire->fields[3] + wire->fields[6]) / 2);
        EXPECT_EQ(coil.fields[4], coils.front().fields[4]);             // resistance
        EXPECT_NEAR(coil.fields[5] * wire->fields[1], 14.5e-6, 1e-13);  // henries
        // X / Q of 14.5 uH at 7.1 MHz with a Q of 200, over the wire's segments.
        EXPECT_NEAR(coil.fields[4] * wire->fields[1], 2 * std::numbers::pi * 7.1e6 * 14.5e-6 / 200,
                    1e-6);
    }
    std::sort(centres.begin(), centres.end());
    EXPECT_NEAR(centres[0], -dipole.coilDistance, tolerance);
    EXPECT_NEAR(centres[1], dipole.coilDistance, tolerance);

    // With tubing, the figures carry a note where a segment is shorter than 8
    // radii, below which NEC-2's thin-wire kernel errs by more than 1 % (G. J.
    // Burke and A. J. Poggio, NEC-2 user's guide, part III, 1981); and tubing
    // just thinner and just thicker than that for the shortest segment.
    const auto shortestIn = [&](const std::vector<Card>& deck) {
        double shortest = length;
        for (const Card& card : deck) {
            shortest = card.name == u"GW" ? std::min(shortest, segmentLength(card)) : shortest;
        }
        return shortest;
    };
    const double widest = shortestIn(cards) / 4;  // the widest tubing without the note
    for (const double diameter : {0.025, 0.05, 0.1, 0.95 * widest, 1.05 * widest}) {
        LoadedDipole tubing = dipole;
        tubing.diameter = diameter;
        const double shortest = shortestIn(
            cardsOf(necDeck(tubing, options, {{14.5, {7, 0.1, 3}}}, {}, Currents::LeftOut)));
        EXPECT_EQ(check::accuracyNote(tubing, options).isEmpty(), shortest >= 8 * diameter / 2)
            << diameter;
    }
}

// Every coil position with the fewest segments, the default and eight times as
// many.
std::vector<DeckCase> everyPosition() {
    std::vector<DeckCase> cases;
    for (const int segments : {kFewestSegments, kDefaultSegments, 8 * kDefaultSegments}) {
        for (int position = 1; position <= 99; ++position) {
            cases.push_back({position, segments});
        }
    }
    return cases;
}
INSTANTIATE_TEST_SUITE_P(CoilPositions, Deck, ::testing::ValuesIn(everyPosition()));

// A coil to wind is modelled as wound: from the coil distance, which the
// design measures to the start of the coil, out for the coil's own length,
// on a wire of its own; close to a tip it keeps room for the wire beyond it.
TEST(Deck, ACoilToWindStartsAtTheCoilDistance) {
    const double length = 12.192;
    const double coil = 2.25 * 0.0254;
    struct Case {
        double position;  // per cent of half the length
        double modelled;  // the coil's length in the model, metres
    };
    const Case cases[] = {{2, coil}, {50, coil}, {97, coil}, {99, 0.01 * length / 2 / 2.5}};
    for (const Case& c : cases) {
        const LoadedDipole dipole{7.1, length, 0.002, c.position * length / 200, 14.5};
        ModelOptions options;
        options.coilLength = coil;
        options.coilFrom = ModelOptions::CoilFrom::InnerEnd;
        const HalfLayout half = halfLayout(dipole, options);
        EXPECT_NEAR(half.innerWire, dipole.coilDistance, 1e-12) << c.position;
        EXPECT_NEAR(half.coil, c.modelled, 1e-12) << c.position;
        EXPECT_NEAR(half.innerWire + half.coil + half.outerWire, length / 2, 1e-12) << c.position;
        for (const Wire& wire : wiresOf(dipole, options)) {
            if (wire.tag == kRightCoilTag) {
                EXPECT_NEAR(wire.from, dipole.coilDistance, 1e-9) << c.position;
                EXPECT_NEAR(wire.to, dipole.coilDistance + c.modelled, 1e-9) << c.position;
            } else if (wire.tag == kLeftCoilTag) {
                EXPECT_NEAR(wire.to, -dipole.coilDistance, 1e-9) << c.position;
            }
        }
    }
}

TEST(Deck, RefusesWhatCannotBeModelled) {
    const LoadedDipole good{7.1, 12.192, 0.002, 3.048, 14.5};
    const auto refused = [](const LoadedDipole& dipole, const ModelOptions& options) {
        try {
            necDeck(dipole, options, {{14.5, {7.1, 0, 1}}}, {}, Currents::LeftOut);
        } catch (const NecError&) {
            return true;
        }
        return false;
    };
    for (const LoadedDipole& dipole : {
             LoadedDipole{7.1, 12.192, 0.002, 6.096, 14.5},  // a coil at the tip
             LoadedDipole{7.1, -12.192, 0.002, 3.048, 14.5},
             LoadedDipole{7.1, 12.192, 0, 3.048, 14.5},
             LoadedDipole{NAN, 12.192, 0.002, 3.048, 14.5},
         }) {
        EXPECT_TRUE(refused(dipole, {})) << dipole.length;
    }
    using Change = void (*)(ModelOptions&);
    const Change changes[] = {
        [](ModelOptions& o) { o.segments = kFewestSegments - 1; },
        [](ModelOptions& o) { o.height = 0.0; },  // in the ground
        [](ModelOptions& o) { o.coilQ = -5.0; },
        [](ModelOptions& o) { o.coilLength = 0.0; },  // a coil without length
        // Legs that meet in a line, or fold upwards.
        [](ModelOptions& o) { o.apexAngle = 0; },
        [](ModelOptions& o) { o.apexAngle = 181; },
        [](ModelOptions& o) { o.apexAngle = NAN; },
        // Tips 6.096 sin 45 = 4.3 m down from an apex 4 m up: in the ground.
        [](ModelOptions& o) {
            o.height = 4.0;
            o.apexAngle = 90;
        },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        ModelOptions options;
        changes[i](options);
        EXPECT_TRUE(refused(good, options)) << i;
    }
    // The ends of what the model takes are taken.
    for (const int segments : {kFewestSegments, kMostSegments}) {
        ModelOptions options;
        options.segments = segments;
        EXPECT_FALSE(refused(good, options)) << segments;
    }
}

}  // namespace
}  // namespace querlin::nec
