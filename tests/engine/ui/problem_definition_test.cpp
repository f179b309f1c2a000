#include <gtest/gtest.h>

#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/problem_definition.h"
#include "engine/ui/engine_commands.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "support/fake_host.h"
#include "support/message_trace.h"

namespace {

class ProblemDefinitionTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{state, host};
  ProblemDefinitionPanel& p = main.problemDefinition();
  const AnalysisDialogState& d = state.analysisDialogState;
  const AnalysisOptions& ao = state.analysisOptions;

  void Open() { main.menus().mnu_target.click(); }
  void Ok() { p.cmd_analysis_done.click(); }
};

TEST_F(ProblemDefinitionTest, FirstOpeningPresetsTheCommittedDefaults) {
  state.results.MseQuestionAnswered = 1;
  Open();
  EXPECT_TRUE(p.frm_analysis.Visible());
  for (OptionButton* on : {&p.chk_single, &p.chk_load, &p.chk_constant, &p.chk_account, &p.chk_notched,
                           &p.chk_nominal, &p.chk_ns_neglect})
    EXPECT_TRUE(on->Value()) << on->Name();
  for (OptionButton* off : {&p.chk_master, &p.chk_end_limit, &p.chk_history, &p.chk_spectrum, &p.chk_neglect,
                            &p.chk_unnotch, &p.chk_local, &p.chk_ns_account})
    EXPECT_FALSE(off->Value()) << off->Name();
  EXPECT_EQ(d.DlgAnalysisMode, 1);
  EXPECT_EQ(d.DlgLoadingType, 3);
  EXPECT_EQ(d.DlgMeanStressOption, 2);
  EXPECT_EQ(d.DlgSNDataSpecimen, 1);
  EXPECT_EQ(d.DlgStressApproach, 1);
  EXPECT_EQ(d.DlgNotchSensitivity, 1);
  EXPECT_EQ(state.results.MseQuestionAnswered, 0);  // chk_account's Click ran
  // The set-up writes "Next"; chk_constant's Click then runs UpdateStepButtons,
  // which writes the caption with its access key.
  EXPECT_EQ(p.Cmd_analysis_next.Caption(), "&Next");
  EXPECT_EQ(p.Cmd_analysis_next.ToolTipText(), "Check the input parameters");
  EXPECT_TRUE(p.Cmd_analysis_next.HasFocus());
  EXPECT_TRUE(p.Cmd_analysis_next.Default());
  EXPECT_FALSE(main.menus().mnu_Run.Enabled());
  EXPECT_FALSE(main.menus().mnu_form.Enabled());
}

TEST_F(ProblemDefinitionTest, BusyMainWindowOnlyBeeps) {
  state.shellState.UiState = 0;
  Open();
  EXPECT_FALSE(p.frm_analysis.Visible());
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(p.chk_history.Value());
}

TEST_F(ProblemDefinitionTest, OptionButtonsAdjustTheOtherGroups) {
  Open();
  p.chk_beta_distrib.click();
  EXPECT_FALSE(p.chk_account.Enabled());
  EXPECT_TRUE(p.chk_neglect.Value());
  EXPECT_EQ(d.DlgMeanStressOption, 1);
  p.chk_spectrum.click();
  EXPECT_TRUE(p.chk_account.Enabled());
  EXPECT_TRUE(p.chk_neglect.Value());

  p.chk_local.click();
  EXPECT_TRUE(p.chk_unnotch.Value());
  EXPECT_FALSE(p.chk_notched.Enabled());
  EXPECT_TRUE(p.chk_ns_account.Enabled());
  EXPECT_EQ(ao.StressApproachTag, "LocS/");
  EXPECT_EQ(ao.StressApproachText, "Local Stress");
  p.chk_nominal.click();
  EXPECT_TRUE(p.chk_notched.Enabled());
  EXPECT_TRUE(p.chk_unnotch.Value());
  p.chk_ns_account.click();
  p.chk_notched.click();
  EXPECT_FALSE(p.frm_anal_ns.Enabled());
  EXPECT_TRUE(p.chk_ns_neglect.Value());
  EXPECT_EQ(ao.NotchSensitivityTag, "NS(-)/");

  p.chk_master.click();
  p.chk_single.click();
  EXPECT_EQ(p.frm_anal_parameter.Caption(), "Analysis");
  EXPECT_EQ(p.chk_load.Caption(), "Deterministic");
  EXPECT_EQ(p.chk_end_limit.Caption(), "Probabilistic");
  p.chk_end_limit.click();
  EXPECT_FALSE(p.chk_master.Enabled());
  p.chk_load.click();
  EXPECT_TRUE(p.chk_master.Enabled());
}

