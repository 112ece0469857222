#include "plot.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cmath>
#include <complex>
#include <sstream>

#include "command_line.h"
#include "support/qstring_printer.h"

namespace querlin::cli {
namespace {

const QStringList kFortyFoot{u"querlin-calc"_qs, u"dipole"_qs,   u"--frequency"_qs,
                             u"7.1"_qs,          u"--length"_qs, u"40"_qs,
                             u"--element"_qs,    u"0.08"_qs,     u"--sweep"_qs};
// Fewer segments than the default keep the checked sweeps quick; the plot
// draws whatever the engine says.
const QStringList kChecked{u"--check"_qs, u"--segments"_qs, u"21"_qs};

// querlin-calc run over the words: its status and standard output.
std::pair<int, QString> calc(const QStringList& words) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = run(words, in, out, err);
    EXPECT_EQ(err.str(), "") << words.join(u' ').toStdString();
    return {status, QString::fromStdString(out.str())};
}

// The sweep's table as the plot takes it, read from its CSV.
SweepPlot plotOfTable(const QString& csv, bool checked) {
    QStringList lines = csv.trimmed().split(u'\n');
    const QStringList header = lines.takeFirst().split(u',');
    const auto column = [&](const QStringList& row, const char* name) {
        const QString text = row.value(header.indexOf(QLatin1String(name)));
        return text == u"none" ? std::nan("") : text.toDouble();
    };
    SweepPlot plot{{}, 7.1, checked, {}, {}, {}, {}};
    for (const QString& line : lines) {
        const QStringList row = line.split(u',');
        plot.points.push_back({row.front().toInt(), column(row, "inductance"),
                               column(row, "resonant_inductance"), column(row, "resonance")});
    }
    return plot;
}

// Whether a pixel within two of that point has about the colour: the curves
// are drawn antialiased, 2.5 pixels wide.
bool drawnNear(const QImage& image, QPointF point, const QColor& colour, int reach = 2) {
    for (int dx = -reach; dx <= reach; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            const QColor pixel =
                image.pixelColor(std::lround(point.x()) + dx, std::lround(point.y()) + dy);
            if (std::abs(pixel.red() - colour.red()) < 40 &&
                std::abs(pixel.green() - colour.green()) < 40 &&
                std::abs(pixel.blue() - colour.blue()) < 40) {
                return true;
            }
        }
    }
    return false;
}

// A sweep drawn as a PNG: the size the layout gives, each curve where the
// table's own numbers put it through the plot's axes, and not a fifth of the
// panel higher, the target's line at the design frequency. The positions
// avoid where the engine's inductance and the formula's cross.
TEST(Plot, DrawsTheSweepsNumbersWhereTheAxesPutThem) {
    struct Case {
        QStringList options;
        bool checked;
    };
    const Case cases[] = {{{}, false}, {kChecked, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(u' ').toStdString());
        const auto [status, csv] = calc(kFortyFoot + c.options);
        ASSERT_EQ(status, kSuccess);
        QTemporaryDir folder;
        const QString file = folder.filePath(u"sweep.png"_qs);
        EXPECT_EQ(calc(kFortyFoot + c.options + QStringList{u"--plot"_qs, file}),
                  std::make_pair(kSuccess, QString()));

        QImageReader reader(file);
        EXPECT_EQ(reader.format(), "png");
        const QImage image = reader.read();
        ASSERT_EQ(image.size(), kPlotSize);
        const SweepPlot plot = plotOfTable(csv, c.checked);
        ASSERT_EQ(plot.points.size(), 99U);
        const PlotLayout layout = plotLayout(plot);
        EXPECT_EQ(layout.resonance.has_value(), c.checked);
        // The margins plot.h gives, and the axes' ends at the frames' corners.
        const PlotPanel& last = c.checked ? *layout.resonance : layout.inductance;
        EXPECT_EQ(layout.inductance.frame.topLeft(), QPointF(90, 80));
        EXPECT_EQ(last.frame.bottomRight(), QPointF(1100 - 240, 760 - 60));
        for (const PlotPanel& panel : {layout.inductance, last}) {
            EXPECT_EQ(panel.at(0, panel.low), panel.frame.bottomLeft());
            EXPECT_EQ(panel.at(100, panel.high), panel.frame.topRight());
        }
        for (const int position : {5, 25, 70, 90}) {
            SCOPED_TRACE(position);
            const SweepPoint& point = plot.points.at(position - 1);
            const QPointF at = layout.inductance.at(position, point.inductance);
            EXPECT_TRUE(drawnNear(image, at, kFormulaColour));
            const double fifth = layout.inductance.frame.height() / 5;
            EXPECT_FALSE(drawnNear(image, at - QPointF(0, fifth), kFormulaColour));
            if (!c.checked) {
                continue;
            }
            EXPECT_TRUE(drawnNear(image, layout.inductance.at(position, point.resonantInductance),
                                  kEngineColour));
            EXPECT_TRUE(drawnNear(image, layout.resonance->at(position, point.resonance),
                                  kResonanceColour));
            // The target's line is dashed: look along it.
            EXPECT_TRUE(
                drawnNear(image, layout.resonance->at(position, plot.target), kTargetColour, 8));
        }
    }
}

