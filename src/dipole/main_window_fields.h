#pragma once

#include "numeric/fields.h"

namespace querlin::mainfields {

// The main window's controls that its handlers read and write.
inline constexpr Field frequency{"Text5", "INPUT FREQUENCY"};
inline constexpr Field totalLength{"Text6", "INPUT TOTAL LENGTH"};
inline constexpr Field elementSize{"Text14", "INPUT ELEMENT SIZE"};
inline constexpr Field feedlineImpedance{"Text27", "INPUT FEEDLINE IMPEDANCE"};

inline constexpr const char* slider = "HScroll1";
inline constexpr const char* metric = "Option1";
inline constexpr const char* feet = "Option2";

inline constexpr const char* percentage = "Text1";
inline constexpr const char* leftCoil = "Picture2";
inline constexpr const char* rightCoil = "Picture3";

inline constexpr const char* coilDistance = "Text10";
inline constexpr const char* loadingInductance = "Text17";
inline constexpr const char* impedance = "Text20";
inline constexpr const char* matchingCoil = "Text24";

inline constexpr const char* distanceUnit = "Text11";
inline constexpr const char* diameterUnit = "Text15";
inline constexpr const char* lengthUnit = "Text22";

}  // namespace querlin::mainfields
