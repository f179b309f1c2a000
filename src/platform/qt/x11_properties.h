#pragma once

// What the desktop's window manager announces on X11 windows, read through
// the X connection (the desktop conventions' _NET_ properties).

#include <xcb/xcb.h>

#include <QMargins>
#include <optional>

// The atom of `name` (XCB_ATOM_NONE where the server cannot make it).
xcb_atom_t X11Atom(xcb_connection_t* c, const char* name);

// The root window of the screen that `w` is on (XCB_WINDOW_NONE where the
// server cannot tell).
xcb_window_t X11RootOf(xcb_connection_t* c, xcb_window_t w);

// Whether a window manager runs on the screen of `root` (its check window
// names itself).
bool X11WindowManagerRuns(xcb_connection_t* c, xcb_window_t root);

// Whether the running window manager lists `request` among what it supports.
bool X11WindowManagerSupports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t request);

// The frame the window manager has set on the window (_NET_FRAME_EXTENTS:
// left, right, top, bottom), in the window system's pixels; none while it
// has set none.
std::optional<QMargins> X11FrameExtents(xcb_connection_t* c, xcb_window_t w);
