#include "measurement/model_touchstone.h"

#include <QStringList>
#include <cmath>

#include "measurement/comparison.h"
#include "measurement/one_port.h"

namespace querlin::measurement {

namespace {

// The sweep on the feed line, its comments naming the design, the coils as
// given ("coils of 14.74 uH 3.048 m from the centre,") and where it stands.
QByteArray touchstoneWith(const OnePort& sweep, double feedline, const QString& coils,
                          const DesignRow& row) {
    const nec::LoadedDipole& dipole = row.design.dipole;
    const QStringList comments{
        QStringLiteral("QUERLIN's model of the loaded dipole for %1 MHz, %2 m long, %3")
            .arg(dipole.frequency, 0, 'g', 8)
            .arg(dipole.length, 0, 'g', 8)
            .arg(coils),
        QStringLiteral("as the NEC-2 engine nec2c computes its feed point. ") +
            nec::settingText(row.options),
    };
    return touchstoneOf(sweep, feedline, comments);
}

}  // namespace

QByteArray modelTouchstone(const DesignRow& row, double feedline, const nec::NecEngine& engine) {
    const nec::LoadedDipole& dipole = row.design.dipole;
    return touchstoneWith(
        modelledSweep(dipole, row.options, referenceSweep(dipole.frequency), engine), feedline,
        QStringLiteral("coils of %1 uH %2 m from the centre,")
            .arg(dipole.inductance, 0, 'g', 8)
            .arg(dipole.coilDistance, 0, 'g', 8),
        row);
}

QByteArray buildTouchstone(const DesignRow& row, const build::DipoleBuild& build, double feedline,
                           const nec::NecEngine& engine) {
    const nec::LoadedDipole& dipole = row.design.dipole;
    QString coils = QStringLiteral("loading coils of %1 uH %2 m from the centre")
                        .arg(build.loadInductance, 0, 'g', 8)
                        .arg(dipole.coilDistance, 0, 'g', 8);
    if (std::isfinite(build.loadQ)) {
        coils += QStringLiteral(" (Q %1)").arg(build.loadQ, 0, 'g', 6);
    }
    if (build.match == build::DipoleBuild::Match::ShuntCoil) {
        coils += QStringLiteral(", a matching coil of %1 uH across the feed point")
                     .arg(build.shuntInductance, 0, 'g', 8);
        if (std::isfinite(build.shuntQ)) {
            coils += QStringLiteral(" (Q %1)").arg(build.shuntQ, 0, 'g', 6);
        }
    }
    return touchstoneWith(
        builtSweep(dipole, row.options, build, referenceSweep(dipole.frequency), engine), feedline,
        coils + u',', row);
}

}  // namespace querlin::measurement
