#include "loading/diagram_axes.h"

#include "platform/draw/surface.h"

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
    PrintAt(surface, x, yTop - step * static_cast<float>(i), text.substr(i - 1, 1));
  }
}

void DrawPaperFrame(Surface& surface, const std::string& caption, float W, float H, float xTitle, float xGap,
                    double fontSize, bool lineEnd) {
  surface.Line(0, 0, W, H, kDiagramBlack, Surface::kBox);
  surface.SetFontName("Arial");
  surface.SetFontSize(fontSize);
  surface.SetFontItalic(true);
  surface.SetFontBold(true);
  surface.SetForeColor(kDiagramBlack);
  PrintAt(surface, xTitle, H + 100, caption);
  const double end = surface.CurrentX();
  surface.Line(xGap, H, end + 50, H, kDiagramWhite);
  surface.SetCurrentX(xTitle);
  surface.SetCurrentY(H + 100);
  surface.Print(caption, !lineEnd);
}

void PrintAt(Surface& surface, double x, double y, const std::string& text) {
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
}
