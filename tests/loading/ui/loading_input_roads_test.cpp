// The loading inputs as a user reaches them in the running program: a
// constant amplitude typed on its diagram, a distribution typed and turned
// into another law, a history's scaling factor.

#include <gtest/gtest.h>

#include <string>

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/distribution_blocks.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_road_fixtures.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/runtime/format.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"

namespace {

class LoadingInputRoads : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"loading_input_roads_test"};
};

std::string CalculatedLife(Program& p) {
  Choose(p.main.menus().mnu_calculate);
  EXPECT_TRUE(p.main.dataBox().Result.IsShowing());
  return p.main.dataBox().Result.Caption();
}

TEST_F(LoadingInputRoads, ConstantAmplitudeTypedOnItsDiagram) {
  Program p;
  Press(p.main.problemDefinition().Cmd_analysis_next);
  LoadingFramesPanel& lf = p.main.loadingFrames();
  ASSERT_TRUE(lf.Pic_Spectr.IsShowing());

  // SS as a range: the mean label switches to range and minimum.
  Press(lf.SSmean);
  EXPECT_EQ(lf.SSmean.Caption(), "Min. Stress =  -50.0  MPa");
  Press(lf.SSmax(0));
  ASSERT_TRUE(lf.SSmaxt(0).HasFocus());
  Enter(lf.SSmaxt(0), "200");
  Enter(lf.SSmeant, "-100");
  Press(lf.SSmean);  // back to the mean of the same loading
  EXPECT_EQ(lf.SSmean.Caption(), "Mean Stress =  0.0  MPa");
  EXPECT_EQ(lf.SSmax(0).Caption(), "100.0  MPa") << "the amplitude of the range 200";
  Enter(lf.SSmeant, "0");
  EXPECT_EQ(p.state.loadingData.LoadSmax, 100.0f);
  EXPECT_EQ(p.state.loadingData.LoadSmin, -100.0f);

  EXPECT_EQ(CalculatedLife(p), "Fatigue life:   1.768E+5 [cyc] ");
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();

  // A changed stress withdraws the life on show.
  Enter(lf.SSmaxt(0), "150");
  EXPECT_FALSE(p.main.dataBox().Result.Visible());
}

