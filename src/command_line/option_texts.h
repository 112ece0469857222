#pragma once

#include <QtGlobal>
#include <initializer_list>
#include <vector>

#include "command.h"

namespace querlin::cli::option {

// The options that several commands take with one meaning, as their help
// describes them; an option of one command is described in its file.

inline constexpr OptionText kFrequency{
    "frequency", "MHZ", QT_TRANSLATE_NOOP("querlin-calc", "The operating frequency, in MHz.")};
inline constexpr OptionText kLength{
    "length", "L",
    QT_TRANSLATE_NOOP(
        "querlin-calc",
        "The total length of the antenna, tip to tip, in feet (metres with --metric).")};
inline constexpr OptionText kElement{
    "element", "D",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "The element diameter, in inches (millimetres with --metric).")};
inline constexpr OptionText kPosition{
    "position", "PCT",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "The distance from the centre to each coil as a percentage of half the "
                      "antenna, the window's % box: a whole number from 1 to 99.")};
inline constexpr OptionText kMetric{
    "metric", nullptr,
    QT_TRANSLATE_NOOP("querlin-calc",
                      "The length is in metres and the element diameter in millimetres; the coil "
                      "distance is printed in metres.")};
inline constexpr OptionText kFeedline{
    "feedline", "OHMS",
    QT_TRANSLATE_NOOP("querlin-calc", "The feed line's impedance, in ohms; 50 unless given.")};
inline constexpr OptionText kSegments{
    "segments", "N",
    QT_TRANSLATE_NOOP(
        "querlin-calc",
        "No segment of the model is longer than the antenna over N, and those at the source and "
        "the coils are shorter where they must be; 9 to 2001, 81 unless given.")};
inline constexpr OptionText kHeight{
    "height", "H",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "The height of the feed point over the ground, in feet (metres with "
                      "--metric); free space unless given.")};
inline constexpr OptionText kGround{
    "ground", "NAME",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "The ground under the antenna with --height: very-poor, poor, average, good, "
                      "very-good, fresh-water or sea-water; average (relative permittivity 13, "
                      "0.005 S/m) unless given.")};
inline constexpr OptionText kGroundPermittivity{
    "ground-permittivity", "ER",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "The ground's relative permittivity, with --ground-conductivity, in place of "
                      "a named ground.")};
inline constexpr OptionText kGroundConductivity{
    "ground-conductivity", "S",
    QT_TRANSLATE_NOOP("querlin-calc", "The ground's conductivity, in S/m.")};
inline constexpr OptionText kInsulation{
    "insulation", "T",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "The wire's insulation, its radial thickness in inches (millimetres with "
                      "--metric); bare wire unless given.")};
inline constexpr OptionText kInsulationPermittivity{
    "insulation-permittivity", "ER",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "The insulation's relative permittivity: 3.5 (PVC) unless given, "
                      "polyethylene about 2.3.")};
inline constexpr OptionText kApexAngle{
    "apex-angle", "DEG",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "Hang the antenna as an inverted V with this angle between its legs, in "
                      "degrees, its feed point at the apex; 180 (flat) unless given.")};
inline constexpr OptionText kConductor{
    "conductor", "copper",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "Adds the loss of copper wire to the model; without it the wire has none.")};
inline constexpr OptionText kWire{
    "wire", "copper",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "The old spelling of --conductor; coil's --wire is the wire's diameter.")};
inline constexpr OptionText kCoilQ{
    "coil-q", "Q",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "The coils' Q, for their loss: a series resistance of their reactance over Q "
                      "at the design frequency; lossless unless given.")};
inline constexpr OptionText kCoilDiameter{
    "coil-diameter", "D",
    QT_TRANSLATE_NOOP("querlin-calc",
                      "Wind each loading coil on this diameter, in inches from wire centre to wire "
                      "centre, as the coil window designs it, and take its Q for the coils' loss; "
                      "with --coil-length and --coil-wire, without --coil-q.")};
inline constexpr OptionText kCoilLength{
    "coil-length", "L", QT_TRANSLATE_NOOP("querlin-calc", "The length of that coil, in inches.")};
inline constexpr OptionText kCoilWire{
    "coil-wire", "W",
    QT_TRANSLATE_NOOP("querlin-calc", "The wire diameter of that coil, in inches.")};
inline constexpr OptionText kJson{
    "json", nullptr,
    QT_TRANSLATE_NOOP(
        "querlin-calc",
        "One compact JSON object per result, texts as strings and figures as numbers.")};
inline constexpr OptionText kLocale{
    "locale", nullptr,
    QT_TRANSLATE_NOOP("querlin-calc",
                      "Read and write numbers in the user's locale, as the windows do, instead of "
                      "the C locale.")};

// The design's options, which every command that designs the antenna takes
// first: its frequency, length, element and coil position, and the metric
// switch.
inline std::vector<CommandOption> designOptions(const OptionText& position = kPosition) {
    return {{kFrequency, true}, {kLength, true}, {kElement, true}, {position, true}, {kMetric}};
}

// The model's options, which every command that models the antenna takes, in
// the order its help lists them: the segments, the antenna as hung (its
// height, ground, shape and insulation) and the wire's loss.
inline std::vector<CommandOption> modelOptions() {
    return {{kSegments},           {kHeight},    {kGround},     {kGroundPermittivity},
            {kGroundConductivity}, {kApexAngle}, {kInsulation}, {kInsulationPermittivity},
            {kConductor},          {kWire}};
}

// A command's options: the lists one after the other.
inline std::vector<CommandOption> joined(std::initializer_list<std::vector<CommandOption>> lists) {
    std::vector<CommandOption> options;
    for (const std::vector<CommandOption>& list : lists) {
        options.insert(options.end(), list.begin(), list.end());
    }
    return options;
}

}  // namespace querlin::cli::option
