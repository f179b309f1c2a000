#pragma once

// What the screen shows of a window's frame, asked of the X server and the
// window manager rather than of Qt: Qt learns a window's frame late, and
// for a window shown a moment ago (a message box) it may not have learned
// it yet when the test looks.

#include <QImage>
#include <QRect>
#include <QString>
#include <ostream>

class QWidget;

// Where the window stands on the screen, in pixels: its inner area, and its
// frame (border and title bar) around it as the window manager gives it.
// The frame is empty where the window manager has set none within a few
// seconds.
struct OnScreen {
  QRect inner;
  QRect frame;
  bool operator==(const OnScreen&) const = default;
};
void PrintTo(const OnScreen& at, std::ostream* os);
OnScreen WhereOnScreen(const QWidget& window);

// What the screen shows where `w` lies in its window, read off the X
// server (a null image where the window is not on the screen).
QImage ShownWhere(const QWidget& w);

// The width (pixels) of the text on `window`'s title bar as the screen
// shows it: the theme's yellow title of an active window (0 where the bar
// shows none).
int ShownTitleWidth(const QWidget& window);

// The width of `title` on a title bar that has all the room it needs: a
// window of the screen's whole width, shown and measured for the purpose.
int WholeTitleWidth(const QString& title);
