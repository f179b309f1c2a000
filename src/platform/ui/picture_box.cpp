#include "platform/ui/picture_box.h"

#include <QFrame>
#include <QPainter>

#include "platform/draw/surface.h"
#include "platform/qt/image_surface.h"
#include "platform/qt/qt_convert.h"

// The widget of a picture box: shows the surface's image inside its border.
class PictureWidget : public QFrame {
 public:
  explicit PictureWidget(QWidget* parent) : QFrame(parent) {}
  ImageSurface* surface = nullptr;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QFrame::paintEvent(e);
    if (!surface) return;
    QPainter p(this);
    p.drawImage(contentsRect().topLeft(), surface->image());
  }
};

PictureBox::PictureBox(Form& form, Control* container, std::string name, int index)
    : Control(form, container, ControlKind::PictureBox, std::move(name), index), picture_(new PictureWidget(ParentWidget())) {
  picture_->setFrameShape(QFrame::Box);
  auto surface = std::make_unique<ImageSurface>([p = picture_] { return p->contentsRect().size(); });
  surface->SetChangeListener([p = picture_] { p->update(); });
  picture_->surface = surface.get();
  surface_ = std::move(surface);
  AttachWidget(picture_);
}

PictureBox::~PictureBox() = default;

Surface& PictureBox::surface() { return *surface_; }

void PictureBox::SetBorderStyle(int style) {
  borderStyle_ = style;
  picture_->setFrameShape(style == kBorderFixedSingle ? QFrame::Box : QFrame::NoFrame);
}

QWidget* PictureBox::childArea() const { return picture_; }

void PictureBox::ApplyColours() {
  Control::ApplyColours();
  if (surface_ && BackColor() != kDefaultColour) surface_->SetBackColor(BackColor());
}

// The widget reports positions from its outer corner; the surface's scale
// starts inside the border.
void PictureBox::PixelsToScale(double wx, double wy, float& x, float& y) const {
  const double px = wx - picture_->contentsRect().left(), py = wy - picture_->contentsRect().top();
  const double perX = surface_->ScaleXToPixels(1.0), perY = surface_->ScaleYToPixels(1.0);
  x = static_cast<float>(surface_->ScaleLeft() + (perX != 0 ? px / perX : 0));
  y = static_cast<float>(surface_->ScaleTop() + (perY != 0 ? py / perY : 0));
}
