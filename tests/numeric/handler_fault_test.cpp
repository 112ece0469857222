#include "numeric/handler_fault.h"

#include <gtest/gtest.h>

#include "support/qstring_printer.h"

namespace querlin {
namespace {

TEST(HandlerFaultMessage, SaysWhatHappenedAndWhereInPlainWords) {
    EXPECT_EQ(
        (HandlerFault{.kind = FaultKind::TypeMismatch, .where = u"INPUT FREQUENCY"_qs}.message()),
        u"\"INPUT FREQUENCY\" does not hold a number."_qs);
    EXPECT_EQ(
        (HandlerFault{.kind = FaultKind::Overflow, .where = u"INPUT TOTAL LENGTH"_qs}.message()),
        u"\"INPUT TOTAL LENGTH\" is too large."_qs);
    EXPECT_EQ((HandlerFault{.kind = FaultKind::FloatingPoint,
                            .flags = {.divideByZero = true},
                            .where = u"the quarter wavelength"_qs,
                            .step = 9}
                   .message()),
              u"Division by zero occurred while calculating the quarter wavelength."_qs);
    EXPECT_EQ((HandlerFault{.kind = FaultKind::FloatingPoint,
                            .flags = {.invalid = true, .overflow = true},
                            .where = u"the turns"_qs,
                            .step = 11}
                   .message()),
              u"An invalid operation and an overflow occurred while calculating the turns."_qs);
    EXPECT_EQ(
        (HandlerFault{.kind = FaultKind::InvalidArgument,
                      .where = u"the quarter-wave term"_qs,
                      .step = 12,
                      .detail = u"a logarithm"_qs}
             .message()),
        u"An invalid argument was given to a logarithm while calculating the quarter-wave term."_qs);
    EXPECT_EQ(
        (HandlerFault{.kind = FaultKind::Overflow, .where = u"the coil position"_qs, .step = 1}
             .message()),
        u"An overflow occurred while calculating the coil position."_qs);
}

}  // namespace
}  // namespace querlin
