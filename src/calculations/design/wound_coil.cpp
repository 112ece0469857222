#include "design/wound_coil.h"

#include <QCoreApplication>

#include <cmath>

#include "coil/coil_variables.h"
#include "fault.h"

namespace querlin {

CoilAsWound windCoil(const Coil& coil, std::optional<double> frequency, const QLocale& locale) {
    CoilVariables variables;
    Results results = designCoil(coil, locale, variables);
    // The window halves the diameter in place: its variable ends as the radius.
    const Winding winding{variables.nt.value(), 2.0 * variables.cd.value(), variables.cl.value(),
                          variables.wd.value()};
    return {std::move(results), variables.mh.value(), winding, windingDetails(winding, frequency)};
}

WoundCoil woundCoil(const Coil& coil, double frequency, const QLocale& locale) {
    const CoilAsWound wound = windCoil(coil, frequency, locale);
    if (const auto* why = std::get_if<QString>(&wound.outcome)) {
        throw Fault(FaultStatus::Calculation, *why);
    }
    const WindingDetails& details = std::get<WindingDetails>(wound.outcome);
    const WindingAtFrequency& at = *details.atFrequency;
    if (at.nearSelfResonance) {
        throw Fault(FaultStatus::Calculation,
                    QCoreApplication::translate(
                        "Coil",
                        "At %1 MHz the loading coil is above a third of its "
                        "self-resonance of about %2 MHz: it acts as more inductance "
                        "than its winding's, with less Q, so the check cannot take "
                        "its Q.")
                        .arg(locale.toString(frequency),
                             significant(*details.selfResonance, 2, locale).text));
    }
    return {wound.results.front().text, significant(at.q, 2, locale), wound.wanted, wound.winding};
}

}  // namespace querlin
