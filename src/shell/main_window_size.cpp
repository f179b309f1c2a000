#include "shell/main_window_size.h"

#include "platform/runtime/sng.h"

namespace {

constexpr double kFill = 0.96;
constexpr double kDesignHeight = 9000;

struct TallScreenRule {
  double threshold;  // screen height / 9000 above this ...
  double divisor;    // ... gives the height screen height / divisor
};
constexpr TallScreenRule kTallScreens[] = {{1.5, 1.2}, {1.3, 1.1}};

// The first size from the screen's shape.
void FitToScreen(WindowPlacement& w, double sw, double sh) {
  const float q = Sng(sw / sh);
  const float fourThirds = Sng(4.0 / 3.0);
  if (q > fourThirds) {
    w.Height = Sng(kFill * sh);
    w.Width = Sng(4.0 / 3.0 * w.Height);
  } else if (q < fourThirds) {
    w.Width = Sng(kFill * sw);
    w.Height = Sng(static_cast<double>(w.Width) * 3.0 / 4.0);
  } else {
    w.Height = Sng(kFill * sh);
    w.Width = Sng(kFill * sw);
  }
}

}  // namespace

WindowPlacement MainWindowPlacement(double screenWidth, double screenHeight) {
  WindowPlacement w;
  if (screenWidth <= 0 || screenHeight <= 0) return w;
  FitToScreen(w, screenWidth, screenHeight);
  const double t = screenHeight / kDesignHeight;
  for (const TallScreenRule& rule : kTallScreens) {
    if (t > rule.threshold) {
      w.Height = Sng(screenHeight / rule.divisor);
      w.Width = Sng(4.0 / 3.0 * w.Height);
      break;
    }
  }
  w.Top = Sng(0.003 * screenWidth);
  w.Left = Sng(0.015 * screenWidth);
  return w;
}
