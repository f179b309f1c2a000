#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/engine_commands.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "support/fake_host.h"

namespace {

// A finite single-case life of 2.5 blocks of 1000 cycles, from batch 1.
class LifeDisplayTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};

  void SetUp() override {
    state.analysisOptions.LoadingType = 2;
    state.loadingDbState.SelectedLoadingBatch = 1;
    state.loadingData.CyclesPerBlock = 1000;
    state.results.LifeBlocks = 2.5f;
    state.results.TotalDamage = 0.4f;
    state.results.InfiniteLifeFlag = 0;
  }
  std::string Shown() {
    ShowFatigueLife(main, state.analysisOptions.LifeUnit);
    return main.dataBox().Result.Caption();
  }
};

TEST_F(LifeDisplayTest, SpectrumShowsBlocksHoursAndCycles) {
  state.loadingDatabase.BatchBlockTime[1] = 30.0f;
  EXPECT_EQ(Shown(), "Fatigue life:   2.500E+0 [blk]   1.250E+0 [h]   2.500E+3 [cyc] ");
  const LifeResults& lr = state.lifeResults;
  EXPECT_EQ(lr.LifeByUnit[1], 2500.0f);
  EXPECT_EQ(lr.LifeByUnit[2], 2.5f);
  EXPECT_EQ(lr.LifeByUnit[3], 1.25f);
  EXPECT_EQ(lr.LifeUnitLabel[1], " [cyc] ");
  EXPECT_EQ(lr.LifeUnitLabel[2], " [blk] ");
  EXPECT_EQ(lr.LifeUnitLabel[3], " [h]   ");
  EXPECT_EQ(lr.LifeUnitWord[3], " HOURS");
  EXPECT_TRUE(main.results().Pic_Dam.Visible());
  EXPECT_EQ(main.results().Pic_Dam.MousePointer(), kPointerCross);
  for (MenuItem* item : {&main.menus().mnu_report, &main.menus().mnu_form, &main.menus().mnu_Run})
    EXPECT_TRUE(item->Enabled()) << item->Name();

  state.loadingDatabase.BatchBlockTime[1] = 0.0f;
  EXPECT_EQ(Shown(), "Fatigue life:   2.500E+0 [blk] 2.500E+3 [cyc] ");
}

TEST_F(LifeDisplayTest, ConstantAmplitudeShowsCyclesOnly) {
  state.analysisOptions.LoadingType = 3;
  state.loadingData.CyclesPerBlock = 1;
  state.results.LifeBlocks = 2500.0f;
  EXPECT_EQ(Shown(), "Fatigue life:   2.500E+3 [cyc] ");
  EXPECT_EQ(main.results().Pic_Dam.MousePointer(), kPointerDefault);
}

TEST_F(LifeDisplayTest, ImmediateCrackIsOneCycleAndADamageOfOneIsNot) {
  state.results.ImmediateCrackFlag = 1;
  state.results.LifeBlocks = 0.0f;
  state.results.TotalDamage = 1.0f;
  EXPECT_EQ(Shown(), "Fatigue life:   1.000E+0 [cyc] ");
  EXPECT_EQ(state.lifeResults.LifeByUnit[1], 1.0f);

  // A genuine damage of exactly 1 per block is a life of one block.
  state.results.ImmediateCrackFlag = 0;
  state.results.LifeBlocks = 1.0f;
  EXPECT_EQ(Shown(), "Fatigue life:   1.000E+0 [blk] 1.000E+3 [cyc] ");
}

TEST_F(LifeDisplayTest, ProbabilisticShowsTheReferenceLife) {
  state.analysisOptions.AnalysisKind = 2;
  state.mcsResults.ReferenceLife = 4.0f;
  state.results.ImmediateCrackFlag = 1;  // never the cycles-only form here
  EXPECT_EQ(Shown(), "Reference Life   To =  4.000E+0 [blk] 1.000E+0 [cyc] ");
  EXPECT_EQ(state.results.LifeBlocks, 4.0f);
}

TEST_F(LifeDisplayTest, InfiniteLifeHidesTheDamageDiagram) {
  state.results.InfiniteLifeFlag = 1;
  main.results().Pic_Dam.SetVisible(true);
  EXPECT_EQ(Shown(), "Fatigue Life  =   Infinite...");
  EXPECT_FALSE(main.results().Pic_Dam.Visible());
}

TEST_F(LifeDisplayTest, MasterCurveWithEqualEndsShowsNothing) {
  state.analysisOptions.AnalysisMode = 2;
  state.analysisOptions.MasterCurveParameter = 1;
  state.loadingData.StressRangeFrom = 150.0f;
  state.loadingData.StressRangeTo = 150.0f;
  ShowFatigueLife(main, 1);
  EXPECT_FALSE(main.results().frm_master.Visible());
  EXPECT_FALSE(main.menus().mnu_calculations.Enabled());
  EXPECT_TRUE(main.menus().mnu_report.Enabled());

  state.loadingData.StressRangeFrom = 50.0f;
  ShowFatigueLife(main, 1);
  EXPECT_TRUE(main.results().frm_master.Visible());
  EXPECT_TRUE(main.menus().mnu_calculations.Enabled());
  EXPECT_EQ(main.results().Lifelab(0).ToolTipText(), "Right click to change units");
  EXPECT_EQ(main.results().Lifelab(0).MousePointer(), kPointerCross);
}

TEST_F(LifeDisplayTest, LifeUnitMenuOfTheMasterCurve) {
  state.analysisOptions.AnalysisMode = 2;
  state.analysisOptions.MasterCurveParameter = 1;
  state.loadingData.StressRangeFrom = 50.0f;
  state.analysisOptions.LifeUnit = 1;
  Label& life = main.results().Lifelab(0);

  // A left click only claims the shared popup.
  life.mouseDown(kLeftButton, 0, 0, 0);
  EXPECT_EQ(state.resultsDisplay.PopupContext, 2);
  EXPECT_TRUE(host.popups.empty());

  // Without a block duration only cycles and blocks are offered.
  host.QueueMenuChoice("Life in &Blocks");
  life.mouseDown(kRightButton, 0, 0, 0);
  ASSERT_EQ(host.popups.size(), 1u);
  const std::vector<PopupMenuItem>& items = host.popups[0];
  EXPECT_EQ(items[0].caption, "Life in &Cycles");
  EXPECT_TRUE(items[0].checked);
  EXPECT_TRUE(items[1].visible);
  EXPECT_FALSE(items[2].visible);
  EXPECT_EQ(state.analysisOptions.LifeUnit, 2);
  EXPECT_EQ(state.lifeResults.LifeUnitWord[2], "BLOCKS");
  EXPECT_TRUE(main.menus().pop_disp1(1).Checked());

  // Constant amplitude opens no menu.
  state.analysisOptions.LoadingType = 3;
  life.mouseDown(kRightButton, 0, 0, 0);
  EXPECT_EQ(host.popups.size(), 1u);
}

TEST_F(LifeDisplayTest, SingleCaseLifeUnitPopup) {
  state.analysisOptions.LifeUnit = 3;
  main.menus().pop_res1(0).click();
  EXPECT_EQ(state.analysisOptions.LifeUnit, 1);
  EXPECT_EQ(state.lifeResults.LifeUnitWord[1], "CYCLES");
  EXPECT_EQ(main.dataBox().Result.Caption(), "Fatigue life:   2.500E+0 [blk] 2.500E+3 [cyc] ");
}

}  // namespace
