#include <gtest/gtest.h>

#include <string>

#include "component/ui/data_box_panel.h"
#include "component/ui/summary_note_pixels.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/engine_commands.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/numeric_box.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/user_road.h"

namespace {

// The main window on the start values, with the problem definition
// committed as the user would (Define Problem, OK).
class CalculateTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{state, host};

  void SetUp() override {
    mnu_target_Click(main);
    main.problemDefinition().cmd_analysis_done.click();
    host.beeps = 0;
  }
  // A master curve over the endurance limit whose two typed ends are equal:
  // Calculate stops at its range check, after the cycles per block are set.
  void StopAtEnduranceRange() {
    state.analysisOptions.AnalysisMode = 2;
    state.analysisOptions.MasterCurveParameter = 2;
    main.snInputs().SNset(0).SetText("100");
    main.snInputs().SNset(1).SetText("100.0");
  }
  const FakeHost::Message& OnlyMessage() {
    EXPECT_EQ(host.messages.size(), 1u);
    return host.messages.back();
  }
};

TEST_F(CalculateTest, OnlyTheIdleMainViewCalculates) {
  state.shellState.UiState = 0;
  state.loadingData.CyclesPerBlock = 77;
  main.dataBox().Result.SetVisible(true);
  mnu_calculate_Click(main);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(state.loadingData.CyclesPerBlock, 77);
  EXPECT_TRUE(main.dataBox().Result.Visible());

  state.shellState.BeepEnabled = 0;
  mnu_calculate_Click(main);
  EXPECT_EQ(host.beeps, 1);
}

TEST_F(CalculateTest, CyclesPerBlockFollowTheLoadingType) {
  struct Case {
    int16_t type;
    int32_t points;
    float blockCycles;
    int32_t expected;
  };
  const Case cases[] = {
      {1, 1, 0, 0}, {1, 8, 0, 4}, {1, 6, 0, 2}, {1, 7, 0, 3}, {2, 0, 2.5f, 2}, {2, 0, 1000, 1000}, {3, 500, 40, 1},
      {4, 9, 40, 1234},
  };
  StopAtEnduranceRange();
  state.loadingDbState.SelectedLoadingBatch = 1;
  state.loadingData.BlockVolumeEntry = 1234;
  for (const Case& c : cases) {
    state.analysisOptions.LoadingType = c.type;
    state.loadingDatabase.BatchPointCount[1] = c.points;
    state.loadingDatabase.BatchBlockCycles[1] = c.blockCycles;
    state.loadingData.LevelCycles[1] = 9.0f;
    mnu_calculate_Click(main);
    EXPECT_EQ(state.loadingData.CyclesPerBlock, c.expected) << c.type << " " << c.points;
    EXPECT_EQ(state.loadingData.LevelCycles[1], c.type == 3 ? 1.0f : 9.0f);
  }
}

TEST_F(CalculateTest, UnfinishedDistributionParameterIsRefused) {
  LoadingFramesPanel& lf = main.loadingFrames();
  state.analysisOptions.LoadingType = 4;
  lf.frm_Distr.SetVisible(true);
  lf.DTt(0).SetVisible(true);
  PaintForEditing(lf.DTt(0));
  main.dataBox().Result.SetVisible(true);
  mnu_calculate_Click(main);
  const FakeHost::Message& m = OnlyMessage();
  EXPECT_EQ(m.text, "Sorry, Data Incorrect! ");
  EXPECT_EQ(m.title, " Distribution Parameter");
  EXPECT_EQ(m.icon, MsgIcon::Critical);
  EXPECT_EQ(m.buttons, MsgButtons::OKOnly);
  EXPECT_EQ(host.beeps, 0);
  EXPECT_TRUE(lf.DTt(0).HasFocus());
  EXPECT_FALSE(main.dataBox().Result.Visible());
  EXPECT_EQ(state.shellState.UiState, 1);
}

TEST_F(CalculateTest, PlainSpecimenTakesKtAsKf) {
  StopAtEnduranceRange();
  state.analysisOptions.SNDataSpecimen = 2;
  state.componentData.Kt = 2.5f;
  state.componentData.Kf = 1.0f;
  state.materialData.SNStressRatio = -0.5f;
  mnu_calculate_Click(main);
  EXPECT_EQ(state.componentData.Kf, 1.0f);
  state.materialData.SNStressRatio = -1.0f;
  mnu_calculate_Click(main);
  EXPECT_EQ(state.componentData.Kf, 2.5f);
}