TEST_F(ProblemDefinitionTest, MasterCurveOfATypedInDistributionIsOverTheEnduranceLimit) {
  Open();
  state.loadingDbState.LoadingSource = 2;
  state.loadingData.DistributionType = 2;
  p.chk_beta_distrib.click();
  p.chk_master.click();
  EXPECT_EQ(p.chk_end_limit.Caption(), "Endurace Limit");
  EXPECT_FALSE(p.chk_load.Enabled());
  EXPECT_TRUE(p.chk_end_limit.Value());
  EXPECT_EQ(d.DlgParameter, 2);

  state.loadingDbState.LoadingSource = 1;  // a database batch keeps "Load Level"
  p.chk_single.click();
  p.chk_load.click();
  p.chk_master.click();
  EXPECT_TRUE(p.chk_load.Enabled());
  EXPECT_TRUE(p.chk_load.Value());
}

TEST_F(ProblemDefinitionTest, OkCommitsTargetAndAnalysisKind) {
  Open();
  p.chk_master.click();
  p.chk_end_limit.click();
  Ok();
  EXPECT_FALSE(p.frm_analysis.Visible());
  EXPECT_EQ(ao.AnalysisMode, 2);
  EXPECT_EQ(ao.MasterCurveParameter, 2);
  EXPECT_EQ(ao.AnalysisKind, 1);

  Open();
  p.chk_single.click();
  p.chk_end_limit.click();
  Ok();
  EXPECT_EQ(ao.AnalysisMode, 1);
  EXPECT_EQ(ao.MasterCurveParameter, 0);
  EXPECT_EQ(ao.AnalysisKind, 2);
  EXPECT_TRUE(main.mcsOptions().No_simult.Visible());
  EXPECT_FALSE(main.menus().mnu_report.Visible());
  EXPECT_TRUE(main.menus().mnu_MCSres_L.Visible());

  // Reopening shows "Probabilistic" again.
  p.chk_load.SetValue(true);
  Open();
  EXPECT_TRUE(p.chk_end_limit.Value());
  EXPECT_EQ(d.DlgParameter, 2);
}

// A master curve over Kt (a job file's) made a single case: the kind of
// analysis is the one the pair shows, never the parameter Kt (3), which no
// job file takes as a kind.
TEST_F(ProblemDefinitionTest, ASingleCaseAfterAMasterCurveOverKtIsOfTheKindOnShow) {
  for (const bool probabilistic : {false, true}) {
    (probabilistic ? p.chk_end_limit : p.chk_load).SetValue(true);  // as the pair was left
    state.analysisOptions.AnalysisMode = 2;
    state.analysisOptions.MasterCurveParameter = 3;
    PresetDialogFromOptions(state);
    Open();
    ASSERT_EQ(d.DlgParameter, 3);
    p.chk_single.click();
    Ok();
    EXPECT_EQ(ao.AnalysisMode, 1);
    EXPECT_EQ(ao.AnalysisKind, probabilistic ? 2 : 1);
  }
}

