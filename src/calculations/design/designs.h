#pragma once

#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

#include "coil/coil_variables.h"
#include "conversions.h"
#include "dipole/coil_position.h"
#include "nec/nec_model.h"

namespace querlin {

// The main window's inputs: the texts typed into its fields, the slider's
// value and the unit choice, as the window holds them or the command line
// gives them.
struct Antenna {
    QString frequency;
    QString length;
    QString element;
    int slider = kSliderMinimum;
    bool metric = false;

    bool operator==(const Antenna&) const = default;
};

// The coil window's inputs, the texts typed into its four fields.
struct Coil {
    QString inductance;
    QString diameter;
    QString length;
    QString wire;
};

// A result field's text, under the name the command line gives the field.
struct Result {
    const char* name;
    QString text;
};
using Results = std::vector<Result>;

// Each runs a freshly opened window's handlers over its fields held in memory,
// as its buttons run them, and gives the texts its result fields then show.
// A handler's fault ends the design: it throws the HandlerFault.

// The upper CALCULATE: distance, inductance and impedance.
Results designDipole(const Antenna& antenna, const QLocale& locale);
// The upper CALCULATE, then the lower one with the feed line typed in: the
// three results above and the matching coil.
Results designMatch(const Antenna& antenna, const QString& feedline, const QLocale& locale);
// The coil window's CALCULATE: the turns and the message, blank first as shown.
Results designCoil(const Coil& coil, const QLocale& locale);
// The same, leaving the window's variables as the calculation left them.
Results designCoil(const Coil& coil, const QLocale& locale, CoilVariables& variables);

// The upper CALCULATE, and the lower one when a feed line is given, with the
// numbers behind the texts that the antenna's model takes: the window's own
// variables, converted to metres. A fault of the lower CALCULATE leaves the
// design without a matching coil; one of the upper ends it.
struct ModelDesign {
    // The result fields' texts.
    QString distance;
    QString inductance;
    QString impedance;
    std::optional<QString> matching;
    nec::LoadedDipole dipole;
    std::optional<double> matchingCoil;  // microhenries

    // The texts under their names: the upper CALCULATE's three, and the
    // matching coil where there is one.
    Results results() const;
};
ModelDesign designForModel(const Antenna& antenna, const QString& feedline, const QLocale& locale);

// A design the model can take has a positive loading coil: an antenna as long
// as a resonant dipole or longer needs none, and a coil of no or negative
// inductance models nothing that can be built. Throws a calculation's Fault
// that says so and, where the length read in the other unit would need a
// coil, that the unit may be wrong, naming its switch (metricSwitch:
// "--metric" on the command line, the window's METRIC).
void requireLoadingCoil(const Antenna& antenna, const ModelDesign& design, const QLocale& locale,
                        const QString& metricSwitch);

}  // namespace querlin
