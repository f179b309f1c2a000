#include "support/recording_surface.h"

#include <charconv>

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr char kKindSuffix[3][4] = {"", " B", " BF"};

std::string Pair(double a, double b) { return ShortNumber(a) + "," + ShortNumber(b); }

}  // namespace

std::string ShortNumber(double v) {
  if (v == 0) return "0";  // also for -0
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, result.ptr);
}

RecordingSurface::RecordingSurface(double widthTwips, double heightTwips, bool isPrinter, bool isHiddenPicture)
    : width_(widthTwips), height_(heightTwips), isPrinter_(isPrinter), isHiddenPicture_(isHiddenPicture) {}

std::string RecordingSurface::LogText() const {
  std::string out;
  for (const auto& line : log) out += line + "\n";
  return out;
}

void RecordingSurface::Cls() {
  Add("Cls");
  x_ = ScaleLeft();
  y_ = ScaleTop();
}

void RecordingSurface::Scale(double x1, double y1, double x2, double y2) {
  Add("Scale " + Pair(x1, y1) + "-" + Pair(x2, y2));
  userScale_ = true;
  left_ = x1;
  top_ = y1;
  scaleW_ = x2 - x1;
  scaleH_ = y2 - y1;
}

void RecordingSurface::ScaleTwips() {
  Add("ScaleTwips");
  userScale_ = false;
}

void RecordingSurface::Freeze() {
  if (userScale_) return;
  userScale_ = true;
  left_ = top_ = 0;
  scaleW_ = width_;
  scaleH_ = height_;
}

void RecordingSurface::SetScaleLeft(double v) {
  Add("ScaleLeft=" + ShortNumber(v));
  Freeze();
  left_ = v;
}
void RecordingSurface::SetScaleTop(double v) {
  Add("ScaleTop=" + ShortNumber(v));
  Freeze();
  top_ = v;
}
void RecordingSurface::SetScaleWidth(double v) {
  Add("ScaleWidth=" + ShortNumber(v));
  Freeze();
  if (v != 0) scaleW_ = v;
}
void RecordingSurface::SetScaleHeight(double v) {
  Add("ScaleHeight=" + ShortNumber(v));
  Freeze();
  if (v != 0) scaleH_ = v;
}

double RecordingSurface::ScaleXToPixels(double dx) const {
  if (!userScale_) return dx / kTwipsPerPixel;
  return scaleW_ != 0 ? dx * (width_ / kTwipsPerPixel) / scaleW_ : 0;
}
double RecordingSurface::ScaleYToPixels(double dy) const {
  if (!userScale_) return dy / kTwipsPerPixel;
  return scaleH_ != 0 ? dy * (height_ / kTwipsPerPixel) / scaleH_ : 0;
}

void RecordingSurface::SetCurrentX(double x) {
  Add("CurrentX=" + ShortNumber(x));
  x_ = x;
}
void RecordingSurface::SetCurrentY(double y) {
  Add("CurrentY=" + ShortNumber(y));
  y_ = y;
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, int32_t colour, LineKind kind) {
  const int k = kind >= kSegment && kind <= kFilledBox ? kind : kSegment;
  Add("Line " + Pair(x1, y1) + "-" + Pair(x2, y2) + " c=" + std::to_string(Resolve(colour)) + kKindSuffix[k]);
  x_ = x2;
  y_ = y2;
}

void RecordingSurface::LineTo(double x2, double y2, int32_t colour) { Line(x_, y_, x2, y2, colour, kSegment); }

void RecordingSurface::PSet(double x, double y, int32_t colour) {
  Add("PSet " + Pair(x, y) + " c=" + std::to_string(Resolve(colour)));
  x_ = x;
  y_ = y;
}

int32_t RecordingSurface::Point(double x, double y) const { return pointSource ? pointSource(x, y) : back_; }

void RecordingSurface::Circle(double x, double y, double radius, int32_t colour, double start, double end,
                              double aspect) {
  std::string line = "Circle " + Pair(x, y) + " r=" + ShortNumber(radius) + " c=" + std::to_string(Resolve(colour));
  if (start != 0 || end != 0) line += " arc=" + Pair(start, end);
  if (aspect != 1) line += " aspect=" + ShortNumber(aspect);
  Add(line);
  x_ = x;
  y_ = y;
}

double RecordingSurface::TextWidth(const std::string& text) const {
  const double twips = static_cast<double>(text.size()) * 0.6 * fontSize_ * 20;
  const double px = twips / kTwipsPerPixel;
  if (!userScale_) return twips;
  return width_ != 0 ? px * scaleW_ / (width_ / kTwipsPerPixel) : 0;
}

double RecordingSurface::TextHeight(const std::string& /*text*/) const {
  const double twips = 1.2 * fontSize_ * 20;
  const double px = twips / kTwipsPerPixel;
  if (!userScale_) return twips;
  return height_ != 0 ? px * scaleH_ / (height_ / kTwipsPerPixel) : 0;
}

void RecordingSurface::Print(const std::string& text, bool keepPen) {
  Add("Print '" + text + "'" + (keepPen ? ";" : ""));
  texts.push_back({text, x_, y_, fontName_, fontSize_, bold_, italic_, fore_});
  if (keepPen) {
    x_ += TextWidth(text);
  } else {
    x_ = ScaleLeft();
    y_ += TextHeight(text);
  }
}

void RecordingSurface::SetFontName(const std::string& name) {
  Add("FontName=" + name);
  fontName_ = name;
}
void RecordingSurface::SetFontSize(double points) {
  Add("FontSize=" + ShortNumber(points));
  if (points > 0) fontSize_ = points;
}
void RecordingSurface::SetFontBold(bool on) {
  Add(std::string("FontBold=") + (on ? "1" : "0"));
  bold_ = on;
}
void RecordingSurface::SetFontItalic(bool on) {
  Add(std::string("FontItalic=") + (on ? "1" : "0"));
  italic_ = on;
}
void RecordingSurface::SetForeColor(int32_t colour) {
  Add("ForeColor=" + std::to_string(colour));
  fore_ = colour;
}
void RecordingSurface::SetBackColor(int32_t colour) {
  Add("BackColor=" + std::to_string(colour));
  back_ = colour;
}
void RecordingSurface::SetFillColor(int32_t colour) {
  Add("FillColor=" + std::to_string(colour));
  fillColour_ = colour;
}
void RecordingSurface::SetFillStyle(int style) {
  Add("FillStyle=" + std::to_string(style));
  fillStyle_ = style;
}
void RecordingSurface::SetDrawWidth(int pixels) {
  Add("DrawWidth=" + std::to_string(pixels));
  drawWidth_ = pixels < 1 ? 1 : pixels;
}
void RecordingSurface::SetDrawStyle(int style) {
  Add("DrawStyle=" + std::to_string(style));
  drawStyle_ = style;
}

void RecordingSurface::Refresh() { Add("Refresh"); }
