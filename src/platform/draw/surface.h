#pragma once

#include <cstdint>
#include <string>

// A drawing surface: a picture box of a window, the hidden picture used to
// compose bitmap output, or the printer. Drawing routines take a Surface& and
// ask IsPrinter() / IsHiddenPicture() to lay themselves out.
//
// Coordinates are in the surface's user scale (Scale / ScaleLeft / ScaleTop /
// ScaleWidth / ScaleHeight); a fresh surface is scaled in twips with the
// origin top left. Colours are 0x00BBGGRR. A colour argument of -1 means
// "the current ForeColor".
class Surface {
 public:
  virtual ~Surface() = default;

  // Line styles of DrawStyle, and FillStyle values.
  enum DrawStyleKind : int { kSolid = 0, kDash = 1, kDot = 2, kDashDot = 3, kDashDotDot = 4, kInvisible = 5 };
  enum FillStyleKind : int { kFillSolid = 0, kFillTransparent = 1 };
  // What Line draws between the two points.
  enum LineKind : int { kSegment = 0, kBox = 1, kFilledBox = 2 };

  // Which surface this is.
  virtual bool IsPrinter() const { return false; }
  virtual bool IsHiddenPicture() const { return false; }

  // Clears to BackColor and puts the pen at the top left of the scale.
  virtual void Cls() = 0;
  // User scale: (x1, y1) is the top left corner, (x2, y2) the bottom right.
  // Scale(0, h, w, 0) makes y grow upwards.
  virtual void Scale(double x1, double y1, double x2, double y2) = 0;
  // Back to the twips scale with the origin top left.
  virtual void ScaleTwips() = 0;
  // A scale in device pixels with the origin top left (the pixel scale mode).
  virtual void ScalePixels() {
    ScaleTwips();
    Scale(0, 0, ScaleXToPixels(ScaleWidth()), ScaleYToPixels(ScaleHeight()));
  }
  virtual double ScaleLeft() const = 0;
  virtual double ScaleTop() const = 0;
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  virtual void SetScaleLeft(double v) = 0;
  virtual void SetScaleTop(double v) = 0;
  virtual void SetScaleWidth(double v) = 0;
  virtual void SetScaleHeight(double v) = 0;
  // The surface's size in twips (a page for the printer).
  virtual double Width() const = 0;
  virtual double Height() const = 0;
  // A length in user units along x or y, in device pixels (and back).
  virtual double ScaleXToPixels(double dx) const = 0;
  virtual double ScaleYToPixels(double dy) const = 0;

  // The pen.
  virtual double CurrentX() const = 0;
  virtual double CurrentY() const = 0;
  virtual void SetCurrentX(double x) = 0;
  virtual void SetCurrentY(double y) = 0;

  // Line from (x1, y1) to (x2, y2) (or a box); the pen ends at (x2, y2).
  virtual void Line(double x1, double y1, double x2, double y2, int32_t colour = -1, LineKind kind = kSegment) = 0;
  // Line from the pen to (x2, y2).
  virtual void LineTo(double x2, double y2, int32_t colour = -1) = 0;
  // Box or filled box from the pen to (x2, y2); the pen ends at (x2, y2).
  virtual void LineTo(double x2, double y2, int32_t colour, LineKind kind) {
    Line(CurrentX(), CurrentY(), x2, y2, colour, kind);
  }
  virtual void PSet(double x, double y, int32_t colour = -1) = 0;
  // Colour of the pixel at (x, y) in user units; -1 outside the surface.
  virtual int32_t Point(double x, double y) const = 0;
  // Circle, ellipse (aspect = height / width) or arc (start and end angles in
  // radians, 0 = full circle) with radius in x units; the pen ends at the centre.
  virtual void Circle(double x, double y, double radius, int32_t colour = -1, double start = 0, double end = 0,
                      double aspect = 1) = 0;

  // Text at the pen. With keepPen the pen stays behind the text (a trailing
  // ';'), otherwise it moves to the start of the next line.
  virtual void Print(const std::string& text, bool keepPen = false) = 0;
  virtual double TextWidth(const std::string& text) const = 0;
  virtual double TextHeight(const std::string& text) const = 0;

  // Font.
  virtual std::string FontName() const = 0;
  virtual double FontSize() const = 0;
  virtual bool FontBold() const = 0;
  virtual bool FontItalic() const = 0;
  virtual void SetFontName(const std::string& name) = 0;
  virtual void SetFontSize(double points) = 0;
  virtual void SetFontBold(bool on) = 0;
  virtual void SetFontItalic(bool on) = 0;

  // Colours and pens.
  virtual int32_t ForeColor() const = 0;
  virtual int32_t BackColor() const = 0;
  virtual void SetForeColor(int32_t colour) = 0;
  virtual void SetBackColor(int32_t colour) = 0;
  virtual int32_t FillColor() const = 0;
  virtual int FillStyle() const = 0;
  virtual void SetFillColor(int32_t colour) = 0;
  virtual void SetFillStyle(int style) = 0;
  virtual int DrawWidth() const = 0;  // pixels
  virtual int DrawStyle() const = 0;
  virtual void SetDrawWidth(int pixels) = 0;
  virtual void SetDrawStyle(int style) = 0;

  // Shows what was drawn (pictures); no effect elsewhere.
  virtual void Refresh() {}
};
