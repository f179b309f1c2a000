#include "platform/qt/text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/qt/classic_line_edit.h"

namespace {

// A frame's border and the pixel of air inside it; the least air a text box
// keeps before a word that follows it.
constexpr int kFrameBorder = 2;
constexpr int kAir = 2;

// Which way a control grows when its text needs more room.
enum class Grow { Forward, Backward, Both };

struct Need {
  QSize size;           // the whole control's size that shows the text whole
  int textWidth = 0;    // the text alone, and the room the control leaves it
  int margin = 0;       //   (the control's width less its margins)
  Grow across = Grow::Forward;
  Grow down = Grow::Forward;
  bool exactHeight = false;  // a text box: as tall as its font needs, no taller
  bool condenses = false;    // the rule gives the widget its (condensed) font
};

int Ceil(double v) { return static_cast<int>(std::ceil(v)); }

Grow AcrossFor(Qt::Alignment a) {
  if (a & Qt::AlignRight) return Grow::Backward;
  if (a & Qt::AlignHCenter) return Grow::Both;
  return Grow::Forward;
}

// The room a button of the style leaves its text inside `rect`.
QRect ButtonContents(const QAbstractButton& b, QStyle::SubElement element, const QRect& rect) {
  QStyleOptionButton opt;
  opt.initFrom(&b);
  opt.text = b.text();
  opt.rect = rect;
  return b.style()->subElementRect(element, &opt, &b);
}

std::optional<Need> NeedOf(const QWidget& w, const FitRequest& r) {
  if (auto* label = qobject_cast<const QLabel*>(&w)) {
    if (label->text().isEmpty()) return std::nullopt;
    const int frame = 2 * label->frameWidth();
    const QSize text = LinesSize(r.font, label->text());
    return Need{text + QSize(frame, frame), text.width(), frame, AcrossFor(label->alignment()), Grow::Forward, false,
                true};
  }
  if (auto* box = dynamic_cast<const ClassicLineEdit*>(&w)) {
    // Across, the border and a pixel of air on each side of the text; down,
    // the border above and below the font's line.
    const int text = r.programText ? Ceil(QFontMetricsF(r.font).horizontalAdvance(box->text())) : 0;
    const QSize size(text + 2 * ClassicLineEdit::kSideRoom, QFontMetrics(r.font).height() + 2);
    return Need{size, text, 2 * ClassicLineEdit::kSideRoom, Grow::Both, Grow::Forward, true, false};
  }
  auto* button = qobject_cast<const QAbstractButton*>(&w);
  if (!button || button->text().isEmpty()) return std::nullopt;
  const bool push = qobject_cast<const QPushButton*>(button) != nullptr;
  const QStyle::SubElement element = push ? QStyle::SE_PushButtonContents
                                     : qobject_cast<const QCheckBox*>(button) ? QStyle::SE_CheckBoxContents
                                                                              : QStyle::SE_RadioButtonContents;
  const QRect contents = ButtonContents(*button, element, r.given);
  const QSize text = QFontMetrics(r.font).size(Qt::TextShowMnemonic, button->text());
  const QSize margins = r.given.size() - contents.size();
  return Need{text + margins, text.width(), margins.width(), push ? Grow::Both : Grow::Forward, Grow::Both, false,
              true};
}

// Grows [start, start + length) to `needed` in the given direction.
void GrowSpan(int& start, int& length, int needed, Grow how) {
  if (needed <= length) return;
  const int more = needed - length;
  if (how == Grow::Backward) start -= more;
  if (how == Grow::Both) start -= more / 2;
  length = needed;
}

// A span moved back inside [lo, lo + room), or cut to it where it is longer.
void ConfineSpan(int& start, int& length, int lo, int room) {
  if (room <= 0) return;
  if (length > room) {
    start = lo;
    length = room;
  } else if (start < lo) {
    start = lo;
  } else if (start + length > lo + room) {
    start = lo + room - length;
  }
}

// A character of a label's text that a value box lying over the label may
// hide: the box shows the caption's number itself.
bool NumberCharacter(QChar c) { return c.isDigit() || c == '.' || c == '+' || c == '-' || c == 'E'; }

// The characters of a label's one-line text with their cells across, in
// the parent's pixels.
struct Cell {
  QChar c;
  double x, next;
};
std::vector<Cell> CellsOf(const QLabel& label, const QRect& text) {
  const QFontMetricsF fm(label.font());
  std::vector<Cell> cells;
  double x = text.left();
  for (QChar c : label.text()) {
    const double next = x + fm.horizontalAdvance(c);
    cells.push_back({c, x, next});
    x = next;
  }
  return cells;
}

// A text box's edges, [left, right) across in the parent's pixels, against
// the one-line text of a label on its row. A box that lies over a number of
// a caption (it shows the number itself) covers the whole number and
// reaches at most into the blanks around it; the box stays clear of every
// other character, and a word that follows it keeps a blank's width of air.
// A box over the whole of a label's text stands in for the label.
void ClearEdges(int& left, int& right, const QRect& given, const QLabel& label) {
  const QRect text = LabelTextRect(label);
  if (text.isEmpty() || text.top() > given.bottom() || text.bottom() < given.top() || label.text().contains('\n'))
    return;
  // A box that lies over the whole text stands in for the label (a box to
  // type a new value in).
  if (given.left() <= text.left() && text.right() <= given.right()) return;
  const std::vector<Cell> cells = CellsOf(label, text);
  const auto n = cells.size();
  // The caption's number under the box: the run of number characters that
  // reaches into the box's own rectangle.
  size_t first = n, last = n;
  for (size_t i = 0; i < n && first == n; ++i)
    if (NumberCharacter(cells[i].c) && cells[i].next > given.left() && cells[i].x < given.right() + 1) first = i;
  if (first < n) {
    while (first > 0 && NumberCharacter(cells[first - 1].c)) --first;
    last = first;
    while (last + 1 < n && NumberCharacter(cells[last + 1].c)) ++last;
    left = std::min(left, static_cast<int>(std::floor(cells[first].x)));
    right = std::max(right, Ceil(cells[last].next));
  }
  const int air = std::max(kAir, Ceil(QFontMetricsF(label.font()).horizontalAdvance(' ')));
  const double middle = first < n ? (cells[first].x + cells[last].next) / 2 : given.center().x();
  for (size_t i = 0; i < n; ++i) {
    const Cell& c = cells[i];
    if (c.c.isSpace() || (first <= i && i <= last)) continue;
    const bool own = first < n;  // the caption's own unit keeps a pixel of air, another word a blank's width
    if ((c.x + c.next) / 2 >= middle) {
      if (c.x < right + (own ? 1 : air)) right = static_cast<int>(std::floor(c.x)) - (own ? 1 : air);
    } else if (c.next > left - 1) {
      left = Ceil(c.next) + 1;
    }
  }
}

// The top of a text box `height` high: its text level with the text of the
// label it stands beside or over (the nearest on its row that starts left of
// the box's middle; of labels starting level, the one nearest the box's
// rectangle in height, as where two rows of captions and boxes stand close),
// the baselines on one line; the box in the middle of its rectangle where no
// label stands beside it.
int LevelTop(const FitRequest& r, const QFont& boxFont, int height) {
  const QLabel* beside = nullptr;
  QRect besideText;
  const auto offRow = [&](const QRect& t) { return std::abs(t.center().y() - r.given.center().y()); };
  for (const QWidget* other : r.labelsBeside) {
    auto* label = qobject_cast<const QLabel*>(other);
    const QRect t = label ? LabelTextRect(*label) : QRect();
    if (t.isEmpty() || t.bottom() < r.given.top() || t.top() > r.given.bottom() || t.left() >= r.given.center().x())
      continue;
    const bool nearer = t.left() > besideText.left() || (t.left() == besideText.left() && offRow(t) < offRow(besideText));
    if (!beside || nearer) {
      beside = label;
      besideText = t;
    }
  }
  if (!beside) return r.given.top() + (r.given.height() - height) / 2;
  return besideText.top() + QFontMetrics(beside->font()).ascent() - QFontMetrics(boxFont).ascent() - 1;
}

// A label's or button's font, condensed where its text is wider than the
// room the control leaves it.
void Condense(QWidget& w, const QFont& font, const Need& need, int width) {
  QFont shown = font;
  if (need.textWidth > width - need.margin) {
    auto* label = qobject_cast<const QLabel*>(&w);
    // A button's caption shows its access key underlined, not its '&'.
    const QString text = label ? label->text() : QString(static_cast<const QAbstractButton&>(w).text()).remove('&');
    const int stretch = StretchToFit(font, text, width - need.margin);
    if (stretch != 100) shown.setStretch(stretch);
  }
  if (w.font() != shown) w.setFont(shown);
}

bool IsContainer(const QWidget& w) { return qobject_cast<const QGroupBox*>(&w) || qobject_cast<const QFrame*>(&w); }

}  // namespace

