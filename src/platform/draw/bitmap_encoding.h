#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The bytes of an uncompressed 24-bit Windows bitmap (.bmp) file of the given
// size; pixel(x, y) gives the colour of each pixel as 0x00BBGGRR, y = 0 at
// the top. Rows are stored bottom-up and padded to four bytes; 96 dpi.
std::vector<uint8_t> EncodeBitmap24(int width, int height, const std::function<int32_t(int, int)>& pixel);

// Writes bytes to path by way of a temporary file beside it, renamed over the
// target only after a complete, flushed write; a failed write leaves what was
// there. On failure returns false and puts the runtime's text for the fault
// ("Path not found", "Permission denied", ...) in error.
bool WriteBytesAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error);

// Moves a finished temporary file over the target (same folder); on failure
// removes the temporary file and returns false with the runtime's text.
bool ReplaceFile(const std::string& temporary, const std::string& target, std::string* error);

// A name for a temporary file beside target.
std::string TemporaryNameBeside(const std::string& target);
