// The colours of the message board's numbers: not yet called (and the newest
// ball), the ball called before the newest, and every earlier one.
#pragma once

#include <cstdint>

namespace pelloric::test {

inline constexpr uint32_t kGrey = 12632256;
inline constexpr uint32_t kRed = 255;
inline constexpr uint32_t kYellow = 65535;

}  // namespace pelloric::test
