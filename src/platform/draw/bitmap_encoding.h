#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The bytes of an uncompressed 24-bit Windows bitmap (.bmp) file of the given
// size; pixel(x, y) gives the colour of each pixel as 0x00BBGGRR, y = 0 at
// the top. Rows are stored bottom-up and padded to four bytes; 96 dpi.
std::vector<uint8_t> EncodeBitmap24(int width, int height, const std::function<int32_t(int, int)>& pixel);
