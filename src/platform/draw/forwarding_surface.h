#pragma once

#include "platform/draw/surface.h"

// A Surface that hands every call to another surface, so that a surface with
// a Qt-free header (the hidden picture, the printer) can keep its Qt drawing
// behind a private implementation.
class ForwardingSurface : public Surface {
 public:
  using Surface::LineTo;

  void Cls() override { Target().Cls(); }
  void Scale(double x1, double y1, double x2, double y2) override { Target().Scale(x1, y1, x2, y2); }
  void ScaleTwips() override { Target().ScaleTwips(); }
  void ScalePixels() override { Target().ScalePixels(); }
  double ScaleLeft() const override { return Target().ScaleLeft(); }
  double ScaleTop() const override { return Target().ScaleTop(); }
  double ScaleWidth() const override { return Target().ScaleWidth(); }
  double ScaleHeight() const override { return Target().ScaleHeight(); }
  void SetScaleLeft(double v) override { Target().SetScaleLeft(v); }
  void SetScaleTop(double v) override { Target().SetScaleTop(v); }
  void SetScaleWidth(double v) override { Target().SetScaleWidth(v); }
  void SetScaleHeight(double v) override { Target().SetScaleHeight(v); }
  double Width() const override { return Target().Width(); }
  double Height() const override { return Target().Height(); }
  double ScaleXToPixels(double dx) const override { return Target().ScaleXToPixels(dx); }
  double ScaleYToPixels(double dy) const override { return Target().ScaleYToPixels(dy); }

  double CurrentX() const override { return Target().CurrentX(); }
  double CurrentY() const override { return Target().CurrentY(); }
  void SetCurrentX(double x) override { Target().SetCurrentX(x); }
  void SetCurrentY(double y) override { Target().SetCurrentY(y); }

  void Line(double x1, double y1, double x2, double y2, int32_t colour = -1, LineKind kind = kSegment) override {
    Target().Line(x1, y1, x2, y2, colour, kind);
  }
  void LineTo(double x2, double y2, int32_t colour = -1) override { Target().LineTo(x2, y2, colour); }
  void LineTo(double x2, double y2, int32_t colour, LineKind kind) override { Target().LineTo(x2, y2, colour, kind); }
  void PSet(double x, double y, int32_t colour = -1) override { Target().PSet(x, y, colour); }
  int32_t Point(double x, double y) const override { return Target().Point(x, y); }
  void Circle(double x, double y, double radius, int32_t colour = -1, double start = 0, double end = 0,
              double aspect = 1) override {
    Target().Circle(x, y, radius, colour, start, end, aspect);
  }

  void Print(const std::string& text, bool keepPen = false) override { Target().Print(text, keepPen); }
  double TextWidth(const std::string& text) const override { return Target().TextWidth(text); }
  double TextHeight(const std::string& text) const override { return Target().TextHeight(text); }

  std::string FontName() const override { return Target().FontName(); }
  double FontSize() const override { return Target().FontSize(); }
  bool FontBold() const override { return Target().FontBold(); }
  bool FontItalic() const override { return Target().FontItalic(); }
  void SetFontName(const std::string& name) override { Target().SetFontName(name); }
  void SetFontSize(double points) override { Target().SetFontSize(points); }
  void SetFontBold(bool on) override { Target().SetFontBold(on); }
  void SetFontItalic(bool on) override { Target().SetFontItalic(on); }

  int32_t ForeColor() const override { return Target().ForeColor(); }
  int32_t BackColor() const override { return Target().BackColor(); }
  void SetForeColor(int32_t colour) override { Target().SetForeColor(colour); }
  void SetBackColor(int32_t colour) override { Target().SetBackColor(colour); }
  int32_t FillColor() const override { return Target().FillColor(); }
  int FillStyle() const override { return Target().FillStyle(); }
  void SetFillColor(int32_t colour) override { Target().SetFillColor(colour); }
  void SetFillStyle(int style) override { Target().SetFillStyle(style); }
  int DrawWidth() const override { return Target().DrawWidth(); }
  int DrawStyle() const override { return Target().DrawStyle(); }
  void SetDrawWidth(int pixels) override { Target().SetDrawWidth(pixels); }
  void SetDrawStyle(int style) override { Target().SetDrawStyle(style); }

  void Refresh() override { Target().Refresh(); }

 protected:
  virtual Surface& Target() = 0;
  virtual const Surface& Target() const = 0;
};
