#include "app/application.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QtTest>

#include "dipole/main_window.h"
#include "support/widget_lookup.h"

using namespace querlin;
using namespace querlin::testing;

// The coil window as the main window's three buttons share it: one instance,
// shown beside the main window, built anew after its close box.
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
        type(coil, "Text6", QStringLiteral("14.74"));
        click(main, "Command3");
        click(main, "Command6");
        QCOMPARE(app_->coilWindow().window(), coil);
        QCOMPARE(text(coil, "Text6"), QStringLiteral("14.74"));
        const auto windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return w->objectName() == "Form2"; }),
                 1);
    }

    void closedCoilWindowIsBuiltAnew() {
        click(&app_->mainWindow(), "Command6");
        QPointer<QWidget> first = app_->coilWindow().window();
        type(first, "Text6", QStringLiteral("14.74"));
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());  // the close box discards the window

        click(&app_->mainWindow(), "Command1");
        QWidget* rebuilt = app_->coilWindow().window();
        QVERIFY(rebuilt->isVisible());
        QCOMPARE(text(rebuilt, "Text6"), QStringLiteral("0"));
    }

  private:
    std::unique_ptr<Application> app_;
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
