#include "positions/position_sweep.h"

#include <QCoreApplication>

#include "check/check_figures.h"
#include "coil/coil_winding.h"
#include "dipole/coil_position.h"
#include "handler_fault.h"
#include "positions/position_builds.h"

namespace querlin {

namespace {

// The engine models the coil the builder winds as it is wound: its winding
// has the design's inductance (where those turns do not fit the former, the
// coil window's turns, which do), and with its self-capacitance across it
// the coil acts at the design frequency as more, with less Q. It stands at
// its own length from the coil distance out, where the design puts its
// start.
void modelAsWound(DesignRow& row, const QLocale& locale) {
    const Winding& former = row.coil->winding;
    const WindingOutcome outcome =
        build::woundAt(former, *row.coilAsWound, row.design.dipole.frequency);
    if (const auto* why = std::get_if<QString>(&outcome)) {
        throw Fault(FaultStatus::Calculation, *why);
    }
    const WindingAtFrequency& there = *std::get<WindingDetails>(outcome).atFrequency;
    row.coil->q = significant(there.apparentQ, 2, locale);
    row.options.coilQ = row.coil->q.value;
    row.design.dipole.inductance = there.apparentInductance;
    modelWoundOn(row.options, {former.diameter, former.length, former.wire});
}

}  // namespace

DesignRow designRow(const Antenna& antenna, const ModelInputs& inputs, const QLocale& locale) {
    DesignRow row{coilPercentage(antenna.slider),
                  designForModel(antenna, inputs.feedline, locale),
                  inputs.options,
                  {},
                  {},
                  {}};
    if (inputs.modelled) {
        requireLoadingCoil(antenna, row.design, locale, inputs.metricSwitch);
    }
    if (inputs.loadingCoil) {
        const LoadingCoil& size = *inputs.loadingCoil;
        row.coil = woundCoil({row.design.inductance, size.diameter, size.length, size.wire},
                             row.design.dipole.frequency, locale);
        const Winding& winding = row.coil->winding;
        row.coilAsWound =
            build::turnsFor({winding.diameter, winding.length, winding.wire}, row.coil->wanted);
        modelAsWound(row, locale);
    }
    return row;
}

PositionSweep designSweep(const Antenna& antenna, const ModelInputs& inputs,
                          const QLocale& locale) {
    PositionSweep sweep;
    Antenna position = antenna;
    for (int percentage = kFirstPosition; percentage <= kLastPosition; ++percentage) {
        position.slider = sliderValueFor(percentage);
        try {
            sweep.rows.push_back(designRow(position, inputs, locale));
        } catch (const Fault& fault) {
            sweep.fault = fault;
            break;
        }
    }
    return sweep;
}

QFuture<check::DipoleCheck> checkRows(const nec::EngineRuns& engines, std::vector<DesignRow> rows,
                                      double feedline) {
    const int count = static_cast<int>(rows.size());
    return engines.map<check::DipoleCheck>(
        count, [rows = std::move(rows), feedline](int i, const nec::NecEngine& engine) {
            const DesignRow& row = rows[static_cast<std::size_t>(i)];
            return check::checkDipole(row.design.dipole, row.options, feedline,
                                      row.design.matchingCoil, engine);
        });
}

QString plotTitle(const Antenna& antenna) {
    return QCoreApplication::translate("Antenna",
                                       "Loaded dipole for %1 MHz, %2 %3 long, element %4 %5")
        .arg(antenna.frequency, antenna.length, antenna.metric ? u"m"_qs : u"ft"_qs,
             antenna.element, antenna.metric ? u"mm"_qs : u"in"_qs);
}

SweepPlot sweepPlot(const Antenna& antenna, const std::vector<DesignRow>& rows,
                    std::optional<int> worked, const std::optional<check::DipoleCheck>& check,
                    const QLocale& locale) {
    const bool checked = std::all_of(rows.begin(), rows.end(),
                                     [](const DesignRow& row) { return row.check.has_value(); });
    const double target = rows.empty() ? 0 : rows.front().design.dipole.frequency;
    SweepPlot plot{plotTitle(antenna), target, checked, {}, {}, {}, {}};
    const double none = std::nan("");
    for (const DesignRow& row : rows) {
        plot.points.push_back({row.position, row.design.dipole.inductance,
                               checked ? row.check->resonantInductance : none,
                               checked ? row.check->resonance : none});
        if (row.position == worked) {
            plot.worked = worked;
            plot.workedInductance = row.design.inductance + QStringLiteral(" µH");
            const check::DipoleCheck* figures = checked ? &*row.check : nullptr;
            if (figures == nullptr && check) {
                figures = &*check;
            }
            plot.workedResonance =
                figures != nullptr
                    ? figureText(check::formOf(check::FigureId::Resonance).of(*figures), locale,
                                 UnitShown::With)
                    : QStringLiteral("none");
        }
    }
    return plot;
}

}  // namespace querlin
