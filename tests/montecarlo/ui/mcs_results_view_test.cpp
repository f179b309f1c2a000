// The simulation results view of the second window driven headless: its
// boxes, popups and file commands, and the main window's results commands.

#include "montecarlo/ui/mcs_results_view.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/ui/problem_definition_panel.h"
#include "montecarlo/mcs_simulation.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "support/mcs_replay.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"

namespace {

// A simulation of `runs` runs of a constant amplitude with a log-normal Se,
// as the driver leaves it, shown in the view.
class McsResultsViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The program started, a probabilistic single case defined.
    Press(main.problemDefinition().chk_end_limit);
    Press(main.problemDefinition().cmd_analysis_done);
    ASSERT_EQ(state.shellState.UiState, 1);
    Simulate(1000);
  }

  void Simulate(int32_t runs, int16_t loadingType = 3) {
    ProgramState& s = state;
    s.analysisOptions.AnalysisKind = 2;
    s.analysisOptions.LoadingType = loadingType;
    if (loadingType == 2) {  // one level of 1000 cycles a block
      s.loadingData.LevelCount = s.loadingData.SpectrumLevelCount = 1;
      s.loadingData.LevelStress[1] = 1.0f;
      s.loadingData.LevelCycles[1] = 1000.0f;
      s.loadingDatabase.BatchBlockCycles[0] = 1000.0f;
    }
    s.analysisOptions.MeanStressOption = 1;
    s.analysisOptions.SNDataSpecimen = 1;
    s.loadingData.StressRange = 200.0f;
    s.loadingData.StressRangeTo = 200.0f;
    s.mcsSettings.SimulationCount = runs;
    s.mcsSettings.RandomStart = 0;
    s.mcsSettings.WorkDir = folder.path().string() + "/";
    SetRandomVariable(s.randomVariableTable, 1, 2, 0.1f);
    McsProgress progress;
    ASSERT_EQ(RunMonteCarloCore(s, host, progress), McsOutcome::Completed) << host.Transcript();
    ShowMCSResults(main);
    host.messages.clear();
  }

  // Types into a results box and presses Enter.
  void Type(int box, const std::string& text) { EnterByReturn(show.Res_probT(box), text); }

  void ExpectMessage(const std::string& text, const std::string& title, MsgIcon icon) {
    ASSERT_EQ(host.messages.size(), 1u) << host.Transcript();
    EXPECT_EQ(host.messages[0].text, text);
    EXPECT_EQ(host.messages[0].title, title);
    EXPECT_EQ(host.messages[0].icon, icon);
    host.messages.clear();
  }

  ScopedCurrentFolder folder{"mcs_view"};
  Program program;
  ProgramState& state = program.state;
  FakeHost& host = program.host;
  FormMain& main = program.main;
  FormShow& show = main.formShow();
  McsResults& r = state.mcsResults;
};

TEST_F(McsResultsViewTest, TheFailureProbabilityBox) {
  // No fit over 1000 lives: from 1/N; below it the sampling is too small.
  Type(0, "0.0005");
  ExpectMessage("Sorry, Insufficient sampling!\rInput corrected.", "Reliability", MsgIcon::Exclamation);
  EXPECT_EQ(show.Res_probT(0).Text(), "1.00E-3");
  EXPECT_TRUE(show.Res_probT(0).HasFocus());
  EXPECT_EQ(host.beeps, 0);

  Type(0, "1");
  ExpectMessage("Sorry, Data Incorrect! ", "Reliability", MsgIcon::Critical);
  EXPECT_EQ(show.Res_probT(0).Text(), "0.999");
  EXPECT_EQ(host.beeps, 1);
  EXPECT_DOUBLE_EQ(r.ProbabilityLevel, 0.001);

  Type(0, "0.02");
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_DOUBLE_EQ(r.ProbabilityLevel, 1.0 - 0.02f);
  EXPECT_EQ(show.Res_probT(0).Text(), "2.00E-2");
  EXPECT_EQ(show.Res_probT(0).ForeColor(), 0xC00000);
  EXPECT_TRUE(show.mnu_prt_res.Enabled());

  // A log-normal fit takes Pf down to 1E-6.
  RightClick(host, show.Res_prob(1), "Fit:  Log-norm");
  Type(0, "0.0005");
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_DOUBLE_EQ(r.ProbabilityLevel, 1.0 - 0.0005f);
  Type(0, "5E-7");
  ExpectMessage("Sorry, Data Incorrect! (Pf < 1E-6)", "Reliability", MsgIcon::Critical);
  EXPECT_EQ(show.Res_probT(0).Text(), "1E-06");
  // Beyond the tail's share of the lives, the tail may be made larger.
  const double share = static_cast<double>(r.TailLifeCount) / state.mcsSettings.SimulationsDone;
  ASSERT_LT(r.TailLifeCount, r.UsableLifeCount);
  Type(0, std::to_string((share + 0.9991) / 2));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text.rfind("Sorry, Data Incorrect! (Pf > ", 0), 0u) << host.messages[0].text;
  EXPECT_NE(host.messages[0].text.find("\rChange input or increase Le.Tail ..."), std::string::npos);
  EXPECT_DOUBLE_EQ(r.ProbabilityLevel, 1.0 - share + 0.001);
}

