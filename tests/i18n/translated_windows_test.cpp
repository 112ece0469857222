#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTranslator>
#include <QtTest>
#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "antenna/check_window.h"
#include "coil/coil_window.h"
#include "dipole/main_window.h"
#include "dipole/main_window_fields.h"
#include "info/notes_window.h"
#include "info/web_window.h"
#include "support/own_settings.h"
#include "support/window_input.h"

using namespace querlin;
using namespace querlin::testing;

namespace {

// The room Qt's line edit leaves its text on either side of its contents.
constexpr int kLineEditMargin = 2;
// The room the Fusion style leaves a push button's caption on either side.
constexpr int kButtonMargin = 4;

// Long enough for nec2c to check and build a design on a loaded machine.
constexpr int kEngineMs = 60'000;

// A window as it opens, or after the user has worked with it: what they do,
// typed and clicked into the shown window, and whether it then shows the
// result that proves it was done.
struct Scene {
    const char* name;
    std::function<QWidget*()> make;
    std::function<bool(QWidget*)> act = [](QWidget*) { return true; };
};

// The coil window's turns for the inputs, which give one of its two messages.
std::function<bool(QWidget*)> turns(const QString& length, const QString& wire,
                                    const QString& expected) {
    return [=](QWidget* window) {
        typeInto(window, "Text6", u"10"_qs);
        typeInto(window, "Text8", u"1"_qs);
        typeInto(window, "Text10", length);
        typeInto(window, "Text12", wire);
        click(window, "Command1");
        return shown(window, "Text14") == expected && !shown(window, "Text15").isEmpty();
    };
}

// The main window's worked example: 7.1 MHz, 40 feet, 0.08 inches, the coils
// half-way out.
bool workedExample(QWidget* window) {
    typeInto(window, mainfields::frequency.name, u"7.1"_qs);
    typeInto(window, mainfields::totalLength.name, u"40"_qs);
    typeInto(window, mainfields::elementSize.name, u"0.08"_qs);
    moveSlider(window, 50);
    click(window, mainfields::loadingCalculate);
    return shown(window, mainfields::loadingInductance) == u"14.74"_qs;
}

// The check window once nec2c has given the design's figures and what to
// build instead, the sweep of every position then cancelled, which would
// only take longer.
bool checkedAndBuilt(QWidget* window) {
    static_cast<CheckWindow*>(window)->check(
        {LastCalculation::State::Calculated, {u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50, false}, {}, {}});
    const auto shows = [window](const char* name) {
        const auto* figure = window->findChild<QLabel*>(QLatin1String(name));
        return figure != nullptr && !figure->text().isEmpty();
    };
    auto* cancel = control<QPushButton>(window, "CheckCancel");
    // A run that ends before it gets there has said why.
    const bool settled = QTest::qWaitFor(
        [&] { return (shows("resonance") && shows("build_swr")) || !cancel->isEnabled(); },
        kEngineMs);
    if (!shows("resonance") || !shows("build_swr")) {
        qWarning("the check %s without its figures (resonance %d, build %d): %s",
                 settled ? "ended" : "took too long", shows("resonance"), shows("build_swr"),
                 qPrintable(control<QLabel>(window, "CheckStatus")->text()));
        return false;
    }
    if (cancel->isEnabled()) {
        click(window, "CheckCancel");
    }
    return !cancel->isEnabled();
}

const std::vector<Scene>& scenes() {
    static const std::vector<Scene> all{
        {"Form1", [] { return new MainWindow(Navigation{}); }},
        {"Form1 worked example", [] { return new MainWindow(Navigation{}); }, workedExample},
        {"Form2", [] { return new CoilWindow; }},
        {"Form2 fits", [] { return new CoilWindow; }, turns(u"2"_qs, u"0.05"_qs, u"31.30495"_qs)},
        {"Form2 too small", [] { return new CoilWindow; },
         turns(u"1"_qs, u"0.1"_qs, u"24.08319"_qs)},
        {"Form3", [] { return new NotesWindow; }},
        {"web", [] { return new WebWindow([](const QUrl&) { return true; }); }},
        {"CheckWindow", [] { return new CheckWindow; }},
        {"CheckWindow checked", [] { return new CheckWindow; }, checkedAndBuilt},
    };
    return all;
}

// Every language the program ships, by the .qm files built into it.
QStringList languages() {
    QStringList found;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({u"querlin_*.qm"_qs})) {
        found << file.mid(8, file.size() - 11);
    }
    return found;
}

