#include "platform/qt/painter_surface.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QRectF>
#include <QVector>
#include <array>
#include <cmath>
#include <numbers>

#include "platform/qt/colour_conversion.h"
#include "platform/qt/font_mapping.h"

namespace {

constexpr double kTwipsPerInch = 1440.0;

// Dash patterns of the line styles, in pen widths at 96 dpi (as on screen).
struct DashPattern {
  int style;
  std::array<double, 6> dashes;
  int count;
};

constexpr std::array<DashPattern, 4> kDashPatterns{{
    {Surface::kDash, {18, 6, 0, 0, 0, 0}, 2},
    {Surface::kDot, {3, 3, 0, 0, 0, 0}, 2},
    {Surface::kDashDot, {9, 6, 3, 6, 0, 0}, 4},
    {Surface::kDashDotDot, {9, 3, 3, 3, 3, 3}, 6},
}};

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

}  // namespace

PainterSurface::PainterSurface(std::string fontName, double fontSize, int32_t backColour)
    : fontName_(std::move(fontName)), fontSize_(fontSize), backColor_(backColour) {}

// ---- scale ----------------------------------------------------------------

double PainterSurface::AreaWidthTwips() const { return DevicePixels().width() * kTwipsPerInch / DpiX(); }
double PainterSurface::AreaHeightTwips() const { return DevicePixels().height() * kTwipsPerInch / DpiY(); }
double PainterSurface::Width() const { return AreaWidthTwips(); }
double PainterSurface::Height() const { return AreaHeightTwips(); }

double PainterSurface::ScaleLeft() const { return userScale_ ? scaleLeft_ : 0.0; }
double PainterSurface::ScaleTop() const { return userScale_ ? scaleTop_ : 0.0; }
double PainterSurface::ScaleWidth() const { return userScale_ ? scaleWidth_ : AreaWidthTwips() / unitTwips_; }
double PainterSurface::ScaleHeight() const { return userScale_ ? scaleHeight_ : AreaHeightTwips() / unitTwips_; }

void PainterSurface::FreezeScale() {
  if (userScale_) return;
  scaleLeft_ = 0;
  scaleTop_ = 0;
  scaleWidth_ = AreaWidthTwips() / unitTwips_;
  scaleHeight_ = AreaHeightTwips() / unitTwips_;
  userScale_ = true;
}

void PainterSurface::Scale(double x1, double y1, double x2, double y2) {
  userScale_ = true;
  scaleLeft_ = x1;
  scaleTop_ = y1;
  scaleWidth_ = x2 - x1;
  scaleHeight_ = y2 - y1;
}

void PainterSurface::ScaleTwips() {
  userScale_ = false;
  unitTwips_ = 1.0;
}

void PainterSurface::ScalePixels() {
  userScale_ = false;
  unitTwips_ = kTwipsPerInch / DpiX();
}

void PainterSurface::ScaleMillimeters() {
  userScale_ = false;
  unitTwips_ = kTwipsPerInch / 25.4;
}

void PainterSurface::SetScaleLeft(double v) {
  FreezeScale();
  scaleLeft_ = v;
}
void PainterSurface::SetScaleTop(double v) {
  FreezeScale();
  scaleTop_ = v;
}
void PainterSurface::SetScaleWidth(double v) {
  FreezeScale();
  if (v != 0) scaleWidth_ = v;  // a zero scale would map every point to infinity
}
void PainterSurface::SetScaleHeight(double v) {
  FreezeScale();
  if (v != 0) scaleHeight_ = v;
}

double PainterSurface::UnitsPerPixelX() const {
  if (!userScale_) return kTwipsPerInch / DpiX() / unitTwips_;
  const double px = DevicePixels().width();
  return px > 0 ? scaleWidth_ / px : 0.0;
}