TEST_F(CalculateTest, MasterCurveRangesWithEqualOrOppositeEndsAreRefused) {
  LoadingFramesPanel& lf = main.loadingFrames();
  SnFramePanel& sn = main.snInputs();
  for (Control* c : {static_cast<Control*>(&lf.frm_Spectr), static_cast<Control*>(&lf.SSmaxt(0)),
                     static_cast<Control*>(&lf.frm_Distr), static_cast<Control*>(&lf.DTSmaxt(0)),
                     static_cast<Control*>(&main.snInputs().frm_SN)})
    c->SetVisible(true);
  struct Case {
    int16_t parameter, type;
    float from, to, kMin, kMax;
    const char* kMinText;
    const char* kMaxText;
    const char* text;
    const char* title;
    TextBox* focus;
  };
  const std::string different = "Sorry, Data Incorrect!   (Values must be different)";
  const std::string sign = "Sorry, Data Incorrect!   (Values must be (+) or (-) )";
  const Case cases[] = {
      {1, 3, 100, 100, 1, 1, "1", "1", different.c_str(), " Max & Min Stress Range or Amplitude", &lf.SSmaxt(0)},
      {1, 4, 100, 100, 1, 1, "1", "1", different.c_str(), " Max & Min Stress Range or Amplitude", &lf.DTSmaxt(0)},
      {1, 1, 100, 200, -1, 2, "-1", "2", sign.c_str(), " Max & Min Scaling Factor", nullptr},
      {1, 1, 100, 200, 1.5f, 1.5f, "1.5", "1.50", different.c_str(), " Max & Min Scaling Factor", nullptr},
      {2, 3, 100, 200, 1, 2, "1", "2", different.c_str(), " Max & Min Endurance Limit", &sn.SNset(0)},
  };
  state.analysisOptions.AnalysisMode = 2;
  sn.SNset(0).SetText("120");
  sn.SNset(1).SetText(" 120");
  for (const Case& c : cases) {
    host.messages.clear();
    host.beeps = 0;
    main.MoveFocus(nullptr);
    state.analysisOptions.MasterCurveParameter = c.parameter;
    state.analysisOptions.LoadingType = c.type;
    state.loadingData.StressRangeFrom = c.from;
    state.loadingData.StressRangeTo = c.to;
    state.loadingData.ScalingFactorMin = c.kMin;
    state.loadingData.ScalingFactorMax = c.kMax;
    lf.SHscalt(0).SetText(c.kMinText);
    lf.SHscalt(1).SetText(c.kMaxText);
    mnu_calculate_Click(main);
    const FakeHost::Message& m = OnlyMessage();
    EXPECT_EQ(m.text, c.text) << c.title;
    EXPECT_EQ(m.title, c.title);
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(host.beeps, 1);
    if (c.focus) {
      EXPECT_TRUE(c.focus->HasFocus()) << c.title;
    }
    EXPECT_EQ(state.shellState.UiState, 1);
  }
}

// A zero end passes the sign check of the ends (the product is 0), but the
// scaling-factor box takes no 0: the box's own refusal stops the command.
TEST_F(CalculateTest, ScalingFactorsWithAZeroEndPassTheSignCheckNotTheBox) {
  state.analysisOptions.AnalysisMode = 2;
  state.analysisOptions.MasterCurveParameter = 1;
  state.analysisOptions.LoadingType = 1;
  state.loadingData.ScalingFactorMin = 0.0f;
  state.loadingData.ScalingFactorMax = 2.0f;
  main.loadingFrames().SHscalt(0).SetText("0");
  main.loadingFrames().SHscalt(1).SetText("2");
  mnu_calculate_Click(main);
  const FakeHost::Message& m = OnlyMessage();
  EXPECT_EQ(m.text, "Sorry, Data Incorrect! (RSF = 0)");
  EXPECT_EQ(m.title, " Scaling Factor (RSF)");
  EXPECT_FALSE(main.mcsOptions().Frm_MCS_opt.Visible());
  EXPECT_EQ(state.shellState.UiState, 1);
}

