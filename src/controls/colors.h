#pragma once
// Colours are written blue-green-red, as the platform stores them: 0x0000FF is red.
#include <QColor>
#include <cstdint>

namespace vtn {

using BgrColor = std::uint32_t;

inline constexpr BgrColor kWhite = 0xFFFFFF;
inline constexpr BgrColor kLightGrey = 0xE0E0E0;   // an open window's button, inactive tabs
inline constexpr BgrColor kDarkGrey = 0xC0C0C0;    // a closed window's button, released labels
inline constexpr BgrColor kFocusCyan = 0xFFFFC0;   // the entry box that has the focus
inline constexpr BgrColor kRed = 0x0000FF;
inline constexpr BgrColor kGreen = 0x00FF00;
inline constexpr BgrColor kPaleBlue = 0xFFC0C0;

inline QColor ToQColor(BgrColor bgr) {
  return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

}  // namespace vtn
