#include <QImage>
#include <QPixmap>
#include <QtTest>
#include <cmath>

#include "dipole/main_window.h"
#include "dipole/main_window_table.h"
#include "support/widget_lookup.h"
#include "widgets/window_builder.h"

using namespace querlin;
using namespace querlin::testing;

// The main window on a screen of any pixel density. CTest runs this test once
// at the usual density and once with QT_SCALE_FACTOR=2: the layout is in
// logical pixels and must not move, and the bitmaps must stay sharp, each of
// their pixels a square block of device pixels.
class MainWindowScaleTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        window_ = std::make_unique<MainWindow>(Navigation{});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    // Guards the other cases: at the wrong density they would prove nothing.
    void runsAtTheRequestedDensity() {
        const double expected =
            qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QCOMPARE(window_->devicePixelRatio(), expected);
    }

    void everyControlKeepsItsTwipsGeometry() {
        QCOMPARE(window_->size(), QSize(612, 448));
        for (const ControlSpec& row : mainWindowControls()) {
            QWidget* widget = control(window_.get(), row.name);
            QPoint origin;
            int left = twipsToPixels(row.at.left);
            if (row.container != nullptr) {
                origin = widget->parentWidget()->contentsRect().topLeft();
                // The coil symbols stand where the slider's first value put them.
                left = static_cast<int>(std::lround(widget->property("left").toFloat()));
            }
            const QRect expected(origin.x() + left, origin.y() + twipsToPixels(row.at.top),
                                 twipsToPixels(row.at.width), twipsToPixels(row.at.height));
            QVERIFY2(widget->geometry() == expected, qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                                                    .arg(QLatin1String(row.name))
                                                                    .arg(widget->x())
                                                                    .arg(widget->y())
                                                                    .arg(widget->width())
                                                                    .arg(widget->height())));
        }
    }

    void bitmapsArePixelDoubledWithoutSmoothing_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("bitmap");
        QTest::addColumn<QRect>("area");  // in the picture's client area, logical pixels
        QTest::newRow("left coil") << "Picture2"
                                   << "coil.png" << QRect(0, 0, 73, 33);
        QTest::newRow("right coil") << "Picture3"
                                    << "coil.png" << QRect(0, 0, 70, 33);
        // The stretch of antenna between the two coil symbols.
        QTest::newRow("antenna") << "Picture1"
                                 << "antenna.png" << QRect(80, 0, 430, 37);
    }
    void bitmapsArePixelDoubledWithoutSmoothing() {
        QFETCH(QString, picture);
        QFETCH(QString, bitmap);
        QFETCH(QRect, area);
        QWidget* widget = control(window_.get(), qPrintable(picture));
        const double ratio = widget->devicePixelRatio();
        const int scale = static_cast<int>(std::lround(ratio));
        QCOMPARE(ratio, static_cast<double>(scale));

        const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect onScreen = area.translated(widget->contentsRect().topLeft());
        const QImage drawn = shown.copy(QRect(onScreen.topLeft() * scale, onScreen.size() * scale));
        const QImage expected =
            QImage(QStringLiteral(QUERLIN_ASSETS_DIR "/") + bitmap)
                .copy(area)
                .scaled(area.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.size(), expected.size());
        int differing = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                differing += drawn.pixel(x, y) != expected.pixel(x, y) ? 1 : 0;
            }
        }
        QCOMPARE(differing, 0);
    }

  private:
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(MainWindowScaleTest)
#include "main_window_scale_test.moc"
