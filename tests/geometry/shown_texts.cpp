#include "geometry/shown_texts.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextCursor>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "platform/qt/text_fit.h"
#include "platform/ui/form.h"

namespace {

// Where a widget draws its text and the room it has for it, in the widget's
// own pixels.
struct TextSpot {
  QString text;
  QRect drawn;
  QRect room;
};

QSize Ceil(QSizeF s) { return {static_cast<int>(std::ceil(s.width())), static_cast<int>(std::ceil(s.height()))}; }

QRect Aligned(Qt::Alignment a, QSize size, const QRect& room) {
  return QStyle::alignedRect(Qt::LeftToRight, a, size, room);
}

QStyleOptionButton ButtonOption(QWidget* w, const QString& text) {
  QStyleOptionButton opt;
  opt.initFrom(w);
  opt.text = text;
  return opt;
}

// The room inside a button of a kind beside its indicator (option and check
// buttons) or inside its bevel (command buttons).
QRect ButtonRoom(QWidget* w, const QString& text, QStyle::SubElement contents) {
  const QStyleOptionButton opt = ButtonOption(w, text);
  return w->style()->subElementRect(contents, &opt, w);
}

std::optional<TextSpot> SpotOf(QWidget* w) {
  if (auto* box = qobject_cast<QGroupBox*>(w)) {
    if (box->title().isEmpty()) return std::nullopt;
    const QRect text =
        Aligned(Qt::AlignLeft | Qt::AlignVCenter, LinesSize(box->font(), box->title()), GroupBoxTitleRect(*box));
    return TextSpot{box->title(), text, box->rect()};
  }
  if (auto* l = qobject_cast<QLabel*>(w)) {
    if (l->text().isEmpty()) return std::nullopt;
    const QRect room = l->contentsRect();
    return TextSpot{l->text(), Aligned(l->alignment(), LinesSize(l->font(), l->text()), room), room};
  }
  if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
    if (e->toPlainText().isEmpty()) return std::nullopt;
    // Its lines as laid out in the box's width, from the first line's top
    // to the last one's bottom, within the viewport that shows them.
    QTextCursor end(e->document());
    end.movePosition(QTextCursor::End);
    const int top = e->cursorRect(QTextCursor(e->document())).top(), bottom = e->cursorRect(end).bottom();
    const QRect room = e->viewport()->geometry();
    const QRect drawn(room.left(), room.top() + top, room.width(), bottom - top + 1);
    return TextSpot{e->toPlainText(), drawn, room};
  }
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    if (e->text().isEmpty()) return std::nullopt;
    // Qt's line edit keeps two pixels beside the text and one above and below.
    const QRect room = e->rect().adjusted(2, 1, -2, -1);
    return TextSpot{e->text(), Aligned(e->alignment(), LinesSize(e->font(), e->text()), room), room};
  }
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  Qt::Alignment align = Qt::AlignCenter;
  if (qobject_cast<QRadioButton*>(w)) {
    contents = QStyle::SE_RadioButtonContents;
    align = Qt::AlignLeft | Qt::AlignVCenter;
  } else if (qobject_cast<QCheckBox*>(w)) {
    contents = QStyle::SE_CheckBoxContents;
    align = Qt::AlignLeft | Qt::AlignVCenter;
  } else if (!qobject_cast<QPushButton*>(w)) {
    return std::nullopt;
  }
  const QString text = static_cast<QAbstractButton*>(w)->text();
  if (text.isEmpty()) return std::nullopt;
  const QRect room = ButtonRoom(w, text, contents);
  const QSize size = Ceil(QFontMetricsF(w->font()).size(Qt::TextShowMnemonic, text));
  return TextSpot{text, Aligned(align, size, room), room};
}

// The part of `r` (in w's pixels) that w's containers up to `top` leave in sight.
QRect ClippedByContainers(QWidget* w, QWidget* top, QRect r) {
  for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
    r &= QRect(w->mapFrom(p, QPoint(0, 0)), p->size());
    if (p == top) break;
  }
  return r;
}

// What of a widget hides what lies under it: a label only its text (unless
// it paints its background), every other widget its whole rectangle.
std::optional<QRect> OpaquePart(QWidget* w) {
  if (w->isHidden()) return std::nullopt;
  if (auto* l = qobject_cast<QLabel*>(w); l && !l->autoFillBackground()) {
    const auto spot = SpotOf(l);
    if (!spot) return std::nullopt;
    return spot->drawn;
  }
  if (w->metaObject()->className() == QByteArray("LineWidget")) return std::nullopt;
  return w->rect();
}

