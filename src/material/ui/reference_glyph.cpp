#include "material/ui/reference_glyph.h"

#include <algorithm>
#include <cmath>

#include "platform/draw/surface.h"
#include "platform/ui/control_types.h"

namespace {
constexpr int32_t kSheet = 0xFFFFFF;
constexpr int32_t kEdge = 0x404040;
constexpr int32_t kWriting = 0x808080;

// A filled box over the pixels (x1, y1) to (x2, y2), both corners included.
void Pixels(Surface& s, double x1, double y1, double x2, double y2, int32_t colour) {
  s.Line(x1, y1, x2, y2, colour, Surface::kFilledBox);
}
}  // namespace

void DrawReferenceGlyph(Surface& s) {
  s.ScalePixels();
  s.SetBackColor(kColourButtonFace);
  s.Cls();
  const double w = std::floor(s.ScaleWidth()), h = std::floor(s.ScaleHeight());
  if (w < 6 || h < 6) return;
  const double left = std::floor(w * 0.15), right = w - 1 - left;
  const double top = std::floor(h * 0.08), bottom = h - 1 - top;
  Pixels(s, left, top, right, bottom, kEdge);
  Pixels(s, left + 1, top + 1, right - 1, bottom - 1, kSheet);
  // Lines of writing every other pixel row, clear of the sheet's edges.
  for (double y = top + 2; y <= bottom - 2; y += 2) Pixels(s, left + 2, y, std::max(left + 2, right - 2), y, kWriting);
  s.Refresh();
}
