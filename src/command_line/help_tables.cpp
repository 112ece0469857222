#include "help_tables.h"

#include <QtGlobal>

namespace querlin::cli {

namespace {

constexpr CommandText kCommandTexts[] = {
    {"dipole",
     QT_TRANSLATE_NOOP("querlin-calc", "where the two loading coils go and how large they are"),
     "querlin-calc dipole --frequency MHZ --length L --element D --position PCT [--metric]\n"
     "querlin-calc dipole --frequency MHZ --length L --element D --sweep [--metric]\n"
     "querlin-calc dipole --frequency MHZ --length L --element D --sweep --check [...]\n"
     "querlin-calc dipole ... --sweep [--check [...]] --plot FILE.png|FILE.svg [--position PCT]",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The main window's upper CALCULATE: prints the distance from the centre to each loading "
         "coil (feet, or metres with --metric), the inductance of each coil in microhenries and "
         "the "
         "approximate feed-point impedance in ohms. --sweep tabulates every position as CSV, from "
         "1 % (coils next to the feed point) to 99 % (near the tips); --check adds what the NEC-2 "
         "engine says of each, and --plot draws the table as a picture in place of printing it.")},
    {"match",
     QT_TRANSLATE_NOOP("querlin-calc", "the same, and the matching coil across the feed point"),
     "querlin-calc match --frequency MHZ --length L --element D --position PCT --feedline OHMS "
     "[--metric]",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The main window's lower CALCULATE: prints what dipole prints, then the inductance of the "
         "shunt coil across the feed point that matches the antenna to the feed line, in "
         "microhenries.")},
    {"coil",
     QT_TRANSLATE_NOOP("querlin-calc", "the turns of a loading coil, and the coil as wound"),
     "querlin-calc coil --inductance UH --diameter D --length L --wire W "
     "[--details [--frequency MHZ]]",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The coil window's CALCULATE: prints the number of turns of a single-layer air-core coil "
         "for the wanted inductance and the fit message, which begins with a blank as the coil "
         "window shows it. --details adds the coil as wound, its turns spread evenly over the coil "
         "length, one figure and its unit a line: its inductance by Nagaoka's coefficient less "
         "Rosa's round-wire corrections, how far that is from the wanted inductance, the turns "
         "that "
         "give the wanted inductance as wound and whether they fit, and the wire length; with "
         "--frequency, its Q, its self-resonance and its reactance there, and a "
         "warning above a third of the self-resonance.")},
    {"nec", QT_TRANSLATE_NOOP("querlin-calc", "the design as a NEC-2 card deck"),
     "querlin-calc nec --frequency MHZ --length L --element D --position PCT [--metric]\n"
     "         [--segments N] [--height H] [--conductor copper] [--coil-q Q] [--output FILE]",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "Writes the design as a NEC-2 card deck: the straight centre-fed wire, the source on a "
         "segment of its own at the centre, each loading coil of the computed inductance a wire of "
         "its own, 1/81 of the antenna long (shorter near the centre or a tip), centred at the "
         "computed distance, and a sweep from 10 % below to 10 % above the design frequency, with "
         "comment cards naming the design.")},
    {"check",
     QT_TRANSLATE_NOOP("querlin-calc",
                       "the design modelled in nec2c: its resonance, impedance and SWR"),
     "querlin-calc check --frequency MHZ --length L --element D --position PCT [--metric]\n"
     "         [--feedline OHMS] [--segments N] [--height H] [--conductor copper]\n"
     "         [--coil-q Q | --coil-diameter D --coil-length L --coil-wire W]\n"
     "querlin-calc check ... --touchstone FILE.s1p",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "Runs the design's deck in the NEC-2 engine nec2c and prints the design's texts, then "
         "what "
         "the engine says, each after its key: where the antenna resonates and how far that is "
         "from "
         "the design frequency, the feed impedance there, the inductance each coil needs for "
         "resonance there, the SWR without and with the matching coil, the 2:1 bandwidth and, with "
         "--conductor copper, --coil-q, a coil to wind or --height, the efficiency: the share of "
         "the "
         "power put in that is radiated, over ground into the upper half of space, with coils of "
         "the resonant inductance. A last line, note, says when segments shorter than 8 wire radii "
         "make the figures rough. --coil-diameter, --coil-length and --coil-wire wind "
         "each loading coil as coil --details does and model it with the Q that gives, and add the "
         "turns that give its inductance as wound.")},
    {"build",
     QT_TRANSLATE_NOOP("querlin-calc", "what to build instead: the coils that match the feed line"),
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "querlin-calc build --frequency MHZ --length L --element D --position "
         "PCT|best\n"
         "         [--metric] [--feedline OHMS] [the model and coil options of check]\n"
         "querlin-calc build --frequency MHZ --length L --element D --sweep [...]\n"
         "querlin-calc build ... --sweep --plot FILE.png|FILE.svg [--position PCT]\n"
         "querlin-calc build ... --touchstone FILE.s1p"),
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "Prints the design's texts, then what to build instead, found by nec2c with the coils' "
         "loss in the model: each loading coil and the matching coil across the feed point with "
         "which the feed line sees an SWR of 1, and the SWR, bandwidth and feed impedance with "
         "them, "
         "or in words why no coil across the feed point can match, and what to cut for each half: "
         "the wire to the coil, the coil and the wire to the tip. With a coil to wind it gives "
         "each coil's turns and Q; --position best builds every position and prints the one of "
         "highest efficiency, and --sweep every position, a row each, which --plot draws as a "
         "picture in place of printing it. --touchstone writes the build's feed point for an "
         "analyser's program, as check's does.")},
    {"measured",
     QT_TRANSLATE_NOOP("querlin-calc", "an analyser's sweep of the antenna, and how to tune it"),
     "querlin-calc measured FILE [--feedline OHMS] [--frequency MHZ]\n"
     "querlin-calc measured FILE --frequency MHZ --length L --element D --position PCT\n"
     "         [--metric] [--feedline OHMS] [--load-inductance UH] [--segments N] [--height H]\n"
     "         [--conductor copper] [--coil-q Q] [--coil-diameter D --coil-length L --coil-wire "
     "W]\n"
     "querlin-calc measured FILE ... --plot FILE.png|FILE.svg",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "Reads an antenna analyser's sweep of the feed point, a Touchstone version 1 .s1p file or "
         "a CSV file, and prints the resonance, the resistance there, the lowest SWR on the feed "
         "line and the 2:1 bandwidth. Given the design, it also says how much to change each tip, "
         "or instead each coil, to bring the resonance to the design frequency, found with nec2c, "
         "and estimates the coils' Q and the efficiency from the resonance's sharpness; with the "
         "former the coils are wound on, the turns to wind on or unwind. --plot draws the sweep's "
         "SWR, resistance and reactance against frequency, with the design the model's beside "
         "them.")},
};