// Loading values that their boxes refuse (from a job file, or given for
// another loading type) stop the command with the box's own refusal, and the
// box opens; nothing is calculated.
TEST_F(CalculateTest, LoadingValuesThatTheirBoxesRefuseAreNotCalculated) {
  LoadingFramesPanel& lf = main.loadingFrames();
  for (Control* c : {static_cast<Control*>(&lf.frm_Spectr), static_cast<Control*>(&lf.Pic_Spectr),
                     static_cast<Control*>(&lf.frm_Distr), static_cast<Control*>(&lf.Pic_Distr)})
    c->SetVisible(true);
  TextBox* const boxes[] = {&lf.SSmaxt(0), &lf.SSmaxt(1), &lf.SSmeant, &lf.DTt(0),
                            &lf.DTt(1),     &lf.DTSmaxt(1), &lf.DTmeant, &lf.DTvolumet};
  for (TextBox* b : boxes) b->SetVisible(true);
  struct Case {
    const char* what;
    int16_t type, mode, inputMode;
    float q, r, range, from, mean;
    int32_t volume;
    const char* text;
    const char* title;
    MsgIcon icon;
    TextBox* box;
  };
  const MsgIcon critical = MsgIcon::Critical;
  const char* distribution = " Distribution Parameter (Q)";
  const Case cases[] = {
      {"Q of 0", 4, 1, 1, 0, 0, 100, 100, 0, 0, "Sorry, Data Incorrect! (Q< 0)", distribution, critical, &lf.DTt(0)},
      {"R of 0", 4, 1, 1, 3, 0, 100, 100, 0, 0, "Sorry, Data Incorrect! (R< 0)", " Distribution Parameter (R)",
       critical, &lf.DTt(1)},
      {"a Beta Q of 1000", 4, 1, 1, 1000, 3, 100, 100, 0, 1000, "Sorry, Data Incorrect! (Q> 100)", distribution,
       critical, &lf.DTt(0)},
      {"no block volume", 4, 1, 1, 3, 3, 100, 100, 0, 0, "Sorry, Data Incorrect! (NS < 1)", "Block volume", critical,
       &lf.DTvolumet},
      {"a negative range", 4, 1, 1, 3, 3, -5, 100, 0, 1000, "Sorry, Data Incorrect!", "Stress Amplitude", critical,
       &lf.DTSmaxt(1)},
      {"a negative distribution mean", 4, 1, 2, 3, 3, 100, 100, -10, 1000, "Sorry, No mean stress effect for Sm < 0.",
       " Mean Stress Effect", MsgIcon::Information, &lf.DTmeant},
      {"a negative amplitude", 3, 1, 2, 3, 3, -5, -5, 0, 1000, "Sorry, Data Incorrect! (SS < 0)",
       "Stress Amplitude (SS)", critical, &lf.SSmaxt(0)},
      {"a negative implied mean", 3, 1, 1, 3, 3, 100, 100, -60, 1000, "Sorry, Data Incorrect! (Sm < 0)",
       "Stress Amplitude (SS)", critical, &lf.SSmaxt(0)},
      {"a lower end above the upper", 2, 2, 2, 3, 3, 100, 150, 0, 1000, "Sorry, Data Incorrect! (SSmax < SSmin)",
       "Stress Amplitude (SS)", critical, &lf.SSmaxt(0)},
      {"a negative mean", 3, 1, 2, 3, 3, 100, 100, -1, 1000, "Sorry, No mean stress effect for Sm < 0.",
       " Mean Stress Effect", MsgIcon::Information, &lf.SSmeant},
  };
  const Results results = state.results;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (TextBox* b : boxes) b->SetText("3");  // a value that every box takes, so that
    main.MoveFocus(nullptr);                    // the box the last case opened lets go
    for (TextBox* b : boxes) PaintAccepted(*b, 0);
    host.messages.clear();
    host.beeps = 0;
    AnalysisOptions& a = state.analysisOptions;
    a.LoadingType = c.type;
    a.AnalysisMode = c.mode;
    a.MasterCurveParameter = c.mode == 2 ? 1 : 0;
    LoadingData& l = state.loadingData;
    l.StressInputMode = c.inputMode;
    l.DistQInput = c.q;
    l.DistRInput = c.r;
    l.StressRange = l.StressRangeTo = c.range;
    l.StressRangeFrom = c.from;
    l.StressMinOrMean = l.StressMinOrMeanInput = c.mean;
    l.BlockVolumeEntry = c.volume;
    mnu_calculate_Click(main);
    const FakeHost::Message& m = OnlyMessage();
    EXPECT_EQ(m.text, c.text);
    EXPECT_EQ(m.title, c.title);
    EXPECT_EQ(m.icon, c.icon);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_TRUE(c.box->HasFocus()) << c.box->Name();
    EXPECT_EQ(state.shellState.UiState, 1);
    EXPECT_TRUE(state.results == results) << "nothing calculated";
    EXPECT_FALSE(main.dataBox().Result.Visible());
  }
}

