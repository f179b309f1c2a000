#include "platform/qt/title_bar.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// The icon, three frame buttons and the margins at the ends.
constexpr int kSquaresBesideTheTitle = 5;
// The bar's height beyond the title's line where the window manager tells
// no frame (another platform, or no window manager).
constexpr int kBarPadding = 8;

QFont TitleFont(const QWidget& window) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  font.setPointSizeF(std::max(font.pointSizeF(), window.font().pointSizeF()));
  font.setBold(true);
  return font;
}

// The title bar's height: the top of the frame around the window's parent
// (a window the window manager has framed: the window itself may be about to
// be mapped, and is best left alone then), else the title's line with the
// margins a title bar has.
int BarHeight(const QWidget& window, const QFontMetrics& title) {
  const QWidget* framed = window.parentWidget() ? window.parentWidget()->window() : nullptr;
  const int top = framed && framed->windowHandle() ? framed->windowHandle()->frameMargins().top() : 0;
  return std::max(top, title.height() + kBarPadding);
}

}  // namespace

int TitleBarWidth(const QWidget& window, const QString& title) {
  const QFontMetrics metrics(TitleFont(window));
  return metrics.horizontalAdvance(title) + kSquaresBesideTheTitle * BarHeight(window, metrics);
}