TEST_F(ProblemDefinitionTest, OkCommitsSpecimenApproachAndNotchSensitivity) {
  state.componentData.Kt = 2.2f;
  state.componentData.Kf = 1.7f;
  Open();
  Ok();  // feature specimen: only the specimen's factor changes
  EXPECT_EQ(state.componentData.SpecimenNotchFactor, 1.0f);
  EXPECT_EQ(state.componentData.Kf, 1.7f);
  EXPECT_EQ(ao.SpecimenTag, "FS/");
  EXPECT_EQ(ao.StressApproach, 1);
  EXPECT_EQ(ao.JobStressApproach, 1);
  EXPECT_EQ(ao.StressApproachText, "Nominal Strs/Strn");
  EXPECT_EQ(ao.NotchSensitivityMode, 1);
  EXPECT_EQ(ao.JobNotchSensitivity, 1);
  EXPECT_TRUE(state.wizardFlags.LoadingDataReady);
  EXPECT_TRUE(main.menus().mnu_calculations.Enabled());
  EXPECT_FALSE(main.formShow().mnu_prt_res.Visible());
  EXPECT_EQ(main.formShow().mnu_prt1.Caption(), "&Print");

  Open();
  p.chk_local.click();
  p.chk_ns_account.click();
  Ok();
  EXPECT_EQ(ao.SNDataSpecimen, 2);
  EXPECT_EQ(state.componentData.SpecimenNotchFactor, 2.2f);
  EXPECT_EQ(state.componentData.Kf, 2.2f);
  EXPECT_EQ(ao.SpecimenText, "Plain Specimen");
  EXPECT_EQ(ao.StressApproachText, "Local Strs/Strn");
  EXPECT_EQ(ao.NotchSensitivityTag, "NS(+)/");
  EXPECT_EQ(main.dataBox().SCF(0).Caption(), "Stress Conc. Factor:  Kt = ");
  EXPECT_EQ(main.dataBox().DDBmse(2).Caption(), "Kt = ");

  // The next opening presets the approach and sensitivity committed here.
  p.chk_nominal.SetValue(true);
  p.chk_ns_neglect.SetValue(true);
  Open();
  EXPECT_TRUE(p.chk_local.Value());
  EXPECT_TRUE(p.chk_ns_account.Value());
}

TEST_F(ProblemDefinitionTest, CancelLeavesTheCommittedDefinitionAndItsTags) {
  Open();
  Ok();
  Open();
  p.chk_local.click();
  p.chk_ns_account.click();
  p.chk_beta_distrib.click();
  p.cmd_analysis_cancel.click();
  EXPECT_FALSE(p.frm_analysis.Visible());
  EXPECT_EQ(ao.StressApproach, 1);
  EXPECT_EQ(ao.StressApproachTag, "NomS/");
  EXPECT_EQ(ao.StressApproachText, "Nominal Strs/Strn");
  EXPECT_EQ(ao.SpecimenTag, "FS/");
  EXPECT_EQ(ao.NotchSensitivityTag, "NS(-)/");
  EXPECT_EQ(ao.NotchSensitivityText, "Notch Sensitivity (-)");
  EXPECT_EQ(ao.LoadingType, 3);
  EXPECT_TRUE(p.chk_beta_distrib.Value());  // the buttons stay as the user left them
  EXPECT_TRUE(state.wizardFlags.LoadingDataReady);
  EXPECT_TRUE(main.menus().mnu_Run.Enabled());
}

TEST_F(ProblemDefinitionTest, SpectrumWithoutLevelsStopsAfterCommitting) {
  Open();
  p.chk_spectrum.click();
  Ok();
  EXPECT_EQ(ao.LoadingType, 2);
  EXPECT_FALSE(p.frm_analysis.Visible());
  EXPECT_FALSE(main.menus().mnu_Run.Enabled());
  EXPECT_FALSE(main.menus().mnu_calculations.Enabled());
  EXPECT_FALSE(state.wizardFlags.LoadingDataReady);
}