class MeanStressQuestionTest : public CalculateTest {
 protected:
  void SetUp() override {
    CalculateTest::SetUp();
    state.loadingDbState.SelectedLoadingBatch = 2;
    state.loadingDatabase.BatchPointCount[2] = 10;
    state.results.MseQuestionAnswered = 0;
    state.results.CrackMessageShown = 1;
    state.analysisOptions.AnalysisKind = 2;  // the Yes road opens the options frame
  }
  void Expect(const std::string& word) {
    const FakeHost::Message& m = OnlyMessage();
    EXPECT_EQ(m.text, "Data " + word + " Mean Stress Effect!\r          Continue?");
    EXPECT_EQ(m.title, "Current Data Batch");
    EXPECT_EQ(m.icon, MsgIcon::Question);
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_EQ(m.defaultButton, 2);
    EXPECT_EQ(host.beeps, 1);
  }
};

TEST_F(MeanStressQuestionTest, SpectrumWithoutStrengthsAskedWithoutNoNeglectsTheMeanStress) {
  state.analysisOptions.LoadingType = 2;
  state.loadingDatabase.BatchSu[2] = 0.0f;
  host.QueueAnswer(kAnswerNo);
  mnu_calculate_Click(main);
  Expect("Without");
  EXPECT_EQ(state.analysisOptions.MeanStressOption, 1);
  EXPECT_EQ(state.results.MseQuestionAnswered, 0);
  EXPECT_FALSE(main.mcsOptions().Frm_MCS_opt.Visible());
  EXPECT_EQ(state.shellState.UiState, 1);
}

TEST_F(MeanStressQuestionTest, YesGoesOnAndIsNotAskedAgain) {
  state.analysisOptions.LoadingType = 2;
  host.QueueAnswer(kAnswerYes);
  mnu_calculate_Click(main);
  Expect("Without");
  EXPECT_EQ(state.results.MseQuestionAnswered, 1);
  EXPECT_EQ(state.results.CrackMessageShown, 1);  // kept after a Yes
  EXPECT_TRUE(main.mcsOptions().Frm_MCS_opt.Visible());

  host.messages.clear();
  state.shellState.UiState = 1;
  mnu_calculate_Click(main);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(state.results.CrackMessageShown, 0);  // cleared when nothing was asked
}

TEST_F(MeanStressQuestionTest, DistributionWithStrengthsWhileNeglectedAskedWith) {
  state.analysisOptions.LoadingType = 4;
  state.analysisOptions.MeanStressOption = 1;
  state.loadingDatabase.BatchSu[2] = 400.0f;
  host.QueueAnswer(kAnswerYes);
  mnu_calculate_Click(main);
  Expect("With");

  // A distribution never gets the "Without" question.
  host.messages.clear();
  host.beeps = 0;
  state.results.MseQuestionAnswered = 0;
  state.analysisOptions.MeanStressOption = 2;
  state.loadingDatabase.BatchSu[2] = 0.0f;
  state.shellState.UiState = 1;
  mnu_calculate_Click(main);
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
}

TEST_F(CalculateTest, ConstantAmplitudeLifeIsShownInCycles) {
  state.loadingData.StressRangeTo = 200.0f;
  main.menus().mnu_calculate.SetEnabled(true);
  main.menus().mnu_calculate.click();
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_EQ(main.dataBox().Result.Caption(), "Fatigue life:   1.768E+5 [cyc] ");
  EXPECT_TRUE(main.dataBox().Result.Visible());
  EXPECT_TRUE(main.results().Pic_Dam.Visible());
  EXPECT_EQ(state.shellState.UiState, 1);
  EXPECT_EQ(host.mousePointer, kPointerDefault);
  EXPECT_TRUE(main.menus().mnu_report.Enabled());
  EXPECT_TRUE(main.menus().mnu_form.Enabled());
  // The second window took the main window's place and size.
  EXPECT_TRUE(main.formShow().IsLoaded());
  EXPECT_EQ(main.formShow().Width(), main.Width());
  EXPECT_EQ(main.formShow().Height(), main.Height());
}

