#include "desktop/frames_on_screen.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

#include "platform/qt/x11_properties.h"

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t* Connection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

// The window's inner area on the screen, as the X server has it.
std::optional<QRect> InnerOnScreen(xcb_connection_t* c, xcb_window_t w) {
  const Reply<xcb_get_geometry_reply_t> g(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr), &std::free);
  if (!g) return std::nullopt;
  const Reply<xcb_translate_coordinates_reply_t> at(
      xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, g->root, 0, 0), nullptr), &std::free);
  if (!at) return std::nullopt;
  return QRect(at->dst_x, at->dst_y, g->width, g->height);
}

// The theme's title text, drawn smoothed over the title bar's navy.
bool TitleInk(QRgb p) {
  const int r = qRed(p), g = qGreen(p), b = qBlue(p);
  return r > 120 && g > 120 && std::abs(r - g) < 40 && b < 110;
}

// The leftmost to the rightmost column of title text on the bar.
int InkWidth(const QImage& bar) {
  int first = bar.width(), last = -1;
  for (int y = 0; y < bar.height(); ++y)
    for (int x = 0; x < bar.width(); ++x)
      if (TitleInk(bar.pixel(x, y))) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return last < first ? 0 : last - first + 1;
}

}  // namespace

void PrintTo(const OnScreen& at, std::ostream* os) {
  const auto rect = [os](const char* what, const QRect& r) {
    *os << what << " " << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
  };
  rect("frame", at.frame);
  rect(", inner", at.inner);
}

OnScreen WhereOnScreen(const QWidget& window) {
  xcb_connection_t* c = Connection();
  if (!c || !window.windowHandle()) return {};
  const auto w = static_cast<xcb_window_t>(window.windowHandle()->winId());
  std::optional<QMargins> extents;
  // The window manager announces the frame once it has framed the window.
  (void)QTest::qWaitFor([&] { return (extents = X11FrameExtents(c, w)).has_value(); }, 3000);
  const std::optional<QRect> inner = InnerOnScreen(c, w);
  if (!inner) return {};
  return {*inner, extents ? inner->marginsAdded(*extents) : QRect()};
}

QImage ShownWhere(const QWidget& w) {
  xcb_connection_t* c = Connection();
  const QWidget* window = w.window();
  if (!c || !window->windowHandle()) return {};
  const std::optional<QRect> inner = InnerOnScreen(c, static_cast<xcb_window_t>(window->windowHandle()->winId()));
  if (!inner) return {};
  const QPoint at = inner->topLeft() + w.mapTo(window, QPoint(0, 0));
  return QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), w.width(), w.height()).toImage();
}

int ShownTitleWidth(const QWidget& window) {
  // The window manager draws the bar a moment after the window shows and
  // becomes active: it is read once it stands still.
  int width = -1;
  for (int i = 0; i < 125; ++i) {
    QTest::qWait(40);
    const OnScreen at = WhereOnScreen(window);
    const QRect bar(at.frame.left(), at.frame.top(), at.frame.width(), at.inner.top() - at.frame.top());
    if (bar.isEmpty()) continue;
    const int now = InkWidth(QGuiApplication::primaryScreen()->grabWindow(0, bar.x(), bar.y(), bar.width(), bar.height()).toImage());
    if (now > 0 && now == width) return now;
    width = now;
  }
  return std::max(width, 0);
}

int WholeTitleWidth(const QString& title) {
  // A busy machine may take seconds to map and activate the window.
  QWidget wide;
  wide.setWindowTitle(title);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  wide.setGeometry(screen.x() + 10, screen.y() + 40, screen.width() - 20, 100);
  wide.show();
  wide.activateWindow();
  return QTest::qWaitForWindowActive(&wide, 20000) ? ShownTitleWidth(wide) : 0;
}
