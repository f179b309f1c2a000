// The result diagrams as a user reaches them in the running program: a
// calculated spectrum's damage display, a distribution's law, a master
// curve's overview and the way back to the inputs.

#include <gtest/gtest.h>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_road_fixtures.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/draw/surface.h"
#include "shell/job_file_format.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"
#include "diagram_ui_fixture.h"

namespace {

class DiagramRoads : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"diagram_roads_test"};
};

TEST_F(DiagramRoads, CalculatedSpectrumShowsItsCumulativeDamage) {
  Program p;
  PutSpectrumBatch(p.state);  // as the loading database's batch selection leaves it
  ProblemDefinitionPanel& analysis = p.main.problemDefinition();
  Press(analysis.chk_spectrum);
  Press(analysis.Cmd_analysis_next);
  ASSERT_TRUE(p.main.snInputs().frm_SN.IsShowing());
  EXPECT_TRUE(p.main.loadingFrames().frm_Spectr.Visible());

  Choose(p.main.menus().mnu_calculate);
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  ResultFramesPanel& rf = p.main.results();
  ASSERT_TRUE(rf.Pic_Dam.IsShowing());
  EXPECT_EQ(rf.Pic_Dam.ToolTipText(), "Right click to change the display");
  EXPECT_EQ(rf.frm_Dam.Caption(), "Results:  Damage");
  EXPECT_GT(p.state.results.MaxLevelDamage, 0.0f);

  RightClick(p.host, rf.Pic_Dam, "Display Cumula&tive Damage");
  ASSERT_EQ(p.host.popups.size(), 1u);
  EXPECT_TRUE(p.host.popups[0][1].checked) << "a new job shows the damage per bar";
  EXPECT_EQ(rf.frm_Dam.Caption(), "Results:  Cumulative Damage");
  EXPECT_EQ(p.state.resultsDisplay.DamageDisplayMode, 1);
  EXPECT_TRUE(rf.Pic_Dam.IsShowing());
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

TEST_F(DiagramRoads, MasterCurveDistributionKeepsItsLawAfterNo) {
  Program p;
  ProblemDefinitionPanel& analysis = p.main.problemDefinition();
  Press(analysis.chk_master);
  Press(analysis.chk_beta_distrib);
  Press(analysis.Cmd_analysis_next);
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  // The distribution's parameters as the distribution inputs would take them.
  LoadingData& ld = p.state.loadingData;
  ld.DistQ = ld.DistQInput = 2.5f;
  ld.DistR = ld.DistRInput = 4.0f;
  LoadingFramesPanel& lf = p.main.loadingFrames();
  ASSERT_TRUE(lf.Pic_Distr.IsShowing());
  const std::string caption = lf.frm_Distr.Caption();

  p.host.QueueAnswer(kAnswerNo);
  RightClick(p.host, lf.Pic_Distr, "&Weibull Distribution");
  ASSERT_EQ(p.host.messages.size(), 1u);
  const FakeHost::Message& m = p.host.messages[0];
  EXPECT_EQ(m.text,
            "Master Curve cannot be determined for Load parameter if Weibull or Log-normal distribution is "
            "selected.\rWould you lie to continue?");
  EXPECT_EQ(m.title, " Loading Data");
  EXPECT_EQ(m.buttons, MsgButtons::YesNo);
  EXPECT_EQ(m.icon, MsgIcon::Question);
  // No: the law, its name, the caption and the parameters are as before.
  EXPECT_EQ(ld.DistributionType, 1);
  EXPECT_EQ(ld.DistributionName, "Beta ");
  EXPECT_EQ(lf.frm_Distr.Caption(), caption);
  EXPECT_EQ(ld.DistQ, 2.5f);
  EXPECT_EQ(ld.DistR, 4.0f);
  EXPECT_EQ(ld.DistQInput, 2.5f);
  EXPECT_EQ(ld.DistRInput, 4.0f);
  EXPECT_EQ(p.state.analysisOptions.AnalysisMode, 2);

  // Yes: the job becomes a single case on the new law.
  p.host.QueueAnswer(kAnswerYes);
  RightClick(p.host, lf.Pic_Distr, "&Weibull Distribution");
  EXPECT_EQ(ld.DistributionType, 2);
  EXPECT_EQ(lf.frm_Distr.Caption(), "Loading: Weibull Distribution");
  EXPECT_EQ(p.state.analysisOptions.AnalysisMode, 1);
  EXPECT_TRUE(p.main.menus().mnu_Run.Enabled());
}

TEST_F(DiagramRoads, MasterCurveOverviewAndBackToTheInputs) {
  Program p;
  ProblemDefinitionPanel& analysis = p.main.problemDefinition();
  Press(analysis.chk_master);
  Press(analysis.Cmd_analysis_next);
  ASSERT_TRUE(p.main.snInputs().frm_SN.IsShowing());
  // The ends of the varied range, typed as amplitudes: Next has put the
  // focus into the upper end's box.
  LoadingFramesPanel& lf = p.main.loadingFrames();
  ASSERT_TRUE(lf.SSmaxt(0).HasFocus());
  Enter(lf.SSmaxt(0), "200");
  Enter(lf.SSmaxt(1), "75");
  EXPECT_EQ(p.state.loadingData.StressRangeFrom, 150.0f);
  EXPECT_EQ(p.state.loadingData.StressRangeTo, 400.0f);
  MainMenus& menus = p.main.menus();
  Choose(menus.mnu_calculate);
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();

  ResultFramesPanel& rf = p.main.results();
  ASSERT_TRUE(rf.frm_master.IsShowing());
  ASSERT_TRUE(rf.frm_master1.IsShowing());
  EXPECT_TRUE(rf.pic_master.IsShowing());
  EXPECT_FALSE(rf.Life_inf.Visible());
  EXPECT_EQ(rf.Lifelab(0).Caption(), "Fatigue life  [cyc] ");
  EXPECT_FALSE(menus.mnu_calculate.Enabled());
  EXPECT_EQ(menus.mnu_calculations.Caption(), "&Back to Main Screen");
  EXPECT_EQ(p.state.resultsDisplay.LifeUnitFactor, 1.0f);
  // The curve is on the picture: some red.
  Surface& graph = rf.pic_master.surface();
  bool red = false;
  for (double x = 0.1 * graph.ScaleWidth(); x < 0.9 * graph.ScaleWidth() && !red; x += 15)
    for (double y = 0.15 * rf.pic_master.Height(); y < 0.9 * rf.pic_master.Height() && !red; y += 15)
      red = graph.Point(x, y) == 0xFF;
  EXPECT_TRUE(red);

  Choose(menus.mnu_calculations);
  EXPECT_FALSE(rf.frm_master.Visible());
  EXPECT_FALSE(rf.frm_master1.Visible());
  EXPECT_TRUE(p.main.snInputs().frm_SN.IsShowing());
  EXPECT_TRUE(menus.mnu_calculate.Enabled());
  EXPECT_EQ(menus.mnu_calculations.Caption(), "Check/Change &Input Data...");
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

// A master curve over the load level of a history shows the unscaled
// history on its screen; the job keeps its own scaling factor and scaled
// extremes: the loading frame back on the main screen, the units, a saved
// job and the next Calculate all see what the job holds.
TEST_F(DiagramRoads, AHistoryMasterCurveLeavesTheJobsScaledExtremes) {
  Program p;
  ProgramState& s = p.state;
  PutSelectedHistory(s, {10, -40, 120, 0, 60, -20});
  ProblemDefinitionPanel& analysis = p.main.problemDefinition();
  Press(analysis.chk_master);
  Press(analysis.chk_history);
  Press(analysis.Cmd_analysis_next);
  LoadingFramesPanel& lf = p.main.loadingFrames();
  ASSERT_TRUE(lf.SHscalt(0).HasFocus()) << p.host.Transcript();
  // The factors from 0.5 to 0.8, the lower end typed last: the job's factor.
  Press(lf.SHscal(1));
  Enter(lf.SHscalt(1), "0.5");
  Press(lf.SHscal(0));
  Enter(lf.SHscalt(0), "0.8");
  Press(lf.SHscal(1));
  Enter(lf.SHscalt(1), "0.5");
  // An ultimate strength above the scaled history's maximum, below the unscaled one's.
  SnFramePanel& sn = p.main.snInputs();
  Enter(sn.SNtht(2), "80");   // Sy
  Enter(sn.SNtht(3), "100");  // Su
  MainMenus& menus = p.main.menus();
  const auto unitsThereAndBack = [&] {
    Choose(menus.mnu_US);
    Choose(menus.mnu_SI);
    return lf.SHSmax.Caption();
  };
  const std::string caption = unitsThereAndBack();
  const LoadingData before = s.loadingData;
  ASSERT_EQ(before.ScalingFactor, 0.5f);
  ASSERT_EQ(before.LoadSmax, 60.0f);
  ASSERT_EQ(s.materialData.Su, 100.0f);
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();

  Choose(menus.mnu_calculate);
  ASSERT_TRUE(p.main.results().frm_master.IsShowing()) << p.host.Transcript();
  const std::vector<float> lives(s.lifeResults.MasterLife.begin(), s.lifeResults.MasterLife.end());
  EXPECT_EQ(s.loadingData.ScalingFactor, before.ScalingFactor);
  EXPECT_EQ(s.loadingData.LoadSmax, before.LoadSmax);
  EXPECT_EQ(s.loadingData.LoadSmin, before.LoadSmin);

  Choose(menus.mnu_calculations);  // back to the main screen
  EXPECT_EQ(unitsThereAndBack(), caption) << "rebuilt from the job's extremes";
  p.host.saveAnswers.push_back((folder.path() / "axle.sns").string());
  Choose(menus.mnu_start(1));
  EXPECT_EQ(JobFileOf(s).ScalingFactor, before.ScalingFactor);

  Choose(menus.mnu_calculate);  // the same job again: the same curve
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_EQ(std::vector<float>(s.lifeResults.MasterLife.begin(), s.lifeResults.MasterLife.end()), lives);
  EXPECT_EQ(s.loadingData.LoadSmax, before.LoadSmax);
}

}  // namespace
