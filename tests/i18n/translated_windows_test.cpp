#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <QtTest>
#include <functional>
#include <map>

#include "antenna/check_window.h"
#include "coil/coil_window.h"
#include "dipole/main_window.h"
#include "info/notes_window.h"
#include "info/web_window.h"

using namespace querlin;

namespace {

// The room Qt's line edit leaves its text on either side of its contents.
constexpr int kLineEditMargin = 2;
// The room the Fusion style leaves a push button's caption on either side.
constexpr int kButtonMargin = 4;

struct Window {
    const char* name;
    std::function<QWidget*()> make;
};

const std::vector<Window>& windows() {
    static const std::vector<Window> all{
        {"Form1", [] { return new MainWindow(Navigation{}); }},
        {"Form2", [] { return new CoilWindow; }},
        {"Form3", [] { return new NotesWindow; }},
        {"web", [] { return new WebWindow([](const QUrl&) { return true; }); }},
        {"CheckWindow", [] { return new CheckWindow; }},
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

// Why a control's text does not fit the room the control gives it, or
// nothing when it does.
QString clipped(QWidget* control) {
    const QFontMetrics metrics(control->font());
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        const int room = line->contentsRect().width() - 2 * kLineEditMargin;
        const int needed = metrics.horizontalAdvance(line->text());
        return needed <= room ? QString() : u"needs %1 px of %2"_qs.arg(needed).arg(room);
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        if (box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
            return {};  // a box with a scroll bar shows the rest when scrolled
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

}  // namespace

class TranslatedWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void shipsAtLeastGerman() { QVERIFY(languages().contains(u"de"_qs)); }

    void everyWindowInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("window");
        for (const QString& language : languages()) {
            for (std::size_t i = 0; i < windows().size(); ++i) {
                QTest::addRow("%s %s", qPrintable(language), windows()[i].name)
                    << language << static_cast<int>(i);
            }
        }
    }

    // Every text fits its control, and no control the translation speaks for
    // is left in English.
    void everyWindowInEveryLanguage() {
        QFETCH(QString, language);
        QFETCH(int, window);
        const Window& shown = windows()[static_cast<std::size_t>(window)];

        std::unique_ptr<QWidget> english(shown.make());
        const std::map<QString, QString> englishTexts = textsOf(english.get());

        QTranslator translator;
        QVERIFY(translator.load(u":/i18n/querlin_"_qs + language + u".qm"_qs));
        QCoreApplication::installTranslator(&translator);
        std::unique_ptr<QWidget> translated(shown.make());
        translated->show();
        QVERIFY(QTest::qWaitForWindowExposed(translated.get()));

        for (QWidget* control : translated->findChildren<QWidget*>()) {
            if (!control->isVisible()) {
                continue;
            }
            const QString why = clipped(control);
            QVERIFY2(why.isEmpty(), qPrintable(u"%1 \"%2\" is cut off: %3"_qs.arg(
                                        control->objectName(), textOf(control), why)));
        }
        const std::map<QString, QString> texts = textsOf(translated.get());
        int leftInEnglish = 0;
        for (const auto& [name, text] : englishTexts) {
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
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(leftInEnglish, 0);
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "translated_windows_test.moc"
