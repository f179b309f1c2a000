#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/draw/surface.h"

// A Surface for tests of drawing routines: it keeps the state a real surface
// keeps (scale, pen, font, colours, styles) and logs every drawing call and
// every state change as one line of text, so a test can compare the exact
// calls. Numbers are written in their shortest exact form. Examples:
//   "Cls"  "Scale 0,1000-1000,0"  "ScaleLeft=-100"  "ForeColor=255"
//   "FontName=Arial"  "FontSize=9"  "CurrentX=100"  "DrawWidth=2"
//   "Line 0,0-100,50 c=255"  "Line 0,0-100,50 c=255 B"  "Line 0,0-100,50 c=255 BF"
//   "PSet 10,20 c=0"  "Circle 50,50 r=10 c=0"  "Circle 50,50 r=10 c=0 arc=0,3.14 aspect=0.5"
//   "Print 'abc';" (pen kept)  "Print 'abc'" (new line)  "Refresh"
// Line colours are resolved (-1 is logged as the ForeColor at the time).
//
// Text metric: fixed-width, TextWidth = characters x 0.6 x FontSize x 20
// twips, TextHeight = 1.2 x FontSize x 20 twips, both in user units (signed
// like the scale). The surface is widthTwips x heightTwips at 15 twips a
// pixel, twips scale from the top left until Scale is called.
class RecordingSurface : public Surface {
 public:
  struct PrintedText {
    std::string text;
    double x, y;  // the pen before the text
    std::string fontName;
    double fontSize;
    bool bold, italic;
    int32_t colour;
  };

  explicit RecordingSurface(double widthTwips = 6000, double heightTwips = 4500, bool isPrinter = false,
                            bool isHiddenPicture = false);

  std::vector<std::string> log;
  std::vector<PrintedText> texts;
  // What Point returns; by default the BackColor.
  std::function<int32_t(double x, double y)> pointSource;

  // The log as one text, a line per call.
  std::string LogText() const;
  void ClearLog() {
    log.clear();
    texts.clear();
  }
  // Changes the surface's size (as a resized picture or another page).
  void Resize(double widthTwips, double heightTwips) {
    width_ = widthTwips;
    height_ = heightTwips;
  }

  bool IsPrinter() const override { return isPrinter_; }
  bool IsHiddenPicture() const override { return isHiddenPicture_; }

  void Cls() override;
  void Scale(double x1, double y1, double x2, double y2) override;
  void ScaleTwips() override;
  double ScaleLeft() const override { return userScale_ ? left_ : 0; }
  double ScaleTop() const override { return userScale_ ? top_ : 0; }
  double ScaleWidth() const override { return userScale_ ? scaleW_ : width_; }
  double ScaleHeight() const override { return userScale_ ? scaleH_ : height_; }
  void SetScaleLeft(double v) override;
  void SetScaleTop(double v) override;
  void SetScaleWidth(double v) override;
  void SetScaleHeight(double v) override;
  double Width() const override { return width_; }
  double Height() const override { return height_; }
  double ScaleXToPixels(double dx) const override;
  double ScaleYToPixels(double dy) const override;

  double CurrentX() const override { return x_; }
  double CurrentY() const override { return y_; }
  void SetCurrentX(double x) override;
  void SetCurrentY(double y) override;

  using Surface::LineTo;
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
  bool FontBold() const override { return bold_; }
  bool FontItalic() const override { return italic_; }
  void SetFontName(const std::string& name) override;
  void SetFontSize(double points) override;
  void SetFontBold(bool on) override;
  void SetFontItalic(bool on) override;

  int32_t ForeColor() const override { return fore_; }
  int32_t BackColor() const override { return back_; }
  void SetForeColor(int32_t colour) override;
  void SetBackColor(int32_t colour) override;
  int32_t FillColor() const override { return fillColour_; }
  int FillStyle() const override { return fillStyle_; }
  void SetFillColor(int32_t colour) override;
  void SetFillStyle(int style) override;
  int DrawWidth() const override { return drawWidth_; }
  int DrawStyle() const override { return drawStyle_; }
  void SetDrawWidth(int pixels) override;
  void SetDrawStyle(int style) override;

  void Refresh() override;

 private:
  void Freeze();
  void Add(std::string line) { log.push_back(std::move(line)); }
  int32_t Resolve(int32_t c) const { return c == -1 ? fore_ : c; }

  double width_, height_;
  bool isPrinter_, isHiddenPicture_;
  bool userScale_ = false;
  double left_ = 0, top_ = 0, scaleW_ = 0, scaleH_ = 0;
  double x_ = 0, y_ = 0;
  std::string fontName_ = "Microsoft Sans Serif";
  double fontSize_ = 8.25;
  bool bold_ = false, italic_ = false;
  int32_t fore_ = 0, back_ = 0xFFFFFF, fillColour_ = 0;
  int fillStyle_ = kFillTransparent;
  int drawWidth_ = 1, drawStyle_ = kSolid;
};

// A number in its shortest exact form ("100", "0.5", "-12.25").
std::string ShortNumber(double v);
