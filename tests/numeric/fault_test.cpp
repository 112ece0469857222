#include <gtest/gtest.h>

#include <QFuture>
#include <QPromise>

#include "handler_fault.h"
#include "measurement/one_port.h"
#include "nec/nec_model.h"

namespace querlin {
namespace {

// What the far side of a run's future sees of a fault the run raised: its
// status and message when it is caught as the type it was raised as.
template <typename Type>
QString seenAs(const Fault& fault) {
    QPromise<int> promise;
    QFuture<int> future = promise.future();
    promise.start();
    promise.setException(fault);
    promise.finish();
    try {
        future.waitForFinished();
    } catch (const Type& seen) {
        return QStringLiteral("%1 %2").arg(static_cast<int>(seen.status)).arg(seen.message);
    } catch (const QException&) {
        return QStringLiteral("another type");
    }
    return QStringLiteral("no fault");
}

TEST(FaultTest, KeepsItsTypeAcrossAFuture) {
    const struct {
        QString seen;
        QString expected;
    } cases[] = {
        {seenAs<HandlerFault>(
             HandlerFault({.kind = FaultKind::Overflow, .where = u"INPUT FREQUENCY"_qs})),
         u"1 \"INPUT FREQUENCY\" is too large."_qs},
        {seenAs<nec::NecError>(nec::NecError(u"nec2c did not start."_qs)),
         u"3 nec2c did not start."_qs},
        {seenAs<measurement::MeasurementError>(
             measurement::MeasurementError(u"sweep.s1p: line 7: no number."_qs)),
         u"1 sweep.s1p: line 7: no number."_qs},
        {seenAs<Fault>(Fault(FaultStatus::Usage, u"No command given."_qs)),
         u"2 No command given."_qs},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.seen, c.expected);
    }
}

}  // namespace
}  // namespace querlin