TEST_F(McsResultsViewTest, TheLifeBoxKeepsTheStoredLifeOnARefusal) {
  const float f = state.resultsDisplay.LifeUnitFactor;
  const float stored = r.LifeAtReliability;
  Type(1, "0");
  ExpectMessage("Sorry, Data Incorrect!", "Fatigue Life", MsgIcon::Critical);
  EXPECT_EQ(r.LifeAtReliability, stored);
  EXPECT_NE(show.Res_probT(1).Text(), "0");

  char smallest[32];
  std::snprintf(smallest, sizeof smallest, "%.9g", static_cast<double>(Sng(r.SampleMin * static_cast<double>(f))));
  Type(1, smallest);  // the smallest life is accepted
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_EQ(state.mcsDisplay.ReliabilityInputMode, 1);

  const float before = r.LifeAtReliability;
  Type(1, std::to_string(r.SampleMin * f * 0.99));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text.rfind("Sorry, Data Incorrect! (Tr < ", 0), 0u);
  EXPECT_EQ(r.LifeAtReliability, before) << "the record keeps its value";
  EXPECT_EQ(TypedSingle(show.Res_probT(1).Text()), TypedSingle(Format(r.SampleMin * 1.001 * f, "0.0##E+##")));
}

TEST_F(McsResultsViewTest, TheLowerTailBox) {
  const float f = state.resultsDisplay.LifeUnitFactor;
  const std::string upper = Format(r.MaxFiniteLife * 0.999 * f, "0.0##E+##");
  Type(2, "1E+30");
  ExpectMessage("Sorry, Data Incorrect! (Le.Teil > " + upper + ")", "Fatigue Life", MsgIcon::Critical);
  EXPECT_EQ(TypedSingle(show.Res_probT(2).Text()), TypedSingle(upper));

  const std::string middle = Format((r.SampleMin + r.MaxFiniteLife) / 2 * f, "0.0##E+##");
  Type(2, middle);
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_EQ(show.Res_probT(2).Text(), middle);
  EXPECT_FLOAT_EQ(r.LowerTailLife * f, TypedSingle(middle).value());
  EXPECT_LT(r.TailLifeCount, r.UsableLifeCount) << "the tail was read again";
}

TEST_F(McsResultsViewTest, TheLifeUnitPopupOffersHoursOnlyWithABlockTime) {
  Simulate(1000, 2);  // a spectrum without a block time
  RightClick(host, show.Res_prob(0), "");
  ASSERT_EQ(host.popups.size(), 1u);
  const std::vector<PopupMenuItem>& items = host.popups[0];
  EXPECT_EQ(items[0].caption, "Life in Cycles");
  EXPECT_TRUE(items[1].visible);
  EXPECT_FALSE(items[2].visible) << "no block time";
  RightClick(host, show.Res_prob(0), "Life in Blocks");
  EXPECT_EQ(state.analysisOptions.LifeUnit, 2);
  EXPECT_EQ(show.Res_prob(0).Caption(), "Life  T [blk] ");

  // A constant-amplitude result stays in cycles: no popup.
  state.mcsResults.ResultLoadingType = 3;
  RightClick(host, show.Res_prob(0), "Life in Blocks");
  EXPECT_EQ(host.popups.size(), 2u);
  host.popupChoices.clear();
}

