#include "platform/qt/window_manager_frame.h"

#include <QGuiApplication>
#include <QWindow>
#include <chrono>
#include <cmath>
#include <optional>
#include <thread>

#include "platform/qt/x11_properties.h"

namespace {

// How long the window manager has to answer; one that follows the
// conventions answers within a few milliseconds.
constexpr auto kAnswerTime = std::chrono::milliseconds(250);
constexpr auto kPollInterval = std::chrono::milliseconds(1);

void RequestFrameExtents(xcb_connection_t* c, xcb_window_t root, xcb_window_t w, xcb_atom_t request) {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = w;
  event.type = request;
  xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(c);
}

// The window system's pixels in Qt's own.
QMargins InQtPixels(const QMargins& m, double ratio) {
  if (ratio == 1.0) return m;
  const auto q = [ratio](int v) { return static_cast<int>(std::lround(v / ratio)); };
  return {q(m.left()), q(m.top()), q(m.right()), q(m.bottom())};
}

}  // namespace

QMargins FrameFromWindowManager(QWindow& window) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c || xcb_connection_has_error(c)) return {};
  const auto w = static_cast<xcb_window_t>(window.winId());
  std::optional<QMargins> frame = X11FrameExtents(c, w);
  if (!frame) {
    const xcb_window_t root = X11RootOf(c, w);
    const xcb_atom_t request = X11Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (root == XCB_WINDOW_NONE || !X11WindowManagerSupports(c, root, request)) return {};
    RequestFrameExtents(c, root, w, request);
    const auto end = std::chrono::steady_clock::now() + kAnswerTime;
    while (!(frame = X11FrameExtents(c, w)) && std::chrono::steady_clock::now() < end)
      std::this_thread::sleep_for(kPollInterval);
  }
  return frame ? InQtPixels(*frame, window.devicePixelRatio()) : QMargins();
}