double PainterSurface::UnitsPerPixelY() const {
  if (!userScale_) return kTwipsPerInch / DpiY() / unitTwips_;
  const double px = DevicePixels().height();
  return px > 0 ? scaleHeight_ / px : 0.0;
}

double PainterSurface::ScaleXToPixels(double dx) const {
  const double u = UnitsPerPixelX();
  return u != 0 ? dx / u : 0.0;
}

double PainterSurface::ScaleYToPixels(double dy) const {
  const double u = UnitsPerPixelY();
  return u != 0 ? dy / u : 0.0;
}

double PainterSurface::DeviceX(double x) const { return ScaleXToPixels(x - ScaleLeft()); }
double PainterSurface::DeviceY(double y) const { return ScaleYToPixels(y - ScaleTop()); }

QPointF PainterSurface::ToDevice(double x, double y) const {
  double dx = DeviceX(x);
  double dy = DeviceY(y);
  if (SnapsToPixels()) {
    dx = std::floor(dx);
    dy = std::floor(dy);
  }
  return {dx, dy};
}

// ---- pens and fonts -------------------------------------------------------

void PainterSurface::SetFontSize(double points) {
  if (points > 0) fontSize_ = points;
}

void PainterSurface::SetBackColor(int32_t colour) { backColor_ = colour; }

void PainterSurface::SetDrawStyle(int style) {
  if (style >= kSolid && style <= kInvisible) drawStyle_ = style;
}

QFont PainterSurface::CurrentFont() const {
  QFont font = MakeDrawingFont(fontName_, fontSize_, fontBold_, fontItalic_);
  font.setUnderline(fontUnderline_);
  return font;
}

QPen PainterSurface::MakePen(int32_t colour) const {
  QPen pen(ColourFromBgr(Resolve(colour)));
  pen.setWidthF(drawWidth_);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  if (drawStyle_ == kInvisible) return QPen(Qt::NoPen);
  // Like the original platform, broken lines are drawn only one pixel wide.
  if (drawStyle_ != kSolid && drawWidth_ == 1) {
    for (const auto& pattern : kDashPatterns) {
      if (pattern.style != drawStyle_) continue;
      const double stretch = DpiX() / 96.0;
      QVector<qreal> dashes;
      for (int i = 0; i < pattern.count; ++i) dashes.push_back(pattern.dashes[static_cast<size_t>(i)] * stretch);
      pen.setDashPattern(dashes);
    }
  }
  return pen;
}

// ---- primitives -----------------------------------------------------------

void PainterSurface::Cls() {
  const QColor back = ColourFromBgr(backColor_);
  const QSizeF size = DevicePixels();
  Paint([&](QPainter& p) { p.fillRect(QRectF(QPointF(0, 0), size), back); });
  currentX_ = ScaleLeft();
  currentY_ = ScaleTop();
}

void PainterSurface::DrawBox(QPainter& p, QPointF a, QPointF b, int32_t colour, bool filled) const {
  const double left = std::min(a.x(), b.x());
  const double top = std::min(a.y(), b.y());
  const double w = std::abs(a.x() - b.x());
  const double h = std::abs(a.y() - b.y());
  const double one = SnapsToPixels() ? 1.0 : 0.0;  // a filled box covers both corner pixels
  if (filled) {
    p.fillRect(QRectF(left, top, w + one, h + one), ColourFromBgr(Resolve(colour)));
    return;
  }
  p.setPen(MakePen(colour));
  p.setBrush(fillStyle_ == kFillSolid ? QBrush(ColourFromBgr(fillColor_)) : QBrush(Qt::NoBrush));
  p.drawRect(QRectF(left, top, w, h));
}

void PainterSurface::Line(double x1, double y1, double x2, double y2, int32_t colour, LineKind kind) {
  const QPointF a = ToDevice(x1, y1);
  const QPointF b = ToDevice(x2, y2);
  Paint([&](QPainter& p) {
    if (kind == kSegment) {
      p.setPen(MakePen(colour));
      p.drawLine(a, b);
    } else {
      DrawBox(p, a, b, colour, kind == kFilledBox);
    }
  });
  currentX_ = x2;
  currentY_ = y2;
}

