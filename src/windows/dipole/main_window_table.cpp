#include "dipole/main_window_table.h"

#include <array>

#include "dipole/main_window_fields.h"

namespace querlin {

namespace {

using enum ControlKind;
using namespace fonts;

// The initial text of a control that the handlers touch, from their list.
consteval const char* initial(std::string_view control) {
    return initialTextOf(mainfields::initialTexts, control);
}

constexpr Colour kCyan = Colour::bgr(0x00FFFF80);

// Fixed texts are borderless text boxes painted in the window's colour.
constexpr Look label{false, kCyan, colours::windowText};
constexpr Look banner{false, kCyan, Colour::bgr(0x00C00000)};
constexpr Look field{true, colours::windowBackground, colours::highlight};
constexpr Look plain{true, colours::windowBackground, colours::windowText};
constexpr Look option{false, colours::buttonFace, colours::highlight};
constexpr Look antenna{true, Colour::bgr(0x00FFFFC0), colours::standard};
constexpr Look leftCoil{false, colours::highlightText, colours::standard};
constexpr Look rightCoil{false, colours::standard, colours::standard};
constexpr Look bar{true, Colour::bgr(0x00000000), colours::windowText};
constexpr Look standard = looks::standard;

constexpr WindowDescription kWindow{"Form1", "QUERLIN", 9180, 6720, false, false, kCyan};

// A unit after a number, worded apart from the option button of the same English caption.
constexpr ControlRow unitAfterNumber(ControlRow row) {
    row.disambiguation = mainfields::feetAfterNumber.disambiguation;
    return row;
}

// The percentage starts at 99, the position the slider's first value stands for.
constexpr std::array<ControlRow, 43> kControls{{
    {"Picture1", PictureBox, {120, 840, 9015, 615}, "antenna.png", antenna, R8},
    {"HScroll1", ScrollBar, {120, 1560, 4455, 255}, "", standard, R8},
    {"Text1", TextBox, {3360, 1920, 615, 420}, initial("Text1"), plain, B12},
    {"Picture2", PictureBox, {0, 0, 1095, 495}, "coil.png", leftCoil, R8, "Picture1"},
    {"Picture3", PictureBox, {7800, 0, 1055, 495}, "coil.png", rightCoil, R8, "Picture1"},
    {"Text2",
     TextBox,
     {120, 120, 6015, 375},
     QT_TRANSLATE_NOOP("Form1", "QUERLIN        by      ORVANE"),
     banner,
     BI13},
    {"Text3",
     TextBox,
     {960, 2640, 1935, 285},
     QT_TRANSLATE_NOOP("Form1", "INPUT FREQUENCY"),
     label,
     B8},
    {"Text4",
     TextBox,
     {4320, 2640, 2175, 375},
     QT_TRANSLATE_NOOP("Form1", "INPUT TOTAL LENGTH"),
     label,
     B8},
    {"Text5", TextBox, {3120, 2520, 855, 405}, initial("Text5"), field, B12},
    {"Text6", TextBox, {6600, 2520, 1110, 375}, initial("Text6"), field, B12},
    {"Text7", TextBox, {4200, 1920, 375, 375}, "%", label, B13},
    {"Text8",
     MultiLineTextBox,
     {120, 1920, 3135, 525},
     QT_TRANSLATE_NOOP("Form1", "SLIDE TO SET DISTANCE FROM CENTER TO START OF COIL\r\n"),
     label,
     B8},
    {"Option1",
     OptionButton,
     {6480, 240, 975, 375},
     QT_TRANSLATE_NOOP("Form1", "METRIC"),
     option,
     R8},
    {"Option2",
     OptionButton,
     {7800, 240, 975, 375},
     QT_TRANSLATE_NOOP("Form1", "FEET"),
     option,
     R8},
    {"Text9",
     TextBox,
     {600, 3960, 1815, 375},
     QT_TRANSLATE_NOOP("Form1", "The coil will be"),
     label,
     B10},
    {"Text10", TextBox, {2640, 3840, 855, 420}, initial("Text10"), field, B12},
    unitAfterNumber({"Text11", TextBox, {3600, 3960, 975, 255}, initial("Text11"), label, B8}),
    {"Text12",
     TextBox,
     {4800, 3960, 1695, 375},
     QT_TRANSLATE_NOOP("Form1", "from the center"),
     label,
     B10},
    {"Text13",
     TextBox,
     {720, 3240, 2175, 255},
     QT_TRANSLATE_NOOP("Form1", "INPUT ELEMENT SIZE"),
     label,
     B8},
    {"Text14", TextBox, {3120, 3120, 855, 420}, initial("Text14"), field, B12},
    {"Text15", TextBox, {4080, 3240, 1095, 255}, initial("Text15"), label, B8},
    {"Command1",
     Button,
     {5520, 3000, 1455, 495},
     QT_TRANSLATE_NOOP("Form1", "AWG WIRE SIZES"),
     standard,
     R8},
    {"Command2",
     Button,
     {5400, 1800, 3255, 375},
     QT_TRANSLATE_NOOP("Form1", "READ ME FIRST"),
     standard,
     B12},
    {"Text16",
     TextBox,
     {120, 4680, 2295, 255},
     QT_TRANSLATE_NOOP("Form1", "Loading coils will be"),
     label,
     B10},
    {"Text17", TextBox, {2640, 4560, 855, 450}, initial("Text17"), field, B12},
    {"Text18", TextBox, {3600, 4680, 735, 285}, QT_TRANSLATE_NOOP("Form1", "mHYs"), label, B8},
    {"Command3",
     Button,
     {7200, 3840, 1455, 615},
     QT_TRANSLATE_NOOP("Form1", "DESIGN COILS"),
     standard,
     R8},
    {"Text19",
     MultiLineTextBox,
     {4680, 4560, 2415, 525},
     QT_TRANSLATE_NOOP("Form1", "Antenna Impedance is approximately"),
     label,
     B10},
    {"Text20", TextBox, {7200, 4560, 855, 495}, initial("Text20"), field, B12},
    {"Text21", TextBox, {8160, 4680, 855, 285}, QT_TRANSLATE_NOOP("Form1", "OHMS"), label, B8},
    unitAfterNumber({"Text22", TextBox, {7800, 2640, 975, 285}, initial("Text22"), label, B8}),
    {"Text23",
     TextBox,
     {1320, 6240, 1935, 405},
     QT_TRANSLATE_NOOP("Form1", "Matching coil is"),
     label,
     B10},
    {"Text24", TextBox, {3360, 6120, 855, 495}, initial("Text24"), field, B12},
    {"Text25", TextBox, {4440, 6240, 855, 285}, QT_TRANSLATE_NOOP("Form1", "mHYs"), label, B8},
    {"Command4",
     Button,
     {7920, 6120, 1095, 375},
     QT_TRANSLATE_NOOP("Form1", "WEBSITE"),
     standard,
     R8},
    {"Command5",
     Button,
     {7200, 3000, 1455, 495},
     QT_TRANSLATE_NOOP("Form1", "CALCULATE"),
     standard,
     R8},
    {"Text26",
     TextBox,
     {240, 5640, 2895, 375},
     QT_TRANSLATE_NOOP("Form1", "INPUT FEEDLINE IMPEDANCE"),
     label,
     B8},
    {"Text27", TextBox, {3360, 5520, 855, 375}, initial("Text27"), field, B12},
    {"Text28", TextBox, {4440, 5640, 855, 285}, QT_TRANSLATE_NOOP("Form1", "ohms"), label, B10},
    {"Command6",
     Button,
     {5880, 6000, 1335, 615},
     QT_TRANSLATE_NOOP("Form1", "DESIGN COIL"),
     standard,
     R8},
    {"Command7",
     Button,
     {5880, 5520, 1335, 375},
     QT_TRANSLATE_NOOP("Form1", "CALCULATE"),
     standard,
     R8},
    {"Shape1", Shape, {120, 3600, 9015, 135}, "", bar, R8},
    {"Shape2", Shape, {120, 5160, 9015, 135}, "", bar, R8},
}};

// The fixed texts named among the parts become captions of these controls.
constexpr std::array<AccessibleCaption, 25> kCaptions{{
    {"Picture1",
     {QT_TRANSLATE_NOOP("Form1", "Antenna drawing")},
     QT_TRANSLATE_NOOP("Form1",
                       "The dipole, fed at its centre; the coil symbols show where "
                       "the loading coils sit along each half.")},
    {"Picture2",
     {QT_TRANSLATE_NOOP("Form1", "Left loading coil")},
     QT_TRANSLATE_NOOP("Form1", "Coil symbol on the left half of the antenna.")},
    {"Picture3",
     {QT_TRANSLATE_NOOP("Form1", "Right loading coil")},
     QT_TRANSLATE_NOOP("Form1", "Coil symbol on the right half of the antenna.")},
    {"Shape1",
     {QT_TRANSLATE_NOOP("Form1", "Separator bar")},
     QT_TRANSLATE_NOOP("Form1", "between the inputs and the loading coils")},
    {"Shape2",
     {QT_TRANSLATE_NOOP("Form1", "Separator bar")},
     QT_TRANSLATE_NOOP("Form1", "between the loading coils and the matching coil")},
    {"Text2", {"Text2"}, QT_TRANSLATE_NOOP("Form1", "banner")},
    {"HScroll1", {"Text8"}},
    {"Text1", {"Text8", "Text7"}},
    {"Text5", {"Text3", QT_TRANSLATE_NOOP("Form1", "MHz")}},
    {"Text6", {"Text4", "Text22"}},
    {"Text14", {"Text13", "Text15"}},
    {"Text10", {"Text9", "Text11", "Text12"}},
    {"Text17", {"Text16", "Text18"}},
    {"Text20", {"Text19", "Text21"}},
    {"Text27", {"Text26", "Text28"}},
    {"Text24", {"Text23", "Text25"}},
    {"Option1", {}, QT_TRANSLATE_NOOP("Form1", "lengths in metres, diameters in millimetres")},
    {"Option2", {}, QT_TRANSLATE_NOOP("Form1", "lengths in feet, diameters in inches")},
    {"Command5", {}, QT_TRANSLATE_NOOP("Form1", "works out the loading coils")},
    {"Command7", {}, QT_TRANSLATE_NOOP("Form1", "works out the matching coil")},
    {"Command1", {}, QT_TRANSLATE_NOOP("Form1", "opens the coil window")},
    {"Command3", {}, QT_TRANSLATE_NOOP("Form1", "opens the coil window")},
    {"Command6", {}, QT_TRANSLATE_NOOP("Form1", "opens the coil window")},
    {"Command2", {}, QT_TRANSLATE_NOOP("Form1", "opens the notes")},
    {"Command4", {}, QT_TRANSLATE_NOOP("Form1", "opens the link to the author's web page")},
}};

}  // namespace

const WindowDescription& mainWindowDescription() {
    return kWindow;
}

std::span<const ControlRow> mainWindowControls() {
    return kControls;
}

}  // namespace querlin

namespace querlin {

std::span<const AccessibleCaption> mainWindowCaptions() {
    return kCaptions;
}

}  // namespace querlin
