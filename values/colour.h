#pragma once
// 24-bit colour values with red in the low byte: r + 256 g + 65536 b.
#include <cstdint>

namespace norvane {

using Rgb = std::uint32_t;

constexpr Rgb rgb(int r, int g, int b) {
  return static_cast<Rgb>(r) + 256u * static_cast<Rgb>(g) + 65536u * static_cast<Rgb>(b);
}
constexpr int red_of(Rgb c) {
  return static_cast<int>(c & 0xFFu);
}
constexpr int green_of(Rgb c) {
  return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int blue_of(Rgb c) {
  return static_cast<int>((c >> 16) & 0xFFu);
}

}  // namespace norvane
