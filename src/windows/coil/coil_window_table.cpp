#include "coil/coil_window_table.h"

#include <array>

#include "coil/coil_window_fields.h"

namespace querlin {

namespace {

using enum ControlKind;
using namespace fonts;

// The initial text of a control that the handlers touch, from their list.
consteval const char* initial(std::string_view control) {
    return initialTextOf(coilfields::initialTexts, control);
}

constexpr Colour kBlue = Colour::bgr(0x00FF0000);

constexpr Look text{false, colours::windowBackground, colours::windowText};
constexpr Look top{false, colours::titleBarText, colours::highlight};
constexpr Look input{true, colours::windowBackground, colours::highlight};
constexpr Look result{true, colours::windowBackground, kBlue};
constexpr Look message{false, colours::windowBackground, kBlue};
constexpr Look standard = looks::standard;

constexpr WindowDescription kWindow{
    "Form2", QT_TRANSLATE_NOOP("Form2", "COILS"), 7770, 6420, true, true, colours::titleBarText};

// The texts stand exactly as stored, blanks and all. The rows of the tables are
// spaced with blanks for the designer's proportional font, so their columns line
// up only roughly.
constexpr const char* kAdvice = QT_TRANSLATE_NOOP(
    "Form2",
    "The most efficient coils have a high Q factor.Use the largest wire possible with \r\n"
    "close winding. The coil should be no more than  twice as long as the diameter.\r\n");

constexpr const char* kWireGauges = QT_TRANSLATE_NOOP("Form2",
                                                      "AWG\r\n"
                                                      "#   INCH  MM\r\n"
                                                      "1    .289    7.348\r\n"
                                                      "2    .257    6.544\r\n"
                                                      "3    .229    5.827\r\n"
                                                      "4    .204    5.189\r\n"
                                                      "5    .182    4.621\r\n"
                                                      "6    .162    4.115\r\n"
                                                      "7    .144    3.665\r\n"
                                                      "8    . 128    3.264\r\n"
                                                      "9    .114    2.906\r\n"
                                                      "10  .102    2.588\r\n"
                                                      "11  .097    2.305\r\n"
                                                      "12  .081    2.053\r\n"
                                                      "13  .072    1.828\r\n"
                                                      "14  .064    1.628\r\n"
                                                      "15  .057    1.450\r\n"
                                                      "16  .051    1.291\r\n"
                                                      "17  .045    1.150\r\n"
                                                      "18  .040    1.024\r\n"
                                                      "19  .036    0.912\r\n"
                                                      "20  .032    0.812\r\n"
                                                      "21  .029    0.723\r\n"
                                                      "22  .025    0.644\r\n"
                                                      "23  .023    0.573\r\n"
                                                      "24  .020    0.511\r\n");

constexpr const char* kInstruction = QT_TRANSLATE_NOOP("Form2",
                                                       "INPUT MICROHENRYS and COIL \r\n"
                                                       "DIAMETER ( DECIMAL INCHES)\r\n"
                                                       "SMALL TUBING CAN ALSO BE USED\r\n");

constexpr const char* kDiameters = QT_TRANSLATE_NOOP("Form2",
                                                     "DIAMETER\r\n"
                                                     "FRACTION   DECIMAL    CM\r\n"
                                                     "       1/4         .250        .635      \r\n"
                                                     "       3/8         .375        .952    \r\n"
                                                     "       1/2         .500        1.27\r\n"
                                                     "       5/8        .625         1.58    \r\n"
                                                     "       3/4        .750         1.90      \r\n"
                                                     "       1.0        1.00         2.54\r\n"
                                                     "       1 1/4     1.250       3.17\r\n"
                                                     "       1 1/2     1.500       3.81\r\n"
                                                     "       1 3/4     1.750       4.44\r\n"
                                                     "       2.0        2.000       5.08    \r\n"
                                                     "       2 1/2     2.500       6.35       \r\n"
                                                     "       3.0        3.000       7.62\r\n");

// A multi-line box that shows a vertical scroll bar when its text is longer than the box.
constexpr ControlRow withScrollBar(ControlRow row) {
    row.scrollBar = true;
    return row;
}

// Text6 lies above the bottom edge of Text3 because it comes later.
constexpr std::array<ControlRow, 16> kControls{{
    withScrollBar({"Text1", MultiLineTextBox, {120, 120, 7335, 735}, kAdvice, top, R10}),
    withScrollBar({"Text2", MultiLineTextBox, {120, 960, 1575, 5295}, kWireGauges, text, R8}),
    // The instruction's empty last line does not fit its box; a scroll bar there would
    // narrow the box until its last line wrapped and "USED" was cut off.
    {"Text3", MultiLineTextBox, {4440, 960, 3015, 735}, kInstruction, text, R8},
    {"Text4", MultiLineTextBox, {1920, 960, 2295, 2895}, kDiameters, text, R8},
    {"Text5",
     TextBox,
     {4440, 1800, 1935, 375},
     QT_TRANSLATE_NOOP("Form2", "MICROHENRYS"),
     text,
     B10},
    {"Text6", TextBox, {6600, 1680, 855, 375}, initial("Text6"), input, B10},
    {"Text7",
     TextBox,
     {4440, 2280, 2055, 375},
     QT_TRANSLATE_NOOP("Form2", "COIL DIAMETER"),
     text,
     B10},
    {"Text8", TextBox, {6600, 2160, 855, 375}, initial("Text8"), input, B10},
    {"Text9",
     TextBox,
     {4440, 2760, 2055, 375},
     QT_TRANSLATE_NOOP("Form2", "COIL LENGTH"),
     text,
     B10},
    {"Text10", TextBox, {6600, 2640, 855, 375}, initial("Text10"), input, B10},
    {"Text11",
     TextBox,
     {4440, 3240, 1935, 285},
     QT_TRANSLATE_NOOP("Form2", "WIRE DECIMAL"),
     text,
     B10},
    {"Text12", TextBox, {6600, 3150, 855, 375}, initial("Text12"), input, B10},
    {"Text13",
     TextBox,
     {1800, 4560, 4335, 375},
     QT_TRANSLATE_NOOP("Form2", "RECOMMENDED  NUMBER OF TURNS"),
     text,
     B10},
    {"Text14", TextBox, {6360, 4560, 855, 375}, initial("Text14"), result, B10},
    {"Command1",
     Button,
     {4800, 3840, 1455, 375},
     QT_TRANSLATE_NOOP("Form2", "CALCULATE"),
     standard,
     R8},
    withScrollBar(
        {"Text15", MultiLineTextBox, {1800, 5520, 5775, 615}, initial("Text15"), message, BI10}),
}};

// Lengths are in decimal inches, as the instruction text says. The fixed texts
// named among the parts become captions of these controls.
constexpr std::array<AccessibleCaption, 11> kCaptions{{
    {"Text1", {QT_TRANSLATE_NOOP("Form2", "Advice on coils")}},
    {"Text2",
     {QT_TRANSLATE_NOOP("Form2", "Wire gauge table")},
     QT_TRANSLATE_NOOP("Form2",
                       "one gauge a line: its number, its diameter in inches and in millimetres")},
    {"Text3", {QT_TRANSLATE_NOOP("Form2", "Instructions")}},
    {"Text4",
     {QT_TRANSLATE_NOOP("Form2", "Tubing diameter table")},
     QT_TRANSLATE_NOOP(
         "Form2",
         "one size a line: the diameter as a fraction of an inch, in decimal inches and in "
         "centimetres")},
    {"Text6", {"Text5"}},
    {"Text8", {"Text7", QT_TRANSLATE_NOOP("Form2", "inches")}},
    {"Text10", {"Text9", QT_TRANSLATE_NOOP("Form2", "inches")}},
    {"Text12", {"Text11", QT_TRANSLATE_NOOP("Form2", "inches")}},
    {"Text14", {"Text13"}},
    {"Command1", {}, QT_TRANSLATE_NOOP("Form2", "works out the number of turns")},
    {"Text15", {QT_TRANSLATE_NOOP("Form2", "Advice on the winding")}},
}};

}  // namespace

const WindowDescription& coilWindowDescription() {
    return kWindow;
}

std::span<const ControlRow> coilWindowControls() {
    return kControls;
}

std::span<const AccessibleCaption> coilWindowCaptions() {
    return kCaptions;
}

}  // namespace querlin
