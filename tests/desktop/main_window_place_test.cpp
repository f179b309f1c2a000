// The main window under a window manager, by real input: the place that
// start-up gives it (Left and Top from the screen's corner) is that of the
// whole window, title bar and frame included, from the start; the window
// keeps that place and its inner area when the random-variable dialog has
// been shown over it and closed, and its frames stay inside it.

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "desktop/desktop.h"
#include "engine/ui/problem_definition_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/qt/qt_convert.h"
#include "platform/ui/form.h"
#include "real_input/real_user.h"
#include "shell/ui/form_show.h"

namespace real_input {
namespace {

// The window as the screen has it: where its frame stands, and its inner
// area (below the menu bar) on the screen.
struct Placement {
  QRect frame;
  QRect inner;
  bool operator==(const Placement&) const = default;
};
void PrintTo(const Placement& p, std::ostream* os) {
  *os << "frame " << p.frame.x() << "," << p.frame.y() << " " << p.frame.width() << "x" << p.frame.height() << ", inner "
      << p.inner.x() << "," << p.inner.y() << " " << p.inner.width() << "x" << p.inner.height();
}

Placement PlacementOf(const Form& form) {
  const QWidget* client = form.clientArea();
  return {form.widget()->frameGeometry(), QRect(client->mapToGlobal(QPoint(0, 0)), client->size())};
}

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
  QWidget* window = main.widget();
  ASSERT_TRUE(QTest::qWaitFor([window] { return window->frameGeometry() != window->geometry(); }, 5000))
      << "the window manager puts no frame around the main window";
  const QRect meant(TwipsToPixelsX(main.Left()), TwipsToPixelsY(main.Top()), TwipsToPixelsX(main.Width()),
                    TwipsToPixelsY(main.Height()));
  const Placement atStart = PlacementOf(main);
  EXPECT_EQ(atStart.frame, meant) << "the title bar and the frame belong to the window's place and size";
  EXPECT_EQ(FramesCutOff(main), std::vector<std::string>{}) << "at start-up";

  // A probabilistic job: Se gets a log-normal scatter in the random-variable
  // dialog, shown over the main window.
  ProblemDefinitionPanel& pd = main.problemDefinition();
  user.Click(pd.chk_end_limit);
  user.Click(pd.Cmd_analysis_next);
  FormShow& show = main.formShow();
  p.watchdog.Step("the random-variable dialog");
  user.AnswerWindow([&] {
    user.Click(show.chk_distr(3));
    user.Retype(show.txt_distr(0), "0.1");
    user.Click(show.cmd_ok);
  });
  user.Click(main.snInputs().dN_distr(0));
  ASSERT_TRUE(user.AllAnswered());
  ASSERT_EQ(main.snInputs().dN_distr(0).Caption(), "{L10}");
  user.Wait(300);  // whatever the window manager does to the window has been done
  EXPECT_EQ(PlacementOf(main), atStart) << "after the random-variable dialog";
  EXPECT_EQ(FramesCutOff(main), std::vector<std::string>{}) << "after the random-variable dialog";
}

}  // namespace
}  // namespace real_input