int StretchToFit(const QFont& font, const QString& text, double room) {
  const auto width = [&](int stretch) {
    QFont f = font;
    f.setStretch(stretch);
    return QFontMetricsF(f).horizontalAdvance(text);
  };
  const double natural = width(100);
  if (natural <= room || room <= 0) return 100;
  int stretch = static_cast<int>(std::floor(100.0 * room / natural));
  while (stretch >= kMinStretch && width(stretch) > room) --stretch;
  return stretch < kMinStretch ? 100 : stretch;
}

QSize LinesSize(const QFont& font, const QString& text) {
  const QFontMetricsF fm(font);
  const QStringList lines = text.split('\n');
  double w = 0;
  for (const QString& line : lines) w = std::max(w, fm.horizontalAdvance(line));
  return {Ceil(w), Ceil(fm.height() + static_cast<double>(lines.size() - 1) * fm.lineSpacing())};
}

QRect GroupBoxTitleRect(const QGroupBox& box) {
  QStyleOptionGroupBox opt;
  opt.initFrom(&box);
  opt.text = box.title();
  opt.lineWidth = 1;
  opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  return box.style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, &box);
}

QRect InnerArea(const QWidget& container) {
  if (auto* box = qobject_cast<const QGroupBox*>(&container)) {
    QRect inner = box->rect().adjusted(kFrameBorder, kFrameBorder, -kFrameBorder, -kFrameBorder);
    if (!box->title().isEmpty()) inner.setTop(std::max(inner.top(), GroupBoxTitleRect(*box).bottom() + 1));
    return inner;
  }
  if (auto* frame = qobject_cast<const QFrame*>(&container)) return frame->contentsRect();
  return container.rect();
}

