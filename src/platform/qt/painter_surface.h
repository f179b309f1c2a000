#pragma once

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QSizeF>
#include <functional>
#include <string>

#include "platform/draw/surface.h"

// The state and primitives common to every drawing surface on a QPainter
// device: the user scale, the pen position, colours, line and fill styles,
// fonts and text. A concrete surface says how big its device is, at what
// resolution, and how to get a painter on it.
class PainterSurface : public Surface {
 public:
  using Surface::LineTo;

  void Cls() override;
  void Scale(double x1, double y1, double x2, double y2) override;
  void ScaleTwips() override;
  void ScalePixels() override;
  void ScaleMillimeters() override;
  double ScaleLeft() const override;
  double ScaleTop() const override;
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  void SetScaleLeft(double v) override;
  void SetScaleTop(double v) override;
  void SetScaleWidth(double v) override;
  void SetScaleHeight(double v) override;
  double Width() const override;
  double Height() const override;
  double ScaleXToPixels(double dx) const override;
  double ScaleYToPixels(double dy) const override;

  double CurrentX() const override { return currentX_; }
  double CurrentY() const override { return currentY_; }
  void SetCurrentX(double x) override { currentX_ = x; }
  void SetCurrentY(double y) override { currentY_ = y; }

  void Line(double x1, double y1, double x2, double y2, int32_t colour = -1, LineKind kind = kSegment) override;
  void LineTo(double x2, double y2, int32_t colour = -1) override;
  void PSet(double x, double y, int32_t colour = -1) override;
  int32_t Point(double x, double y) const override;
  void Circle(double x, double y, double radius, int32_t colour = -1, double start = 0, double end = 0,
              double aspect = 1) override;

  void Print(const std::string& text, bool keepPen = false) override;
  double TextWidth(const std::string& text) const override;
  double TextHeight(const std::string& text) const override;

  std::string FontName() const override { return fontName_; }
  double FontSize() const override { return fontSize_; }
  bool FontBold() const override { return fontBold_; }
  bool FontItalic() const override { return fontItalic_; }
  void SetFontName(const std::string& name) override { fontName_ = name; }
  void SetFontSize(double points) override;
  void SetFontBold(bool on) override { fontBold_ = on; }
  void SetFontItalic(bool on) override { fontItalic_ = on; }
  bool FontUnderline() const override { return fontUnderline_; }
  void SetFontUnderline(bool on) override { fontUnderline_ = on; }

  int32_t ForeColor() const override { return foreColor_; }
  int32_t BackColor() const override { return backColor_; }
  void SetForeColor(int32_t colour) override { foreColor_ = colour; }
  void SetBackColor(int32_t colour) override;
  int32_t FillColor() const override { return fillColor_; }
  int FillStyle() const override { return fillStyle_; }
  void SetFillColor(int32_t colour) override { fillColor_ = colour; }
  void SetFillStyle(int style) override { fillStyle_ = style; }
  int DrawWidth() const override { return drawWidth_; }
  int DrawStyle() const override { return drawStyle_; }
  void SetDrawWidth(int pixels) override { drawWidth_ = pixels < 1 ? 1 : pixels; }
  void SetDrawStyle(int style) override;

 protected:
  PainterSurface(std::string fontName, double fontSize, int32_t backColour);

  // Size of the drawing area in device pixels, and the device's resolution.
  // The default scale covers the drawing area; Width and Height are its size
  // unless a surface says otherwise (a printer page's printable area lies
  // inside the paper).
  virtual QSizeF DevicePixels() const = 0;
  virtual double DpiX() const = 0;
  virtual double DpiY() const = 0;
  // The device that measures text.
  virtual const QPaintDevice* MetricsDevice() const = 0;
  // Runs draw with a painter on the device; does nothing where no device can
  // be painted on (an empty picture, a cancelled print job).
  virtual void Paint(const std::function<void(QPainter&)>& draw) = 0;
  // The colour at a device pixel, -1 outside the surface or where nothing can
  // be read back (the printer).
  virtual int32_t PixelAt(int x, int y) const = 0;
  // Whether coordinates snap to whole device pixels (bitmaps do, vector
  // output need not).
  virtual bool SnapsToPixels() const { return true; }

  QFont CurrentFont() const;
  QPointF ToDevice(double x, double y) const;

 private:
  double AreaWidthTwips() const;
  double AreaHeightTwips() const;
  double DeviceX(double x) const;
  double DeviceY(double y) const;
  double UnitsPerPixelX() const;
  double UnitsPerPixelY() const;
  void FreezeScale();
  QPen MakePen(int32_t colour) const;
  int32_t Resolve(int32_t colour) const { return colour == -1 ? foreColor_ : colour; }
  void DrawBox(QPainter& p, QPointF a, QPointF b, int32_t colour, bool filled) const;

  // User scale; while userScale_ is false the scale runs from the top left
  // in units of unitTwips_ twips (twips, millimetres or device pixels) and
  // follows the device's size.
  bool userScale_ = false;
  double unitTwips_ = 1.0;
  double scaleLeft_ = 0;
  double scaleTop_ = 0;
  double scaleWidth_ = 0;
  double scaleHeight_ = 0;

  double currentX_ = 0;
  double currentY_ = 0;

  std::string fontName_;
  double fontSize_;
  bool fontBold_ = false;
  bool fontItalic_ = false;
  bool fontUnderline_ = false;

  int32_t foreColor_ = 0;
  int32_t backColor_;
  int32_t fillColor_ = 0;
  int fillStyle_ = kFillTransparent;
  int drawWidth_ = 1;
  int drawStyle_ = kSolid;
};
