#include "app/application.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "dipole/main_window.h"
#include "support/widget_lookup.h"

using namespace querlin;
using namespace querlin::testing;

// The program's windows as a user meets them: one instance of each secondary
// window, shown beside the main window, built anew after its close box.
class ApplicationTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        app_ = std::make_unique<Application>();
        app_->mainWindow().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app_->mainWindow()));
    }
    void cleanup() { app_.reset(); }

    void onlyTheMainWindowExistsAtStart() {
        QCOMPARE(app_->coilWindow().window(), nullptr);
        QCOMPARE(app_->notesWindow().window(), nullptr);
        QCOMPARE(app_->webLinkWindow().window(), nullptr);
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    }

    void threeButtonsShareOneCoilWindow() {
        QWidget* main = &app_->mainWindow();
        click(main, "Command1");
        QWidget* coil = app_->coilWindow().window();
        QVERIFY(coil != nullptr);
        QCOMPARE(coil->objectName(), QStringLiteral("Form2"));
        QVERIFY(coil->isVisible());
        QCOMPARE(coil->parentWidget(), nullptr);  // an independent top-level window
        QVERIFY(!coil->isModal());
        coil->setProperty("typed", 14.74);
        click(main, "Command3");
        click(main, "Command6");
        QCOMPARE(app_->coilWindow().window(), coil);
        QCOMPARE(coil->property("typed").toDouble(), 14.74);
        const auto coils = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(coils.begin(), coils.end(),
                               [](QWidget* w) { return w->objectName() == "Form2"; }),
                 1);
    }

    void closedWindowIsBuiltAnew() {
        QWidget* main = &app_->mainWindow();
        for (const char* button : {"Command6", "Command2", "Command4"}) {
            click(main, button);
        }
        for (WindowSlot* slot :
             {&app_->coilWindow(), &app_->notesWindow(), &app_->webLinkWindow()}) {
            QPointer<QWidget> first = slot->window();
            QVERIFY(first != nullptr);
            first->setProperty("typed", true);
            first->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(first.isNull());  // the close box discards the window
        }
        for (const char* button : {"Command6", "Command2", "Command4"}) {
            click(main, button);
        }
        for (WindowSlot* slot :
             {&app_->coilWindow(), &app_->notesWindow(), &app_->webLinkWindow()}) {
            QVERIFY(slot->window()->isVisible());
            QVERIFY(!slot->window()->property("typed").isValid());
        }
    }

    // Runs the event loop: the program must end when, and only when, its last
    // window closes.
    void programRunsWhileASecondaryWindowIsOpen() {
        click(&app_->mainWindow(), "Command2");
        QPointer<QWidget> notes = app_->notesWindow().window();
        QVERIFY(QTest::qWaitForWindowExposed(notes));

        bool runningAfterMainClosed = false;
        bool timedOut = false;
        QTimer::singleShot(0, [&] {
            app_->mainWindow().close();
            QTimer::singleShot(100, [&] {
                runningAfterMainClosed = notes != nullptr && notes->isVisible();
                notes->close();
            });
        });
        QTimer::singleShot(5000, [&] {
            timedOut = true;
            QCoreApplication::quit();
        });
        QApplication::exec();
        QVERIFY(runningAfterMainClosed);
        QVERIFY(!timedOut);
    }

  private:
    std::unique_ptr<Application> app_;
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
