#pragma once

#include <array>

#include "fields.h"

namespace querlin::mainfields {

// The main window's controls that its handlers read and write, and the buttons
// that start them or open the other windows.
inline constexpr Field frequency{"Text5", QT_TRANSLATE_NOOP("Form1", "INPUT FREQUENCY"), "Form1"};
inline constexpr Field totalLength{"Text6", QT_TRANSLATE_NOOP("Form1", "INPUT TOTAL LENGTH"),
                                   "Form1"};
inline constexpr Field elementSize{"Text14", QT_TRANSLATE_NOOP("Form1", "INPUT ELEMENT SIZE"),
                                   "Form1"};
inline constexpr Field feedlineImpedance{
    "Text27", QT_TRANSLATE_NOOP("Form1", "INPUT FEEDLINE IMPEDANCE"), "Form1"};

inline constexpr const char* slider = "HScroll1";
inline constexpr const char* metric = "Option1";
inline constexpr const char* feet = "Option2";

inline constexpr const char* percentage = "Text1";
inline constexpr const char* antennaDrawing = "Picture1";
inline constexpr const char* leftCoil = "Picture2";
inline constexpr const char* rightCoil = "Picture3";

inline constexpr const char* coilDistance = "Text10";
inline constexpr const char* loadingInductance = "Text17";
inline constexpr const char* impedance = "Text20";
inline constexpr const char* matchingCoil = "Text24";

inline constexpr const char* loadingCalculate = "Command5";
inline constexpr const char* matchingCalculate = "Command7";
inline constexpr const char* awgWireSizes = "Command1";
inline constexpr const char* designCoils = "Command3";
inline constexpr const char* designCoil = "Command6";
inline constexpr const char* readMeFirst = "Command2";
inline constexpr const char* website = "Command4";

// A translated text and what tells it apart from the same English text
// elsewhere, as QT_TRANSLATE_NOOP3 marks them.
struct Disambiguated {
    const char* text;
    const char* disambiguation;
};

// The unit after the coil distance and the total length, which in English
// reads as the caption of the FEET option button but in some languages takes
// another form after a number.
inline constexpr Disambiguated feetAfterNumber =
    QT_TRANSLATE_NOOP3("Form1", "FEET", "the unit after a length: The coil will be 10 FEET");

inline constexpr const char* distanceUnit = "Text11";
inline constexpr const char* diameterUnit = "Text15";
inline constexpr const char* lengthUnit = "Text22";

// What the text boxes above hold when the window opens. The percentage is that
// of the slider's first value.
inline constexpr std::array<InitialText, 12> initialTexts{{
    {percentage, "99"},
    {frequency.name, "00.0"},
    {totalLength.name, "00.0"},
    {elementSize.name, ".00"},
    {coilDistance, "00.0"},
    {distanceUnit, feetAfterNumber.text},
    {diameterUnit, QT_TRANSLATE_NOOP("Form1", "INCHES")},
    {loadingInductance, "00"},
    {impedance, "00"},
    {lengthUnit, feetAfterNumber.text},
    {matchingCoil, "00.0"},
    {feedlineImpedance.name, "00"},
}};

}  // namespace querlin::mainfields
