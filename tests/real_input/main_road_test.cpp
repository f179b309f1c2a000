// The first road of a user, by real input: the warranty accepted, the
// problem definition, a loading and an S-N curve typed, "&Calculate", and the
// life on the screen; a loading below the endurance limit, infinite.

#include <gtest/gtest.h>

#include <QLabel>

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "real_input/real_user.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

TEST(MainRoad, TypedInputsGiveTheLifeOnTheScreen) {
  RealProgram p("main_road");
  FormMain& main = p.main;
  User& user = p.user;
  EXPECT_EQ(p.state.shellState.WarrantyAccepted, 1);
  ASSERT_TRUE(main.problemDefinition().frm_analysis.IsShowing());
  user.Click(main.problemDefinition().Cmd_analysis_next);

  // The constant amplitude typed on the spectrum diagram; a click on the
  // diagram leaves the box.
  LoadingFramesPanel& loading = main.loadingFrames();
  p.watchdog.Step("typing the loading");
  user.Retype(loading.SSmaxt(0), "100");
  user.Click(loading.Pic_Spectr);
  EXPECT_EQ(p.state.loadingData.StressRangeTo, 200.0f);

  // The S-N curve, from box to box by Tab.
  SnFramePanel& sn = main.snInputs();
  p.watchdog.Step("typing the S-N curve");
  user.Retype(sn.SNset(0), "60");
  user.Key(Qt::Key_Tab);
  EXPECT_EQ(p.state.materialData.Se, 120.0f) << "the amplitude is stored as a range";
  user.Retype(sn.SNNot, "1E+6");
  user.Retype(sn.SNmt, "4");
  user.Click(sn.Pic_SN);
  EXPECT_EQ(p.state.materialData.EnduranceCycles, 1000000);
  EXPECT_EQ(p.state.materialData.SNExponent, 4.0f);
  EXPECT_TRUE(user.Messages().empty()) << user.Messages()[0].text;

  p.watchdog.Step("Calculate");
  user.Choose(main.menus().mnu_calculate);
  Label& result = main.dataBox().Result;
  auto* shown = qobject_cast<QLabel*>(result.widget());
  ASSERT_TRUE(shown && shown->isVisible());
  // 1E+6 x (120 / 200)^4 cycles.
  EXPECT_EQ(shown->text().toStdString(), "Fatigue life:   1.296E+5 [cyc] ");
  EXPECT_TRUE(user.Messages().empty());
}

// A constant amplitude below the endurance limit does no damage: with a
// small damage to failure typed in the job summary its life is still
// infinite.
TEST(MainRoad, ALoadingBelowTheEnduranceLimitLivesForEverWhateverTheDamageToFailure) {
  RealProgram p("main_road_below_the_limit");
  FormMain& main = p.main;
  User& user = p.user;
  user.Click(main.problemDefinition().Cmd_analysis_next);
  LoadingFramesPanel& loading = main.loadingFrames();
  p.watchdog.Step("typing the loading and d");
  user.Retype(loading.SSmaxt(0), "40");
  user.Click(loading.Pic_Spectr);
  ASSERT_LT(p.state.loadingData.StressRangeTo, p.state.materialData.Se);
  DataBoxPanel& box = main.dataBox();
  user.Click(box.DTFf);
  user.TypeOver("0.05");
  user.Click(loading.Pic_Spectr);
  ASSERT_EQ(p.state.analysisOptions.DamageToFailure, 0.05f);
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;

  p.watchdog.Step("Calculate");
  user.Choose(main.menus().mnu_calculate);
  auto* shown = qobject_cast<QLabel*>(box.Result.widget());
  ASSERT_TRUE(shown && shown->isVisible());
  EXPECT_EQ(shown->text().toStdString(), "Fatigue Life  =   Infinite...");
  EXPECT_EQ(p.state.results.LifeBlocks, 1.0e30f);
  EXPECT_TRUE(user.Messages().empty());
}

}  // namespace
}  // namespace real_input
