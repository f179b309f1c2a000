#include "platform/qt/classic_line_edit.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace {
// Qt's line edit keeps two pixels on either side of the text inside its
// contents; the frameless box's contents are the whole widget, so the text
// starts one pixel inside the one-pixel border and may end one pixel before
// the border on the right.
constexpr int kSideRoom = 2;

double TextWidth(const QFont& font, const QString& text) { return QFontMetricsF(font).horizontalAdvance(text); }

QFont Condensed(const QFont& base, int stretch) {
  QFont f = base;
  f.setStretch(stretch);
  return f;
}
}  // namespace

ClassicLineEdit::ClassicLineEdit(QWidget* parent) : QLineEdit(parent), base_(font()) {
  setFrame(false);
  setTextMargins(0, 0, 0, 0);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
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

// The widest stretch at which the whole text fits the room; the font as it
// is when it fits already, or when even kMinStretch would not make it fit.
void ClassicLineEdit::FitText() {
  const double room = width() - 2 * kSideRoom;
  const QString t = text();
  int stretch = 100;
  const double natural = TextWidth(base_, t);
  if (natural > room && room > 0) {
    stretch = static_cast<int>(std::floor(100.0 * room / natural));
    while (stretch >= kMinStretch && TextWidth(Condensed(base_, stretch), t) > room) --stretch;
    if (stretch < kMinStretch) stretch = 100;
  }
  if (stretch == TextStretch()) return;
  fitting_ = true;
  setFont(Condensed(base_, stretch));
  fitting_ = false;
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
