#include "desktop/title_on_screen.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <algorithm>

namespace {

// The theme's title text, drawn smoothed over the title bar's navy.
bool TitleInk(QRgb p) {
  const int r = qRed(p), g = qGreen(p), b = qBlue(p);
  return r > 120 && g > 120 && std::abs(r - g) < 40 && b < 110;
}

// The leftmost to the rightmost column of title text on the bar.
int InkWidth(const QImage& bar) {
  int first = bar.width(), last = -1;
  for (int y = 0; y < bar.height(); ++y)
    for (int x = 0; x < bar.width(); ++x)
      if (TitleInk(bar.pixel(x, y))) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return last < first ? 0 : last - first + 1;
}

QImage TitleBarImage(QWidget& window) {
  const QRect frame = window.frameGeometry();
  const int barHeight = window.geometry().top() - frame.top();
  return QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), barHeight).toImage();
}

}  // namespace

int ShownTitleWidth(QWidget& window) {
  // The window manager frames and draws the bar a moment after the window
  // shows and becomes active: read it once it stands still.
  if (!QTest::qWaitFor([&] { return window.frameGeometry() != window.geometry(); }, 3000)) return 0;
  int width = -1;
  for (int i = 0; i < 125; ++i) {
    QTest::qWait(40);
    const int now = InkWidth(TitleBarImage(window));
    if (now > 0 && now == width) return now;
    width = now;
  }
  return std::max(width, 0);
}

int WholeTitleWidth(const QString& title) {
  QWidget wide;
  wide.setWindowTitle(title);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  wide.setGeometry(screen.x() + 10, screen.y() + 40, screen.width() - 20, 100);
  wide.show();
  wide.activateWindow();
  return QTest::qWaitForWindowActive(&wide, 3000) ? ShownTitleWidth(wide) : 0;
}
