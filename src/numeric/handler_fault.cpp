#include "handler_fault.h"

#include <QCoreApplication>

#include <QStringList>

namespace querlin {

namespace {

QString conditionNames(const ConditionFlags& flags) {
    QStringList names;
    if (flags.divideByZero) {
        names << QCoreApplication::translate("Fault", "division by zero");
    }
    if (flags.invalid) {
        names << QCoreApplication::translate("Fault", "an invalid operation");
    }
    if (flags.overflow) {
        names << QCoreApplication::translate("Fault", "an overflow");
    }
    return names.join(QCoreApplication::translate("Fault", " and "));
}

QString capitalised(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

// The cause in plain words.
QString said(const FaultCause& cause) {
    const auto& [kind, flags, where, step, function] = cause;
    switch (kind) {
        case FaultKind::TypeMismatch:
            return QCoreApplication::translate("Fault", "\"%1\" does not hold a number.")
                .arg(where);
        case FaultKind::Overflow:
            if (step == 0) {
                return QCoreApplication::translate("Fault", "\"%1\" is too large.").arg(where);
            }
            return QCoreApplication::translate("Fault",
                                               "An overflow occurred while calculating %1.")
                .arg(where);
        case FaultKind::FloatingPoint:
            return QCoreApplication::translate("Fault", "%1 occurred while calculating %2.")
                .arg(capitalised(conditionNames(flags)), where);
        case FaultKind::InvalidArgument:
            return QCoreApplication::translate(
                       "Fault", "An invalid argument was given to %1 while calculating %2.")
                .arg(function, where);
        case FaultKind::ControlAccess:
            return QCoreApplication::translate("Fault", "%1 failed.").arg(capitalised(where));
    }
    return {};
}

}  // namespace

HandlerFault::HandlerFault(FaultCause cause)
    : TypedFault(FaultStatus::Calculation, said(cause)), cause_(std::move(cause)) {}

void HandlerFault::locate(QString where, int step) {
    cause_.where = std::move(where);
    cause_.step = step;
    message = said(cause_);
}

}  // namespace querlin
