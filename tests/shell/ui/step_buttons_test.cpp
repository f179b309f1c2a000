#include "shell/ui/step_buttons.h"

#include <gtest/gtest.h>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/shell_commands.h"
#include "support/fake_host.h"
#include "support/message_trace.h"

namespace {

class StepButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The problem definition's OK as far as the step buttons see it: it
    // commits the loading type, decides the loading readiness and the
    // mean-stress answer, and closes its frame.
    analysis.cmd_analysis_done.onClick = [this] {
      ++okRuns;
      state.analysisOptions.LoadingType = state.analysisDialogState.DlgLoadingType;
      state.wizardFlags.ApplyAccepted = okAccepts;
      if (okAccepts) state.wizardFlags.LoadingDataReady = okFindsLoadingReady;
      analysis.frm_analysis.SetVisible(false);
    };
  }

  void OpenProblemDefinition(int16_t loadingType) {
    analysis.frm_analysis.SetVisible(true);
    state.analysisDialogState.DlgLoadingType = loadingType;
    UpdateStepButtons(main);
  }

  // What the loading browser's OK does with a spectrum batch.
  void SelectSpectrumBatch(int16_t batch) {
    state.loadingDatabase.BatchLevelCount[batch] = 12;
    state.loadingDbState.SelectedLoadingBatch = batch;
    state.loadingDbState.LoadingSource = 1;
    state.wizardFlags.LoadingDataReady = true;
    ds.cmd_data_next.SetEnabled(true);
    UpdateStepButtons(main);
  }

  void ExpectTexts(const CommandButton& b, const char* caption, const char* tip) {
    EXPECT_EQ(b.Caption(), caption) << b.Name();
    EXPECT_EQ(b.ToolTipText(), tip) << b.Name();
  }

  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{state, host};
  MainMenus& menus = main.menus();
  ProblemDefinitionPanel& analysis = main.problemDefinition();
  DataServicePanel& ds = main.dataService();
  SnFramePanel& sn = main.snInputs();
  int okRuns = 0;
  bool okAccepts = true;
  bool okFindsLoadingReady = true;
};

TEST_F(StepButtonsTest, TheTextsFollowTheDialogsLoadingTypeNotTheCommittedOne) {
  state.analysisOptions.LoadingType = 3;
  state.loadingDbState.SelectedLoadingBatch = 4;
  OpenProblemDefinition(2);  // a spectrum chosen, the batch has no levels
  ExpectTexts(analysis.Cmd_analysis_next, "&Next", "Input the loading data");
  ExpectTexts(ds.cmd_data_next, "&Run", "Input the loading data");

  OpenProblemDefinition(3);
  ExpectTexts(analysis.Cmd_analysis_next, "&Next", "Check the input parameters");
  ExpectTexts(ds.cmd_data_next, "&Next", "Check the input parameters");

  sn.frm_SN.SetVisible(true);
  UpdateStepButtons(main);
  ExpectTexts(analysis.Cmd_analysis_next, "&Run", "Calculate fatigue life");
  ExpectTexts(ds.cmd_data_next, "&Run", "Calculate fatigue life");
}

