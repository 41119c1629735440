#pragma once
// Sizes and positions are kept in twips, 15 to a pixel, so design values read back exactly.
namespace vtn {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int ToPixels(int twips) { return twips / kTwipsPerPixel; }
inline constexpr int ToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace vtn
