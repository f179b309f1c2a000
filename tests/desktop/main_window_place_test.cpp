// The main window under a window manager, by real input: the place that
// start-up gives it (Left and Top from the screen's corner) is that of the
// whole window, title bar and frame included, from the start; the window
// keeps that place and its inner area when the random-variable dialog has
// been shown over it and closed, and its frames stay inside it.

#include <gtest/gtest.h>

#include <QWidget>
#include <string>
#include <vector>

#include "desktop/desktop.h"
#include "desktop/frames_on_screen.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/qt/qt_convert.h"
#include "platform/ui/form.h"
#include "real_input/probabilistic_job.h"
#include "real_input/real_user.h"

namespace real_input {
namespace {

// The frames on show that reach past the window's inner area.
std::vector<std::string> FramesCutOff(const Form& form) {
  std::vector<std::string> cut;
  const QRect inner = form.clientArea()->rect();
  for (const Control* c : form.Controls())
    if (!c->Container() && c->Kind() == ControlKind::Frame && c->IsShowing() && !inner.contains(c->widget()->geometry()))
      cut.push_back(c->Name());
  return cut;
}

TEST(MainWindowPlace, TheWholeWindowStandsWhereStartUpPutsItAndStaysThere) {
  SKIP_WITHOUT_DESKTOP();
  RealProgram p("main_window_place");
  User& user = p.user;
  FormMain& main = p.main;
  const OnScreen atStart = WhereOnScreen(*main.widget());
  ASSERT_FALSE(atStart.frame.isEmpty()) << "the window manager puts no frame around the main window";
  const OnScreen meant{atStart.inner, QRect(TwipsToPixelsX(main.Left()), TwipsToPixelsY(main.Top()),
                                            TwipsToPixelsX(main.Width()), TwipsToPixelsY(main.Height()))};
  EXPECT_EQ(atStart, meant) << "the title bar and the frame belong to the window's place and size";
  EXPECT_EQ(FramesCutOff(main), std::vector<std::string>{}) << "at start-up";

  // A probabilistic job: Se gets a log-normal scatter in the random-variable
  // dialog, shown over the main window.
  ASSERT_NO_FATAL_FAILURE(DefineProbabilisticJob(p));
  user.Wait(300);  // whatever the window manager does to the window has been done
  EXPECT_EQ(WhereOnScreen(*main.widget()), atStart) << "after the random-variable dialog";
  EXPECT_EQ(FramesCutOff(main), std::vector<std::string>{}) << "after the random-variable dialog";
}

}  // namespace
}  // namespace real_input
