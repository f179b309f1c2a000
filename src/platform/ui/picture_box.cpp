#include "platform/ui/picture_box.h"

#include <QFrame>
#include <QPainter>
#include <stdexcept>

#include "platform/draw/surface.h"
#include "platform/qt/qt_convert.h"

// The widget of a picture box: shows the surface's image.
class PictureWidget : public QFrame {
 public:
  explicit PictureWidget(QWidget* parent) : QFrame(parent) {}
  std::function<void(QPainter&)> paintHook;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QFrame::paintEvent(e);
    if (!paintHook) return;
    QPainter p(this);
    paintHook(p);
  }
};

PictureBox::PictureBox(Form& form, Control* container, std::string name, int index)
    : Control(form, container, ControlKind::PictureBox, std::move(name), index), picture_(new PictureWidget(ParentWidget())) {
  picture_->setFrameShape(QFrame::Box);
  picture_->setAutoFillBackground(true);
  AttachWidget(picture_);
}

PictureBox::~PictureBox() = default;

Surface& PictureBox::surface() {
  if (!surface_) throw std::logic_error("The picture's drawing surface is not available");
  return *surface_;
}

void PictureBox::SetBorderStyle(int style) {
  borderStyle_ = style;
  picture_->setFrameShape(style == kBorderFixedSingle ? QFrame::Box : QFrame::NoFrame);
}

QWidget* PictureBox::childArea() const { return picture_; }

void PictureBox::ApplyColours() {
  Control::ApplyColours();
  if (surface_ && BackColor() != kDefaultColour) surface_->SetBackColor(BackColor());
}

void PictureBox::PixelsToScale(double px, double py, float& x, float& y) const {
  if (!surface_) return Control::PixelsToScale(px, py, x, y);
  const double perX = surface_->ScaleXToPixels(1.0), perY = surface_->ScaleYToPixels(1.0);
  x = static_cast<float>(surface_->ScaleLeft() + (perX != 0 ? px / perX : 0));
  y = static_cast<float>(surface_->ScaleTop() + (perY != 0 ? py / perY : 0));
}
