#pragma once

// Where the main window stands and how large it is on a screen of the given
// size (twips): 0.96 of the screen height with a 4:3 width on wide screens,
// 0.96 of the screen width with a 3:4 height on narrow ones, both sides at
// 0.96 on a screen of exactly 4:3; on tall screens (height / 9000 above 1.5 or
// above 1.3) the height is the screen height / 1.2 or / 1.1 with a 4:3 width.
// The left edge lies 0.015 and the top 0.003 of the screen width from the
// screen's corner. Each size is rounded to single precision as the window
// holds it before the next one is worked out from it.
struct WindowPlacement {
  float Left = 0;
  float Top = 0;
  float Width = 0;
  float Height = 0;
};

WindowPlacement MainWindowPlacement(double screenWidth, double screenHeight);
