#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/application.h"
#include "widgets/widget_fields.h"
#include "dipole/main_window.h"
#include "info/notes_window.h"

namespace querlin {

// The notes and web page link windows as the main window opens them: one
// instance each, built anew after its close box, and keeping the program
// running while either is open.
class InfoWindowLifetimeTest : public QObject {
    Q_OBJECT

  private slots:
    void notesAreBuiltAnewAfterTheirCloseBox();
    void theLinkWindowIsBuiltAnewAtItsStoredPlace();
    void theProgramEndsWithTheNotesNotWithTheMainWindow();

  private:
    static void press(Application& application, const char* button) {
        QTest::mouseClick(
            application.mainWindow().findChild<QPushButton*>(QString::fromLatin1(button)),
            Qt::LeftButton);
    }
    static void closeAndDiscard(QWidget* window) {
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

void InfoWindowLifetimeTest::notesAreBuiltAnewAfterTheirCloseBox() {
    const QStringList boxes{u"Text1"_qs, u"Text2"_qs, u"Text3"_qs};
    QStringList stored;
    {
        NotesWindow fresh;
        WidgetFields fields(&fresh);
        for (const QString& name : boxes) {
            stored << fields.text(name);
        }
    }

    Application application;
    application.mainWindow().show();
    press(application, "Command2");  // READ ME FIRST
    QPointer<QWidget> notes = application.notesWindow().window();
    QVERIFY(notes != nullptr);
    QCOMPARE(notes->objectName(), u"Form3"_qs);
    QVERIFY(notes->isVisible());
    QVERIFY(notes->parentWidget() == nullptr);

    auto* first = notes->findChild<QPlainTextEdit*>(u"Text1"_qs);
    first->selectAll();
    QTest::keyClicks(first, u"MY OWN NOTE"_qs);
    QTest::keyClicks(notes->findChild<QPlainTextEdit*>(u"Text3"_qs), u"+"_qs);
    QCOMPARE(first->toPlainText(), u"MY OWN NOTE"_qs);

    // Pressed again while open: the same window, typing and all.
    press(application, "Command2");
    QCOMPARE(application.notesWindow().window(), notes.data());
    QCOMPARE(first->toPlainText(), u"MY OWN NOTE"_qs);

    closeAndDiscard(notes);
    QVERIFY(notes.isNull());
    QVERIFY(application.notesWindow().window() == nullptr);

    press(application, "Command2");
    QWidget* rebuilt = application.notesWindow().window();
    QVERIFY(rebuilt != nullptr);
    QVERIFY(rebuilt->isVisible());
    WidgetFields fields(rebuilt);
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        QCOMPARE(fields.text(boxes[i]), stored[i]);
    }
}

void InfoWindowLifetimeTest::theLinkWindowIsBuiltAnewAtItsStoredPlace() {
    Application application;
    application.mainWindow().show();
    press(application, "Command4");  // WEBSITE
    QPointer<QWidget> web = application.webLinkWindow().window();
    QVERIFY(web != nullptr);
    QCOMPARE(web->objectName(), u"web"_qs);
    QVERIFY(QTest::qWaitForWindowExposed(web));
    const QPoint stored = web->geometry().topLeft();
    web->move(stored + QPoint(200, 150));
    QTRY_VERIFY(web->geometry().topLeft() != stored);

    closeAndDiscard(web);
    QVERIFY(web.isNull());

    press(application, "Command4");
    QWidget* rebuilt = application.webLinkWindow().window();
    QVERIFY(rebuilt != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(rebuilt));
    QCOMPARE(rebuilt->geometry().topLeft(), stored);
    QCOMPARE(rebuilt->findChild<QLabel*>(u"Label2"_qs)->text(), u"Click Link Below to "_qs);
}

void InfoWindowLifetimeTest::theProgramEndsWithTheNotesNotWithTheMainWindow() {
    QVERIFY(QApplication::quitOnLastWindowClosed());
    Application application;
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    application.mainWindow().show();
    press(application, "Command2");
    QPointer<QWidget> notes = application.notesWindow().window();
    QVERIFY(notes != nullptr);

    int lastClosedWithNotesOpen = -1;
    bool notesOpenAfterMain = false;
    QTimer::singleShot(0, [&] {
        application.mainWindow().close();
        QTimer::singleShot(50, [&] {
            lastClosedWithNotesOpen = static_cast<int>(lastClosed.count());
            notesOpenAfterMain = notes != nullptr && notes->isVisible();
            if (notes != nullptr) {
                notes->close();
            }
        });
    });
    // Ends a run that the last window failed to end.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(notesOpenAfterMain);
    QCOMPARE(lastClosedWithNotesOpen, 0);
    QCOMPARE(lastClosed.count(), 1);
}

}  // namespace querlin

QTEST_MAIN(querlin::InfoWindowLifetimeTest)
#include "info_window_lifetime_test.moc"
