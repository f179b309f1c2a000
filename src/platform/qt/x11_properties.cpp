#include "platform/qt/x11_properties.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

Reply<xcb_get_property_reply_t> Property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name, xcb_atom_t type, uint32_t items) {
  return Reply<xcb_get_property_reply_t>(xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, items), nullptr));
}

// The items of a property of 32-bit values, when it has at least `count` of them.
const uint32_t* Items(const Reply<xcb_get_property_reply_t>& r, xcb_atom_t type, int count) {
  if (!r || r->format != 32 || r->type != type || xcb_get_property_value_length(r.get()) < count * 4) return nullptr;
  return static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
}

}  // namespace

xcb_atom_t X11Atom(xcb_connection_t* c, const char* name) {
  const auto length = static_cast<uint16_t>(std::strlen(name));
  const Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, length, name), nullptr));
  return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t X11RootOf(xcb_connection_t* c, xcb_window_t w) {
  const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr));
  return tree ? tree->root : xcb_window_t{XCB_WINDOW_NONE};
}

bool X11WindowManagerRuns(xcb_connection_t* c, xcb_window_t root) {
  const xcb_atom_t check = X11Atom(c, "_NET_SUPPORTING_WM_CHECK");
  const auto onRoot = Property(c, root, check, XCB_ATOM_WINDOW, 1);
  const uint32_t* wm = Items(onRoot, XCB_ATOM_WINDOW, 1);
  if (!wm) return false;
  const auto onItself = Property(c, wm[0], check, XCB_ATOM_WINDOW, 1);
  const uint32_t* self = Items(onItself, XCB_ATOM_WINDOW, 1);
  return self && self[0] == wm[0];  // else a check left behind by a window manager that has gone
}

bool X11WindowManagerSupports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t request) {
  if (!X11WindowManagerRuns(c, root)) return false;
  const auto supported = Property(c, root, X11Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
  if (!Items(supported, XCB_ATOM_ATOM, 1)) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
  const int n = xcb_get_property_value_length(supported.get()) / 4;
  return std::find(atoms, atoms + n, request) != atoms + n;
}

std::optional<QMargins> X11FrameExtents(xcb_connection_t* c, xcb_window_t w) {
  const auto r = Property(c, w, X11Atom(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 4);
  const uint32_t* v = Items(r, XCB_ATOM_CARDINAL, 4);
  if (!v) return std::nullopt;
  return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]), static_cast<int>(v[3]));
}
