#pragma once

#include <cstdint>

namespace kestrune::charts {

// A 24-bit colour with red in the low byte, green in the second and blue in the third
// (0x00BBGGRR), the layout every colour table and drawing call of the charts uses.
using Colour = std::uint32_t;

// Builds a colour from its three components (each 0..255).
constexpr Colour Rgb(int red, int green, int blue) {
  return static_cast<Colour>((red & 0xff) | ((green & 0xff) << 8) | ((blue & 0xff) << 16));
}

constexpr int RedOf(Colour c) {
  return static_cast<int>(c & 0xff);
}
constexpr int GreenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xff);
}
constexpr int BlueOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xff);
}

// Adds `delta` to each component, keeping each within 0..255. The three-dimensional faces
// use -35 (darker), +35 (lighter) and -55 (the line ribbons' dark face).
constexpr Colour Shade(Colour c, int delta) {
  auto clamp = [](int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
  return Rgb(clamp(RedOf(c) + delta), clamp(GreenOf(c) + delta), clamp(BlueOf(c) + delta));
}

inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kWhite = Rgb(255, 255, 255);
inline constexpr Colour kGrey = Rgb(128, 128, 128);
inline constexpr Colour kLightGrey = Rgb(225, 225, 225);

}  // namespace kestrune::charts
