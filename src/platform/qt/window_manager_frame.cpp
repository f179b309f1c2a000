#include "platform/qt/window_manager_frame.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>

namespace {

// How long the window manager has to answer; one that follows the
// conventions answers within a few milliseconds.
constexpr auto kAnswerTime = std::chrono::milliseconds(250);
constexpr auto kPollInterval = std::chrono::milliseconds(1);

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  const auto length = static_cast<uint16_t>(std::strlen(name));
  const Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, length, name), nullptr));
  return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

Reply<xcb_get_property_reply_t> Property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name, xcb_atom_t type, uint32_t items) {
  return Reply<xcb_get_property_reply_t>(xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, items), nullptr));
}

// The items of a property of 32-bit values, when it has at least `count` of them.
const uint32_t* Items(const Reply<xcb_get_property_reply_t>& r, xcb_atom_t type, int count) {
  if (!r || r->format != 32 || r->type != type || xcb_get_property_value_length(r.get()) < count * 4) return nullptr;
  return static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
}

// Whether a window manager runs (its check window names itself) and lists
// `request` among what it supports.
bool WindowManagerSupports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t request) {
  const xcb_atom_t check = Atom(c, "_NET_SUPPORTING_WM_CHECK");
  const auto onRoot = Property(c, root, check, XCB_ATOM_WINDOW, 1);
  const uint32_t* wm = Items(onRoot, XCB_ATOM_WINDOW, 1);
  if (!wm) return false;
  const auto onItself = Property(c, wm[0], check, XCB_ATOM_WINDOW, 1);
  const uint32_t* self = Items(onItself, XCB_ATOM_WINDOW, 1);
  if (!self || self[0] != wm[0]) return false;  // a check left behind by a window manager that has gone
  const auto supported = Property(c, root, Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
  if (!Items(supported, XCB_ATOM_ATOM, 1)) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
  const int n = xcb_get_property_value_length(supported.get()) / 4;
  return std::find(atoms, atoms + n, request) != atoms + n;
}

// The frame the window manager has set on the window (left, right, top,
// bottom), in the window system's pixels.
std::optional<QMargins> FrameExtents(xcb_connection_t* c, xcb_window_t w, xcb_atom_t extents) {
  const auto r = Property(c, w, extents, XCB_ATOM_CARDINAL, 4);
  const uint32_t* v = Items(r, XCB_ATOM_CARDINAL, 4);
  if (!v) return std::nullopt;
  return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]), static_cast<int>(v[3]));
}

xcb_window_t RootOf(xcb_connection_t* c, xcb_window_t w) {
  const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr));
  return tree ? tree->root : xcb_window_t{XCB_WINDOW_NONE};
}

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
  const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
  std::optional<QMargins> frame = FrameExtents(c, w, extents);
  if (!frame) {
    const xcb_window_t root = RootOf(c, w);
    const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (root == XCB_WINDOW_NONE || !WindowManagerSupports(c, root, request)) return {};
    RequestFrameExtents(c, root, w, request);
    const auto end = std::chrono::steady_clock::now() + kAnswerTime;
    while (!(frame = FrameExtents(c, w, extents)) && std::chrono::steady_clock::now() < end)
      std::this_thread::sleep_for(kPollInterval);
  }
  return frame ? InQtPixels(*frame, window.devicePixelRatio()) : QMargins();
}
