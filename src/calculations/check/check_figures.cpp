#include "check/check_figures.h"

#include <QCoreApplication>

#include <cmath>

#include "design/wound_coil.h"

namespace querlin::check {

namespace {

constexpr FigureForm kFigureForms[] = {
    {FigureId::Resonance, "resonance", [](const DipoleCheck& c) { return c.resonance; }, 4, "MHz",
     QT_TRANSLATE_NOOP("Figures", "Resonant frequency")},
    {FigureId::ResonanceError, "resonance_error",
     [](const DipoleCheck& c) { return c.resonanceError; }, 2, "%",
     QT_TRANSLATE_NOOP("Figures", "Off the design frequency by")},
    {FigureId::Resistance, "resistance", [](const DipoleCheck& c) { return c.impedance.real(); }, 2,
     "ohms", QT_TRANSLATE_NOOP("Figures", "Feed resistance at the design frequency")},
    {FigureId::Reactance, "reactance", [](const DipoleCheck& c) { return c.impedance.imag(); }, 2,
     "ohms", QT_TRANSLATE_NOOP("Figures", "Feed reactance at the design frequency")},
    {FigureId::ResonantInductance, "resonant_inductance",
     [](const DipoleCheck& c) { return c.resonantInductance; }, 3, "uH",
     QT_TRANSLATE_NOOP("Figures", "Each coil for resonance at the design frequency")},
    {FigureId::Swr, "swr", [](const DipoleCheck& c) { return c.swr; }, 2, "",
     QT_TRANSLATE_NOOP("Figures", "SWR at the design frequency")},
    {FigureId::SwrMatched, "swr_matched", [](const DipoleCheck& c) { return c.swrMatched; }, 2, "",
     QT_TRANSLATE_NOOP("Figures", "SWR with the matching coil")},
    {FigureId::Bandwidth, "bandwidth", [](const DipoleCheck& c) { return c.bandwidth; }, 1, "kHz",
     QT_TRANSLATE_NOOP("Figures", "2:1 SWR bandwidth")},
    {FigureId::Efficiency, "efficiency", [](const DipoleCheck& c) { return c.efficiency; }, 1, "%",
     QT_TRANSLATE_NOOP("Figures", "Efficiency, made resonant")},
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

QString figureText(double value, int decimals, const char* unit, const QLocale& locale,
                   UnitShown shown) {
    if (!std::isfinite(value)) {
        return QStringLiteral("none");
    }
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = rounded(value, decimals, plain).text;
    if (shown == UnitShown::With && *unit != '\0') {
        text += u' ' + QLatin1String(unit);
    }
    return text;
}

void insertFigure(QJsonObject& object, const char* key, double value) {
    object.insert(QLatin1String(key),
                  std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null));
}

void insertFigures(QJsonObject& object, const DipoleCheck& check, Loss loss) {
    insertFigures(object, check, figureForms(loss));
}

}  // namespace querlin::check