// In the order each command's help lists them.
constexpr OptionText kOptionTexts[] = {
    {"frequency", "dipole match nec check build", "MHZ",
     QT_TRANSLATE_NOOP("querlin-calc", "The operating frequency, in MHz.")},
    {"frequency", "measured", "MHZ",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The design frequency, in MHz: the resonance nearest it is read (without it, the one "
         "nearest the lowest SWR).")},
    {"length", "dipole match nec check build", "L",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The total length of the antenna, tip to tip, in feet (metres with --metric).")},
    {"length", "measured", "L",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The design's total length, in feet (metres with --metric); with --frequency, --element "
         "and --position.")},
    {"element", "dipole match nec check build", "D",
     QT_TRANSLATE_NOOP("querlin-calc",
                       "The element diameter, in inches (millimetres with --metric).")},
    {"element", "measured", "D",
     QT_TRANSLATE_NOOP("querlin-calc",
                       "The design's element diameter, in inches (millimetres with --metric).")},
    {"position", "match nec check", "PCT",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The distance from the centre to each coil as a percentage of half the antenna, the "
         "window's % box: a whole number from 1 to 99.")},
    {"position", "dipole", "PCT",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The distance from the centre to each coil as a percentage of half the antenna, the "
         "window's % box: a whole number from 1 to 99. With --sweep only with --plot, which marks "
         "it.")},
    {"position", "build", "PCT",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The distance from the centre to each coil as a percentage of half the antenna, a whole "
         "number from 1 to 99; or best, the position of highest efficiency, which needs the coils' "
         "loss. With --sweep only with --plot, which marks it.")},
    {"position", "measured", "PCT",
     QT_TRANSLATE_NOOP("querlin-calc", "The design's coil position, per cent, 1 to 99.")},
    {"metric", "dipole match nec check build", nullptr,
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The length is in metres and the element diameter in millimetres; the coil distance is "
         "printed in metres.")},
    {"metric", "measured", nullptr,
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The design's length is in metres and its element diameter in millimetres; the tip "
         "change is printed in metres.")},
    {"feedline", "match", "OHMS",
     QT_TRANSLATE_NOOP("querlin-calc", "The feed line's impedance, in ohms.")},
    {"inductance", "coil", "UH",
     QT_TRANSLATE_NOOP("querlin-calc", "The wanted inductance, in microhenries.")},
    {"diameter", "coil", "D",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The coil diameter, in inches, from wire centre to wire centre: a former's diameter plus "
         "one wire diameter.")},
    {"length", "coil", "L", QT_TRANSLATE_NOOP("querlin-calc", "The coil length, in inches.")},
    {"wire", "coil", "W", QT_TRANSLATE_NOOP("querlin-calc", "The wire diameter, in inches.")},
    {"details", "coil", nullptr,
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The coil as wound too: its inductance, its difference from the wanted inductance in per "
         "cent, the turns that give the wanted inductance as wound and whether they fit, and the "
         "wire length, in inches and metres.")},
    {"frequency", "coil", "MHZ",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "With --details: the frequency the coil works at, in MHz, for its Q, self-resonance and "
         "reactance.")},
    {"sweep", "dipole", nullptr,
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "Every position from 1 to 99, as CSV with the header row "
         "position,distance,inductance,impedance (with --json, one object per position); without "
         "--position.")},
    {"sweep", "build", nullptr,
     QT_TRANSLATE_NOOP("querlin-calc",
                       "Build every position, a row each, as CSV; without --position.")},
    {"check", "dipole", nullptr,
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "With --sweep: the check's figures of every position too, as further columns; takes the "
         "model and coil options of check.")},
    {"plot", "dipole", "FILE",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "With --sweep: draw the table in FILE instead of printing it, a PNG or SVG picture by the "
         "name's ending (.png or .svg).")},
    {"feedline", "check build measured", "OHMS",
     QT_TRANSLATE_NOOP("querlin-calc", "The feed line's impedance, in ohms; 50 unless given.")},
    {"feedline", "dipole", "OHMS",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "With --sweep --check: the feed line's impedance, in ohms; 50 unless given.")},
    {"load-inductance", "measured", "UH",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The inductance of each coil as built, in microhenries, in place of the design's.")},
    {"segments", "dipole nec check build measured", "N",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "No segment of the model is longer than the antenna over N, and those at the source and "
         "the coils are shorter where they must be; 9 to 2001, 81 unless given.")},
    {"height", "dipole nec check build measured", "H",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The antenna's height over average ground (relative permittivity 13, 0.005 S/m), in feet "
         "(metres with --metric); free space unless given.")},
    {"conductor", "dipole nec check build measured", "copper",
     QT_TRANSLATE_NOOP("querlin-calc",
                       "Adds the loss of copper wire to the model; without it the wire has none.")},
    {"wire", "dipole nec check build measured", "copper",
     QT_TRANSLATE_NOOP("querlin-calc",
                       "The old spelling of --conductor; coil's --wire is the wire's diameter.")},
    {"coil-q", "dipole nec check measured", "Q",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The coils' Q, for their loss: a series resistance of their reactance over Q at the "
         "design frequency; lossless unless given.")},
    {"coil-q", "build", "Q",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "The Q of every coil, the matching coil's too, for their loss; lossless unless given.")},
    {"coil-diameter", "dipole check", "D",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "Wind each loading coil on this diameter, in inches from wire centre to wire centre, as "
         "the coil window designs it, and take its Q for the coils' loss; with --coil-length and "
         "--coil-wire, without --coil-q.")},
    {"coil-diameter", "build", "D",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "Wind the loading coils and the matching coil on this diameter, in inches from wire "
         "centre to wire centre, by Nagaoka's coefficient, each with its own Q; with --coil-length "
         "and --coil-wire, without --coil-q.")},
    {"coil-diameter", "measured", "D",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "With the design: the diameter, in inches from wire centre to wire centre, of the former "
         "the coils are wound on, for the turns of the advised change; with --coil-length and "
         "--coil-wire.")},
    {"coil-length", "dipole check build measured", "L",
     QT_TRANSLATE_NOOP("querlin-calc", "The length of that coil, in inches.")},
    {"coil-wire", "dipole check build measured", "W",
     QT_TRANSLATE_NOOP("querlin-calc", "The wire diameter of that coil, in inches.")},
    {"output", "nec", "FILE",
     QT_TRANSLATE_NOOP("querlin-calc", "Write the deck to FILE instead of standard output.")},
    {"touchstone", "check", "FILE",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "Also write the model's feed point from a tenth below to a tenth above the design "
         "frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line.")},
    {"touchstone", "build", "FILE",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "Also write the build's feed point, its loading coils as built with their Q and the "
         "matching coil across it, from a tenth below to a tenth above the design frequency, in "
         "201 steps, to FILE, a Touchstone .s1p file on the feed line; without --sweep.")},
    {"plot", "build", "FILE",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "With --sweep: draw the builds in FILE instead of printing them, against the position: "
         "each loading coil by the formula and as built, the 2:1 bandwidth and, with loss in the "
         "model, the efficiency, the best position ringed; a PNG or SVG picture by the name's "
         "ending (.png or .svg).")},
    {"plot", "measured", "FILE",
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "Also draw the sweep's SWR, resistance and reactance against frequency in FILE, and with "
         "the design the model's beside them, a PNG or SVG picture by the name's ending (.png or "
         ".svg).")},
    {"json", "dipole match coil nec check build measured", nullptr,
     QT_TRANSLATE_NOOP(
         "querlin-calc",
         "One compact JSON object per result, texts as strings and figures as numbers.")},
    {"locale", "dipole match coil nec check build measured", nullptr,
     QT_TRANSLATE_NOOP("querlin-calc",
                       "Read and write numbers in the user's locale, as the windows do, instead of "
                       "the C locale.")},
};

constexpr OptionText kBatch = {
    "batch", "", nullptr,
    QT_TRANSLATE_NOOP("querlin-calc",
                      "Read one command per line from standard input and print one JSON line "
                      "for each.")};

}  // namespace

std::span<const CommandText> commandTexts() {
    return kCommandTexts;
}

std::span<const OptionText> optionTexts() {
    return kOptionTexts;
}

const OptionText& batchText() {
    return kBatch;
}

}  // namespace querlin::cli