// The worked position is ringed: the ring passes seven pixels right of the
// point on the formula's curve.
TEST(Plot, RingsTheWorkedPosition) {
    const auto [status, csv] = calc(kFortyFoot);
    ASSERT_EQ(status, kSuccess);
    QTemporaryDir folder;
    const QString file = folder.filePath(u"sweep.png"_qs);
    ASSERT_EQ(calc(kFortyFoot + QStringList{u"--position"_qs, u"50"_qs, u"--plot"_qs, file}).first,
              kSuccess);
    const QImage image(file);
    const SweepPlot plot = plotOfTable(csv, false);
    const QPointF point = plotLayout(plot).inductance.at(50, plot.points.at(49).inductance);
    EXPECT_TRUE(drawnNear(image, point + QPointF(7, 0), Qt::black, 1));
    EXPECT_FALSE(drawnNear(image, point + QPointF(-30, 0), Qt::black));
}

// The documents' plots are what querlin-calc draws for the commands given
// beside them, pixel for pixel.
TEST(Plot, TheDocumentsPlotsAreWhatItDraws) {
    QFile physics(QStringLiteral(QUERLIN_DOCS "/physics.md"));
    ASSERT_TRUE(physics.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(physics.readAll()).split(u'\n');
    QTemporaryDir folder;
    int plots = 0;
    for (const QString& line : lines) {
        QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        if (words.size() < 3 || words.front() != u"querlin-calc" ||
            words.at(words.size() - 2) != u"--plot") {
            continue;
        }
        const QString documented = QStringLiteral(QUERLIN_DOCS "/../") + words.back();
        words.back() = folder.filePath(u"drawn.png"_qs);
        ASSERT_EQ(calc(words).first, kSuccess) << line.toStdString();
        EXPECT_TRUE(QImage(words.back()) == QImage(documented)) << line.toStdString();
        ++plots;
    }
    EXPECT_EQ(plots, 1);
}

// An SVG by its name's ending: a picture Qt's SVG renderer reads, of the
// plot's size, titled with the design.
TEST(Plot, WritesAnSvgTitledWithTheDesign) {
    QTemporaryDir folder;
    const QString file = folder.filePath(u"sweep.SVG"_qs);
    ASSERT_EQ(calc(kFortyFoot + QStringList{u"--metric"_qs, u"--plot"_qs, file}).first, kSuccess);
    QSvgRenderer svg(file);
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(QPoint(), kPlotSize));
    QFile text(file);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_TRUE(text.readAll().contains("Loaded dipole for 7.1 MHz, 40 m long, element 0.08 mm"));
}

// How many pixels have about that colour.
int pixelsOf(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += std::abs(pixel.red() - colour.red()) < 12 &&
                     std::abs(pixel.green() - colour.green()) < 12 &&
                     std::abs(pixel.blue() - colour.blue()) < 12;
        }
    }
    return count;
}

// build --sweep --plot: the builds' panels, the bandwidth's always and the
// efficiency's with the coils' loss, whose SVG names the best position.
TEST(Plot, DrawsTheBuildsPanels) {
    const QStringList build{u"querlin-calc"_qs, u"build"_qs,      u"--frequency"_qs, u"7.1"_qs,
                            u"--length"_qs,     u"40"_qs,         u"--element"_qs,   u"0.08"_qs,
                            u"--sweep"_qs,      u"--segments"_qs, u"21"_qs,          u"--plot"_qs};
    struct Case {
        QString file;
        QStringList loss;
    };
    const Case cases[] = {{u"build.svg"_qs, {u"--coil-q"_qs, u"300"_qs}}, {u"build.png"_qs, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        QTemporaryDir folder;
        const QString file = folder.filePath(c.file);
        ASSERT_EQ(calc(build + QStringList{file} + c.loss), std::make_pair(kSuccess, QString()));
        QImage image(kPlotSize, QImage::Format_RGB32);
        if (c.file.endsWith(u".svg")) {
            QFile text(file);
            ASSERT_TRUE(text.open(QIODevice::ReadOnly));
            const QByteArray svg = text.readAll();
            for (const char* title : {"Bandwidth (kHz)", "Efficiency (%)", "The best position, "}) {
                EXPECT_TRUE(svg.contains(title)) << title;
            }
            // The ring names the best position and its efficiency to a tenth,
            // as the build's JSON line of that position has it.
            const QRegularExpressionMatch ring =
                QRegularExpression(u"(\\d+) %: (\\d+\\.\\d) %"_qs).match(QString::fromUtf8(svg));
            ASSERT_TRUE(ring.hasMatch());
            const auto [status, lines] =
                calc(build.mid(0, build.size() - 1) + c.loss + QStringList{u"--json"_qs});
            ASSERT_EQ(status, kSuccess);
            bool named = false;
            for (const QString& line : lines.split(u'\n', Qt::SkipEmptyParts)) {
                const QJsonObject built = QJsonDocument::fromJson(line.toUtf8()).object();
                if (built[u"position"_qs].toInt() == ring.captured(1).toInt()) {
                    named = true;
                    EXPECT_EQ(ring.captured(2),
                              QString::number(built[u"efficiency"_qs].toDouble(), 'f', 1));
                }
            }
            EXPECT_TRUE(named) << ring.captured(0).toStdString();
            QPainter painter(&image);
            QSvgRenderer(svg).render(&painter);
        } else {
            image = QImage(file);
        }
        ASSERT_EQ(image.size(), kPlotSize);
        EXPECT_GT(pixelsOf(image, kBuiltColour), 0);
        EXPECT_GT(pixelsOf(image, kBandwidthColour), 0);
        EXPECT_EQ(pixelsOf(image, kEfficiencyColour) > 0, !c.loss.isEmpty());
    }
}

// The README's sweep of the 40-foot example as built, read here from its
// Touchstone file (Hz, S as real and imaginary on 50 ohms): the SWR on
// 50 ohms, (1 + |S|) / (1 - |S|), and the impedance 50 (1 + S) / (1 - S).
const QString kBuilt = QStringLiteral(QUERLIN_MEASUREMENTS "/forty-foot-built.s1p");
std::vector<FrequencyPoint> pointsOfFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<FrequencyPoint> points;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() != 3 || line.startsWith('!') || line.startsWith('#')) {
            continue;
        }
        const std::complex<double> s(words[1].toDouble(), words[2].toDouble());
        const std::complex<double> z = 50.0 * (1.0 + s) / (1.0 - s);
        points.push_back(
            {words[0].toDouble() / 1e6, (1 + std::abs(s)) / (1 - std::abs(s)), z.real(), z.imag()});
    }
    return points;
}

