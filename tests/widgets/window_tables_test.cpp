#include <QFrame>
#include <QtTest>
#include <functional>

#include "coil/coil_window.h"
#include "coil/coil_window_table.h"
#include "dipole/main_window.h"
#include "dipole/main_window_table.h"
#include "info/notes_window.h"
#include "info/notes_window_table.h"
#include "info/web_window.h"
#include "info/web_window_table.h"
#include "support/window_input.h"
#include "window_builder.h"

using namespace querlin;
using namespace querlin::testing;

namespace {

struct Described {
    std::function<QWidget*()> make;
    const WindowDescription& description;
    std::span<const ControlRow> controls;
};

const std::vector<Described>& windows() {
    static const std::vector<Described> all{
        {[] { return new MainWindow(Navigation{}); }, mainWindowDescription(),
         mainWindowControls()},
        {[] { return new CoilWindow; }, coilWindowDescription(), coilWindowControls()},
        {[] { return new NotesWindow; }, notesWindowDescription(), notesWindowControls()},
        {[] { return new WebWindow([](const QUrl&) { return true; }); }, webWindowDescription(),
         webWindowControls()},
    };
    return all;
}

// A picture shows its bitmap pixel for pixel, each pixel a block of device
// pixels on a dense screen, never smoothed. The coil symbols lie over the
// antenna: its visible part is between them.
void showsItsBitmap(QFrame* picture, const ControlRow& row) {
    const int scale = static_cast<int>(picture->devicePixelRatio());
    QImage drawn = picture->grab(picture->contentsRect()).toImage();
    drawn.setDevicePixelRatio(1);
    const QRect area = row.container == nullptr ? QRect(80, 0, 430, 37) : QRect(0, 0, 70, 33);
    const QImage expected = QImage(QStringLiteral(QUERLIN_ASSETS_DIR "/") + row.text)
                                .copy(area)
                                .scaled(area.size() * scale);
    QCOMPARE(drawn.copy(QRect(area.topLeft() * scale, area.size() * scale))
                 .convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32));
}

}  // namespace

// Each window's table, checked once against the window built from it, at the
// usual pixel density and at twice it; how each looks is the application
// test's comparison with the README's pictures.
class WindowTablesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyWindowIsItsTable_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < windows().size(); ++i) {
            QTest::newRow(windows()[i].description.name) << static_cast<int>(i);
        }
    }

    void everyWindowIsItsTable() {
        QFETCH(int, index);
        const Described& d = windows()[static_cast<std::size_t>(index)];
        std::unique_ptr<QWidget> window(d.make());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->objectName(), QLatin1String(d.description.name));
        QCOMPARE(window->windowTitle(), QLatin1String(d.description.caption));
        QCOMPARE(window->minimumSize() == window->maximumSize(), !d.description.sizable);
        QCOMPARE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint),
                 d.description.minimiseMaximise);

        QList<QWidget*> tabOrder;
        for (const ControlRow& row : d.controls) {
            QWidget* widget = control(window.get(), row.name);
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), row.name);
            if (row.kind == ControlKind::PictureBox) {
                showsItsBitmap(static_cast<QFrame*>(widget), row);
            }
            if (widget->focusPolicy() & Qt::TabFocus) {
                tabOrder << widget;
            }
        }
        QWidget* next = window->focusWidget();  // the first in the table, then each in turn
        for (QWidget* expected : tabOrder) {
            QCOMPARE(next, expected);
            do {
                next = next->nextInFocusChain();
            } while (!(next->focusPolicy() & Qt::TabFocus));
        }
        if (d.description.sizable) {
            const QRect before = control(window.get(), d.controls.back().name)->geometry();
            window->resize(window->size() / 2);
            QCOMPARE(control(window.get(), d.controls.back().name)->geometry(), before);
        }
    }
};

QTEST_MAIN(WindowTablesTest)
#include "window_tables_test.moc"
