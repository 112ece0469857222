#include "nec/nec_model.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

// The dipole cut into wires and segments: where the source and the coils lie
// along it and how long each segment is.

namespace querlin::nec {

namespace {

// The plain wire's tags, from one tip to the other.
constexpr int kFirstWireTag = 4;
// Segments whose lengths differ by less than this share go on one wire.
constexpr double kSameLength = 1e-9;
// The most by which a segment is longer than its neighbour towards the source
// or a coil, where the current changes fastest: well within the ratio of 2
// between neighbours that NEC-2's modelling guidelines allow.
constexpr double kGrowth = 1.5;
// The wire between a coil and the source or the tip holds at least this many
// segments in the default model.
constexpr int kGapSegments = 4;
// So many segments beside the source and each coil are as long as theirs.
constexpr double kEvenSegments = 2;

void requireModellable(const LoadedDipole& d, const ModelOptions& options) {
    const int segments = options.segments;
    const auto finite = [](double value) { return std::isfinite(value); };
    if (!finite(d.frequency) || !finite(d.length) || !finite(d.diameter) ||
        !finite(d.coilDistance) || !finite(d.inductance) || d.frequency <= 0 || d.length <= 0 ||
        d.diameter <= 0) {
        throw NecError{QCoreApplication::translate(
            "Antenna",
            "The design cannot be modelled: it needs a positive frequency, length and element.")};
    }
    if (d.coilDistance <= 0 || d.coilDistance >= d.length / 2) {
        throw NecError{QCoreApplication::translate(
            "Antenna", "The design cannot be modelled: the coils must sit inside the antenna.")};
    }
    if (segments < kFewestSegments || segments > kMostSegments) {
        throw NecError{
            QCoreApplication::translate("Antenna", "The model takes %1 to %2 segments, not %3.")
                .arg(kFewestSegments)
                .arg(kMostSegments)
                .arg(segments)};
    }
    if (options.insulation &&
        !(options.insulation->thickness > 0 && std::isfinite(options.insulation->thickness) &&
          options.insulation->permittivity >= 1 &&
          std::isfinite(options.insulation->permittivity))) {
        throw NecError{QCoreApplication::translate(
            "Antenna",
            "Insulation needs a positive thickness and a relative permittivity of 1 or more.")};
    }
    if (!(options.apexAngle > 0 && options.apexAngle <= kFlat)) {
        throw NecError{QCoreApplication::translate(
            "Antenna", "The angle between the legs must be more than 0 and at most 180 degrees.")};
    }
    if (options.coilLength && !(*options.coilLength > 0 && std::isfinite(*options.coilLength))) {
        throw NecError{
            QCoreApplication::translate("Antenna", "A coil's length must be a positive number.")};
    }
}

// How long segments grow at that distance from one of that size: as long for
// kEvenSegments of them, then longer by kGrowth a segment.
double grownFrom(double size, double distance) {
    return size + std::log(kGrowth) * std::max(0.0, distance - kEvenSegments * size);
}

// The lengths of the segments along a stretch of wire that begins next to a
// segment of length first and ends next to one of length last (or at a tip,
// when last is 0), grown from both up to longest.
std::vector<double> gradedSegments(double length, double first, double last, double longest) {
    const auto size = [&](double x) {
        const double s = std::min(longest, grownFrom(first, x));
        return last > 0 ? std::min(s, grownFrom(last, length - x)) : s;
    };
    // The number of segments up to each of many even steps along the stretch:
    // the integral of one over the size.
    constexpr int kSteps = 4096;
    const double step = length / kSteps;
    std::vector<double> count(kSteps + 1, 0.0);
    for (int i = 0; i < kSteps; ++i) {
        count[i + 1] = count[i] + step / size((i + 0.5) * step);
    }
    const int n = std::max(1, static_cast<int>(std::ceil(count.back() - 1e-9)));
    std::vector<double> lengths;
    double from = 0;
    int i = 0;
    for (int k = 1; k < n; ++k) {
        const double wanted = count.back() * k / n;
        while (count[i + 1] < wanted) {
            ++i;
        }
        const double to = (i + (wanted - count[i]) / (count[i + 1] - count[i])) * step;
        lengths.push_back(to - from);
        from = to;
    }
    lengths.push_back(length - from);
    return lengths;
}

// How long each coil is modelled: as the options say, shorter where it would
// come closer to the source or a tip than its own length.
double coilLength(const LoadedDipole& dipole, const ModelOptions& options) {
    const double half = dipole.length / 2;
    const double distance = dipole.coilDistance;
    const double wanted = options.coilLength.value_or(dipole.length * kCoilShare);
    if (options.coilFrom == ModelOptions::CoilFrom::InnerEnd) {
        return std::min(wanted, (half - distance) / 2.5);
    }
    return std::min({wanted, distance / 2, (half - distance) / 1.5});
}
}  // namespace

HalfLayout halfLayout(const LoadedDipole& dipole, const ModelOptions& options) {
    const double coil = coilLength(dipole, options);
    const double inner = options.coilFrom == ModelOptions::CoilFrom::InnerEnd
                             ? dipole.coilDistance
                             : dipole.coilDistance - coil / 2;
    return {inner, coil, dipole.length / 2 - inner - coil};
}
std::vector<Wire> wiresOf(const LoadedDipole& dipole, const ModelOptions& options) {
    requireModellable(dipole, options);
    const int segments = options.segments;
    const double half = dipole.length / 2;
    const double longest = dipole.length / segments;
    const HalfLayout layout = halfLayout(dipole, options);
    const double coil = layout.coil;
    // The segments at the source and along the coils: short enough that the
    // wire beside them, between the source and a coil or a coil and its tip,
    // holds kGapSegments of them in the default model, proportionally more in
    // a finer one, and never fewer than two.
    const double share =
        std::max(2.0, static_cast<double>(kGapSegments) * segments / kDefaultSegments);
    const double inner = layout.innerWire;
    const double outer = layout.outerWire;
    const int coilSegments = std::max(
        1, static_cast<int>(
               std::ceil(coil / std::min({longest, inner / share, outer / share}) - 1e-9)));
    const double onCoil = coil / coilSegments;
    // No longer than the segments grown from the coil's reach it either.
    const double atSource = std::min({longest, inner / share, grownFrom(onCoil, inner / 2)});

    // The segments from the source out to the right tip, each with its tag (0
    // for the plain wire); the left half mirrors them.
    struct Piece {
        int tag;
        double length;
    };
    std::vector<Piece> right;
    for (const double length : gradedSegments(inner - atSource / 2, atSource, onCoil, longest)) {
        right.push_back({0, length});
    }
    right.insert(right.end(), coilSegments, Piece{kRightCoilTag, onCoil});
    for (const double length : gradedSegments(outer, onCoil, 0, longest)) {
        right.push_back({0, length});
    }
    std::vector<Piece> pieces;
    for (auto piece = right.rbegin(); piece != right.rend(); ++piece) {
        pieces.push_back({piece->tag == kRightCoilTag ? kLeftCoilTag : piece->tag, piece->length});
    }
    pieces.push_back({kSourceTag, atSource});
    pieces.insert(pieces.end(), right.begin(), right.end());

    // Neighbouring segments of one kind and length make one wire.
    std::vector<Wire> wires;
    int nextTag = kFirstWireTag;
    double at = -half;
    for (const Piece& piece : pieces) {
        const double to = at + piece.length;
        Wire* last = wires.empty() ? nullptr : &wires.back();
        const bool sameKind =
            last != nullptr && piece.tag != kSourceTag &&
            (piece.tag == 0 ? last->tag >= kFirstWireTag : last->tag == piece.tag);
        if (sameKind && std::abs((last->to - last->from) / last->segments - piece.length) <=
                            kSameLength * piece.length) {
            last->to = to;
            ++last->segments;
        } else {
            wires.push_back({piece.tag == 0 ? nextTag++ : piece.tag, 1, at, to});
        }
        at = to;
    }
    wires.back().to = half;
    return wires;
}
double shortestSegment(const LoadedDipole& dipole, const ModelOptions& options) {
    double shortest = dipole.length;
    for (const Wire& wire : wiresOf(dipole, options)) {
        shortest = std::min(shortest, (wire.to - wire.from) / wire.segments);
    }
    return shortest;
}
}  // namespace querlin::nec