QRect LabelTextRect(const QWidget& w) {
  auto* label = qobject_cast<const QLabel*>(&w);
  if (!label || label->text().isEmpty()) return {};
  const QSize text = LinesSize(label->font(), label->text());
  const QRect inside = QStyle::alignedRect(Qt::LeftToRight, label->alignment(), text, label->contentsRect());
  return inside.translated(label->pos());
}

void FitToText(QWidget& w, const FitRequest& r) {
  const QWidget* parent = w.parentWidget();
  const bool contained = parent && IsContainer(*parent);
  const QRect inner = contained ? InnerArea(*parent) : QRect();
  // What reaches past the container's inner edge is cut off; the rest grows
  // to its text, and what then reaches past the edge moves back in.
  QRect rect = r.given;
  if (contained && rect.intersects(inner)) rect &= inner;
  const std::optional<Need> need = NeedOf(w, r);
  int x = rect.x(), y = rect.y(), width = rect.width(), height = rect.height();
  if (need) {
    GrowSpan(x, width, need->size.width(), need->across);
    if (need->exactHeight)
      height = need->size.height();
    else
      GrowSpan(y, height, need->size.height(), need->down);
  }
  if (dynamic_cast<const ClassicLineEdit*>(&w)) {
    if (need) y = LevelTop(r, r.font, height);
    int left = x, right = x + width;
    for (const QWidget* other : r.labelsBeside)
      if (auto* label = qobject_cast<const QLabel*>(other)) ClearEdges(left, right, r.given, *label);
    x = left;
    width = std::max(1, right - left);
  }
  if (contained) {
    ConfineSpan(x, width, inner.x(), inner.width());
    ConfineSpan(y, height, inner.y(), inner.height());
  }
  w.setGeometry(x, y, width, height);
  if (need && need->condenses) Condense(w, r.font, *need, width);
}
