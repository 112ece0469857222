#include "math_functions.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

#include "handler_fault.h"

namespace querlin {

double NaturalLog(double argument) {
    if (!(argument > 0.0)) {
        throw HandlerFault({.kind = FaultKind::InvalidArgument,
                            .function = QCoreApplication::translate("Fault", "a logarithm")});
    }
    return std::log(argument);
}

double SquareRoot(double argument) {
    if (argument < 0.0 || std::isnan(argument)) {
        throw HandlerFault({.kind = FaultKind::InvalidArgument,
                            .function = QCoreApplication::translate("Fault", "a square root")});
    }
    return std::sqrt(argument);
}

std::int16_t Integer16(int exact) {
    if (exact < std::numeric_limits<std::int16_t>::min() ||
        exact > std::numeric_limits<std::int16_t>::max()) {
        throw HandlerFault({.kind = FaultKind::Overflow});
    }
    return static_cast<std::int16_t>(exact);
}

}  // namespace querlin