// measured --plot: the file's SWR, resistance and reactance where its own
// numbers put them through the plot's axes; with the design, the model's SWR
// passes through the SWR that check prints for the design frequency.
TEST(Plot, DrawsAMeasuredSweepWhereItsNumbersPutIt) {
    const QStringList design{u"--frequency"_qs, u"7.1"_qs,  u"--length"_qs,   u"40"_qs,
                             u"--element"_qs,   u"0.08"_qs, u"--position"_qs, u"50"_qs};
    const std::vector<FrequencyPoint> points = pointsOfFile(kBuilt);
    ASSERT_EQ(points.size(), 101U);
    // The measured SWR goes past the SWR axis's top, which the model's does
    // not move; the frequency axis is the file's.
    const FrequencyLayout layout =
        frequencyLayout({{}, {}, {}, {{{}, kMeasuredColour, points}}, true});
    for (const bool designed : {false, true}) {
        SCOPED_TRACE(designed);
        QTemporaryDir folder;
        const QString file = folder.filePath(u"measured.png"_qs);
        const auto [status, printed] =
            calc(QStringList{u"querlin-calc"_qs, u"measured"_qs, kBuilt, u"--plot"_qs, file} +
                 (designed ? design : QStringList()));
        ASSERT_EQ(status, kSuccess);
        // The figures are printed as without the plot.
        EXPECT_EQ(printed, calc(QStringList{u"querlin-calc"_qs, u"measured"_qs, kBuilt} +
                                (designed ? design : QStringList()))
                               .second);
        const QImage image(file);
        ASSERT_EQ(image.size(), kPlotSize);
        for (const std::size_t i : {25U, 40U, 60U, 65U}) {
            SCOPED_TRACE(i);
            const FrequencyPoint& point = points[i];
            EXPECT_TRUE(
                drawnNear(image, layout.swr.at(point.frequency, point.swr), kMeasuredColour));
            EXPECT_FALSE(
                drawnNear(image, layout.swr.at(point.frequency, point.swr + 1), kMeasuredColour));
            if (!designed) {
                EXPECT_TRUE(drawnNear(image,
                                      layout.impedance->at(point.frequency, point.resistance),
                                      kMeasuredColour));
                // The reactance is dashed: look along it.
                EXPECT_TRUE(drawnNear(image, layout.impedance->at(point.frequency, point.reactance),
                                      kMeasuredColour, 8));
            }
        }
        if (designed) {
            const auto [checked, figures] =
                calc(QStringList{u"querlin-calc"_qs, u"check"_qs} + design);
            ASSERT_EQ(checked, kSuccess);
            const double swr = figures.section(u"\nswr "_qs, 1).section(u'\n', 0, 0).toDouble();
            EXPECT_TRUE(drawnNear(image, layout.swr.at(7.1, swr), kModelledColour));
            // The design frequency, dashed from the SWR panel's bottom to its top.
            const QRectF frame = layout.swr.frame;
            int dashed = 0;
            for (double y = frame.top(); y < frame.bottom(); ++y) {
                dashed += drawnNear(image, {layout.swr.at(7.1, 0).x(), y}, kTargetColour, 0);
            }
            EXPECT_GT(dashed, frame.height() / 2);
        }
    }
}

}  // namespace
}  // namespace querlin::cli

int main(int argc, char* argv[]) {
    // Drawing text needs the GUI application, as querlin-calc --plot makes it.
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
