#pragma once

// The room a window's title needs on the title bar that the window manager
// draws: the title in the desktop's title font, bold as title bars show it,
// beside the window's icon and its frame buttons (minimise, maximise,
// close), each about as wide as the bar is high, with that much again for
// the margins at the bar's ends.

#include <QString>

class QWidget;

// The outer width (frame included, pixels) at which `window` shows `title`
// whole on its title bar.
int TitleBarWidth(const QWidget& window, const QString& title);
