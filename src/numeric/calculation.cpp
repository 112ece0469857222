#include "calculation.h"

#include <QCoreApplication>

#include "condition_flags.h"
#include "field_text.h"
#include "handler_fault.h"
#include "math_functions.h"

namespace querlin {

namespace {

// Clears the flags when a control access ends, on the normal and the fault path.
struct ClearFlagsOnExit {
    ClearFlagsOnExit() = default;
    ClearFlagsOnExit(const ClearFlagsOnExit&) = delete;
    ClearFlagsOnExit& operator=(const ClearFlagsOnExit&) = delete;
    ~ClearFlagsOnExit() { clearConditionFlags(); }
};

}  // namespace

// Every handler begins with a control access, which clears the flags, so a run
// needs no clearing of its own.
Calculation::Calculation(Fields& fields) : fields_(fields), locale_(fields.locale()) {}

template <typename Access>
auto Calculation::access(Access&& run) {
    const ClearFlagsOnExit clear;
    return run();
}

template <typename Function>
auto Calculation::atStep(Function&& run) const {
    try {
        return run();
    } catch (HandlerFault& fault) {
        fault.locate(QCoreApplication::translate("Calculation", what_), step_);
        throw;
    }
}

float Calculation::read(const Field& field) {
    const QString text = access([&] { return fields_.text(QString::fromLatin1(field.name)); });
    try {
        return ReadSingle(text, locale_);
    } catch (HandlerFault& fault) {
        fault.locate(QCoreApplication::translate(field.context, field.caption), 0);
        throw;
    }
}

int Calculation::value(const char* scrollBar) {
    return access([&] { return fields_.value(QString::fromLatin1(scrollBar)); });
}

bool Calculation::isSelected(const char* optionButton) {
    return access([&] { return fields_.isSelected(QString::fromLatin1(optionButton)); });
}

void Calculation::write(const char* control, const QString& text) {
    access([&] { fields_.setText(QString::fromLatin1(control), text); });
}

void Calculation::writeSingle(const char* control, Single value) {
    write(control, SingleText(value.value(), locale_));
}

void Calculation::writeRounded(const char* control, Single value, int places) {
    write(control, RoundedText(value.value(), places, locale_));
}

void Calculation::writeInteger(const char* control, std::int16_t value) {
    write(control, IntegerText(value));
}

void Calculation::setLeft(const char* picture, Single pixels) {
    access([&] { fields_.setLeft(QString::fromLatin1(picture), pixels.value()); });
}

void Calculation::step(int number, const char* what) {
    step_ = number;
    what_ = what;
}

void Calculation::check() const {
    const ConditionFlags flags = conditionFlags();
    if (flags.any()) {
        throw HandlerFault({.kind = FaultKind::FloatingPoint,
                            .flags = flags,
                            .where = QCoreApplication::translate("Calculation", what_),
                            .step = step_});
    }
}

Real Calculation::checked(Real value) const {
    check();
    return value;
}

Real Calculation::naturalLog(Real argument) const {
    return atStep([&] { return Real(NaturalLog(argument.value())); });
}

Real Calculation::log10(Real argument) const {
    return naturalLog(argument) / naturalLog(10.0);
}

Real Calculation::squareRoot(Real argument) const {
    return atStep([&] { return Real(SquareRoot(argument.value())); });
}

std::int16_t Calculation::integer16(int exact) const {
    return atStep([&] { return Integer16(exact); });
}

}  // namespace querlin
