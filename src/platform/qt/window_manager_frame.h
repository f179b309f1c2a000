#pragma once

// The frame (border and title bar) that the desktop's window manager puts
// around a window, asked of it before the window is first shown.
//
// Qt learns a window's frame only once the window manager has framed the
// mapped window. A window placed and sized before that (the main window at
// start-up, laid out while hidden) would stand with its title bar above the
// place meant for the whole window, and its inner area would shrink later,
// cutting off what was laid out in it. On X11 a window manager that follows
// the desktop conventions tells the frame it will give a window that is not
// mapped yet (_NET_REQUEST_FRAME_EXTENTS).

#include <QMargins>

class QWindow;

// The frame that the window manager will give `window`; null where it does
// not tell (no window manager, one that does not answer within a moment, a
// platform other than X11).
QMargins FrameFromWindowManager(QWindow& window);
