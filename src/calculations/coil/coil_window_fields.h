#pragma once

#include <array>

#include "fields.h"

namespace querlin::coilfields {

// The coil window's controls that the turns calculation reads and writes.
inline constexpr Field inductance{"Text6", QT_TRANSLATE_NOOP("Form2", "MICROHENRYS"), "Form2"};
inline constexpr Field coilDiameter{"Text8", QT_TRANSLATE_NOOP("Form2", "COIL DIAMETER"), "Form2"};
inline constexpr Field coilLength{"Text10", QT_TRANSLATE_NOOP("Form2", "COIL LENGTH"), "Form2"};
inline constexpr Field wireDiameter{"Text12", QT_TRANSLATE_NOOP("Form2", "WIRE DECIMAL"), "Form2"};

inline constexpr const char* turns = "Text14";
inline constexpr const char* message = "Text15";
inline constexpr const char* calculate = "Command1";

// What the text boxes above hold when the window opens: no message yet.
inline constexpr std::array<InitialText, 6> initialTexts{{
    {inductance.name, "0"},
    {coilDiameter.name, "0"},
    {coilLength.name, "0"},
    {wireDiameter.name, "0"},
    {turns, "0"},
    {message, ""},
}};

}  // namespace querlin::coilfields
