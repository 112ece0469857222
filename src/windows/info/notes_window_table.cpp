#include "info/notes_window_table.h"

#include <array>

namespace querlin {

namespace {

using enum ControlKind;
using namespace fonts;

constexpr Colour kCyan = Colour::bgr(0x00FFFF80);

// The advice reads as printed notes on the window's colour; the last one stands
// out in a box.
constexpr Look note{false, kCyan, colours::windowText};
constexpr Look boxedNote{true, kCyan, colours::windowText};

constexpr WindowDescription kWindow{
    "Form3", QT_TRANSLATE_NOOP("Form3", "NOTES"), 8430, 5820, true, true, kCyan};

// Each text keeps its line breaks and ends in one, so an empty line closes it.
// The points line up by their blanks.
constexpr const char* kPoints =
    QT_TRANSLATE_NOOP("Form3",
                      "POINTS\r\n"
                      "1   QUERLIN ARE NOT AS EFFICIENT AS A FULL SIZE DIPOLES\r\n"
                      "2   THEY ARE NOT AS BROADBAND\r\n"
                      "3   THE COILS BEST POSTION IS ABOUT 50% OF THE DISTANCE FROM\r\n"
                      "     THE CENTER. TOO CLOSE IN LIMITS THE CURRENT. TOO FAR OUT\r\n"
                      "     LIMITS THE VOLTAGE AND REQUIRES MUCH LARGER COILS.\r\n"
                      "4  PROXIMITY TO OBJECTS  MAY MAKE THE ANTENNA LONGER BY\r\n"
                      "    CAPACITANCE LOADING, BUT IT IS BEST TO MAKE THE ANTENNA \r\n"
                      "    LONGER THAN DESIGN AND TRIM BACK THE ENDS THAN TO TRY TO \r\n"
                      "    INCREASE THE COIL INDUCTANCE AFTER IT IS ALREADY BUILT.\r\n");

constexpr const char* kMatching = QT_TRANSLATE_NOOP(
    "Form3",
    "THE ANTENNA MAY BE MATCHED BY STUB, HAIRPIN OR EVEN A DELTA OR GAMMA\r\n"
    "IF YOU USE THE MATCHING COIL, THE ANTENNA IS LIMITED TO THE DESIGN FREQUENCY\r\n"
    "LARGER MATCHING INDUCTORS CAN BE USED WITH VARIABLE CAPACITORS TO ALLOW\r\n"
    "TUNING WITHIN THE BAND OR FOR MULTIPLE BANDS.\r\n");

constexpr const char* kNegativeCoil =
    QT_TRANSLATE_NOOP("Form3",
                      "IF YOU GET A NEGATIVE NUMBER FOR THE MATCHING COIL, THEN THE \r\n"
                      "ANTENNA IS LONGER THAN YOU REQUIRE FOR THAT FREQUENCY. THE \r\n"
                      "ANTENNA MAY BE TUNED WITH VARIABLE CAPACITORS.  \r\n");

constexpr std::array<ControlRow, 3> kControls{{
    {"Text1", MultiLineTextBox, {120, 120, 8055, 2655}, kPoints, note, B10},
    {"Text2", MultiLineTextBox, {120, 3240, 8295, 1095}, kMatching, note, B8},
    {"Text3", MultiLineTextBox, {120, 4560, 8175, 1095}, kNegativeCoil, boxedNote, B10},
}};

constexpr std::array<AccessibleCaption, 3> kCaptions{{
    {"Text1", {QT_TRANSLATE_NOOP("Form3", "Points on shortened dipoles")}},
    {"Text2", {QT_TRANSLATE_NOOP("Form3", "Ways to match the antenna")}},
    {"Text3", {QT_TRANSLATE_NOOP("Form3", "A negative matching coil")}},
}};

}  // namespace

const WindowDescription& notesWindowDescription() {
    return kWindow;
}

std::span<const ControlRow> notesWindowControls() {
    return kControls;
}

std::span<const AccessibleCaption> notesWindowCaptions() {
    return kCaptions;
}

}  // namespace querlin
