#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <random>

#include "coil/coil_window.h"
#include "coil/coil_window_fields.h"
#include "dipole/coil_position.h"
#include "dipole/main_window.h"
#include "dipole/main_window_fields.h"
#include "support/widget_lookup.h"

using namespace querlin;
using namespace querlin::testing;

namespace {

// One design, typed into a freshly opened window and given to querlin-calc as
// one line of a batch. The inputs are texts, so that faults are cases too.
struct Design {
    enum Kind { Dipole, Match, Coil } kind;
    // The dipole's frequency, length, element and feed line, or the coil's
    // inductance, diameter, length and wire, as typed.
    QStringList inputs;
    int percentage = 0;
    bool metric = false;

    QByteArray batchLine() const {
        static const QStringList kOptions[] = {{"frequency", "length", "element", "feedline"},
                                               {"frequency", "length", "element", "feedline"},
                                               {"inductance", "diameter", "length", "wire"}};
        QStringList words{kind == Coil ? "coil" : kind == Match ? "match" : "dipole"};
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            words << QStringLiteral("\"--%1=%2\"").arg(kOptions[kind].at(i), inputs.at(i));
        }
        if (kind != Coil) {
            words << QStringLiteral("--position") << QString::number(percentage);
        }
        if (metric) {
            words << QStringLiteral("--metric");
        }
        return words.join(u' ').toUtf8();
    }
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
    std::mt19937 random(15);
    std::vector<Design> designs;
    for (int i = 0; i < 300; ++i) {
        Design d;
        d.kind = static_cast<Design::Kind>(i % 3);
        if (d.kind == Design::Coil) {
            d.inputs = {input(random, 0.1, 300), input(random, 0.25, 6), input(random, 0.25, 12),
                        input(random, 0.01, 0.2)};
        } else {
            d.inputs = {input(random, 1.8, 30), input(random, 5, 120), input(random, 0.01, 2)};
            d.percentage = 1 + static_cast<int>(random() % 99);
            d.metric = random() % 4 == 0;
        }
        if (d.kind == Design::Match) {
            d.inputs << input(random, 10, 600);
        }
        designs.push_back(d);
    }
    return designs;
}

// What a user does: a click of the left button at the middle of a control,
// and keys typed into the window, as the desktop delivers them.
void click(QWidget* window, const char* name) {
    QWidget* target = control(window, name);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      target->mapTo(window, target->rect().center()));
}

void typeInto(QWidget* window, const char* name, const QString& text) {
    click(window, name);
    QWindow* handle = window->windowHandle();
    QTest::keyClick(handle, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(handle, Qt::Key_Delete);
    for (const QChar c : text) {
        QTest::keyClick(handle, c.toLatin1());
    }
}

// From the percentage box, one step back in the tab order is the slider, which
// stands at 1 in a new window: Page Down moves it 10, Right 1.
void moveSlider(QWidget* window, int value) {
    click(window, mainfields::percentage);
    QWindow* handle = window->windowHandle();
    QTest::keyClick(handle, Qt::Key_Tab, Qt::ShiftModifier);
    for (int i = 0; i < (value - 1) / 10; ++i) {
        QTest::keyClick(handle, Qt::Key_PageDown);
    }
    for (int i = 0; i < (value - 1) % 10; ++i) {
        QTest::keyClick(handle, Qt::Key_Right);
    }
}

// What the window shows after the presses, in the shape of querlin-calc's
// JSON line: the results, or the fault that its report names.
QJsonObject shown(QWidget* window, const std::vector<std::pair<const char*, QString>>& results) {
    const auto reports = faultReports(window);
    if (!reports.isEmpty()) {
        return {{QStringLiteral("fault"), reports.front()->text()}};
    }
    QJsonObject object;
    for (const auto& [name, text] : results) {
        object.insert(QLatin1String(name), text);
    }
    return object;
}

QJsonObject shownByMainWindow(const Design& d) {
    using namespace mainfields;
    MainWindow window(Navigation{});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return {{QStringLiteral("window"), QStringLiteral("not exposed")}};
    }
    moveSlider(&window, sliderValueFor(d.percentage));
    if (text(&window, percentage) != QString::number(d.percentage)) {
        return {{QStringLiteral("% box"), text(&window, percentage)}};
    }
    typeInto(&window, frequency.name, d.inputs.at(0));
    typeInto(&window, totalLength.name, d.inputs.at(1));
    typeInto(&window, elementSize.name, d.inputs.at(2));
    if (d.metric) {
        click(&window, metric);
    }
    click(&window, loadingCalculate);
    std::vector<std::pair<const char*, QString>> results{
        {"distance", text(&window, coilDistance)},
        {"inductance", text(&window, loadingInductance)},
        {"impedance", text(&window, impedance)}};
    if (d.kind == Design::Match && faultReports(&window).isEmpty()) {
        typeInto(&window, feedlineImpedance.name, d.inputs.at(3));
        click(&window, matchingCalculate);
        results.emplace_back("matching", text(&window, matchingCoil));
    }
    return shown(&window, results);
}

