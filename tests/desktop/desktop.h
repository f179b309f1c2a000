#pragma once

// The desktop that the tests of this folder run on: a virtual X display of
// the size that FLA_DESKTOP_SCREEN names ("2560x1440"; 1366x768 when unset)
// with a window manager, started by the tests' main before the application.
// Where it cannot be started the tests are skipped, saying why.

#include <gtest/gtest.h>

#include <string>

namespace desktop_test {

bool Up();
const std::string& WhyNot();
// The screen's size in pixels.
int ScreenWidth();
int ScreenHeight();

}  // namespace desktop_test

#define SKIP_WITHOUT_DESKTOP()                                                         \
  do {                                                                                 \
    if (!desktop_test::Up()) GTEST_SKIP() << "No desktop: " << desktop_test::WhyNot(); \
  } while (0)
