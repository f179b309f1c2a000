#include "platform/qt/classic_line_edit.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include "platform/qt/text_fit.h"

ClassicLineEdit::ClassicLineEdit(QWidget* parent) : QLineEdit(parent), base_(font()) {
  setFrame(false);
  setTextMargins(0, 0, 0, 0);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  connect(this, &QLineEdit::textChanged, this, [this] { FitText(); });
}

void ClassicLineEdit::SetBorder(bool on) {
  border_ = on;
  update();
}

int ClassicLineEdit::TextStretch() const {
  const int s = font().stretch();
  return s == QFont::AnyStretch ? 100 : s;
}

// The widest stretch at which the whole text fits the room.
void ClassicLineEdit::FitText() {
  const int stretch = StretchToFit(base_, text(), width() - 2 * kSideRoom);
  if (stretch == TextStretch()) return;
  QFont f = base_;
  if (stretch != 100) f.setStretch(stretch);
  fitting_ = true;
  setFont(f);
  fitting_ = false;
}

void ClassicLineEdit::resizeEvent(QResizeEvent* e) {
  QLineEdit::resizeEvent(e);
  FitText();
}

void ClassicLineEdit::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange && !fitting_) {
    base_ = font();
    base_.setStretch(QFont::AnyStretch);
  }
  QLineEdit::changeEvent(e);
  if (e->type() == QEvent::FontChange && !fitting_) FitText();
}

void ClassicLineEdit::paintEvent(QPaintEvent* e) {
  FitText();  // the width may have changed while the box was hidden
  {
    QPainter p(this);
    p.fillRect(rect(), palette().brush(QPalette::Base));
  }
  QLineEdit::paintEvent(e);
  if (!border_) return;
  QPainter p(this);
  const QPalette& desktop = QApplication::palette(this);
  p.setPen(hasFocus() ? desktop.color(QPalette::Highlight) : desktop.color(QPalette::Dark));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}
