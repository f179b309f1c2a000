// main() of the desktop tests: the desktop first, then the application on it
// (Qt's X11 platform), with the program's fonts as the program sets them.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "desktop/desktop.h"
#include "desktop/x_desktop.h"
#include "platform/qt/app_fonts.h"

namespace desktop_test {
namespace {

struct Session {
  bool up = false;
  std::string whyNot = "the desktop was not started";
  int width = 1366, height = 768;
};
Session& TheSession() {
  static Session s;
  return s;
}

}  // namespace

bool Up() { return TheSession().up; }
const std::string& WhyNot() { return TheSession().whyNot; }
int ScreenWidth() { return TheSession().width; }
int ScreenHeight() { return TheSession().height; }

}  // namespace desktop_test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  desktop_test::Session& session = desktop_test::TheSession();
  if (const char* screen = std::getenv("FLA_DESKTOP_SCREEN")) {
    if (std::sscanf(screen, "%dx%d", &session.width, &session.height) != 2 || session.width <= 0 || session.height <= 0) {
      std::fprintf(stderr, "FLA_DESKTOP_SCREEN=%s is no screen size (WIDTHxHEIGHT)\n", screen);
      return 2;
    }
  }
  std::unique_ptr<XDesktop> desktop;
  // Listing the tests needs no desktop.
  if (!GTEST_FLAG_GET(list_tests)) desktop = std::make_unique<XDesktop>(session.width, session.height);
  if (desktop && desktop->Up()) {
    setenv("DISPLAY", desktop->Display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("QT_XCB_GL_INTEGRATION", "none", 1);  // the program draws without OpenGL
    session.up = true;
  } else {
    if (desktop) session.whyNot = desktop->Failure();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  int rc = 0;
  {
    QApplication app(argc, argv);
    InstallApplicationFonts();
    rc = RUN_ALL_TESTS();
  }
  return rc;
}
