#include "info/web_window.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

namespace querlin {

// Takes the addresses handed to the default browser, so that no browser starts.
class BrowserStandIn : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> opened;

  public slots:
    void open(const QUrl& url) { opened << url; }
};

class WebWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void window();
    void labels();
    void theHandShowsOverTheLinkOnly();
    void eachClickOnTheLinkOpensThePageOnce();
    void otherClicksOpenNothing();
    void aFailingOpenerIsReportedOnce();

  private:
    QLabel* label(const char* name) const {
        return window_->findChild<QLabel*>(QString::fromLatin1(name));
    }
    void expectStoredTexts() const;

    BrowserStandIn browser_;
    WebWindow* window_ = nullptr;
};

void WebWindowTest::init() {
    browser_.opened.clear();
    QDesktopServices::setUrlHandler(u"https"_qs, &browser_, "open");
    QDesktopServices::setUrlHandler(u"http"_qs, &browser_, "open");
    window_ = new WebWindow;
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void WebWindowTest::cleanup() {
    delete window_;
    window_ = nullptr;
    QDesktopServices::unsetUrlHandler(u"https"_qs);
    QDesktopServices::unsetUrlHandler(u"http"_qs);
}

void WebWindowTest::expectStoredTexts() const {
    QCOMPARE(label("Label1")->text(), u"The link will be opened in your default browser."_qs);
    QCOMPARE(label("Label2")->text(), u"Click Link Below to "_qs);
    QCOMPARE(label("lblWebPage")->text(), QString::fromLatin1(kWebPageAddress));
}

void WebWindowTest::window() {
    QCOMPARE(window_->objectName(), u"web"_qs);
    QCOMPARE(window_->windowTitle(), u"Web Page Link"_qs);
    QCOMPARE(window_->minimumSize(), window_->maximumSize());  // not resizable
    QCOMPARE(window_->height(), 123);
    // The stored width, unless a long configured address needs a wider window.
    const QRect link = label("lblWebPage")->geometry();
    if (link.right() < 221) {
        QCOMPARE(window_->width(), 221);
    }
    QVERIFY(!window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window_->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    const QPoint screen = window_->screen()->geometry().topLeft();
    QCOMPARE(window_->geometry().topLeft(), screen + QPoint(142, 113));
    QCOMPARE(window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 3);
}

void WebWindowTest::labels() {
    expectStoredTexts();

    // Centred over the window, which a long configured address widens.
    const int shift = (window_->width() - 221) / 2;
    QLabel* first = label("Label1");
    QCOMPARE(first->geometry(), QRect(35 + shift, 5, 151, 26));
    QCOMPARE(first->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QFontMetrics metrics(first->font());
    const QRect wrapped =
        metrics.boundingRect(first->contentsRect(), Qt::TextWordWrap, first->text());
    const QRect twoLines = metrics.boundingRect(first->contentsRect(), 0, u"A\nB"_qs);
    QCOMPARE(wrapped.height(), twoLines.height());
    QVERIFY(wrapped.height() <= first->height());

    QLabel* second = label("Label2");
    QCOMPARE(second->geometry(), QRect(30 + shift, 50, 166, 23));
    QCOMPARE(second->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    QLabel* link = label("lblWebPage");
    QCOMPARE(link->geometry().topLeft(), QPoint(35, 89));
    QCOMPARE(link->height(), 17);
    QCOMPARE(link->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QVERIFY(link->font().underline());
    QCOMPARE(link->font().weight(), QFont::Normal);
    QCOMPARE(link->font().pointSizeF(), 8.25);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    // The whole address on one line, inside the window.
    QVERIFY(!link->wordWrap());
    QVERIFY(link->fontMetrics().horizontalAdvance(link->text()) <= link->contentsRect().width());
    QVERIFY(link->geometry().right() < window_->width());

    for (QLabel* each : {first, second, link}) {
        QCOMPARE(each->focusPolicy(), Qt::NoFocus);
    }
}

void WebWindowTest::theHandShowsOverTheLinkOnly() {
    const QCursor hand = label("lblWebPage")->cursor();
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.hotSpot(), QPoint(13, 9));
    QCOMPARE(hand.pixmap().size(), QSize(32, 32));
    QCOMPARE(hand.pixmap().toImage(), QPixmap(u"" QUERLIN_ASSETS_DIR "/hand.png"_qs).toImage());

    QCOMPARE(window_->cursor().shape(), Qt::ArrowCursor);
    for (const char* name : {"Label1", "Label2"}) {
        QCOMPARE(label(name)->cursor().shape(), window_->cursor().shape());
        QVERIFY(label(name)->cursor().pixmap().isNull());
    }
}

void WebWindowTest::eachClickOnTheLinkOpensThePageOnce() {
    QLabel* link = label("lblWebPage");
    const QUrl page(link->text() + u'/');

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(browser_.opened, QList<QUrl>{page});
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, link->height() - 2));
    QCOMPARE(browser_.opened, (QList<QUrl>{page, page}));

    expectStoredTexts();
    QVERIFY(window_->findChildren<QMessageBox*>().isEmpty());
}

void WebWindowTest::otherClicksOpenNothing() {
    QTest::mouseClick(label("Label1"), Qt::LeftButton);
    QTest::mouseClick(label("Label2"), Qt::LeftButton);
    QTest::mouseClick(window_, Qt::LeftButton, {}, QPoint(10, 115));
    QTest::mouseClick(window_, Qt::LeftButton, {}, QPoint(200, 40));

    QLabel* link = label("lblWebPage");
    QTest::mouseClick(link, Qt::RightButton);
    // Pressed on the link and let go beside it.
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-20, link->height() / 2));

    QVERIFY(browser_.opened.isEmpty());
}

void WebWindowTest::aFailingOpenerIsReportedOnce() {
    QList<QUrl> asked;
    WebWindow failing([&](const QUrl& url) {
        asked << url;
        return false;
    });
    failing.show();
    QVERIFY(QTest::qWaitForWindowExposed(&failing));
    auto* link = failing.findChild<QLabel*>(u"lblWebPage"_qs);

    QTest::mouseClick(link, Qt::LeftButton);

    QCOMPARE(asked, QList<QUrl>{QUrl(link->text() + u'/')});
    const auto reports = failing.findChildren<QMessageBox*>(u"faultReport"_qs);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports[0]->text(), u"Opening the web page failed."_qs);
    QCOMPARE(reports[0]->windowTitle(), u"Web Page Link"_qs);
    QCOMPARE(link->text(), QString::fromLatin1(kWebPageAddress));
    QCOMPARE(failing.findChild<QLabel*>(u"Label2"_qs)->text(), u"Click Link Below to "_qs);
    QVERIFY(browser_.opened.isEmpty());
}

}  // namespace querlin

QTEST_MAIN(querlin::WebWindowTest)
#include "web_window_test.moc"