TEST_F(LoadingInputRoads, DistributionTypedThenTurnedIntoAWeibull) {
  Program p;
  ProblemDefinitionPanel& analysis = p.main.problemDefinition();
  Press(analysis.chk_beta_distrib);
  Press(analysis.Cmd_analysis_next);  // no distribution batch: typed on the keyboard
  LoadingFramesPanel& lf = p.main.loadingFrames();
  ASSERT_TRUE(lf.Pic_Distr.IsShowing());
  p.host.messages.clear();

  Press(lf.DT(0));
  Enter(lf.DTt(0), "2");
  Press(lf.DT(1));
  Enter(lf.DTt(1), "5");
  Press(lf.DTSmax(1));
  Enter(lf.DTSmaxt(1), "200");
  Press(lf.DTvolume);
  Enter(lf.DTvolumet, "1000");
  const LoadingData& ld = p.state.loadingData;
  EXPECT_EQ(ld.DistQInput, 2.0f);
  EXPECT_EQ(ld.DistRInput, 5.0f);
  EXPECT_EQ(ld.StressRangeTo, 200.0f);
  EXPECT_EQ(ld.CyclesPerBlock, 1000);
  EXPECT_EQ(lf.DTvolume.Caption(), "n = 1000 cyc");
  const std::string betaLife = CalculatedLife(p);
  EXPECT_EQ(betaLife.rfind("Fatigue life:", 0), 0u) << betaLife;
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();

  // The Weibull that the Beta's blocks give, relative to Smax.
  ProgramState fit;
  fit.loadingData.DistQ = 2;
  fit.loadingData.DistR = 5;
  fit.loadingData.DistributionType = 2;
  fit.loadingDistributionBlocks.DistKindCode = 1;
  fit.loadingDistributionBlocks.DistBlockCount = 10;
  fit.loadingDistributionBlocks.DistLowestLevel = 0.1;
  DiscretizeLoadingDistribution(fit);
  ASSERT_TRUE(FitLoadingDistribution(fit));

  RightClick(p.host, lf.Pic_Distr, "&Weibull Distribution");
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_EQ(ld.DistributionType, 2);
  EXPECT_FLOAT_EQ(ld.DistQInput, fit.loadingData.DistQ * 200) << "the scale in MPa";
  EXPECT_EQ(ld.DistRInput, fit.loadingData.DistR);
  EXPECT_EQ(lf.frm_Distr.Caption(), "Loading: Weibull Distribution");
  EXPECT_EQ(lf.DTt(0).Text(), Format(ld.DistQInput, "##0.0##")) << "redrawn with the new Q";
  EXPECT_EQ(lf.DTt(1).Text(), Format(ld.DistRInput, "##0.0##"));
  EXPECT_NE(ld.StressRangeTo, 200.0f) << "a typed Weibull's Smax follows from Q and R";

  const std::string weibullLife = CalculatedLife(p);
  EXPECT_EQ(weibullLife.rfind("Fatigue life:", 0), 0u) << weibullLife;
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

// A job whose distribution parameters no box would take (a loading kept as
// typed in after its batch, Q = R = 0) opens as constant amplitude; chosen as
// a distribution, Calculate refuses each value with its box's refusal and
// opens the box, until the values are typed in.
TEST_F(LoadingInputRoads, CalculateRefusesADistributionThatNoBoxWouldTake) {
  const std::string path = (folder.path() / "kept.sns").string();
  ASSERT_NO_FATAL_FAILURE(SaveJobWithoutDistribution(path));
  Program p;
  p.host.openAnswers.push_back(path);
  Choose(p.main.menus().mnu_start(0));
  ASSERT_TRUE(p.main.snInputs().frm_SN.IsShowing()) << p.host.Transcript();
  ProblemDefinitionPanel& analysis = p.main.problemDefinition();
  Choose(p.main.menus().mnu_target);
  Press(analysis.chk_beta_distrib);
  Press(analysis.cmd_analysis_done);
  LoadingFramesPanel& lf = p.main.loadingFrames();
  ASSERT_TRUE(lf.Pic_Distr.IsShowing());
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();

  for (const DistributionRefusal& r : DistributionRefusals(lf)) {
    p.host.messages.clear();
    Choose(p.main.menus().mnu_calculate);
    ASSERT_EQ(p.host.messages.size(), 1u) << p.host.Transcript();
    EXPECT_EQ(p.host.messages[0].text, r.text);
    EXPECT_EQ(p.host.messages[0].title, r.title);
    EXPECT_EQ(p.host.messages[0].icon, MsgIcon::Critical);
    EXPECT_FALSE(p.main.dataBox().Result.Visible()) << "no life without a word";
    ASSERT_TRUE(r.box.HasFocus());
    r.box.typeText(r.typed);
    r.box.leave();
  }
  p.host.messages.clear();
  const std::string life = CalculatedLife(p);
  EXPECT_EQ(life.rfind("Fatigue life:", 0), 0u) << life;
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

TEST_F(LoadingInputRoads, HistoryScalingFactor) {
  Program p;
  ProgramState& s = p.state;
  PutSelectedHistory(s, {10, -40, 120, 0, 60, -20});

  ProblemDefinitionPanel& analysis = p.main.problemDefinition();
  Press(analysis.chk_history);
  Press(analysis.Cmd_analysis_next);
  LoadingFramesPanel& lf = p.main.loadingFrames();
  ASSERT_TRUE(lf.Pic_Hist.IsShowing());
  EXPECT_EQ(lf.SHSmax.Caption(), "Smax = 120.0 MPa,  Smin = -40.0 MPa");

  Press(lf.SHSmax);
  ASSERT_TRUE(lf.SHscalt(0).IsShowing());
  ASSERT_TRUE(lf.SHscalt(0).HasFocus());
  lf.SHscalt(0).typeText("2");
  lf.SHscalt(0).leave();
  EXPECT_EQ(lf.SHSmax.Caption(), "Smax = 240.0 MPa,  Smin = -80.0 MPa");
  EXPECT_FALSE(lf.SHscalt(0).Visible());
  EXPECT_EQ(s.loadingData.ScalingFactor, 2.0f);
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

}  // namespace
