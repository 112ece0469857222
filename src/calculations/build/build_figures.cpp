#include "build/build_figures.h"

#include <QCoreApplication>

#include <cmath>

#include "conversions.h"

namespace querlin::build {

namespace {

constexpr BuildFigureForm kBuildForms[] = {
    {BuildFigureId::LoadInductance, "load_inductance",
     [](const DipoleBuild& b) { return b.loadInductance; }, 3, "uH",
     QT_TRANSLATE_NOOP("Figures", "Each loading coil")},
    {BuildFigureId::ShuntInductance, "shunt_inductance",
     [](const DipoleBuild& b) { return b.shuntInductance; }, 3, "uH",
     QT_TRANSLATE_NOOP("Figures", "Matching coil across the feed point")},
    {BuildFigureId::Swr, "swr", [](const DipoleBuild& b) { return b.swr; }, 2, "",
     QT_TRANSLATE_NOOP("Figures", "SWR with them")},
    {BuildFigureId::Bandwidth, "bandwidth", [](const DipoleBuild& b) { return b.bandwidth; }, 1,
     "kHz", QT_TRANSLATE_NOOP("Figures", "2:1 SWR bandwidth with them")},
    {BuildFigureId::Resistance, "resistance",
     [](const DipoleBuild& b) { return b.impedance.real(); }, 2, "ohms",
     QT_TRANSLATE_NOOP("Figures", "Feed resistance before the matching coil")},
    {BuildFigureId::Reactance, "reactance", [](const DipoleBuild& b) { return b.impedance.imag(); },
     2, "ohms", QT_TRANSLATE_NOOP("Figures", "Feed reactance before the matching coil")},
    {BuildFigureId::Efficiency, "efficiency", [](const DipoleBuild& b) { return b.efficiency; }, 1,
     "%", QT_TRANSLATE_NOOP("Figures", "Efficiency of the build")},
};

constexpr WoundFigureForm kWoundForms[] = {
    {WoundFigureId::LoadTurns, "load_turns",
     [](const DipoleBuild& b) { return b.loadCoil ? b.loadCoil->turns : DipoleBuild::kNone; }, 2,
     "", QT_TRANSLATE_NOOP("Figures", "Turns of each loading coil")},
    {WoundFigureId::LoadQ, "load_q",
     [](const DipoleBuild& b) { return b.loadCoil ? b.loadCoil->q : DipoleBuild::kNone; }, 0, "",
     QT_TRANSLATE_NOOP("Figures", "Q of each loading coil")},
    {WoundFigureId::ShuntTurns, "shunt_turns",
     [](const DipoleBuild& b) { return b.shuntCoil ? b.shuntCoil->turns : DipoleBuild::kNone; }, 2,
     "", QT_TRANSLATE_NOOP("Figures", "Turns of the matching coil")},
    {WoundFigureId::ShuntQ, "shunt_q",
     [](const DipoleBuild& b) { return b.shuntCoil ? b.shuntCoil->q : DipoleBuild::kNone; }, 0, "",
     QT_TRANSLATE_NOOP("Figures", "Q of the matching coil")},
    {WoundFigureId::Rounds, "rounds",
     [](const DipoleBuild& b) { return static_cast<double>(b.rounds); }, 0, "",
     QT_TRANSLATE_NOOP("Figures", "Rounds until inductance and Q agree")},
};

constexpr FitForm kFitForms[] = {
    {"load_fits", &DipoleBuild::loadCoil},
    {"shunt_fits", &DipoleBuild::shuntCoil},
};

template <typename Form>
constexpr bool inIdOrder(std::span<const Form> forms) {
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (static_cast<std::size_t>(forms[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inIdOrder<BuildFigureForm>(kBuildForms));
static_assert(std::size(kBuildForms) == static_cast<std::size_t>(BuildFigureId::Efficiency) + 1);
static_assert(inIdOrder<WoundFigureForm>(kWoundForms));

}  // namespace

const BuildFigureForm& formOf(BuildFigureId id) {
    return kBuildForms[static_cast<std::size_t>(id)];
}

std::span<const BuildFigureForm> buildFigureForms(check::Loss loss) {
    const std::span<const BuildFigureForm> all(kBuildForms);
    return loss == check::Loss::Lossy ? all : all.first(all.size() - 1);
}

std::span<const WoundFigureForm> woundFigureForms() {
    return kWoundForms;
}

std::span<const FitForm> fitForms() {
    return kFitForms;
}

QString fitText(const FitForm& form, const DipoleBuild& build) {
    const std::optional<CoilWound>& coil = build.*form.coil;
    if (!coil) {
        return QStringLiteral("none");
    }
    return coil->fits ? QStringLiteral("yes") : QStringLiteral("no");
}

QStringList buildKeys(check::Loss loss, bool wound) {
    QStringList keys;
    for (const BuildFigureForm& form : buildFigureForms(loss)) {
        keys << QLatin1String(form.key);
    }
    if (wound) {
        for (const WoundFigureForm& form : woundFigureForms()) {
            keys << QLatin1String(form.key);
        }
        for (const FitForm& form : fitForms()) {
            keys << QLatin1String(form.key);
        }
    }
    return keys;
}

QString noMatchText(const DipoleBuild& build, double feedline, double frequency,
                    const QLocale& locale) {
    const auto number = [&](double value, int decimals) {
        return check::figureText(value, decimals, "", locale, check::UnitShown::Without);
    };
    switch (build.match) {
        case DipoleBuild::Match::ShuntCoil:
            return {};
        case DipoleBuild::Match::Resonant:
            return QCoreApplication::translate(
                       "Antenna",
                       "The antenna's resistance at resonance, %1 ohms, is at or above the "
                       "line's %2 ohms: no coil across the feed point can match it. The loading "
                       "coils resonate it; the SWR that remains is %3.")
                .arg(number(build.resonantResistance, 2), locale.toString(feedline),
                     number(build.swr, 2));
        case DipoleBuild::Match::None:
            break;
    }
    return QCoreApplication::translate("Antenna",
                                       "No loading coil brings the antenna to resonance at %1 MHz.")
        .arg(locale.toString(frequency));
}

std::vector<CutPiece> cutList(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                              bool metric) {
    const nec::HalfLayout half = nec::halfLayout(dipole, options);
    const double unit = metric ? 1 : kMetresPerFoot;
    const char* name = metric ? "m" : "ft";
    return {{"inner_wire", half.innerWire / unit, name,
             QCoreApplication::translate("querlin", "Wire from the feed point to the coil")},
            {"coil_length", half.coil / unit, name,
             QCoreApplication::translate("querlin", "Coil, as modelled")},
            {"outer_wire", half.outerWire / unit, name,
             QCoreApplication::translate("querlin", "Wire from the coil to the tip")}};
}

void insertBuild(QJsonObject& object, const DipoleBuild& build, check::Loss loss, bool wound) {
    check::insertFigures(object, build, buildFigureForms(loss));
    if (!wound) {
        return;
    }
    check::insertFigures(object, build, woundFigureForms());
    for (const FitForm& form : fitForms()) {
        const std::optional<CoilWound>& coil = build.*form.coil;
        object.insert(QLatin1String(form.key),
                      coil ? QJsonValue(coil->fits) : QJsonValue(QJsonValue::Null));
    }
}

}  // namespace querlin::build
