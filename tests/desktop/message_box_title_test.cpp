// Message boxes under a window manager, by real input: each box is wide
// enough for the window manager to show its whole title on the title bar,
// beside the window's icon and its frame buttons, in the window manager's
// own title font. What the bar shows is read off the screen and set against
// the same title on a bar with all the room it needs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "desktop/desktop.h"
#include "desktop/frames_on_screen.h"
#include "engine/ui/problem_definition_panel.h"
#include "material/sn_input_rules.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/mcs_results_messages.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "real_input/probabilistic_job.h"
#include "real_input/real_user.h"
#include "shell/job_file.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

class MessageBoxTitles : public ::testing::Test {
 protected:
  // The width of each title on a bar with room enough, measured before the
  // program starts.
  void MeasureWholeTitles(std::initializer_list<const char*> titles) {
    for (const char* t : titles) whole_[t] = WholeTitleWidth(QString::fromUtf8(t));
  }
  // Answers the next message box with OK once its title bar has been read.
  void AnswerReadingTheTitle(User& user) {
    user.AnswerMessage("OK", [this] {
      QWidget* box = QApplication::activeModalWidget();
      if (box) shown_[box->windowTitle().toStdString()] = ShownTitleWidth(*box);
    });
  }
  void ExpectWholeTitlesShown() {
    for (const auto& [title, width] : whole_) {
      ASSERT_GT(width, 0) << "\"" << title << "\" is shown nowhere on a wide title bar";
      ASSERT_TRUE(shown_.count(title)) << "no message box titled \"" << title << "\" came up";
      EXPECT_GE(shown_[title], width - 1) << "the title bar of \"" << title << "\" shows part of it";
    }
  }

 private:
  std::map<std::string, int> whole_, shown_;
};

TEST_F(MessageBoxTitles, ARefusedInputAndAJobThatDoesNotOpenShowTheirWholeTitles) {
  SKIP_WITHOUT_DESKTOP();
  MeasureWholeTitles({kTitleSnExponent, kTitleSurvivalProbability, kOpenJobTitle});
  RealProgram p("message_box_titles", [](const std::filesystem::path& folder) {
    std::ofstream(folder / "broken.sns") << "no job\r\n";
  });
  User& user = p.user;
  FormMain& main = p.main;
  user.Click(main.problemDefinition().Cmd_analysis_next);
  SnFramePanel& sn = main.snInputs();

  p.watchdog.Step("an S-N exponent refused");
  AnswerReadingTheTitle(user);
  user.Retype(sn.SNmt, "0.5");
  user.Click(sn.Pic_SN);
  p.watchdog.Step("a survival probability refused");
  AnswerReadingTheTitle(user);
  user.Retype(sn.SNPnt, "150");
  user.Click(sn.Pic_SN);
  p.watchdog.Step("a job that does not open");
  user.AnswerFileDialog((p.folder.path() / "broken.sns").string());
  AnswerReadingTheTitle(user);
  user.Choose(main.menus().mnu_start(0));
  ASSERT_TRUE(user.AllAnswered());
  ExpectWholeTitlesShown();
}

TEST_F(MessageBoxTitles, TheSimulationsSummaryShowsItsWholeTitle) {
  SKIP_WITHOUT_DESKTOP();
  MeasureWholeTitles({kMcsSummaryTitle});
  RealProgram p("simulation_summary_title");
  User& user = p.user;
  FormMain& main = p.main;
  ASSERT_NO_FATAL_FAILURE(DefineProbabilisticJob(p));
  ASSERT_NO_FATAL_FAILURE(OpenSimulationOptions(p, "200"));
  McsOptionsPanel& options = main.mcsOptions();
  AnswerReadingTheTitle(user);
  user.Click(options.cmd_MCS_opt(0));
  ASSERT_TRUE(user.AllAnswered());
  ExpectWholeTitlesShown();
}

}  // namespace
}  // namespace real_input
