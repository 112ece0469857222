#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

#include "fields.h"
#include "real.h"

namespace querlin {

// One run of a calculation handler over its window's fields: the readings,
// steps and writings it is made of, with the condition flags cleared by every
// control access and the faults that end it named after the field or step.
class Calculation {
  public:
    explicit Calculation(Fields& fields);

    // Control accesses. Each clears the condition flags, whether it succeeded or not.
    float read(const Field& field);
    int value(const char* scrollBar);
    bool isSelected(const char* optionButton);
    void write(const char* control, const QString& text);
    void writeSingle(const char* control, Single value);
    void writeRounded(const char* control, Single value, int places);
    void writeInteger(const char* control, std::int16_t value);
    void setLeft(const char* picture, Single pixels);

    // Names the step that follows, so that a fault tells what was being calculated.
    void step(int number, const char* what);

    // The arithmetic check: a FloatingPoint fault when any condition flag is set.
    void check() const;
    // Checks a value as soon as it is formed, then gives it on.
    Real checked(Real value) const;

    Real naturalLog(Real argument) const;
    Real log10(Real argument) const;
    Real squareRoot(Real argument) const;
    std::int16_t integer16(int exact) const;

  private:
    template <typename Access>
    auto access(Access&& run);
    template <typename Function>
    auto atStep(Function&& run) const;

    Fields& fields_;
    QLocale locale_;
    int step_ = 0;
    // Text only when a fault names it: a step runs in every press.
    const char* what_ = "";
};

}  // namespace querlin
