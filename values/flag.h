#pragma once
// The program's flags are 16-bit integers: True is -1, False is 0.
#include <cstdint>

namespace norvane {

using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

}  // namespace norvane
