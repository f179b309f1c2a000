#pragma once

#include <QColor>
#include <cstdint>

// Colours of the program are 0x00BBGGRR integers; the high byte (system
// colour flags) is ignored.
inline QColor ColourFromBgr(int32_t bgr) {
  const auto v = static_cast<uint32_t>(bgr);
  return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

inline int32_t BgrFromColour(const QColor& c) {
  return static_cast<int32_t>((static_cast<uint32_t>(c.blue()) << 16) | (static_cast<uint32_t>(c.green()) << 8) |
                              static_cast<uint32_t>(c.red()));
}
