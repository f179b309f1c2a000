#pragma once

// How much of a window's title the window manager shows on its title bar,
// read off the screen: the width of the title's text (the theme's yellow)
// on the bar of the active window.

#include <QString>

class QWidget;

// The width (pixels) of the text on `window`'s title bar as the screen
// shows it (0 where it shows none). `window` is on show and active.
int ShownTitleWidth(QWidget& window);

// The width of `title` on a title bar that has all the room it needs: a
// window of the screen's whole width, shown and measured for the purpose.
int WholeTitleWidth(const QString& title);
