#include "loading/diagram_axes.h"

#include "platform/draw/surface.h"
#include "platform/runtime/whole_numbers.h"

void DrawUpwardAxis(Surface& surface, float x, float yFrom, float yTop, int32_t colour) {
  surface.Line(x, yFrom, x, yTop + 100, colour);
  surface.LineTo(x + 30, yTop, colour);
  surface.LineTo(x - 30, yTop, colour);
  surface.LineTo(x, yTop + 100, colour);
}

void DrawRightwardAxis(Surface& surface, float xFrom, float y, float xRight, int32_t colour) {
  surface.Line(xFrom, y, xRight + 100, y, colour);
  surface.LineTo(xRight + 10, y + 30, colour);
  surface.LineTo(xRight + 10, y - 30, colour);
  surface.LineTo(xRight + 100, y, colour);
}

void PrintDownwards(Surface& surface, const std::string& text, float x, float yTop, float step) {
  for (size_t i = 1; i <= text.size(); ++i) {
    PlaceText(surface, x, yTop - step * static_cast<float>(i), text.substr(i - 1, 1));
  }
}

void PrintCaptionOnEdge(Surface& target, const std::string& caption, double x, double y, double cutFrom, double edgeY,
                        bool wholePen) {
  target.SetFontBold(true);
  target.SetFontItalic(true);
  target.SetCurrentX(x);
  target.SetCurrentY(y);
  target.Print(caption, true);
  double end = target.CurrentX();
  int32_t whole = 0;
  if (wholePen && TryCLng(end, whole)) end = whole;
  target.Line(cutFrom, edgeY, end + 50, edgeY, kDiagramWhite);
  target.SetCurrentX(x);
  target.SetCurrentY(y);
  target.Print(caption, true);
  target.SetForeColor(kDiagramBlack);
  target.SetFontBold(false);
  target.SetFontItalic(false);
}

void DrawPaperFrame(Surface& surface, const std::string& caption, float W, float H, float xTitle, float xGap,
                    double fontSize) {
  surface.Line(0, 0, W, H, kDiagramBlack, Surface::kBox);
  surface.SetFontName("Arial");
  surface.SetFontSize(fontSize);
  surface.SetForeColor(kDiagramBlack);
  PrintCaptionOnEdge(surface, caption, xTitle, H + 100, xGap, H, false);
}

void PlaceText(Surface& surface, double x, double y, const std::string& text) {
  surface.SetCurrentX(x);
  surface.SetCurrentY(y);
  surface.Print(text, true);
}

void ResetDiagramPen(Surface& surface) {
  surface.SetFontName("Arial");
  surface.SetForeColor(kDiagramBlack);
  surface.SetFontBold(false);
  surface.SetFontItalic(false);
  surface.SetDrawWidth(1);
  surface.SetDrawStyle(Surface::kSolid);
  surface.SetFillStyle(Surface::kFillTransparent);
}
