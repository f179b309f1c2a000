#include "platform/ui/label.h"

#include <QFontMetricsF>
#include <QLabel>
#include <cmath>

#include "platform/qt/qt_convert.h"

Label::Label(Form& form, Control* container, std::string name, int index)
    : Control(form, container, ControlKind::Label, std::move(name), index), label_(new QLabel(ParentWidget())) {
  label_->setAlignment(HorizontalAlignment(kAlignLeft) | Qt::AlignTop);
  AttachWidget(label_);
}

void Label::SetWidth(float twips) {
  Control::SetWidth(twips);
  FitToCaption();
}
void Label::SetHeight(float twips) {
  Control::SetHeight(twips);
  FitToCaption();
}

void Label::SetCaption(const std::string& caption) {
  caption_ = caption;
  label_->setText(ToQLines(caption));
  FitToCaption();
  GeometryChanged();
}

void Label::SetAlignment(int alignment) {
  alignment_ = alignment;
  label_->setAlignment(HorizontalAlignment(alignment) | Qt::AlignTop);
  GeometryChanged();
}

void Label::SetBorderStyle(int style) {
  borderStyle_ = style;
  label_->setFrameShape(style == kBorderFixedSingle ? QFrame::Box : QFrame::NoFrame);
  FitToCaption();
  GeometryChanged();
}

void Label::SetAutoSize(bool on) {
  autoSize_ = on;
  FitToCaption();
}

void Label::FontChanged() {
  FitToCaption();
  GeometryChanged();
}

void Label::ApplyColours() {
  Control::ApplyColours();
  label_->setAutoFillBackground(BackColor() != kDefaultColour);
}

// With AutoSize the label takes the size of its caption in its font (whole
// pixels, as the screen shows it), expressed in twips.
void Label::FitToCaption() {
  if (!autoSize_) return;
  const QFontMetricsF fm(DrawingFont());
  double w = 0;
  const QStringList lines = ToQLines(caption_).split('\n');
  for (const QString& line : lines) w = std::max(w, fm.horizontalAdvance(line));
  const double border = borderStyle_ == kBorderFixedSingle ? 2 * label_->frameWidth() : 0;
  const double wpx = std::ceil(w) + border;
  const double hpx = std::ceil(fm.height() * lines.size()) + border;
  Move(Left(), Top(), static_cast<float>(wpx * TwipsPerPixelX()), static_cast<float>(hpx * TwipsPerPixelY()));
}
