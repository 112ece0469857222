#pragma once

#include <QString>
#include <complex>
#include <optional>
#include <variant>

namespace querlin {

// A single-layer air-core coil as wound: its turns spread evenly over its
// length on its diameter, all lengths in inches. The diameter is taken as the
// diameter of the current sheet, from wire centre to wire centre.
struct Winding {
    double turns = 0;
    double diameter = 0;
    double length = 0;
    double wire = 0;  // the wire's diameter
};

// What the winding does at an operating frequency.
struct WindingAtFrequency {
    double frequency = 0;  // MHz
    double reactance = 0;  // ohms, of the winding's inductance
    double q = 0;          // the reactance over the copper's resistance
    // Above about a third of its self-resonance a coil no longer acts as its
    // winding's inductance alone.
    bool nearSelfResonance = false;
    // The coil as wound: the winding with its copper's loss, the
    // self-capacitance across it. It acts as a larger inductance than its
    // winding's, with a lower Q, the nearer the frequency comes to its
    // self-resonance.
    std::complex<double> impedance;  // ohms
    double apparentInductance = 0;   // µH, of the impedance's reactance
    double apparentQ = 0;            // its reactance over its resistance
};

// The impedance in ohms of a winding of that inductance (µH) and Q with that
// self-capacitance (pF) across it, at a frequency in MHz.
std::complex<double> woundImpedance(double inductance, double q, double capacitance,
                                    double frequency);

struct WindingDetails {
    // Microhenries: the current sheet's by Nagaoka's coefficient, less
    // Rosa's corrections for round wire.
    double inductance = 0;
    double currentSheet = 0;  // microhenries, by Nagaoka's coefficient alone
    double wireLength = 0;    // inches, the helix alone, no leads
    // Picofarads and MHz, for coils from 0.1 to 50 diameters long, which
    // Medhurst measured.
    std::optional<double> selfCapacitance;
    std::optional<double> selfResonance;
    std::optional<WindingAtFrequency> atFrequency;
};

// The details, or why the formulas cannot give them.
using WindingOutcome = std::variant<WindingDetails, QString>;

// What the winding has and does; with a frequency in MHz also its reactance
// and Q there.
WindingOutcome windingDetails(const Winding& winding, std::optional<double> frequency);

// Nagaoka's coefficient of a current sheet of the given diameter-to-length
// ratio, by Wheeler's continuous formula of 1982.
double nagaokaCoefficient(double diameterOverLength);

// Rosa's corrections for round wire, Grover's A and B: A of the wire's
// diameter over the pitch, B of the number of turns.
double rosaSelfCorrection(double wireOverPitch);
double rosaMutualCorrection(double turns);

}  // namespace querlin
