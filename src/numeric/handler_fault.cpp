#include "handler_fault.h"

#include <QStringList>

namespace querlin {

namespace {

QString conditionNames(const ConditionFlags& flags) {
    QStringList names;
    if (flags.divideByZero) {
        names << QStringLiteral("division by zero");
    }
    if (flags.invalid) {
        names << QStringLiteral("an invalid operation");
    }
    if (flags.overflow) {
        names << QStringLiteral("an overflow");
    }
    return names.join(QStringLiteral(" and "));
}

QString capitalised(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

}  // namespace

QString HandlerFault::message() const {
    switch (kind) {
        case FaultKind::TypeMismatch:
            return QStringLiteral("\"%1\" does not hold a number.").arg(where);
        case FaultKind::Overflow:
            if (step == 0) {
                return QStringLiteral("\"%1\" is too large.").arg(where);
            }
            return QStringLiteral("An overflow occurred while calculating %1.").arg(where);
        case FaultKind::FloatingPoint:
            return QStringLiteral("%1 occurred while calculating %2.")
                .arg(capitalised(conditionNames(flags)), where);
        case FaultKind::InvalidArgument:
            return QStringLiteral("An invalid argument was given to %1 while calculating %2.")
                .arg(detail, where);
        case FaultKind::ControlAccess:
            return QStringLiteral("%1 failed.").arg(capitalised(where));
    }
    return {};
}

}  // namespace querlin