QJsonObject shownByCoilWindow(const Design& d) {
    using namespace coilfields;
    CoilWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return {{QStringLiteral("window"), QStringLiteral("not exposed")}};
    }
    typeInto(&window, inductance.name, d.inputs.at(0));
    typeInto(&window, coilDiameter.name, d.inputs.at(1));
    typeInto(&window, coilLength.name, d.inputs.at(2));
    typeInto(&window, wireDiameter.name, d.inputs.at(3));
    click(&window, calculate);
    return shown(&window, {{"turns", text(&window, turns)},
                           {"message", control<QPlainTextEdit>(&window, message)->toPlainText()}});
}

QByteArray compact(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

}  // namespace

// querlin-calc and the windows run the same handlers; this proves that what
// they show agrees, text for text and fault for fault, design by design.
class CommandLineAgreementTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void batchAgreesWithTheWindows() {
        const std::vector<Design> all = designs();
        QByteArrayList lines;
        for (const Design& d : all) {
            lines << d.batchLine();
        }
        QProcess calc;
        calc.start(QStringLiteral(QUERLIN_CALC), {QStringLiteral("--batch")});
        calc.write(lines.join('\n') + '\n');
        calc.closeWriteChannel();
        QVERIFY(calc.waitForFinished(60000));
        QCOMPARE(calc.exitCode(), 1);  // some lines fault, none is misused
        QByteArrayList printed = calc.readAllStandardOutput().split('\n');
        QCOMPARE(printed.takeLast(), QByteArray());
        QCOMPARE(printed.size(), qsizetype(all.size()));

        int faults = 0;
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Design& d = all[i];
            const QJsonObject window =
                d.kind == Design::Coil ? shownByCoilWindow(d) : shownByMainWindow(d);
            QVERIFY2(compact(window) == printed[qsizetype(i)],
                     qPrintable(QStringLiteral("%1\n  window: %2\n  querlin-calc: %3")
                                    .arg(QString::fromUtf8(lines[qsizetype(i)]),
                                         QString::fromUtf8(compact(window)),
                                         QString::fromUtf8(printed[qsizetype(i)]))));
            faults += window.contains(QStringLiteral("fault")) ? 1 : 0;
        }
        // Both paths are well represented.
        QVERIFY2(faults >= 30 && faults <= 200, qPrintable(QString::number(faults)));
    }

    void exitStatusAndStandardError_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("errorStart");
        const QStringList dipole{"dipole",    "--frequency", "7.1",        "--length", "40",
                                 "--element", "0.08",        "--position", "50"};
        QTest::newRow("result") << dipole << 0 << QByteArray("10\n14.74\n31.55556\n")
                                << QByteArray();
        QTest::newRow("fault") << QStringList{"coil", "--inductance", "14.74", "--diameter",
                                              "1",    "--length",     "2",     "--wire",
                                              "x"}
                               << 1 << QByteArray()
                               << QByteArray("\"WIRE DECIMAL\" does not hold a number.\n");
        QTest::newRow("usage") << QStringList{"coil", "--inductance"} << 2 << QByteArray()
                               << QByteArray(
                                      "querlin-calc: Missing value after '--inductance'."
                                      "\nUsage: querlin-calc dipole ");
    }

    void exitStatusAndStandardError() {
        QFETCH(QStringList, arguments);
        QProcess calc;
        calc.start(QStringLiteral(QUERLIN_CALC), arguments);
        QVERIFY(calc.waitForFinished(10000));
        QCOMPARE(calc.exitStatus(), QProcess::NormalExit);
        QTEST(calc.exitCode(), "status");
        QTEST(calc.readAllStandardOutput(), "out");
        const QByteArray error = calc.readAllStandardError();
        QFETCH(QByteArray, errorStart);
        QVERIFY2(error.startsWith(errorStart) && error.isEmpty() == errorStart.isEmpty(),
                 error.constData());
    }
};

QTEST_MAIN(CommandLineAgreementTest)
#include "command_line_agreement_test.moc"
