#include "build/build_figures.h"

#include <QCoreApplication>

#include <cmath>

#include "conversions.h"

namespace querlin::build {

namespace {

constexpr BuildFigureForm kBuildForms[] = {
    {{"load_inductance", kInductanceDecimals, "uH",
      QT_TRANSLATE_NOOP("Figures", "Each loading coil")},
     BuildFigureId::LoadInductance,
     [](const DipoleBuild& built) { return built.loadInductance; }},
    {{"shunt_inductance", kInductanceDecimals, "uH",
      QT_TRANSLATE_NOOP("Figures", "Matching coil across the feed point")},
     BuildFigureId::ShuntInductance,
     [](const DipoleBuild& built) { return built.shuntInductance; }},
    {{"swr", 2, "", QT_TRANSLATE_NOOP("Figures", "SWR with them")},
     BuildFigureId::Swr,
     [](const DipoleBuild& built) { return built.swr; }},
    {{"bandwidth", 1, "kHz", QT_TRANSLATE_NOOP("Figures", "2:1 SWR bandwidth with them")},
     BuildFigureId::Bandwidth,
     [](const DipoleBuild& built) { return built.bandwidth; }},
    {{"resistance", 2, "ohms",
      QT_TRANSLATE_NOOP("Figures", "Feed resistance before the matching coil")},
     BuildFigureId::Resistance,
     [](const DipoleBuild& built) { return built.impedance.real(); }},
    {{"reactance", 2, "ohms",
      QT_TRANSLATE_NOOP("Figures", "Feed reactance before the matching coil")},
     BuildFigureId::Reactance,
     [](const DipoleBuild& built) { return built.impedance.imag(); }},
    {{"efficiency", 1, "%", QT_TRANSLATE_NOOP("Figures", "Efficiency of the build")},
     BuildFigureId::Efficiency,
     [](const DipoleBuild& built) { return built.efficiency; }},
};

constexpr WoundFigureForm kWoundForms[] = {
    {{"load_turns", 2, "", QT_TRANSLATE_NOOP("Figures", "Turns of each loading coil")},
     WoundFigureId::LoadTurns,
     [](const DipoleBuild& built) {
         return built.loadCoil ? built.loadCoil->turns : DipoleBuild::kNone;
     }},
    {{"load_winding_inductance", 3, "uH",
      QT_TRANSLATE_NOOP("Figures", "Each loading coil on an LCR meter")},
     WoundFigureId::LoadWindingInductance,
     [](const DipoleBuild& built) {
         return built.loadCoil ? built.loadCoil->windingInductance : DipoleBuild::kNone;
     }},
    {{"load_q", 0, "", QT_TRANSLATE_NOOP("Figures", "Q of each loading coil")},
     WoundFigureId::LoadQ,
     [](const DipoleBuild& built) {
         return built.loadCoil ? built.loadCoil->q : DipoleBuild::kNone;
     }},
    {{"shunt_turns", 2, "", QT_TRANSLATE_NOOP("Figures", "Turns of the matching coil")},
     WoundFigureId::ShuntTurns,
     [](const DipoleBuild& built) {
         return built.shuntCoil ? built.shuntCoil->turns : DipoleBuild::kNone;
     }},
    {{"shunt_winding_inductance", 3, "uH",
      QT_TRANSLATE_NOOP("Figures", "Matching coil on an LCR meter")},
     WoundFigureId::ShuntWindingInductance,
     [](const DipoleBuild& built) {
         return built.shuntCoil ? built.shuntCoil->windingInductance : DipoleBuild::kNone;
     }},
    {{"shunt_q", 0, "", QT_TRANSLATE_NOOP("Figures", "Q of the matching coil")},
     WoundFigureId::ShuntQ,
     [](const DipoleBuild& built) {
         return built.shuntCoil ? built.shuntCoil->q : DipoleBuild::kNone;
     }},
    {{"rounds", 0, "", QT_TRANSLATE_NOOP("Figures", "Rounds until inductance and Q agree")},
     WoundFigureId::Rounds,
     [](const DipoleBuild& built) { return static_cast<double>(built.rounds); }},
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
        return figureText(value, decimals, "", locale, UnitShown::Without);
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

std::vector<Figure> cutList(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                            bool metric) {
    const nec::HalfLayout half = nec::halfLayout(dipole, options);
    const double unit = metric ? 1 : kMetresPerFoot;
    const char* name = metric ? "m" : "ft";
    std::vector<Figure> cut{
        {{"inner_wire", kCutDecimals, name,
          QT_TRANSLATE_NOOP("Figures", "Wire from the feed point to the coil")},
         half.innerWire / unit},
        {{"coil_length", kCutDecimals, name, QT_TRANSLATE_NOOP("Figures", "Coil, as modelled")},
         half.coil / unit},
        {{"outer_wire", kCutDecimals, name,
          QT_TRANSLATE_NOOP("Figures", "Wire from the coil to the tip")},
         half.outerWire / unit}};
    for (const Figure& hanging : check::hangingFigures(dipole, options, metric)) {
        cut.push_back(hanging);
    }
    return cut;
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