class Measure {
 public:
  explicit Measure(const Form& form) : client_(form.clientArea()) {
    for (Control* c : form.Controls()) byWidget_[c->widget()] = c;
  }

  std::string NameOf(QWidget* w) const {
    const auto it = byWidget_.find(w);
    return it == byWidget_.end() ? std::string(w->metaObject()->className()) : ControlName(*it->second);
  }

  // The controls that lie over part of `r` (in w's pixels): later siblings
  // of w or of one of its containers, and a frame's own controls over its
  // caption. The window's own controls lie over each other on purpose (the
  // working frames over the main view) and are left out.
  struct Cover {
    QWidget* above;
    QRect hidden;  // in w's pixels
  };
  std::vector<Cover> Covers(QWidget* w, const QRect& r) const {
    std::vector<Cover> covers;
    auto add = [&](QWidget* above) {
      if (!byWidget_.count(above)) return;
      const auto part = OpaquePart(above);
      if (!part) return;
      const QPoint at = w->mapFrom(client_, above->mapTo(client_, part->topLeft()));
      const QRect hidden = QRect(at, part->size()) & r;
      if (!hidden.isEmpty()) covers.push_back({above, hidden});
    };
    if (qobject_cast<QGroupBox*>(w))
      for (QObject* o : w->children())
        if (auto* child = qobject_cast<QWidget*>(o)) add(child);
    for (QWidget* child = w; child->parentWidget() && child->parentWidget() != client_; child = child->parentWidget()) {
      const QObjectList& siblings = child->parentWidget()->children();
      for (qsizetype i = siblings.indexOf(child) + 1; i < siblings.size(); ++i)
        if (auto* above = qobject_cast<QWidget*>(siblings[i])) add(above);
    }
    return covers;
  }

  QWidget* client() const { return client_; }

 private:
  QWidget* client_;
  std::map<QWidget*, Control*> byWidget_;
};

std::string Px(int n) { return std::to_string(n) + " px"; }

// A box lying over a caption may hide the caption's number (the box shows
// it); it must not cut a character, nor hide any other.
bool MayHide(QChar c) { return c.isDigit() || QStringLiteral(" .+-E").contains(c); }

// What a cover hides of a label's one-line text drawn at `text` (label's
// pixels): "" when it hides nothing but whole characters of a number. A
// character counts by its ink, not by its advance.
std::string HiddenCharacters(const QLabel& label, const QRect& text, const QRect& cover) {
  const QFontMetricsF fm(label.font());
  const QString t = label.text();
  double x = text.left();
  std::string hidden;
  for (qsizetype i = 0; i < t.size(); x += fm.horizontalAdvance(t[i]), ++i) {
    if (t[i].isSpace()) continue;
    const QRectF ink = fm.boundingRect(t[i]).translated(x, 0);
    const double over = std::min(ink.right(), cover.right() + 1.0) - std::max(ink.left(), 1.0 * cover.left());
    if (over <= 0.5) continue;
    const bool whole = over >= ink.width() - 0.5;
    if (whole && MayHide(t[i])) continue;
    hidden += std::string(whole ? "hides '" : "cuts '") + QString(t[i]).toStdString() + "' ";
  }
  return hidden;
}

// How far `inner` reaches past `outer`, side by side ("" when it lies inside).
std::string Overhang(const QRect& inner, const QRect& outer) {
  std::string out;
  auto side = [&](int by, const char* name) {
    if (by > 0) out += (out.empty() ? "" : ", ") + Px(by) + " " + name;
  };
  side(outer.left() - inner.left(), "at the left");
  side(inner.right() - outer.right(), "at the right");
  side(outer.top() - inner.top(), "at the top");
  side(inner.bottom() - outer.bottom(), "at the bottom");
  return out;
}

bool Shows(const Control& c) { return c.IsShowing() && c.widget() && !c.widget()->isHidden(); }

}  // namespace

std::string ControlName(const Control& c) {
  return c.Index() < 0 ? c.Name() : c.Name() + "(" + std::to_string(c.Index()) + ")";
}

