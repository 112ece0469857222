#include "design/design_deck.h"

#include <QStringList>

#include "dipole/coil_position.h"

namespace querlin {

QString designDeck(const Antenna& antenna, const ModelDesign& design,
                   const nec::ModelOptions& options) {
    const nec::LoadedDipole& d = design.dipole;
    const QString unit = antenna.metric ? u"metres"_qs : u"feet"_qs;
    const QString element = antenna.metric ? u"millimetres"_qs : u"inches"_qs;
    QStringList comments{
        QStringLiteral("QUERLIN loaded dipole for %1 MHz, %2 %3 long, element %4 %5,")
            .arg(antenna.frequency, antenna.length, unit, antenna.element, element),
        QStringLiteral("coils at %1 % of each half: %2 %3 from the centre, %4 uH each.")
            .arg(coilPercentage(antenna.slider))
            .arg(design.distance, unit, design.inductance),
        QStringLiteral("Dimensions in metres. Source at the centre; each coil a wire of its"),
        QStringLiteral("own centred on it, %1 uH spread over its segments.")
            .arg(d.inductance, 0, 'g', 8),
    };
    comments << nec::settingText(options);
    if (options.copper) {
        comments << QStringLiteral("Copper wire, %1 S/m.").arg(nec::kCopperConductivity);
    }
    if (options.coilQ) {
        comments << QStringLiteral("Coil Q %1: a series resistance of X / Q at %2 MHz.")
                        .arg(*options.coilQ)
                        .arg(d.frequency);
    }
    const nec::FrequencySweep sweep{d.frequency * 0.9, d.frequency * 0.01, 21};
    return nec::necDeck(d, options, {{d.inductance, sweep}}, comments, nec::Currents::Printed);
}

}  // namespace querlin
