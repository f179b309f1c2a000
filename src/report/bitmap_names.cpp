#include "report/bitmap_names.h"

namespace {

bool ContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string MainScreenBitmapName(const std::string& chosen) {
  std::size_t end = chosen.size();
  int dropped = 0;
  while (dropped < 4 && end > 0) {
    --end;
    while (end > 0 && ContinuationByte(chosen[end])) --end;
    ++dropped;
  }
  const std::size_t keep = dropped == 4 ? end : chosen.size();
  return chosen.substr(0, keep) + "_m.bmp";
}
