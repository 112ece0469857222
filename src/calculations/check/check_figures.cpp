#include "check/check_figures.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>
#include <variant>

#include "coil/coil_winding.h"
#include "conversions.h"
#include "design/wound_coil.h"

namespace querlin::check {

namespace {

constexpr FigureForm kFigureForms[] = {
    {{"resonance", 4, "MHz", QT_TRANSLATE_NOOP("Figures", "Resonant frequency")},
     FigureId::Resonance,
     [](const DipoleCheck& checked) { return checked.resonance; }},
    {{"resonance_error", 2, "%", QT_TRANSLATE_NOOP("Figures", "Off the design frequency by")},
     FigureId::ResonanceError,
     [](const DipoleCheck& checked) { return checked.resonanceError; }},
    {{"resistance", 2, "ohms",
      QT_TRANSLATE_NOOP("Figures", "Feed resistance at the design frequency")},
     FigureId::Resistance,
     [](const DipoleCheck& checked) { return checked.impedance.real(); }},
    {{"reactance", 2, "ohms",
      QT_TRANSLATE_NOOP("Figures", "Feed reactance at the design frequency")},
     FigureId::Reactance,
     [](const DipoleCheck& checked) { return checked.impedance.imag(); }},
    {{"resonant_inductance", 3, "uH",
      QT_TRANSLATE_NOOP("Figures", "Each coil for resonance at the design frequency")},
     FigureId::ResonantInductance,
     [](const DipoleCheck& checked) { return checked.resonantInductance; }},
    {{"swr", 2, "", QT_TRANSLATE_NOOP("Figures", "SWR at the design frequency")},
     FigureId::Swr,
     [](const DipoleCheck& checked) { return checked.swr; }},
    {{"swr_matched", 2, "", QT_TRANSLATE_NOOP("Figures", "SWR with the matching coil")},
     FigureId::SwrMatched,
     [](const DipoleCheck& checked) { return checked.swrMatched; }},
    {{"bandwidth", 1, "kHz", QT_TRANSLATE_NOOP("Figures", "2:1 SWR bandwidth")},
     FigureId::Bandwidth,
     [](const DipoleCheck& checked) { return checked.bandwidth; }},
    {{"efficiency", 1, "%", QT_TRANSLATE_NOOP("Figures", "Efficiency, made resonant")},
     FigureId::Efficiency,
     [](const DipoleCheck& checked) { return checked.efficiency; }},
};

// Each form sits at its id's place, so that formOf needs no search.
constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < std::size(kFigureForms); ++i) {
        if (static_cast<std::size_t>(kFigureForms[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inIdOrder());
static_assert(std::size(kFigureForms) == static_cast<std::size_t>(FigureId::Efficiency) + 1);

}  // namespace

const FigureForm& formOf(FigureId id) {
    return kFigureForms[static_cast<std::size_t>(id)];
}

Loss lossOf(const nec::ModelOptions& options) {
    return nec::losesPower(options) ? Loss::Lossy : Loss::Lossless;
}

QString accuracyNote(const nec::LoadedDipole& dipole, const nec::ModelOptions& options) {
    if (nec::shortestSegment(dipole, options) >= nec::kThinWireRadii * dipole.diameter / 2) {
        return {};
    }
    return QCoreApplication::translate(
               "Antenna",
               "Segments near the coils or the source are shorter than %1 wire radii, "
               "where NEC-2's thin-wire kernel errs by more than 1 %: take the figures "
               "as rough.")
        .arg(nec::kThinWireRadii);
}

std::span<const FigureForm> figureForms(Loss loss) {
    const std::span<const FigureForm> all(kFigureForms);
    return loss == Loss::Lossy ? all : all.first(all.size() - 1);
}

QStringList figureKeys(Loss loss) {
    QStringList keys;
    for (const FigureForm& form : figureForms(loss)) {
        keys << QLatin1String(form.key);
    }
    return keys;
}

void insertFigures(QJsonObject& object, const DipoleCheck& check, Loss loss) {
    insertFigures(object, check, figureForms(loss));
}

QString windingNote(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                    const QLocale& locale) {
    if (options.coilFrom == nec::ModelOptions::CoilFrom::InnerEnd || !(dipole.inductance > 0)) {
        return {};
    }
    // A typical loading coil: twice as long as its inch across, whose
    // self-capacitance Medhurst's table gives whatever its turns.
    const WindingOutcome typical = windingDetails({1, 1, 2, 0.05}, {});
    const double capacitance = *std::get<WindingDetails>(typical).selfCapacitance;
    const double omega = 2 * std::numbers::pi * dipole.frequency * 1e6;
    const double more =
        1 / (1 - omega * omega * dipole.inductance * 1e-6 * capacitance * 1e-12) - 1;
    return QCoreApplication::translate(
               "Antenna",
               "The coils are modelled as pure inductances. A coil as wound acts as more, its "
               "self-capacitance across its winding: one twice as long as its inch across "
               "(Medhurst's %1 pF) as %2 % more at %3 MHz. --coil-diameter, --coil-length and "
               "--coil-wire model the coil to wind.")
        .arg(locale.toString(capacitance, 'f', 2), locale.toString(more * 100, 'f', 1),
             locale.toString(dipole.frequency));
}

std::vector<Figure> hangingFigures(const nec::LoadedDipole& dipole,
                                   const nec::ModelOptions& options, bool metric) {
    const std::optional<double> tips = nec::tipHeight(dipole, options);
    if (!tips || options.apexAngle == nec::kFlat) {
        return {};
    }
    return {{{"tip_height", 2, metric ? "m" : "ft",
              QT_TRANSLATE_NOOP("Figures", "Height of each tip over the ground")},
             *tips / (metric ? 1 : kMetresPerFoot)}};
}

}  // namespace querlin::check
