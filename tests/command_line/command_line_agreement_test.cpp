#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <random>

#include "coil/coil_window.h"
#include "coil/coil_window_fields.h"
#include "dipole/coil_position.h"
#include "dipole/main_window.h"
#include "support/window_input.h"

using namespace querlin;
using namespace querlin::testing;

namespace {

// One design: a line of querlin-calc's batch, and the same typed into a
// freshly opened window. The inputs are texts, so that faults are cases too.
// A text typed into a field, and the option that gives it on the command line.
struct Typed {
    Field field;
    QString text;
    const char* option;
};

struct Design {
    QStringList words;
    std::vector<Typed> typed;  // in order
    int percentage = 0;        // the main window's
    bool metric = false;
    bool match = false;
};

// Mostly plausible numbers with up to four decimals, sometimes a text that one
// of the windows' faults answers: empty, no number, beyond a single, zero or
// negative; blanks and exponents are numbers too.
QString input(std::mt19937& random, double low, double high) {
    static const QStringList kOdd{"", "x", "0", "-1", "1E39", "  7 ", "1e-3", ".", "2.5E1"};
    if (random() % 8 == 0) {
        return kOdd.at(random() % kOdd.size());
    }
    const double value = low + (high - low) * (random() % 1000000) / 1e6;
    return QString::number(value, 'f', static_cast<int>(random() % 5));
}

// The same designs on every machine: the generator's sequence is fixed.
std::vector<Design> designs() {
    using namespace mainfields;
    std::mt19937 random(15);
    std::vector<Design> designs;
    for (int i = 0; i < 300; ++i) {
        Design d;
        const auto take = [&](const char* option, const Field& field, double low, double high) {
            const QString text = input(random, low, high);
            d.words << QStringLiteral("\"--%1=%2\"").arg(QLatin1String(option), text);
            d.typed.push_back({field, text, option});
        };
        if (i % 3 == 2) {
            d.words << u"coil"_qs;
            take("inductance", coilfields::inductance, 0.1, 300);
            take("diameter", coilfields::coilDiameter, 0.25, 6);
            take("length", coilfields::coilLength, 0.25, 12);
            take("wire", coilfields::wireDiameter, 0.01, 0.2);
            designs.push_back(d);
            continue;
        }
        d.match = i % 3 == 1;
        d.words << (d.match ? u"match"_qs : u"dipole"_qs);
        take("frequency", frequency, 1.8, 30);
        take("length", totalLength, 5, 120);
        take("element", elementSize, 0.01, 2);
        if (d.match) {
            take("feedline", feedlineImpedance, 10, 600);
        }
        d.percentage = 1 + static_cast<int>(random() % 99);
        d.metric = random() % 4 == 0;
        d.words << u"--position"_qs << QString::number(d.percentage);
        if (d.metric) {
            d.words << u"--metric"_qs;
        }
        designs.push_back(d);
    }
    return designs;
}

// A window's report of a field that does not read, as querlin-calc says it:
// by the option that gave the text, and the text.
QString inCommandLineTerms(const QString& report, const Design& d) {
    for (const Typed& typed : d.typed) {
        const QString caption = u'"' + QLatin1String(typed.field.caption) + u'"';
        const QString option = QStringLiteral("--%1: \"%2\"").arg(typed.option, typed.text);
        if (report == caption + u" does not hold a number."_qs) {
            return option +
                   u" is not a number (a decimal point, or --locale for the user's decimal comma)."_qs;
        }
        if (report == caption + u" is too large."_qs) {
            return option + u" is too large."_qs;
        }
    }
    return report;
}

// What a window shows after the presses, in the shape of querlin-calc's JSON
// line: the results, or the fault that its report names.
QByteArray shownByTheWindow(const Design& d) {
    using namespace mainfields;
    const bool coil = d.words[0] == u"coil";
    std::unique_ptr<QWidget> window(coil ? static_cast<QWidget*>(new CoilWindow)
                                         : new MainWindow(Navigation{}));
    window->show();
    if (!coil) {
        moveSlider(window.get(), sliderValueFor(d.percentage));
    }
    for (const Typed& typed : d.typed) {
        if (typed.field.name != feedlineImpedance.name) {
            typeInto(window.get(), typed.field.name, typed.text);
        }
    }
    std::vector<std::pair<const char*, const char*>> results{{"turns", coilfields::turns},
                                                             {"message", coilfields::message}};
    if (coil) {
        click(window.get(), coilfields::calculate);
    } else {
        if (d.metric) {
            click(window.get(), metric);
        }
        click(window.get(), loadingCalculate);
        results = {{"distance", coilDistance},
                   {"inductance", loadingInductance},
                   {"impedance", impedance}};
    }
    if (d.match && faultReports(window.get()).isEmpty()) {
        typeInto(window.get(), feedlineImpedance.name, d.typed.back().text);
        click(window.get(), matchingCalculate);
        results.emplace_back("matching", matchingCoil);
    }
    QJsonObject object;
    for (const auto& [name, field] : results) {
        object.insert(QLatin1String(name), shown(window.get(), field));
    }
    if (!faultReports(window.get()).isEmpty()) {
        object = {{u"fault"_qs, inCommandLineTerms(faultReports(window.get()).front()->text(), d)}};
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

}  // namespace

// querlin-calc and the windows run the same handlers; this proves that what
// they show agrees, text for text and fault for fault, design by design.
class CommandLineAgreementTest : public QObject {
    Q_OBJECT

  private slots:
    void batchAgreesWithTheWindows() {
        const std::vector<Design> all = designs();
        QByteArrayList lines;
        for (const Design& d : all) {
            lines << d.words.join(u' ').toUtf8();
        }
        QProcess calc;
        calc.start(QStringLiteral(QUERLIN_CALC), {u"--batch"_qs});
        calc.write(lines.join('\n') + '\n');
        calc.closeWriteChannel();
        QVERIFY(calc.waitForFinished(60000));
        const QByteArrayList printed = calc.readAllStandardOutput().split('\n');

        for (std::size_t i = 0; i < all.size(); ++i) {
            const QByteArray window = shownByTheWindow(all[i]);
            QVERIFY2(window == printed[qsizetype(i)],
                     (lines[qsizetype(i)] + "\n  window: " + window +
                      "\n  querlin-calc: " + printed[qsizetype(i)])
                         .constData());
        }
    }
};

QTEST_MAIN(CommandLineAgreementTest)
#include "command_line_agreement_test.moc"
