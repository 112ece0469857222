#include "design/designs.h"

#include <QCoreApplication>
#include <array>
#include <charconv>

#include "coil/coil_variables.h"
#include "coil/coil_window_fields.h"
#include "coil/coil_window_in_memory.h"
#include "coil/turns.h"
#include "dipole/dipole_variables.h"
#include "dipole/loading_coil.h"
#include "dipole/main_window_fields.h"
#include "dipole/main_window_in_memory.h"
#include "dipole/matching_coil.h"
#include "fault.h"
#include "handler_fault.h"

namespace querlin {

namespace {

// The decimal a window variable stands for: the shortest decimal that reads
// back as the same single, 7.1 and not the single's exact 7.099999904632568.
// A plain widening to double would keep the single's binary error, and the
// deck writes ten significant digits: the engine would model 7.099999905 MHz
// where 7.1 was typed. std::to_chars is the standard library's shortest round
// trip; its characters go no further than this function.
double shortestDecimal(Single variable) {
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.begin(), text.end(), variable.value());
    double value = 0;
    std::from_chars(text.begin(), written.ptr, value);
    return value;
}

QString textOf(const MemoryFields& fields, const char* control) {
    return fields.texts.at(QString::fromLatin1(control));
}

// The main window after the upper CALCULATE, with the feed line typed in.
MemoryFields calculatedDipole(const Antenna& antenna, const QString& feedline,
                              const QLocale& locale, DipoleVariables& variables) {
    MemoryFields fields = mainWindowWith(antenna.frequency, antenna.length, antenna.element,
                                         antenna.slider, antenna.metric, locale);
    fields.texts[QString::fromLatin1(mainfields::feedlineImpedance.name)] = feedline;
    calculateLoadingCoil(fields, variables);
    return fields;
}

Results dipoleResults(const MemoryFields& fields) {
    using namespace mainfields;
    return {{"distance", textOf(fields, coilDistance)},
            {"inductance", textOf(fields, loadingInductance)},
            {"impedance", textOf(fields, impedance)}};
}

}  // namespace

Results designDipole(const Antenna& antenna, const QLocale& locale) {
    DipoleVariables variables;
    return dipoleResults(calculatedDipole(antenna, {}, locale, variables));
}

Results designMatch(const Antenna& antenna, const QString& feedline, const QLocale& locale) {
    DipoleVariables variables;
    MemoryFields fields = calculatedDipole(antenna, feedline, locale, variables);
    calculateMatchingCoil(fields, variables);
    Results results = dipoleResults(fields);
    results.push_back({"matching", textOf(fields, mainfields::matchingCoil)});
    return results;
}

ModelDesign designForModel(const Antenna& antenna, const QString& feedline, const QLocale& locale) {
    using namespace mainfields;
    DipoleVariables variables;
    MemoryFields fields = calculatedDipole(antenna, feedline, locale, variables);
    ModelDesign design;
    design.distance = textOf(fields, coilDistance);
    design.inductance = textOf(fields, loadingInductance);
    design.impedance = textOf(fields, impedance);
    // The formula's own variables as the handler left them: the frequency,
    // the antenna's length, the element's diameter, the coils' distance from
    // the feed point and their inductance.
    design.dipole = {shortestDecimal(variables.freq),
                     shortestDecimal(variables.lth) * kMetresPerFoot,
                     shortestDecimal(variables.el) * kMetresPerInch,
                     shortestDecimal(variables.b) * kMetresPerFoot, shortestDecimal(variables.mhy)};
    if (feedline.isEmpty()) {
        return design;
    }
    try {
        calculateMatchingCoil(fields, variables);
        design.matching = textOf(fields, matchingCoil);
        design.matchingCoil = variables.match.value();
    } catch (const HandlerFault&) {
        // The feed line cannot be matched with a shunt coil: no matched SWR.
    }
    return design;
}

void requireLoadingCoil(const Antenna& antenna, const ModelDesign& design, const QLocale& locale,
                        const QString& metricSwitch) {
    if (design.dipole.inductance > 0) {
        return;
    }
    QString why = QCoreApplication::translate(
                      "querlin",
                      "The antenna is as long as or longer than a resonant dipole at %1 "
                      "MHz, so it needs no loading coil (the formula gives %2 µH).")
                      .arg(antenna.frequency, design.inductance);
    // A length typed in feet with the metric switch on, or in metres with it
    // off, is the likely slip where the other reading would need a coil.
    Antenna otherUnit = antenna;
    otherUnit.metric = !antenna.metric;
    bool otherNeedsCoil = false;
    try {
        otherNeedsCoil = designForModel(otherUnit, {}, locale).dipole.inductance > 0;
    } catch (const HandlerFault&) {
        // The other reading does not design either: no hint.
    }
    if (otherNeedsCoil) {
        why += u' ' + (antenna.metric ? QCoreApplication::translate(
                                            "querlin",
                                            "With %1 the length is in metres and the element in "
                                            "millimetres: if they are in feet and inches, leave "
                                            "out %1.")
                                      : QCoreApplication::translate(
                                            "querlin",
                                            "Without %1 the length is in feet and the element in "
                                            "inches: if they are in metres and millimetres, give "
                                            "%1."))
                          .arg(metricSwitch);
    }
    throw Fault(FaultStatus::Calculation, why);
}

Results ModelDesign::results() const {
    Results results{{"distance", distance}, {"inductance", inductance}, {"impedance", impedance}};
    if (matching) {
        results.push_back({"matching", *matching});
    }
    return results;
}

Results designCoil(const Coil& coil, const QLocale& locale) {
    CoilVariables variables;
    return designCoil(coil, locale, variables);
}

Results designCoil(const Coil& coil, const QLocale& locale, CoilVariables& variables) {
    MemoryFields fields =
        coilWindowWith(coil.inductance, coil.diameter, coil.length, coil.wire, locale);
    calculateTurns(fields, variables);
    return {{"turns", textOf(fields, coilfields::turns)},
            {"message", textOf(fields, coilfields::message)}};
}

}  // namespace querlin