TEST_F(McsResultsViewTest, AFitStartsTheLowerTailSearchInASingleCase) {
  RightClick(host, show.Res_prob(1), "Fit:  Log-norm");
  EXPECT_EQ(r.LifeFitKind, 2);
  const float searched = r.LowerTailLife;
  EXPECT_LT(searched, r.MaxFiniteLife);
  // Chosen again: the start value stays where the search left it, the search repeats.
  RightClick(host, show.Res_prob(1), "Fit:  Log-norm");
  EXPECT_LE(r.LowerTailLife, searched);
  EXPECT_TRUE(show.pop_dispR(1).Checked());
  EXPECT_EQ(show.Res_prob(1).MousePointer(), kPointerCross);

  // In a master-curve job a fit starts no search.
  state.analysisOptions.AnalysisMode = 2;
  RightClick(host, show.Res_prob(1), "Fit:  Weibull ");
  EXPECT_EQ(r.LifeFitKind, 3);
  EXPECT_EQ(r.LowerTailLife, Sng(r.SampleMean));
  EXPECT_EQ(show.Res_prob(1).Caption(), "Fit:   Weibull ");
}

TEST_F(McsResultsViewTest, TheDiagramPopupSwitchesThePlot) {
  RightClick(host, show.pic_diag, "Probab.Plot: Weibull");
  EXPECT_EQ(state.mcsDisplay.McsPlotKind, 1);
  EXPECT_EQ(state.mcsDisplay.McsPlotPaper, 1);
  EXPECT_EQ(show.frm_diag.Caption(), "Probability Plot  {Weibull}");
  RightClick(host, show.pic_diag, "Life Distribution");
  EXPECT_EQ(state.mcsDisplay.McsPlotKind, 0);
  EXPECT_EQ(state.mcsDisplay.McsPlotPaper, -1);
  EXPECT_EQ(show.frm_diag.Caption(), "Life Distribution");
  ASSERT_EQ(host.popups.size(), 2u);
  EXPECT_EQ(host.popups[1][1].caption, "Probab.Plot: Log-norm");
  EXPECT_TRUE(host.popups[1][2].checked);
}

TEST_F(McsResultsViewTest, ARefusedResultsFileLeavesTheResultShown) {
  const McsResults before = r;
  const McsDisplay view = state.mcsDisplay;
  const std::string boxes = show.Res_probT(0).Text() + show.Res_probT(1).Text();
  folder.Write("short.psn", "-3 Shaft\r\n");
  host.openAnswers.push_back((folder.path() / "short.psn").string());
  Choose(show.mnu_an_show);
  ASSERT_EQ(host.messages.size(), 1u) << host.Transcript();
  EXPECT_EQ(host.messages[0].title, "MCS Simulation");
  EXPECT_EQ(r, before);
  EXPECT_EQ(state.mcsDisplay, view);
  EXPECT_EQ(show.Res_probT(0).Text() + show.Res_probT(1).Text(), boxes);
  EXPECT_EQ(show.Res_prob(1).Caption(), "Fit:   No Fit  ");

  // A cancelled dialog changes nothing either.
  host.messages.clear();
  Choose(show.mnu_an_show);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(r, before);
}

TEST_F(McsResultsViewTest, ShowLastShowsTheSameResultAfterAnotherLoadingBatch) {
  const std::vector<float> lives = r.SimulatedLives;
  const std::string boxes = show.Res_probT(0).Text() + show.Res_probT(1).Text() + show.Res_probT(2).Text();
  Choose(show.mnu_back);
  ASSERT_TRUE(main.Visible());
  // What selecting a history batch does to the shared working arrays.
  state.loadingDbState.SelectedLoadingBatch = 2;
  state.loadingDatabase.BatchPointCount[2] = 20;
  state.loadingData.RainflowRanges.assign(22, 0.0f);
  Choose(main.menus().mnu_MCSres_L);
  EXPECT_TRUE(show.Visible());
  EXPECT_EQ(r.SimulatedLives, lives);
  EXPECT_EQ(show.Res_probT(0).Text() + show.Res_probT(1).Text() + show.Res_probT(2).Text(), boxes);

  // Not idle: only a beep.
  Choose(show.mnu_back);
  state.shellState.UiState = 0;
  Choose(main.menus().mnu_MCSres_L);
  EXPECT_FALSE(show.Visible());
  EXPECT_EQ(host.beeps, 1);
}

}  // namespace
