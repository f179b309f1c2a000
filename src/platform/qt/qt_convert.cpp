#include "platform/qt/qt_convert.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "platform/host.h"
#include "platform/ui/control_types.h"

namespace {

struct SystemColour {
  int index;
  QPalette::ColorRole role;
};

// The system colours the program names (0x80000000 | index).
constexpr SystemColour kSystemColours[] = {
    {0x01, QPalette::Window},    {0x05, QPalette::Base},       {0x08, QPalette::Text},
    {0x0D, QPalette::Highlight}, {0x0E, QPalette::HighlightedText}, {0x0F, QPalette::Button},
    {0x10, QPalette::Dark},      {0x12, QPalette::ButtonText}, {0x14, QPalette::Light},
    {0x11, QPalette::PlaceholderText}, {0x18, QPalette::ToolTipBase},
};

double DotsPerInch(bool horizontal) {
  const QScreen* s = QGuiApplication::primaryScreen();
  const double dpi = s ? (horizontal ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY()) : 96.0;
  return dpi > 0 ? dpi : 96.0;
}

}  // namespace

QColor ToQColor(int32_t colour, const QWidget* widget) {
  const auto u = static_cast<uint32_t>(colour);
  if (u & 0x80000000u) {
    // The desktop's colour for the widget's class, never the widget's own
    // palette: that one holds the colours the program painted it with.
    const QPalette pal = widget ? QApplication::palette(widget) : QApplication::palette();
    for (const auto& s : kSystemColours)
      if (static_cast<uint32_t>(s.index) == (u & 0xFFu)) return pal.color(s.role);
    return pal.color(QPalette::Window);
  }
  return QColor(static_cast<int>(u & 0xFF), static_cast<int>((u >> 8) & 0xFF), static_cast<int>((u >> 16) & 0xFF));
}

int32_t FromQColor(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

double TwipsPerPixelX() { return 1440.0 / DotsPerInch(true); }
double TwipsPerPixelY() { return 1440.0 / DotsPerInch(false); }
int TwipsToPixelsX(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int TwipsToPixelsY(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }

Qt::CursorShape CursorShapeFor(int pointer) {
  switch (pointer) {
    case kPointerCross: return Qt::CrossCursor;
    case kPointerUpArrow: return Qt::UpArrowCursor;
    case kPointerHourglass: return Qt::WaitCursor;
    default: return Qt::ArrowCursor;
  }
}

int KeyCodeFromQt(int k) {
  struct Pair {
    int qt, code;
  };
  static constexpr Pair kKeys[] = {
      {Qt::Key_Backspace, kKeyBack}, {Qt::Key_Tab, kKeyTab},         {Qt::Key_Backtab, kKeyTab},
      {Qt::Key_Return, kKeyReturn},  {Qt::Key_Enter, kKeyReturn},    {Qt::Key_Shift, kKeyShift},
      {Qt::Key_Control, kKeyControl}, {Qt::Key_Alt, kKeyMenu},       {Qt::Key_Escape, kKeyEscape},
      {Qt::Key_Space, kKeySpace},    {Qt::Key_PageUp, kKeyPageUp},   {Qt::Key_PageDown, kKeyPageDown},
      {Qt::Key_End, kKeyEnd},        {Qt::Key_Home, kKeyHome},       {Qt::Key_Left, kKeyLeft},
      {Qt::Key_Up, kKeyUp},          {Qt::Key_Right, kKeyRight},     {Qt::Key_Down, kKeyDown},
      {Qt::Key_Insert, kKeyInsert},  {Qt::Key_Delete, kKeyDelete},
      {Qt::Key_Period, 190},         {Qt::Key_Comma, 188},           {Qt::Key_Minus, 189},
      {Qt::Key_Plus, 187},
  };
  for (const auto& p : kKeys)
    if (p.qt == k) return p.code;
  if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z)) return k;  // same numbers
  if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return kKeyF1 + (k - Qt::Key_F1);
  return k & 0xFF;
}

int ShiftBitsFromQt(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? kShiftMask : 0) | (m & Qt::ControlModifier ? kCtrlMask : 0) |
         (m & Qt::AltModifier ? kAltMask : 0);
}

int ButtonBitsFromQt(Qt::MouseButtons b) {
  return (b & Qt::LeftButton ? kLeftButton : 0) | (b & Qt::RightButton ? kRightButton : 0) |
         (b & Qt::MiddleButton ? kMiddleButton : 0);
}

QString ToQLines(const std::string& s) {
  QString q = ToQ(s);
  q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  q.replace(QChar('\r'), QChar('\n'));
  return q;
}

Qt::Alignment HorizontalAlignment(int alignment) {
  return alignment == kAlignRight ? Qt::AlignRight : alignment == kAlignCenter ? Qt::AlignHCenter : Qt::AlignLeft;
}
