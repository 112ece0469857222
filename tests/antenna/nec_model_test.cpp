#include "antenna/nec_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ostream>

#include "support/qstring_printer.h"

namespace querlin::antenna {
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
    double coilShare;  // the coil distance over half the length
    int segments;
};

// The case as the test's name shows it, without blanks that tools split names
// at: its bytes would include the padding, which differs from run to run, so
// that the test found by its name in one run would be missing in the next.
void PrintTo(const DeckCase& c, std::ostream* out) {
    *out << c.coilShare << "-of-the-half-" << c.segments << "-segments";
}

class Deck : public ::testing::TestWithParam<DeckCase> {};

// The deck as the engine reads it: wires from tip to tip without a gap,
// mirrored about the feed point, the source alone on a segment centred there,
// each coil alone on a segment centred at the coil distance, both loaded alike.
TEST_P(Deck, IsSymmetricWithTheSourceAndCoilsCentredOnSegments) {
    const double length = 12.192;
    const LoadedDipole dipole{7.1, length, 0.002, GetParam().coilShare * length / 2, 14.5};
    ModelOptions options;
    options.segments = GetParam().segments;
    options.coilQ = 200;
    const std::vector<Card> cards = cardsOf(necDeck(
        dipole, options, {{dipole.inductance, {7, 0.1, 3}}}, {"a design"}, Currents::Printed));
    const double tolerance = length * 1e-9;

    std::vector<Card> wires;
    std::vector<Card> coils;
    double source = 0;
    int segments = 0;
    for (const Card& card : cards) {
        if (card.name == u"GW") {
            wires.push_back(card);
            segments += static_cast<int>(card.fields[1]);
        } else if (card.name == u"LD" && card.fields[0] == 0) {
            coils.push_back(card);
        } else if (card.name == u"EX") {
            source = card.fields[1];
        }
    }
    ASSERT_GE(wires.size(), 5U);
    EXPECT_NEAR(wires.front().fields[3], -length / 2, tolerance);
    EXPECT_NEAR(wires.back().fields[6], length / 2, tolerance);
    for (std::size_t i = 0; i < wires.size(); ++i) {
        const Card& wire = wires[i];
        const Card& mirror = wires[wires.size() - 1 - i];
        EXPECT_NEAR(wire.fields[3], -mirror.fields[6], tolerance) << i;
        EXPECT_EQ(wire.fields[1], mirror.fields[1]) << i;
        if (i > 0) {
            EXPECT_NEAR(wire.fields[3], wires[i - 1].fields[6], tolerance) << i;
        }
    }
    // "About" the segments asked for: each wire rounds its own share.
    EXPECT_NEAR(segments, GetParam().segments, 4);

    const auto wireTagged = [&](double tag) {
        const auto it = std::find_if(wires.begin(), wires.end(),
                                     [&](const Card& wire) { return wire.fields[0] == tag; });
        return it == wires.end() ? Card{} : *it;
    };
    const Card feed = wireTagged(source);
    ASSERT_EQ(feed.fields.size(), 9U);
    EXPECT_EQ(feed.fields[1], 1);
    EXPECT_NEAR(feed.fields[3] + feed.fields[6], 0, tolerance);

    ASSERT_EQ(coils.size(), 2U);
    std::vector<double> centres;
    for (const Card& coil : coils) {
        const Card wire = wireTagged(coil.fields[1]);
        ASSERT_EQ(wire.fields.size(), 9U);
        EXPECT_EQ(wire.fields[1], 1);
        centres.push_back((wire.fields[3] + wire.fields[6]) / 2);
        EXPECT_EQ(coil.fields[4], coils.front().fields[4]);  // resistance
        EXPECT_EQ(coil.fields[5], 14.5e-6);                  // henries
    }
    std::sort(centres.begin(), centres.end());
    EXPECT_NEAR(centres[0], -dipole.coilDistance, tolerance);
    EXPECT_NEAR(centres[1], dipole.coilDistance, tolerance);
    // X / Q of 14.5 uH at 7.1 MHz with a Q of 200.
    EXPECT_NEAR(coils.front().fields[4], 2 * std::numbers::pi * 7.1e6 * 14.5e-6 / 200, 1e-6);
}

// Coils next to the feed point, half-way out and next to the tips, with the
// fewest segments, the default and many.
INSTANTIATE_TEST_SUITE_P(CoilPositions, Deck,
                         ::testing::Values(DeckCase{0.01, kDefaultSegments},
                                           DeckCase{0.5, kDefaultSegments},
                                           DeckCase{0.99, kDefaultSegments},
                                           DeckCase{0.01, kFewestSegments},
                                           DeckCase{0.37, kFewestSegments}, DeckCase{0.99, 400}));

TEST(Deck, RefusesWhatCannotBeModelled) {
    const LoadedDipole good{7.1, 12.192, 0.002, 3.048, 14.5};
    const std::vector<std::pair<LoadedDipole, ModelOptions>> cases{
        {{7.1, 12.192, 0.002, 6.096, 14.5}, {}},  // a coil at the tip
        {{7.1, -12.192, 0.002, 3.048, 14.5}, {}},    {{7.1, 12.192, 0, 3.048, 14.5}, {}},
        {{NAN, 12.192, 0.002, 3.048, 14.5}, {}},     {good, {kFewestSegments - 1, {}, false, {}}},
        {good, {kDefaultSegments, 0.0, false, {}}},  // in the ground
        {good, {kDefaultSegments, {}, false, -5.0}},
    };
    for (const auto& [dipole, options] : cases) {
        EXPECT_THROW(necDeck(dipole, options, {{14.5, {7.1, 0, 1}}}, {}, Currents::LeftOut),
                     NecError);
    }
}

}  // namespace
}  // namespace querlin::antenna