TEST_F(StepButtonsTest, CaptionsThroughAWholeJobAndTheRoadBack) {
  // Problem definition: a spectrum whose batch is not there yet.
  OpenProblemDefinition(2);
  ExpectTexts(analysis.Cmd_analysis_next, "&Next", "Input the loading data");
  okFindsLoadingReady = false;
  analysis.Cmd_analysis_next.click();
  EXPECT_EQ(okRuns, 1);
  EXPECT_FALSE(menus.mnu_calculations.Enabled());
  ASSERT_TRUE(ds.frm_data_serv.Visible()) << "Next leads to the loading input";
  EXPECT_EQ(ds.frm_data_serv.Caption(), "Loading Data");
  ExpectTexts(ds.cmd_data_next, "&Run", "Input the loading data");
  EXPECT_FALSE(ds.cmd_data_next.Enabled());

  // A batch is selected: the next step is the input view.
  SelectSpectrumBatch(4);
  ExpectTexts(ds.cmd_data_next, "&Next", "Check the input parameters");
  ds.cmd_data_next.click();
  EXPECT_TRUE(sn.frm_SN.Visible());
  EXPECT_FALSE(ds.frm_data_serv.Visible());
  EXPECT_TRUE(menus.mnu_Run.Enabled());
  EXPECT_FALSE(menus.mnu_calculations.Enabled());

  // Material data, then Run.
  menus.mnu_fatigue.click();
  ASSERT_TRUE(ds.frm_data_serv.Visible());
  EXPECT_EQ(ds.frm_data_serv.Caption(), "Material Data");
  ExpectTexts(ds.cmd_data_next, "&Run", "Calculate fatigue life");
  main.results().Pic_Dam.SetVisible(true);
  ds.cmd_data_next.click();
  EXPECT_FALSE(ds.frm_data_serv.Visible());
  EXPECT_FALSE(main.results().Pic_Dam.Visible());
  EXPECT_TRUE(menus.mnu_Run.Enabled());

  // The life is shown; "Check/Change &Input Data..." leads back to the inputs.
  DataBoxPanel& box = main.dataBox();
  box.Result.SetVisible(true);
  main.results().Pic_Dam.SetVisible(true);
  menus.mnu_calculations.SetEnabled(true);
  menus.mnu_calculations.click();
  EXPECT_FALSE(box.Result.Visible());
  EXPECT_FALSE(main.results().Pic_Dam.Visible());
  EXPECT_TRUE(sn.frm_SN.Visible());
  EXPECT_FALSE(menus.mnu_calculations.Enabled());

  // A changed problem definition runs straight on to the calculation.
  okFindsLoadingReady = true;
  OpenProblemDefinition(2);
  ExpectTexts(analysis.Cmd_analysis_next, "&Run", "Calculate fatigue life");
  const int yields = host.doEventsCalls;
  analysis.Cmd_analysis_next.click();
  EXPECT_EQ(okRuns, 2);
  EXPECT_FALSE(analysis.frm_analysis.Visible());
  EXPECT_FALSE(ds.frm_data_serv.Visible());
  EXPECT_GT(host.doEventsCalls, yields);
}

TEST_F(StepButtonsTest, ANoToTheMeanStressQuestionStopsAndTheNextPressGoesOn) {
  OpenProblemDefinition(3);
  okAccepts = false;
  analysis.Cmd_analysis_next.click();
  EXPECT_TRUE(state.wizardFlags.ApplyAccepted);
  EXPECT_FALSE(sn.frm_SN.Visible());
  EXPECT_FALSE(ds.frm_data_serv.Visible());

  okAccepts = true;
  OpenProblemDefinition(3);
  analysis.Cmd_analysis_next.click();
  EXPECT_TRUE(sn.frm_SN.Visible()) << "a constant amplitude goes to the input view";
}

TEST_F(StepButtonsTest, RunWithoutLoadingDataOpensTheLoadingInputAndTakesCalculateAway) {
  state.analysisOptions.LoadingType = 2;
  menus.mnu_calculate.SetEnabled(true);
  cmd_data_next_Click(main);
  EXPECT_TRUE(ds.frm_data_serv.Visible());
  EXPECT_EQ(ds.frm_data_serv.Caption(), "Loading Data");
  EXPECT_FALSE(menus.mnu_calculate.Enabled());
  EXPECT_FALSE(menus.mnu_Run.Enabled());
  EXPECT_FALSE(menus.mnu_calculations.Enabled());
}

// Next on the problem definition closes its frame only after the
// endurance-limit check: an empty endurance-limit range opens its input.
TEST_F(StepButtonsTest, AnEmptyEnduranceLimitRangeIsNotCalculated) {
  analysis.cmd_analysis_done.onClick = [this] { state.wizardFlags.LoadingDataReady = true; };
  sn.frm_SN.SetVisible(true);
  state.analysisOptions.AnalysisMode = 2;
  state.analysisOptions.MasterCurveParameter = 2;
  state.materialData.SeFrom = state.materialData.SeTo = 200;
  analysis.frm_analysis.SetVisible(true);
  analysis.Cmd_analysis_next.click();
  EXPECT_TRUE(analysis.frm_analysis.Visible());

  state.materialData.SeTo = 260;
  analysis.Cmd_analysis_next.click();
  EXPECT_FALSE(analysis.frm_analysis.Visible());
}

}  // namespace
