#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "support/window_input.h"
#include "widget_fields.h"

using namespace querlin;
using namespace querlin::testing;

// A text box too narrow for the number the program writes into it shows the
// number's beginning, whatever the person had scrolled to before: a box that
// showed a number's end would hide its leading digits, and with them its size.
class WidgetFieldsTest : public QObject {
    Q_OBJECT

  private slots:
    void aWrittenNumberShowsItsBeginning_data() {
        QTest::addColumn<QString>("typed");  // by the person, who leaves the cursor at its end
        QTest::addColumn<QString>("written");
        const QString wide = u"9876543210987654321098765432109876543210"_qs;
        QTest::newRow("over a long number typed")
            << u"1234567890123456789012345678901234567890"_qs << wide;
        QTest::newRow("over a short number typed") << u"7.1"_qs << wide;
    }

    void aWrittenNumberShowsItsBeginning() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QWidget window;
        window.setObjectName(u"Form1"_qs);
        auto* box = new QLineEdit(&window);
        box->setObjectName(u"Text1"_qs);
        box->setFixedWidth(60);
        (new QVBoxLayout(&window))->addWidget(box);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        typeInto(&window, "Text1", typed);
        QCOMPARE(box->text(), typed);
        box->repaint();

        WidgetFields(&window).setText(u"Text1"_qs, written);
        box->repaint();
        // The character boundary at the left edge of the box's text, as painted.
        const QPoint leftEdge(box->contentsRect().left() + 3, box->height() / 2);
        QCOMPARE(box->cursorPositionAt(leftEdge), 0);
        QCOMPARE(box->text(), written);
    }
};

QTEST_MAIN(WidgetFieldsTest)
#include "widget_fields_test.moc"
