#pragma once

namespace querlin {

// A double-precision intermediate value of one calculation step. Every
// operation on it raises the condition flags exactly as IEEE 754 says for that
// operation, so that the arithmetic check sees what the step really did.
class Real {
  public:
    constexpr Real(double value) : value_(value) {}  // NOLINT: literals and widened singles
    constexpr double value() const { return value_; }

  private:
    double value_;
};

Real operator+(Real a, Real b);
Real operator-(Real a, Real b);
Real operator*(Real a, Real b);
Real operator/(Real a, Real b);
Real operator-(Real a);

// A window variable: an IEEE 754 single. Assigning a step's value rounds it to
// the nearest single, ties to even; a finite value beyond the single range
// becomes an infinity of its sign and raises the overflow flag.
class Single {
  public:
    constexpr Single() = default;
    constexpr explicit Single(float value) : value_(value) {}

    Single& operator=(Real value);
    constexpr operator Real() const { return Real(value_); }  // NOLINT: steps widen exactly
    constexpr float value() const { return value_; }

  private:
    float value_ = 0.0F;
};

}  // namespace querlin
