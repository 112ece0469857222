#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QtTest>
#include <vector>

#include "app/application.h"
#include "widgets/widget_fields.h"
#include "coil/coil_window_fields.h"
#include "dipole/main_window.h"
#include "dipole/main_window_fields.h"
#include "support/widget_lookup.h"

using namespace querlin;
using namespace querlin::testing;

namespace {

struct Entry {
    const char* control;
    const char* text;  // a scroll bar's value as digits
};

// A button whose handler reads input fields, the good texts of its window, and
// one result that the good press gives.
struct ReadingPress {
    const char* window;  // objectName; a window other than the main window is opened first
    const char* button;
    std::vector<Field> inputs{};         // the fields its handler reads
    std::vector<Entry> good{};           // typed, in this order, before every press
    std::vector<const char*> before{};   // buttons pressed with the good texts first
    std::vector<const char*> outputs{};  // the fields its handler writes
    Entry result{};
};

const std::vector<ReadingPress>& readingPresses() {
    using namespace mainfields;
    static const std::vector<Entry> antenna{{"Text5", "7.1"},
                                            {"Text6", "40"},
                                            {"Text14", "0.08"},
                                            {"HScroll1", "50"},
                                            {"Text27", "50"}};
    static const std::vector<ReadingPress> presses{
        {.window = "Form1",
         .button = "Command5",
         .inputs = {frequency, totalLength, elementSize},
         .good = antenna,
         .outputs = {coilDistance, loadingInductance, impedance},
         .result = {loadingInductance, "14.74"}},
        {.window = "Form1",
         .button = "Command7",
         .inputs = {feedlineImpedance},
         .good = antenna,
         .before = {"Command5"},
         .outputs = {matchingCoil},
         .result = {matchingCoil, "1.463956"}},
        {.window = "Form2",
         .button = coilfields::calculate,
         .inputs = {coilfields::inductance, coilfields::coilDiameter, coilfields::coilLength,
                    coilfields::wireDiameter},
         .good = {{"Text6", "10"}, {"Text8", "1"}, {"Text10", "2"}, {"Text12", "0.05"}},
         .outputs = {coilfields::turns, coilfields::message},
         .result = {coilfields::turns, "31.30495"}},
    };
    return presses;
}

// The buttons of the main window that open the other windows.
struct Opener {
    const char* window;
    const char* button;
};
const std::vector<Opener> kOpeners{
    {"Form2", "Command6"}, {"Form3", "Command2"}, {"web", "Command4"}};

// The classes of text that no field reads as a number, as a user could type or
// paste them.
const std::vector<std::pair<const char*, QString>>& badTexts() {
    static const std::vector<std::pair<const char*, QString>> texts{
        {"empty", QString()},
        {"blanks only", QStringLiteral("   ")},
        {"letters", QStringLiteral("seven")},
        {"beyond the single range", QStringLiteral("1E39")},
        {"beyond the negative single range", QStringLiteral("-1E39")},
        {"infinity", QStringLiteral("inf")},
        {"not a number", QStringLiteral("nan")},
        {"hexadecimal", QStringLiteral("0x1A")},
        {"thousands separator", QStringLiteral("1,000")},
        {"a megabyte of digits", QString(1 << 20, u'9')},
        {"NUL character", QStringLiteral("7") + QChar(u'\0') + QStringLiteral(".1")},
        {"right-to-left marks", QStringLiteral(u"\u202E7.1\u200F")},
        {"combining mark", QStringLiteral(u"7\u0301.1")},
        {"Arabic-Indic digits", QStringLiteral(u"\u0667.\u0661")},
    };
    return texts;
}

}  // namespace

// Every input field given every class of text that is not a number: one fault
// report naming the field, nothing written, and the program goes on.
class BadInputTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The thousands separator of the English locale is what "1,000" tries.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void init() {
        app_ = std::make_unique<Application>();
        app_->mainWindow().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app_->mainWindow()));
    }
    void cleanup() { app_.reset(); }

    void reportsOnceAndGoesOn_data() {
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("bad");
        for (std::size_t p = 0; p < readingPresses().size(); ++p) {
            const ReadingPress& press = readingPresses()[p];
            for (std::size_t i = 0; i < press.inputs.size(); ++i) {
                for (const auto& [name, text] : badTexts()) {
                    QTest::addRow("%s %s: %s", press.window, press.inputs[i].name, name)
                        << static_cast<int>(p) << static_cast<int>(i) << text;
                }
            }
        }
    }

    void reportsOnceAndGoesOn() {
        QFETCH(int, press);
        QFETCH(int, input);
        QFETCH(QString, bad);
        const ReadingPress& reading = readingPresses()[static_cast<std::size_t>(press)];
        const Field& field = reading.inputs[static_cast<std::size_t>(input)];
        QWidget* window = open(reading.window);
        typeGood(window, reading);
        QVERIFY(faultReports(window).isEmpty());

        paste(window, field.name, bad);
        QStringList outputs;
        for (const char* output : reading.outputs) {
            outputs << shown(window, output);
        }
        click(window, reading.button);

        const auto reports = faultReports(window);
        QCOMPARE(reports.size(), 1);
        const QString caption = QStringLiteral("\"%1\"").arg(QLatin1String(field.caption));
        QVERIFY2(reports.front()->text().contains(caption), qPrintable(reports.front()->text()));
        for (std::size_t i = 0; i < reading.outputs.size(); ++i) {
            QCOMPARE(shown(window, reading.outputs[i]), outputs[static_cast<qsizetype>(i)]);
        }
        dismissFaultReports(window);

        typeGood(window, reading);
        click(window, reading.button);
        QVERIFY(faultReports(window).isEmpty());
        QCOMPARE(shown(window, reading.result.control), QString::fromLatin1(reading.result.text));
    }

  private:
    QWidget* open(const char* name) {
        QWidget* main = &app_->mainWindow();
        if (main->objectName() == QLatin1String(name)) {
            return main;
        }
        for (const Opener& opener : kOpeners) {
            if (QLatin1String(opener.window) == QLatin1String(name)) {
                click(main, opener.button);
            }
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String(name)) {
                return window;
            }
        }
        qFatal("no window %s", name);
    }

    // The text of a single-line or multi-line box.
    static QString shown(QWidget* window, const char* control) {
        return WidgetFields(window).text(QString::fromLatin1(control));
    }

    // Pastes the text whole, as the clipboard would: the field takes what its
    // length limit allows.
    static void paste(QWidget* window, const char* field, const QString& text) {
        auto* box = control<QLineEdit>(window, field);
        box->selectAll();
        box->insert(text);
    }

    static void typeGood(QWidget* window, const ReadingPress& reading) {
        for (const Entry& entry : reading.good) {
            if (auto* bar = window->findChild<QScrollBar*>(QString::fromLatin1(entry.control))) {
                bar->setValue(QString::fromLatin1(entry.text).toInt());
            } else {
                paste(window, entry.control, QString::fromLatin1(entry.text));
            }
        }
        for (const char* button : reading.before) {
            click(window, button);
        }
    }

    std::unique_ptr<Application> app_;
};

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