std::vector<ShownFault> CutTexts(const Form& form) {
  const Measure m(form);
  std::vector<ShownFault> faults;
  for (Control* c : form.Controls()) {
    if (!Shows(*c)) continue;
    QWidget* w = c->widget();
    const auto spot = SpotOf(w);
    if (!spot) continue;
    const std::string text = spot->text.toStdString();
    const std::string name = ControlName(*c);
    if (const std::string cut = Overhang(spot->drawn, spot->room); !cut.empty())
      faults.push_back({name, text, "missing " + cut + " (text " + std::to_string(spot->drawn.width()) + " x " +
                                        std::to_string(spot->drawn.height()) + ", room " +
                                        std::to_string(spot->room.width()) + " x " +
                                        std::to_string(spot->room.height()) + ")"});
    // A one-line box is as tall as its font needs, as a classic edit box.
    if (qobject_cast<QLineEdit*>(w) && spot->room.height() > spot->drawn.height() + 1)
      faults.push_back({name, text, "is " + Px(spot->room.height() - spot->drawn.height()) + " taller than its text"});
    const QRect inSight = ClippedByContainers(w, m.client(), spot->drawn & spot->room);
    if (const std::string clipped = Overhang(spot->drawn & spot->room, inSight); !clipped.empty())
      faults.push_back({name, text, "clipped by its container, " + clipped});
    for (const auto& [above, hidden] : m.Covers(w, inSight)) {
      auto* label = qobject_cast<QLabel*>(w);
      // A box to type a new value in may stand in for the whole label.
      if (label && qobject_cast<QLineEdit*>(above) && hidden.contains(spot->drawn & inSight)) continue;
      const std::string what = label && !spot->text.contains('\n') ? HiddenCharacters(*label, spot->drawn, hidden)
                                                                    : "covers " + Px(hidden.width()) + " x " +
                                                                          Px(hidden.height()) + " ";
      if (!what.empty()) faults.push_back({name, text, m.NameOf(above) + " " + what + "of it"});
    }
  }
  return faults;
}

std::vector<ShownFault> ControlsOutsideTheirFrames(const Form& form) {
  std::vector<ShownFault> faults;
  for (Control* c : form.Controls()) {
    Control* container = c->Container();
    if (!container || !Shows(*c) || c->Kind() == ControlKind::Line) continue;
    const std::string out = Overhang(c->widget()->geometry(), InnerArea(*container->widget()));
    if (!out.empty()) faults.push_back({ControlName(*c), "", "sticks out of " + ControlName(*container) + " " + out});
  }
  return faults;
}

std::vector<ShownFault> FramesNotWholeInTheWindow(const Form& form, const std::vector<std::string>& floating) {
  // Narrower than this, a strip of the window beneath a frame shows no
  // border of the frame's own.
  constexpr int kStripBeneath = 4;
  std::vector<ShownFault> faults;
  const QRect window = form.clientArea()->rect();
  for (Control* c : form.Controls()) {
    if (c->Container() || c->Kind() != ControlKind::Frame || !Shows(*c)) continue;
    const QRect frame = c->widget()->geometry();
    if (const std::string out = Overhang(frame, window); !out.empty()) {
      faults.push_back({ControlName(*c), "", "reaches past the window " + out});
      continue;
    }
    const int beneath = window.bottom() - frame.bottom();
    const bool floats = std::find(floating.begin(), floating.end(), c->Name()) != floating.end();
    if (floats && beneath < kStripBeneath)
      faults.push_back({ControlName(*c), "", "stands " + Px(beneath) + " above the window's bottom edge"});
  }
  return faults;
}

std::vector<ShownFault> TextsUnderFrames(const Form& form) {
  const Measure m(form);
  std::vector<ShownFault> faults;
  for (Control* c : form.Controls()) {
    if (c->Container() || c->Kind() != ControlKind::Label || !Shows(*c)) continue;
    const auto spot = SpotOf(c->widget());
    if (!spot) continue;
    for (Control* f : form.Controls()) {
      if (f->Container() || f->Kind() != ControlKind::Frame || !Shows(*f)) continue;
      const QRect over = spot->drawn.translated(c->widget()->pos()) & f->widget()->geometry();
      if (!over.isEmpty())
        faults.push_back({ControlName(*c), spot->text.toStdString(),
                          "lies under " + ControlName(*f) + " over " + Px(over.width()) + " x " + Px(over.height())});
    }
  }
  return faults;
}
