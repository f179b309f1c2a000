#pragma once

#include <QColor>
#include <array>
#include <cstdint>

// Colours of the program are 0x00BBGGRR integers. A value with the high bit
// set names a system colour by its index in the low byte (&H8000000F is the
// button face); those are drawn with the usual desktop defaults, unknown
// ones as black.
inline int32_t SystemColourBgr(uint32_t index) {
  struct Entry {
    uint32_t index;
    int32_t bgr;
  };
  static constexpr std::array<Entry, 9> kSystemColours{{
      {0x05, 0xFFFFFF},  // window background
      {0x08, 0x000000},  // window text
      {0x0D, 0xD77800},  // selection
      {0x0E, 0xFFFFFF},  // selected text
      {0x0F, 0xF0F0F0},  // button face
      {0x10, 0xA0A0A0},  // button shadow
      {0x11, 0x6D6D6D},  // grey text
      {0x12, 0x000000},  // button text
      {0x14, 0xFFFFFF},  // button highlight
  }};
  for (const auto& e : kSystemColours)
    if (e.index == index) return e.bgr;
  return 0;
}

inline QColor ColourFromBgr(int32_t bgr) {
  auto v = static_cast<uint32_t>(bgr);
  if (v & 0x80000000u) v = static_cast<uint32_t>(SystemColourBgr(v & 0xFFu));
  return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

inline int32_t BgrFromColour(const QColor& c) {
  return static_cast<int32_t>((static_cast<uint32_t>(c.blue()) << 16) | (static_cast<uint32_t>(c.green()) << 8) |
                              static_cast<uint32_t>(c.red()));
}
