#include "platform/ui/line_control.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/qt/qt_convert.h"
#include "platform/runtime/whole_numbers.h"

// The widget of a line control: a transparent box around the line that
// draws the segment and lets the mouse pass.
class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
  QPointF from, to;
  QColor colour = Qt::black;
  int width = 1;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
  }
};

LineControl::LineControl(Form& form, Control* container, std::string name, int index)
    : Control(form, container, ControlKind::Line, std::move(name), index), line_(new LineWidget(ParentWidget())) {
  AttachWidget(line_);
}

void LineControl::SetX1(float twips) {
  x1_ = twips;
  Place();
}
void LineControl::SetY1(float twips) {
  y1_ = twips;
  Place();
}
void LineControl::SetX2(float twips) {
  x2_ = twips;
  Place();
}
void LineControl::SetY2(float twips) {
  y2_ = twips;
  Place();
}

void LineControl::SetBorderWidth(double pixels) {
  borderWidth_ = std::max<int16_t>(1, CInt(pixels));
  line_->width = borderWidth_;
  Place();
}

void LineControl::SetBorderColor(int32_t colour) {
  borderColor_ = colour;
  line_->colour = ToQColor(colour, line_);
  line_->update();
}

// The widget covers the segment with room for the pen on every side.
void LineControl::Place() {
  const double margin = borderWidth_ * TwipsPerPixelX();
  const float left = static_cast<float>(std::min(x1_, x2_) - margin);
  const float top = static_cast<float>(std::min(y1_, y2_) - margin);
  Move(left, top, static_cast<float>(std::fabs(x2_ - x1_) + 2 * margin), static_cast<float>(std::fabs(y2_ - y1_) + 2 * margin));
  const QPointF origin(line_->x(), line_->y());
  line_->from = QPointF(x1_ / TwipsPerPixelX(), y1_ / TwipsPerPixelY()) - origin;
  line_->to = QPointF(x2_ / TwipsPerPixelX(), y2_ / TwipsPerPixelY()) - origin;
  line_->update();
}