// The height of a multi-line box's text as the box lays it out, down to its
// last line that shows something: an empty last line is never missed.
int textHeight(QPlainTextEdit* box) {
    const QAbstractTextDocumentLayout* layout = box->document()->documentLayout();
    double height = 0;
    double shown = 0;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        height += layout->blockBoundingRect(block).height();
        if (!block.text().trimmed().isEmpty()) {
            shown = height;
        }
    }
    return static_cast<int>(std::ceil(shown + 2 * box->document()->documentMargin()));
}

// A multi-line box that shows the rest of a text too long for it when scrolled.
bool scrolls(QWidget* control) {
    const auto* box = qobject_cast<QPlainTextEdit*>(control);
    return box != nullptr && box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
}

// Why a control's text does not fit the room the control gives it, or
// nothing when it does. A box with a scroll bar does not fit when it needs
// scrolling.
QString clipped(QWidget* control) {
    const QFontMetrics metrics(control->font());
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        const int room = line->contentsRect().width() - 2 * kLineEditMargin;
        const int needed = metrics.horizontalAdvance(line->text());
        return needed <= room ? QString() : u"needs %1 px of %2"_qs.arg(needed).arg(room);
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        if (box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
            const int needed = textHeight(box);
            const int room = box->viewport()->height();
            return needed <= room ? QString()
                                  : u"scrolls: needs %1 px of %2"_qs.arg(needed).arg(room);
        }
        const int margin = static_cast<int>(box->document()->documentMargin());
        const QRect room = box->contentsRect().adjusted(margin, margin, -margin, -margin);
        // An empty last line shows nothing that could be cut off.
        QString text = box->toPlainText();
        while (text.endsWith(u'\n')) {
            text.chop(1);
        }
        const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap, text);
        return needed.height() <= room.height() && needed.width() <= room.width()
                   ? QString()
                   : u"needs %1 x %2 px of %3 x %4"_qs.arg(needed.width())
                         .arg(needed.height())
                         .arg(room.width())
                         .arg(room.height());
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        const QStringList lines = button->text().split(u'\n');
        int widest = 0;
        for (const QString& line : lines) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        const int room = button->width() - 2 * kButtonMargin;
        const int high = static_cast<int>(lines.size()) * metrics.height();
        return widest <= room && high <= button->height()
                   ? QString()
                   : u"needs %1 x %2 px of %3 x %4"_qs.arg(widest).arg(high).arg(room).arg(
                         button->height());
    }
    if (auto* option = qobject_cast<QRadioButton*>(control)) {
        const int needed = option->sizeHint().width();
        return needed <= option->width() ? QString()
                                         : u"needs %1 px of %2"_qs.arg(needed).arg(option->width());
    }
    if (auto* label = qobject_cast<QLabel*>(control);
        label != nullptr && !label->text().isEmpty()) {
        const QRect room = label->contentsRect();
        const QRect needed = metrics.boundingRect(
            room, label->wordWrap() ? int(Qt::TextWordWrap) : 0, label->text());
        return needed.width() <= room.width() && needed.height() <= room.height()
                   ? QString()
                   : u"needs %1 x %2 px of %3 x %4"_qs.arg(needed.width())
                         .arg(needed.height())
                         .arg(room.width())
                         .arg(room.height());
    }
    return {};
}

QString textOf(QWidget* control) {
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        return line->text();
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        return box->toPlainText();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    return {};
}

// Each named control's text in the language installed now.
std::map<QString, QString> textsOf(QWidget* window) {
    std::map<QString, QString> texts;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QString text = textOf(control);
        if (!control->objectName().isEmpty() && !text.isEmpty()) {
            texts[control->objectName()] = text;
        }
    }
    return texts;
}

// A scene in English: each named control's text, and the controls whose text
// does not fit there either: a number wider than its box, a box scrolled.
struct English {
    std::map<QString, QString> texts;
    std::set<QString> cutOff;

