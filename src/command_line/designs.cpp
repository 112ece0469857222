#include "designs.h"

#include "coil/coil_window_fields.h"
#include "coil/coil_window_in_memory.h"
#include "coil/turns.h"
#include "dipole/dipole_variables.h"
#include "dipole/loading_coil.h"
#include "dipole/main_window_fields.h"
#include "dipole/main_window_in_memory.h"
#include "dipole/matching_coil.h"

namespace querlin::cli {

namespace {

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

}  // namespace querlin::cli