TEST_F(ProblemDefinitionTest, DistributionBatchWithoutParametersOffersTheKeyboard) {
  state.loadingDbState.LoadingSource = 1;
  state.loadingDbState.SelectedLoadingBatch = 3;
  Open();
  p.chk_beta_distrib.click();
  host.QueueAnswer(kAnswerYes);
  Ok();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Sorry, There is no Distribution in the Data Batch!\rWould you like to abandon the data batch\r"
            "and input arbitrary parameters through the keyboard?");
  EXPECT_EQ(host.messages[0].title, " Loading Data");
  EXPECT_EQ(host.messages[0].defaultButton, 1);
  EXPECT_EQ(state.loadingDbState.SelectedLoadingBatch, 0);
  EXPECT_EQ(state.loadingDbState.LoadingSource, 2);
  EXPECT_EQ(state.jobTexts.LoadingName, "???");
  EXPECT_TRUE(state.wizardFlags.LoadingDataReady);
  EXPECT_EQ(state.loadingData.StressInputMode, 1);
}

TEST_F(ProblemDefinitionTest, MeanStressQuestionOnOk) {
  state.loadingDbState.SelectedLoadingBatch = 2;
  state.loadingDatabase.BatchPointCount[2] = 5;
  state.loadingDatabase.BatchLevelCount[2] = 5;
  Open();
  p.chk_spectrum.click();
  host.QueueAnswer(kAnswerNo);
  Ok();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Data Without Mean Stress Effect!\r          Continue?");
  EXPECT_EQ(host.messages[0].title, "Current Data Batch");
  EXPECT_EQ(host.messages[0].defaultButton, 2);
  EXPECT_EQ(ao.MeanStressOption, 1);
  EXPECT_TRUE(p.chk_account.Value());
  EXPECT_FALSE(state.wizardFlags.ApplyAccepted);
  EXPECT_FALSE(state.wizardFlags.LoadingDataReady);

  Open();
  p.chk_account.click();
  host.QueueAnswer(kAnswerYes);
  Ok();
  EXPECT_TRUE(state.wizardFlags.ApplyAccepted);
  EXPECT_EQ(state.results.MseQuestionAnswered, 1);
  EXPECT_TRUE(state.wizardFlags.LoadingDataReady);
  EXPECT_TRUE(main.snInputs().SNtht(3).Visible());
}

TEST_F(ProblemDefinitionTest, OkInTheMainViewReadiesTheCalculation) {
  main.snInputs().frm_SN.SetVisible(true);
  state.loadingData.ScalingFactorMax = 1.5f;
  Open();
  EXPECT_TRUE(p.cmd_analysis_cancel.Default());
  main.dataBox().Result.SetVisible(true);
  Ok();
  EXPECT_TRUE(main.menus().mnu_calculate.Enabled());
  EXPECT_FALSE(main.dataBox().Result.Visible());
  EXPECT_EQ(main.loadingFrames().SHscal(0).Caption(), "Scaling Factor = 1.5");
  EXPECT_EQ(state.resultsDisplay.DamageDisplayMode, -1);
  EXPECT_TRUE(main.results().frm_Dam.Visible());
}

TEST_F(ProblemDefinitionTest, ApplyAnalysisOptionsFollowsAJobFile) {
  state.analysisOptions.SNDataSpecimen = 2;
  state.analysisOptions.MeanStressOption = 1;
  state.analysisOptions.AnalysisKind = 2;
  state.componentData.Kt = 2.0f;
  state.loadingData.StressMinOrMean = 30.0f;
  ApplyAnalysisOptions(main);
  EXPECT_EQ(state.componentData.Kf, 2.0f);
  EXPECT_EQ(state.loadingData.StressMinOrMean, 0.0f);
  EXPECT_FALSE(main.loadingFrames().SSmeant.Enabled());
  EXPECT_FALSE(main.snInputs().SNtht(2).Visible());
  EXPECT_TRUE(main.mcsOptions().No_simul.Visible());
  EXPECT_TRUE(state.wizardFlags.LoadingDataReady);
  EXPECT_TRUE(main.menus().mnu_Run.Enabled());
  EXPECT_FALSE(p.frm_analysis.Visible());
}

}  // namespace