void PainterSurface::LineTo(double x2, double y2, int32_t colour) { Line(currentX_, currentY_, x2, y2, colour); }

void PainterSurface::PSet(double x, double y, int32_t colour) {
  const QPointF at = ToDevice(x, y);
  const QColor c = ColourFromBgr(Resolve(colour));
  Paint([&](QPainter& p) {
    if (drawWidth_ <= 1) {
      p.fillRect(QRectF(at.x(), at.y(), 1, 1), c);
      return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const double r = drawWidth_ / 2.0;
    p.drawEllipse(at, r, r);
  });
  currentX_ = x;
  currentY_ = y;
}

int32_t PainterSurface::Point(double x, double y) const {
  const double dx = std::floor(DeviceX(x));
  const double dy = std::floor(DeviceY(y));
  const QSizeF size = DevicePixels();
  if (!(dx >= 0 && dy >= 0 && dx < size.width() && dy < size.height())) return -1;
  return PixelAt(static_cast<int>(dx), static_cast<int>(dy));
}

void PainterSurface::Circle(double x, double y, double radius, int32_t colour, double start, double end,
                            double aspect) {
  const QPointF centre = ToDevice(x, y);
  const double r = std::abs(ScaleXToPixels(radius));
  const double a = aspect > 0 ? aspect : 1.0;
  // The radius is the larger of the two half axes.
  const double rx = a <= 1 ? r : r / a;
  const double ry = a <= 1 ? r * a : r;
  const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
  const bool full = start == 0 && end == 0;

  QPainterPath path;
  if (full) {
    path.addEllipse(box);
  } else {
    const double from = Degrees(std::abs(start));
    double span = Degrees(std::abs(end)) - from;
    if (span <= 0) span += 360.0;
    if (start < 0) {
      path.moveTo(centre);
      path.arcTo(box, from, span);  // arcTo draws the radius to the arc's start
    } else {
      path.arcMoveTo(box, from);
      path.arcTo(box, from, span);
    }
    if (end < 0) path.lineTo(centre);
    if (start < 0 && end < 0) path.closeSubpath();
  }
  const bool fill = fillStyle_ == kFillSolid && (full || (start < 0 && end < 0));
  Paint([&](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(MakePen(colour));
    p.setBrush(fill ? QBrush(ColourFromBgr(fillColor_)) : QBrush(Qt::NoBrush));
    p.drawPath(path);
  });
  currentX_ = x;
  currentY_ = y;
}

// ---- text -----------------------------------------------------------------

double PainterSurface::TextWidth(const std::string& text) const {
  const QFontMetricsF fm(CurrentFont(), const_cast<QPaintDevice*>(MetricsDevice()));
  return fm.horizontalAdvance(QString::fromStdString(text)) * UnitsPerPixelX();
}

double PainterSurface::TextHeight(const std::string& /*text*/) const {
  const QFontMetricsF fm(CurrentFont(), const_cast<QPaintDevice*>(MetricsDevice()));
  return fm.height() * UnitsPerPixelY();
}

void PainterSurface::Print(const std::string& text, bool keepPen) {
  const QFont font = CurrentFont();
  const QPointF at(DeviceX(currentX_), DeviceY(currentY_));
  const QString s = QString::fromStdString(text);
  const QColor c = ColourFromBgr(foreColor_);
  Paint([&](QPainter& p) {
    p.setFont(font);
    const QFontMetricsF fm(font, p.device());
    p.setPen(c);
    p.drawText(QPointF(at.x(), at.y() + fm.ascent()), s);
  });
  if (keepPen) {
    currentX_ += TextWidth(text);
  } else {
    currentX_ = ScaleLeft();
    currentY_ += TextHeight(text);
  }
}