    // Whether the control shows what is cut off in English too, which is no
    // fault of the translation.
    bool alsoCutOff(QWidget* control) const {
        const QString name = control->objectName();
        return cutOff.contains(name) && (scrolls(control) || texts.at(name) == textOf(control));
    }
};

// The scene shown in the language installed now, its user's work done.
std::unique_ptr<QWidget> shownScene(const Scene& scene) {
    std::unique_ptr<QWidget> window(scene.make());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()) || !scene.act(window.get())) {
        qWarning("%s did not come to show what it should", scene.name);
        return nullptr;
    }
    return window;
}

}  // namespace

class TranslatedWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The check window starts from the model's defaults, in settings of
        // this run's own that no user or other test shares.
        QVERIFY(settings_.hold());
    }
    void shipsAtLeastGerman() { QVERIFY(languages().contains(u"de"_qs)); }

    void everyWindowInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("scene");
        for (const QString& language : languages()) {
            for (std::size_t i = 0; i < scenes().size(); ++i) {
                QTest::addRow("%s %s", qPrintable(language), scenes()[i].name)
                    << language << static_cast<int>(i);
            }
        }
    }

    // Every text fits its control, a box that needs no scrolling in English
    // needs none in the translation, and no control the translation speaks for
    // is left in English: as the window opens and after the user's work.
    void everyWindowInEveryLanguage() {
        QFETCH(QString, language);
        QFETCH(int, scene);
        const Scene& shown = scenes()[static_cast<std::size_t>(scene)];
        const English& english = inEnglish(scene);
        QVERIFY(!english.texts.empty());

        QTranslator translator;
        QVERIFY(translator.load(u":/i18n/querlin_"_qs + language + u".qm"_qs));
        QCoreApplication::installTranslator(&translator);
        const auto uninstall =
            qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        const std::unique_ptr<QWidget> translated = shownScene(shown);
        QVERIFY(translated != nullptr);

        for (QWidget* control : translated->findChildren<QWidget*>()) {
            if (!control->isVisible() || english.alsoCutOff(control)) {
                continue;
            }
            const QString why = clipped(control);
            QVERIFY2(why.isEmpty(), qPrintable(u"%1 \"%2\" is cut off: %3"_qs.arg(
                                        control->objectName(), textOf(control), why)));
        }
        const std::map<QString, QString> texts = textsOf(translated.get());
        int leftInEnglish = 0;
        for (const auto& [name, text] : english.texts) {
            const QByteArray context = translated->objectName() == u"CheckWindow"
                                           ? QByteArray("querlin::CheckWindow")
                                           : translated->objectName().toLatin1();
            // A multi-line box shows as line breaks the CR LF its table stores.
            QString wanted = translator.translate(context.constData(), text.toUtf8().constData());
            if (wanted.isEmpty()) {
                wanted = translator.translate(
                    context.constData(),
                    QString(text).replace(u'\n', u"\r\n"_qs).toUtf8().constData());
            }
            if (!wanted.isEmpty() && wanted != text && texts.contains(name) &&
                texts.at(name) == text) {
                qWarning("%s is still in English: %s", qPrintable(name), qPrintable(text));
                ++leftInEnglish;
            }
        }
        QCOMPARE(leftInEnglish, 0);
    }

  private:
    // Each scene once in English, the first time a language asks for it.
    const English& inEnglish(int scene) {
        auto found = english_.find(scene);
        if (found == english_.end()) {
            English seen;
            if (const std::unique_ptr<QWidget> window =
                    shownScene(scenes()[static_cast<std::size_t>(scene)])) {
                seen.texts = textsOf(window.get());
                for (QWidget* control : window->findChildren<QWidget*>()) {
                    if (seen.texts.contains(control->objectName()) && !clipped(control).isEmpty()) {
                        seen.cutOff.insert(control->objectName());
                    }
                }
            }
            found = english_.emplace(scene, std::move(seen)).first;
        }
        return found->second;
    }

    std::map<int, English> english_;
    OwnSettings settings_;
};

QTEST_MAIN(TranslatedWindowsTest)
#include "translated_windows_test.moc"