TEST_F(CalculateTest, StartValuesShowALife) {
  mnu_calculate_Click(main);
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_EQ(main.dataBox().Result.Caption(), "Fatigue life:   2.000E+6 [cyc] ");
  EXPECT_TRUE(main.dataBox().Result.Visible());
}

TEST_F(CalculateTest, LoadingBelowTheEnduranceLimitGivesAnInfiniteLife) {
  state.loadingData.StressRangeTo = 50.0f;
  main.results().Pic_Dam.SetVisible(true);
  mnu_calculate_Click(main);
  EXPECT_EQ(main.dataBox().Result.Caption(), "Fatigue Life  =   Infinite...");
  EXPECT_TRUE(main.dataBox().Result.Visible());
  EXPECT_FALSE(main.results().Pic_Dam.Visible());
}

// The note "(NS & MSE)" or "(NS)" beside Kt is part of the summary: the
// calculation's progress display on the summary's picture leaves it there,
// and a job without it gets none.
TEST(CalculateNote, TheNoteBesideKtOutlastsTheCalculation) {
  const struct {
    const char* job;
    bool local, notchSensitivity, meanStress, note;
  } jobs[] = {
      {"local, NS and MSE", true, true, true, true},
      {"local, NS", true, true, false, true},
      {"nominal, NS and MSE", false, true, true, false},
      {"local, no NS", true, false, true, false},
  };
  for (const auto& j : jobs) {
    Program p;
    ProblemDefinitionPanel& pd = p.main.problemDefinition();
    DataBoxPanel& box = p.main.dataBox();
    Press(pd.chk_unnotch);
    Press(j.local ? pd.chk_local : pd.chk_nominal);
    Press(j.notchSensitivity ? pd.chk_ns_account : pd.chk_ns_neglect);
    Press(j.meanStress ? pd.chk_account : pd.chk_neglect);
    Press(pd.Cmd_analysis_next);
    ASSERT_TRUE(box.pic_DBox.IsShowing()) << j.job;
    const int before = NotePixels(box);
    EXPECT_EQ(before > 0, j.note) << j.job;
    Choose(p.main.menus().mnu_calculate);
    EXPECT_TRUE(box.Result.IsShowing()) << j.job << p.host.Transcript();
    EXPECT_EQ(NotePixels(box), before) << j.job;
  }
}

TEST_F(CalculateTest, ProbabilisticJobOpensTheSimulationOptions) {
  McsOptionsPanel& opt = main.mcsOptions();
  struct Case {
    int16_t type;
    bool fast;
  };
  for (const Case c : {Case{3, false}, Case{4, false}, Case{2, true}, Case{1, true}}) {
    state.shellState.UiState = 1;
    state.analysisOptions.AnalysisKind = 2;
    state.analysisOptions.LoadingType = c.type;
    state.results.MseQuestionAnswered = 1;
    state.mcsSettings.RandomStart = 0;
    state.mcsSettings.NeglectFatigueLimit = 1;
    state.mcsSettings.FastSimulation = 1;
    opt.Frm_MCS_opt.SetVisible(false);
    mnu_calculate_Click(main);
    EXPECT_TRUE(opt.Frm_MCS_opt.Visible());
    EXPECT_EQ(opt.cmd_MCS_opt(1).Caption(), "&Cancel");
    EXPECT_EQ(state.shellState.UiState, 0);
    EXPECT_EQ(state.mcsSettings.FastSimulation, c.fast ? 1 : 0) << c.type;
    EXPECT_EQ(state.mcsSettings.FastSimulationTag, c.fast ? "/FSA" : "/NSA") << c.type;
    EXPECT_EQ(opt.chk_StartNo(2).Enabled(), c.fast);
    EXPECT_EQ(opt.chk_StartNo(3).Enabled(), c.fast);
    EXPECT_EQ(opt.chk_StartNo(0).Value(), 0);
    EXPECT_EQ(opt.chk_StartNo(1).Value(), 1);
    EXPECT_EQ(opt.chk_StartNo(3).Value(), c.fast ? 1 : 0);
    EXPECT_FALSE(main.dataBox().Result.Visible());
  }
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
}

}  // namespace
