#include "real.h"

#include <cmath>

#include "condition_flags.h"

namespace querlin {

namespace {

// A finite result from finite operands that came out infinite overflowed;
// exact arithmetic on infinities raises nothing.
Real finish(double result, double a, double b) {
    auto& flags = conditionFlags();
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) {
        flags.invalid = true;
    } else if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) {
        flags.overflow = true;
    }
    return Real(result);
}

}  // namespace

Real operator+(Real a, Real b) {
    return finish(a.value() + b.value(), a.value(), b.value());
}

Real operator-(Real a, Real b) {
    return finish(a.value() - b.value(), a.value(), b.value());
}

Real operator*(Real a, Real b) {
    return finish(a.value() * b.value(), a.value(), b.value());
}

Real operator/(Real a, Real b) {
    const double x = a.value();
    const double y = b.value();
    if (y == 0.0 && x != 0.0 && std::isfinite(x)) {
        conditionFlags().divideByZero = true;
        return Real(x / y);
    }
    return finish(x / y, x, y);
}

Real operator-(Real a) {
    return Real(-a.value());
}

Single& Single::operator=(Real value) {
    const double wide = value.value();
    value_ = static_cast<float>(wide);
    if (std::isinf(value_) && std::isfinite(wide)) {
        conditionFlags().overflow = true;
    }
    return *this;
}

}  // namespace querlin
