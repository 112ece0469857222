#include "antenna/check_figures.h"

#include <algorithm>
#include <cmath>

#include "antenna/dipole_check.h"

namespace querlin::antenna {

namespace {

// How each figure is shown: decimals, unit and what it is.
struct FigureForm {
    const char* name;
    int decimals;
    const char* unit;
    const char* label;
};

constexpr FigureForm kFigureForms[] = {
    {"resonance", 4, "MHz", "Resonant frequency"},
    {"resonance_error", 2, "%", "Off the design frequency by"},
    {"resistance", 2, "ohms", "Feed resistance at the design frequency"},
    {"reactance", 2, "ohms", "Feed reactance at the design frequency"},
    {"resonant_inductance", 3, "uH", "Each coil for resonance at the design frequency"},
    {"swr", 2, "", "SWR at the design frequency"},
    {"swr_matched", 2, "", "SWR with the matching coil"},
    {"bandwidth", 1, "kHz", "2:1 SWR bandwidth"},
    {"efficiency", 1, "%", "Efficiency"},
};

bool withLoss(const ModelOptions& options) {
    return options.copper || options.coilQ.has_value();
}

const FigureForm& formOf(const char* name) {
    for (const FigureForm& form : kFigureForms) {
        if (qstrcmp(form.name, name) == 0) {
            return form;
        }
    }
    return kFigureForms[0];
}

}  // namespace

QStringList figureNames(const ModelOptions& options, bool coilLoss) {
    QStringList names;
    for (const FigureForm& form : kFigureForms) {
        if (qstrcmp(form.name, "efficiency") != 0 || withLoss(options) || coilLoss) {
            names << QLatin1String(form.name);
        }
    }
    return names;
}

Figures checkFigures(const ModelDesign& design, const ModelOptions& options, double feedline,
                     const NecEngine& engine) {
    const DipoleCheck c =
        checkDipole(design.dipole, options, feedline, design.matchingCoil, engine);
    Figures figures{
        {"resonance", c.resonance},
        {"resonance_error", c.resonanceError},
        {"resistance", c.impedance.real()},
        {"reactance", c.impedance.imag()},
        {"resonant_inductance", c.resonantInductance},
        {"swr", c.swr},
        {"swr_matched", c.swrMatched},
        {"bandwidth", c.bandwidth},
    };
    if (withLoss(options)) {
        figures.push_back({"efficiency", c.efficiency});
    }
    return figures;
}

Figure figureOf(const Figures& figures, const char* name) {
    const auto figure = std::find_if(figures.begin(), figures.end(),
                                     [&](const Figure& f) { return qstrcmp(f.name, name) == 0; });
    return figure == figures.end() ? Figure{name, std::nan("")} : *figure;
}

QString figureText(const Figure& figure, const QLocale& locale, bool withUnit) {
    if (!std::isfinite(figure.value)) {
        return QStringLiteral("none");
    }
    const FigureForm& form = formOf(figure.name);
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(figure.value, 'f', form.decimals);
    if (withUnit && *form.unit != '\0') {
        text += u' ' + QLatin1String(form.unit);
    }
    return text;
}

QString figureLabel(const Figure& figure) {
    return QLatin1String(formOf(figure.name).label);
}

void insertFigures(QJsonObject& object, const Figures& figures) {
    for (const Figure& figure : figures) {
        object.insert(QLatin1String(figure.name), std::isfinite(figure.value)
                                                      ? QJsonValue(figure.value)
                                                      : QJsonValue(QJsonValue::Null));
    }
}

}  // namespace querlin::antenna
