#include <QPromise>
#include <QtTest>

#include "antenna/panel_run.h"

using namespace querlin;

namespace {

// What a panel was told, in order, each piece of news naming its run.
struct Told {
    QStringList news;

    PanelRun<int>::News of(const QString& run) {
        return {
            .result =
                [this, run](int index, int value) {
                    news << u"%1 result %2: %3"_qs.arg(run).arg(index).arg(value);
                },
            .done = [this, run] { news << run + u" done"_qs; },
            .failed = [this,
                       run](const Fault& fault) { news << run + u" failed: "_qs + fault.message; }};
    }
};

// A run that has ended with a result or a fault whose news is still on its way:
// posted to its watcher, not yet delivered.
void end(QPromise<int>& promise, bool faulted) {
    if (faulted) {
        promise.setException(Fault(FaultStatus::Engine, u"the engine broke"_qs));
    } else {
        promise.addResult(11, 0);
    }
    promise.finish();
}

}  // namespace

// The one run a panel of the check window follows: whatever news of a run
// was on its way when the panel stopped it or followed another never reaches
// the panel, however that run ended.
class PanelRunTest : public QObject {
    Q_OBJECT

  private slots:
    void tellsNothingOfARunLeft_data() {
        QTest::addColumn<bool>("faulted");   // how the run left ended: a fault, else a result
        QTest::addColumn<bool>("replaced");  // left for another run, else stopped
        QTest::addColumn<QStringList>("told");
        const QStringList second{u"second result 0: 22"_qs, u"second done"_qs};
        QTest::newRow("result, another run") << false << true << second;
        QTest::newRow("fault, another run") << true << true << second;
        QTest::newRow("result, stopped") << false << false << QStringList();
        QTest::newRow("fault, stopped") << true << false << QStringList();
    }
    void tellsNothingOfARunLeft() {
        QFETCH(bool, faulted);
        QFETCH(bool, replaced);
        QFETCH(QStringList, told);
        QObject panel;
        Told panelTold;
        PanelRun<int> run(&panel);
        QPromise<int> first;
        first.start();
        run.follow(first.future(), panelTold.of(u"first"_qs));
        end(first, faulted);
        QPromise<int> second;
        if (replaced) {
            second.start();
            run.follow(second.future(), panelTold.of(u"second"_qs));
            second.addResult(22, 0);
            second.finish();
        } else {
            run.stop();
        }
        // Every piece of news on its way delivered, the first run's included.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(panelTold.news, told);
        QVERIFY(!run.isUnderWay());
    }

    // A run followed to its end tells each result, then its end or its fault.
    void tellsTheRunFollowed_data() {
        QTest::addColumn<bool>("faulted");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("result") << false << QStringList{u"first result 0: 11"_qs, u"first done"_qs};
        QTest::newRow("fault") << true << QStringList{u"first failed: the engine broke"_qs};
    }
    void tellsTheRunFollowed() {
        QFETCH(bool, faulted);
        QFETCH(QStringList, told);
        QObject panel;
        Told panelTold;
        PanelRun<int> run(&panel);
        QPromise<int> first;
        first.start();
        run.follow(first.future(), panelTold.of(u"first"_qs));
        QVERIFY(run.isUnderWay());
        end(first, faulted);
        QTRY_COMPARE(panelTold.news, told);
        QVERIFY(!run.isUnderWay());
    }
};

QTEST_MAIN(PanelRunTest)
#include "panel_run_test.moc"
