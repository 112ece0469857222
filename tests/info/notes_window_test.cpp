#include "info/notes_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include "widgets/widget_fields.h"

namespace querlin {

class NotesWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void window();
    void storedTexts_data();
    void storedTexts();
    void boxes();
    void focusStartsInTheFirstBoxAndRunsInTabOrder();

  private:
    QPlainTextEdit* box(const char* name) const {
        return window_->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    }

    NotesWindow* window_ = nullptr;
};

void NotesWindowTest::init() {
    window_ = new NotesWindow;
}

void NotesWindowTest::cleanup() {
    delete window_;
    window_ = nullptr;
}

void NotesWindowTest::window() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QCOMPARE(window_->objectName(), u"Form3"_qs);
    QCOMPARE(window_->windowTitle(), u"NOTES"_qs);
    QCOMPARE(window_->size(), QSize(562, 388));
    QVERIFY(window_->minimumSize() != window_->maximumSize());  // sizable
    QVERIFY(window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(window_->palette().color(QPalette::Window), QColor(128, 255, 255));
    QCOMPARE(window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 3);
}

void NotesWindowTest::storedTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("lines");

    QTest::newRow("Text1") << u"Text1"_qs
                           << u"POINTS\r\n"
                              "1   QUERLIN ARE NOT AS EFFICIENT AS A FULL SIZE DIPOLES\r\n"
                              "2   THEY ARE NOT AS BROADBAND\r\n"
                              "3   THE COILS BEST POSTION IS ABOUT 50% OF THE DISTANCE FROM\r\n"
                              "     THE CENTER. TOO CLOSE IN LIMITS THE CURRENT. TOO FAR OUT\r\n"
                              "     LIMITS THE VOLTAGE AND REQUIRES MUCH LARGER COILS.\r\n"
                              "4  PROXIMITY TO OBJECTS  MAY MAKE THE ANTENNA LONGER BY\r\n"
                              "    CAPACITANCE LOADING, BUT IT IS BEST TO MAKE THE ANTENNA \r\n"
                              "    LONGER THAN DESIGN AND TRIM BACK THE ENDS THAN TO TRY TO \r\n"
                              "    INCREASE THE COIL INDUCTANCE AFTER IT IS ALREADY BUILT.\r\n"_qs
                           << 10;
    QTest::newRow("Text2")
        << u"Text2"_qs
        << u"THE ANTENNA MAY BE MATCHED BY STUB, HAIRPIN OR EVEN A DELTA OR GAMMA\r\n"
           "IF YOU USE THE MATCHING COIL, THE ANTENNA IS LIMITED TO THE DESIGN FREQUENCY\r\n"
           "LARGER MATCHING INDUCTORS CAN BE USED WITH VARIABLE CAPACITORS TO ALLOW\r\n"
           "TUNING WITHIN THE BAND OR FOR MULTIPLE BANDS.\r\n"_qs
        << 4;
    QTest::newRow("Text3") << u"Text3"_qs
                           << u"IF YOU GET A NEGATIVE NUMBER FOR THE MATCHING COIL, THEN THE \r\n"
                              "ANTENNA IS LONGER THAN YOU REQUIRE FOR THAT FREQUENCY. THE \r\n"
                              "ANTENNA MAY BE TUNED WITH VARIABLE CAPACITORS.  \r\n"_qs
                           << 3;
}

// Blanks and line breaks exactly as stored, the closing line break leaving an
// empty last line. Every stored line fits its box, so none is wrapped.
void NotesWindowTest::storedTexts() {
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(int, lines);

    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QCOMPARE(WidgetFields(window_).text(name), stored);

    auto* shown = window_->findChild<QPlainTextEdit*>(name);
    QCOMPARE(shown->document()->blockCount(), lines + 1);
    QVERIFY(shown->document()->lastBlock().text().isEmpty());
    for (QTextBlock block = shown->document()->begin(); block.isValid(); block = block.next()) {
        QVERIFY2(block.layout()->lineCount() <= 1, qPrintable(block.text()));
    }
}

void NotesWindowTest::boxes() {
    const QColor windowText = QApplication::palette().color(QPalette::Active, QPalette::Text);
    struct Expected {
        const char* name;
        QRect pixels;
        qreal points;
        bool border;
    };
    for (const Expected& expected : {Expected{"Text1", {8, 8, 537, 177}, 9.75, false},
                                     Expected{"Text2", {8, 216, 553, 73}, 8.25, false},
                                     Expected{"Text3", {8, 304, 545, 73}, 9.75, true}}) {
        QPlainTextEdit* text = box(expected.name);
        QVERIFY2(text != nullptr, expected.name);
        QCOMPARE(text->parentWidget(), window_);
        QCOMPARE(text->geometry(), expected.pixels);
        QCOMPARE(text->font().pointSizeF(), expected.points);
        QCOMPARE(text->font().weight(), QFont::Bold);
        QCOMPARE(text->frameWidth() > 0, expected.border);
        QCOMPARE(text->viewport()->palette().color(QPalette::Base), QColor(128, 255, 255));
        QCOMPARE(text->viewport()->palette().color(QPalette::Text), windowText);
        QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(!text->isReadOnly());
    }
}

void NotesWindowTest::focusStartsInTheFirstBoxAndRunsInTabOrder() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    QCOMPARE(QApplication::focusWidget(), box("Text1"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box("Text2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box("Text3"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box("Text1"));
}

}  // namespace querlin

QTEST_MAIN(querlin::NotesWindowTest)
#include "notes_window_test.moc"
