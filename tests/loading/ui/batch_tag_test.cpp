// The batch's mean-stress tag on the spectrum diagram belongs to a loading
// taken from the database: a loading typed in shows none.

#include <gtest/gtest.h>

#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "shell/ui/main_menus.h"
#include "support/user_road.h"

namespace {

TEST(BatchTag, ATypedLoadingShowsNoBatchTag) {
  Program p;
  ProblemDefinitionPanel& analysis = p.main.problemDefinition();
  LoadingFramesPanel& lf = p.main.loadingFrames();
  Press(analysis.Cmd_analysis_next);  // constant amplitude, as typed at start-up
  ASSERT_TRUE(lf.Pic_Spectr.IsShowing());
  EXPECT_FALSE(lf.SSmse.IsShowing());

  Choose(p.main.menus().mnu_target);
  Press(analysis.chk_spectrum);
  Press(analysis.cmd_analysis_done);
  ASSERT_TRUE(lf.Pic_Spectr.IsShowing());
  EXPECT_FALSE(lf.SSmse.IsShowing());
}

}  // namespace
