#pragma once

namespace querlin::webfields {

// The web link window's controls that its code touches.
inline constexpr const char* explanation = "Label1";
inline constexpr const char* instruction = "Label2";
inline constexpr const char* link = "lblWebPage";

}  // namespace querlin::webfields
