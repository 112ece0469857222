#include "help_text.h"

namespace querlin::cli {

const char* const kUsageLines =
    "Usage: querlin-calc dipole --frequency MHZ --length L --element D --position PCT [--metric]\n"
    "  or:  querlin-calc dipole --frequency MHZ --length L --element D --sweep [--metric]\n"
    "  or:  querlin-calc match --frequency MHZ --length L --element D --position PCT "
    "--feedline OHMS [--metric]\n"
    "  or:  querlin-calc coil --inductance UH --diameter D --length L --wire W "
    "[--details [--frequency MHZ]]\n"
    "  or:  querlin-calc nec --frequency MHZ --length L --element D --position PCT [--metric]\n"
    "         [--segments N] [--height H] [--wire copper] [--coil-q Q] [--output FILE]\n"
    "  or:  querlin-calc check --frequency MHZ --length L --element D --position PCT [--metric]\n"
    "         [--feedline OHMS] [--segments N] [--height H] [--wire copper]\n"
    "         [--coil-q Q | --coil-diameter D --coil-length L --coil-wire W]\n"
    "  or:  querlin-calc build --frequency MHZ --length L --element D --position PCT|best\n"
    "         [--metric] [--feedline OHMS] [the model and coil options of check]\n"
    "  or:  querlin-calc build --frequency MHZ --length L --element D --sweep [...]\n"
    "  or:  querlin-calc dipole --frequency MHZ --length L --element D --sweep --check [...]\n"
    "  or:  querlin-calc dipole ... --sweep [--check [...]] --plot FILE.png|FILE.svg "
    "[--position PCT]\n"
    "  or:  querlin-calc check|build ... --touchstone FILE.s1p\n"
    "  or:  querlin-calc measured FILE [--feedline OHMS] [--frequency MHZ]\n"
    "  or:  querlin-calc measured FILE --frequency MHZ --length L --element D --position PCT\n"
    "         [--metric] [--feedline OHMS] [--load-inductance UH] [--segments N] [--height H]\n"
    "         [--wire copper] [--coil-q Q] [--coil-diameter D --coil-length L --coil-wire W]\n"
    "  or:  querlin-calc measured FILE ... --plot FILE.png|FILE.svg\n"
    "  or:  querlin-calc --batch < commands";

namespace {

const char* const kDescription =
    "The calculations of QUERLIN's windows from the command line. Each command\n"
    "prints, one per line, the texts that the window's result fields would show.\n"
    "dipole prints the distance from the centre to each loading coil (feet, or\n"
    "metres with --metric), the inductance of each coil in microhenries and the\n"
    "approximate feed-point impedance in ohms. match prints the same three and\n"
    "then the matching coil for the feed line, in microhenries. coil prints the\n"
    "number of turns and the fit message, which begins with a blank as the coil\n"
    "window shows it. Every command takes --json, for one JSON object per result\n"
    "instead, and --locale.\n"
    "\n"
    "coil --details then prints, one figure and its unit a line, what the winding\n"
    "does as wound, its turns spread evenly over the coil length: its inductance\n"
    "by Nagaoka's coefficient (Wheeler's formula of 1982, within 0.1 %) less\n"
    "Rosa's corrections for round wire, how far\n"
    "that is from the wanted inductance, and the wire length; with --frequency,\n"
    "its Q (copper, skin effect and Medhurst's proximity ratios), its\n"
    "self-resonance (Medhurst's self-capacitance) and its reactance, and a\n"
    "warning above a third of the self-resonance. Where the figures cannot be\n"
    "worked out (a winding that does not fit, sizes that are not positive), one\n"
    "line on standard error says why and the status is 1. With --json the\n"
    "figures are numbers under winding_inductance (uH), inductance_difference\n"
    "(per cent), wire_length (inches), wire_length_m, q, self_resonance (MHz)\n"
    "and reactance (ohms); in their place no_details says why.\n"
    "\n"
    "nec writes a NEC-2 card deck of the dipole as designed: the straight wire,\n"
    "the source at the centre, each coil of the computed inductance on a segment\n"
    "of its own centred at the computed distance, and a sweep from 10 % below to\n"
    "10 % above the design frequency. check runs the deck in the NEC-2 engine\n"
    "nec2c (Debian package nec2c; the environment variable QUERLIN_NEC2C names\n"
    "another program) and prints the design's texts and what the engine says,\n"
    "each on a line after its JSON key:\n"
    "resonance (MHz, the rising zero of the feed reactance nearest the design\n"
    "frequency), resonance_error (per cent, positive above), resistance and\n"
    "reactance (ohms, at the design frequency), resonant_inductance (uH in each\n"
    "coil for resonance at the design frequency, found by the engine), swr and\n"
    "swr_matched (against the feed line, without and with the matching coil),\n"
    "bandwidth (kHz of 2:1 SWR around the resonance, fed with its own resistance)\n"
    "and, with --wire copper or --coil-q, efficiency (per cent of the input power\n"
    "radiated). A figure not found is none, null in JSON. dipole --sweep --check\n"
    "adds these columns to the table.\n"
    "\n"
    "dipole --sweep --plot FILE draws the table as a picture in place of printing\n"
    "it: each coil's inductance against its position and, with --check, the\n"
    "inductance NEC-2 needs for resonance and where each design resonates against\n"
    "the design frequency; PNG or SVG by the file's extension. --position marks\n"
    "one position on it. It needs no display.\n"
    "\n"
    "check --coil-diameter D --coil-length L --coil-wire W (inches, all three\n"
    "together and without --coil-q) winds each loading coil as coil --details\n"
    "does for the computed inductance and takes its Q at the design frequency,\n"
    "as --details prints it, for --coil-q: it prints coil_turns (the coil\n"
    "window's turns) and coil_q before the figures, and efficiency. Where the\n"
    "coil cannot be wound or its Q estimated (a winding that does not fit, a\n"
    "fault of the coil window's calculation, a design frequency above a third\n"
    "of the coil's self-resonance), the reason goes to standard error and the\n"
    "status is 1, before the engine runs. dipole --sweep --check winds the coil\n"
    "of each position, with coil_turns and coil_q as columns; the first position\n"
    "whose coil cannot be wound ends the table as a fault does.\n"
    "\n"
    "build prints the design's texts and then what to build instead, found by\n"
    "the engine with the coils' loss in the model: load_inductance (each loading\n"
    "coil, uH), shunt_inductance (the matching coil across the feed point, uH),\n"
    "swr (on the feed line, from the engine, at most 1.01), bandwidth (kHz of 2:1\n"
    "SWR on the line), resistance and reactance (the feed impedance with the\n"
    "loading coils, before the matching coil) and, with loss, efficiency (the\n"
    "matching coil's loss counted). The loading coils stop a little short of\n"
    "resonance, where the antenna's conductance is the line's, and the matching\n"
    "coil cancels what remains. Where the antenna's resistance at resonance is at\n"
    "or above the line's, no coil across the feed point can match it:\n"
    "shunt_inductance is none, the loading coils resonate it, swr is what remains\n"
    "and no_match says so; the status is 0. With --coil-diameter, --coil-length\n"
    "and --coil-wire each coil is wound so that its winding's inductance by\n"
    "Nagaoka's coefficient is the one needed, and the loading coils' Q goes into\n"
    "the model until inductance and Q agree: load_turns, load_q, shunt_turns,\n"
    "shunt_q (none where it cannot be estimated: that coil is then lossless),\n"
    "rounds, load_fits and shunt_fits; a loading coil that cannot be wound or\n"
    "whose Q cannot be estimated ends the build with status 1. --coil-q gives\n"
    "every coil that Q instead. --sweep builds every position, a row each, the\n"
    "first position whose coil cannot be wound ending the table. --position best,\n"
    "with --coil-q or a coil to wind, builds every position and prints the one\n"
    "of highest efficiency (position, then its design and build), the positions\n"
    "about it whose efficiency is within 0.2 dB of it (near_best_from,\n"
    "near_best_to), the position at which the antenna's own resistance at\n"
    "resonance comes closest to the line's (closest_position, with its\n"
    "closest_inductance, closest_resistance and closest_swr without a matching\n"
    "coil) and how many positions were left out, their coil not wound.\n"
    "\n"
    "check --touchstone FILE.s1p also writes the model's feed point from 10 %\n"
    "below to 10 % above the design frequency, in 201 steps, as a Touchstone\n"
    "file (MHz, reflection coefficient, real and imaginary, on the feed line)\n"
    "that an analyser's program loads as a reference trace; build --touchstone\n"
    "writes the build's, its loading coils as built (with their Q) and the\n"
    "matching coil across the feed point.\n"
    "\n"
    "measured FILE reads an antenna analyser's sweep of the feed point: a\n"
    "Touchstone version 1 .s1p file (S, Y or Z; RI, MA or DB; any reference\n"
    "resistance) or a CSV file with a header row that names a frequency column\n"
    "and either Re(S11) and Im(S11) (on 50 ohms) or R and X. It prints the\n"
    "resonance (MHz: the rising zero of the reactance nearest --frequency, or\n"
    "nearest the lowest SWR), the resistance there, min_swr and\n"
    "min_swr_frequency against the feed line (--feedline, 50 unless given), and\n"
    "the 2:1 SWR bandwidth on it (kHz). Given the design (--frequency, --length,\n"
    "--element, --position, and --load-inductance for coils built to another\n"
    "inductance), it adds model_resonance (the design as modelled by nec2c),\n"
    "tip_change (each tip, feet or metres with --metric, negative to fold back)\n"
    "and inductance_change (each coil, uH) that bring the resonance to the design\n"
    "frequency, from the model's own response to longer and shorter tips and to\n"
    "more and less inductance, and says so in words; with the former the coils\n"
    "are wound on (--coil-diameter, --coil-length, --coil-wire, as build takes\n"
    "them), turns_change, the turns to wind on or unwind; and, as an estimate, coil_q\n"
    "(the coils' Q with which the model is as sharp as the measured resonance)\n"
    "and efficiency (per cent, the model's with those coils). --json gives them\n"
    "as numbers, null for none. --plot FILE draws the sweep's SWR on the feed\n"
    "line, resistance and reactance against frequency, with the design the\n"
    "model's beside them, as PNG or SVG by the name's ending. A file that cannot be read (not "
    "found, larger than\n"
    "16 MB, a line that does not read, frequencies that do not rise, no\n"
    "resonance in the sweep) gives one line naming the file and the line at\n"
    "fault, and status 1.\n"
    "\n"
    "Numbers are read as the windows read them, in the C locale unless --locale\n"
    "is given. A calculation that faults prints the windows' message on standard\n"
    "error and exits with status 1, before the engine runs; a usage error exits\n"
    "with status 2; a model that nec2c cannot run (nec2c missing or failing, its\n"
    "output unreadable) or a deck that cannot be written exits with status 3.\n"
    "\n"
    "With --batch, every line of standard input is a command with its options,\n"
    "words split at blanks, double quotes around a word with blanks, and\n"
    "--option= for an empty value. Each line gives one JSON line, in order: the\n"
    "results, {\"fault\": message}, {\"usage\": message} or {\"engine\": message}.\n"
    "The batch goes on after each and exits with the highest status of its lines.";

constexpr OptionForm kOptions[] = {
    {"frequency", "MHZ",
     "dipole, match, nec, check, build: the operating frequency, in MHz. coil --details: the "
     "frequency "
     "the coil works at, in MHz, for its Q, self-resonance and reactance."},
    {"length", "L",
     "dipole, match, nec, check, build: the total length of the antenna, in feet (metres with "
     "--metric). coil: the coil length, in inches."},
    {"element", "D",
     "dipole, match, nec, check, build: the element diameter, in inches (millimetres with "
     "--metric)."},
    {"position", "PCT",
     "dipole, match, nec, check, build: the distance from the centre to each coil as a "
     "percentage of half the antenna, the window's % box: a whole number from 1 to 99. build: "
     "or best, the position of highest efficiency."},
    {"metric", nullptr,
     "dipole, match, nec, check, build: the length is in metres and the element diameter in "
     "millimetres; the coil distance is printed in metres."},
    {"feedline", "OHMS",
     "match: the feed-line impedance, in ohms. check, build: the same, 50 unless given."},
    {"inductance", "UH", "coil: the wanted inductance, in microhenries."},
    {"diameter", "D", "coil: the coil diameter, in inches."},
    {"wire", "W",
     "coil: the wire diameter, in inches. nec, check, build: copper, for the loss of copper wire "
     "(without it the wire has none)."},
    {"segments", "N",
     "nec, check, build: the number of segments of the model, about; 81 unless given, 9 to 2001."},
    {"height", "H",
     "nec, check, build: the antenna's height over average ground (relative permittivity 13, "
     "0.005 S/m), in feet (metres with --metric); free space without."},
    {"coil-q", "Q",
     "nec, check, build: the coils' Q, for their loss: a series resistance of their reactance "
     "over Q at the design frequency; none without. build: the matching coil's too."},
    {"coil-diameter", "D",
     "check, dipole --sweep --check: wind each loading coil on this diameter, in inches, from "
     "wire centre to wire centre (a former's diameter plus one wire diameter), as the "
     "coil window designs it, and take its Q for the coils' loss; with --coil-length and "
     "--coil-wire, without --coil-q. build: wind the loading coils and the matching coil on it "
     "by Nagaoka's coefficient, each with its own Q. measured: the coils are wound on it, for "
     "the turns of the advised change."},
    {"coil-length", "L",
     "check, build, measured, dipole --sweep --check: the length of that coil, in inches."},
    {"coil-wire", "W",
     "check, build, measured, dipole --sweep --check: the wire diameter of that coil, in "
     "inches."},
    {"output", "FILE", "nec: write the deck to FILE instead of standard output."},
    {"touchstone", "FILE",
     "check: also write the model's feed point over the design frequency and 10 % either way "
     "to FILE, a Touchstone .s1p file referred to the feed line. build: the build's, its "
     "matching coil across the feed point."},
    {"load-inductance", "UH",
     "measured: the inductance of each coil as built, in microhenries, in place of the "
     "design's."},
    {"details", nullptr,
     "coil: also the winding's inductance by Nagaoka's coefficient less Rosa's round-wire "
     "corrections, its difference from the "
     "wanted inductance in per cent and the wire length, in inches and metres, taking --diameter "
     "as the winding's from wire centre to wire centre: a former's diameter plus one wire "
     "diameter."},
    {"sweep", nullptr,
     "dipole: every position from 1 to 99, in ascending order, as CSV with the header row "
     "position,distance,inductance,impedance (with --json, one object per position). build: "
     "every position a row of the build's figures."},
    {"check", nullptr,
     "dipole --sweep: the check's figures of every position too, as further columns; takes "
     "the options of check."},
    {"plot", "FILE",
     "dipole --sweep: draw the table in FILE instead of printing it, as a PNG or SVG picture "
     "by the name's ending (.png or .svg); with --position, that position marked. measured: "
     "also draw the SWR, resistance and reactance against frequency in FILE, and with the "
     "design the model's beside them."},
    {"json", nullptr, "One compact JSON object per result, its texts as strings."},
    {"locale", nullptr,
     "Read and write numbers in the user's locale, as the windows do, instead of the C locale."},
    {"batch", nullptr,
     "Read one command per line from standard input and print one JSON line for each."},
};

}  // namespace

std::span<const OptionForm> optionForms() {
    return kOptions;
}

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("dipole, match, coil, nec, check, build, or measured FILE."));
    for (const OptionForm& option : kOptions) {
        parser.addOption(QCommandLineOption(
            QString::fromLatin1(option.name), QString::fromLatin1(option.description),
            option.valueName != nullptr ? QString::fromLatin1(option.valueName) : QString()));
    }
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Print this help and exit.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                        QStringLiteral("Print the version and exit.")));
}

}  // namespace querlin::cli
