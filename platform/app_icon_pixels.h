#pragma once
#include <cstdint>

// The icon's premultiplied ARGB pixels, row by row, as the build drew them.
namespace norvane::app_icon_pixels {
extern const std::uint32_t k16[16 * 16];
extern const std::uint32_t k32[32 * 32];
}  // namespace norvane::app_icon_pixels
