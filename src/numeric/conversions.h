#pragma once

namespace querlin {

// The windows take feet and inches; the physics works in metres.
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kMetresPerInch = 0.0254;

}  // namespace querlin
