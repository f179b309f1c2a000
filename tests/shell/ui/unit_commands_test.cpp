#include <gtest/gtest.h>

#include <string>

#include "component/ui/data_box_panel.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "platform/runtime/format.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "support/fake_host.h"

namespace {

class UnitCommandsTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
  MainMenus& m = main.menus();

  void Label28Is(const std::string& bracket) {
    main.fatigueDb().Label28.ForEach([&](Label& l) { EXPECT_EQ(l.Caption(), bracket); });
  }
};

TEST_F(UnitCommandsTest, SwitchesEveryUnitTextAndFactor) {
  EXPECT_TRUE(m.mnu_SI.Checked());
  m.mnu_US.click();
  const UnitSettings& u = state.unitSettings;
  EXPECT_EQ(u.StressUnitBracket, "[ksi]");
  EXPECT_EQ(u.StressUnit, "ksi");
  EXPECT_EQ(u.SmallLengthUnit, "in");
  EXPECT_EQ(u.StressUnitFactor, static_cast<float>(1 / 6.895));
  EXPECT_EQ(u.LengthUnitFactor, static_cast<float>(1 / 25.4));
  EXPECT_TRUE(m.mnu_US.Checked());
  EXPECT_FALSE(m.mnu_SI.Checked());
  EXPECT_EQ(state.loadingUnits.LoadUnit, "ksi");
  EXPECT_EQ(state.loadingUnits.LoadUnitBracket, "[ksi]");
  EXPECT_EQ(state.loadingUnits.LoadUnitFactor, u.StressUnitFactor);
  Label28Is("[ksi]");
  // Values stay in MPa and mm; only what is shown changes.
  EXPECT_EQ(state.materialData.Se, 100.0f);
  EXPECT_EQ(Format(state.materialData.Se * u.StressUnitFactor, "##0.0##"), "14.503");
  EXPECT_EQ(Format(state.materialData.Thickness * u.LengthUnitFactor, "0.0##"), "0.984");

  m.mnu_SI.click();
  EXPECT_EQ(state.unitSettings, UnitSettings{});
  EXPECT_TRUE(m.mnu_SI.Checked());
  EXPECT_FALSE(m.mnu_US.Checked());
  Label28Is("[MPa]");
}

TEST_F(UnitCommandsTest, RefusedWhileBusyOrABrowserIsUp) {
  state.shellState.UiState = 0;
  m.mnu_US.click();
  main.fatigueDb().frm_Fatigue_Dbase.SetVisible(true);
  state.shellState.UiState = 1;
  m.mnu_US.click();
  main.fatigueDb().frm_Fatigue_Dbase.SetVisible(false);
  main.loadingDb().frm_Load_Dbase.SetVisible(true);
  m.mnu_US.click();
  EXPECT_EQ(host.beeps, 3);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(state.unitSettings, UnitSettings{});
  EXPECT_TRUE(m.mnu_SI.Checked());
}

TEST_F(UnitCommandsTest, StrainLoadingKeepsMicroStrain) {
  state.loadingUnits.LoadQuantity = "Strain ";
  state.materialData.YoungModulus = 200000.0f;
  m.mnu_US.click();
  EXPECT_EQ(state.loadingUnits.LoadUnit, "\xC2\xB5str");
  EXPECT_EQ(state.loadingUnits.LoadUnitBracket, "[\xC2\xB5str]");
  EXPECT_EQ(state.loadingUnits.LoadUnitFactor, 5.0f);
  EXPECT_EQ(state.loadingUnits.LoadToStressFactor, 1.0f);

  state.loadingDbState.SelectedLoadingBatch = 4;
  state.loadingDatabase.BatchPointCount[4] = 100;  // a strain history
  m.mnu_SI.click();
  EXPECT_EQ(state.loadingUnits.LoadUnitFactor, 1.0f);
  EXPECT_EQ(state.loadingUnits.LoadToStressFactor, 0.2f);
}

// The history caption follows the loading's units: a stress history the
// new stress unit, a strain history stays in micro-strain. The caption
// shown while a factor is typed is the history unscaled.
TEST_F(UnitCommandsTest, TheHistoryCaptionsFollowTheLoadingsUnits) {
  struct Case {
    const char* quantity;
    float max, min;
    const char* shown;
    const char* unscaled;
  };
  const Case cases[] = {
      {"Stress ", 120, -80, "Smax = 26.11 ksi,  Smin = -17.4 ksi", "Smax = 17.4 ksi,  Smin = -11.6 ksi"},
      {"Strain ", 1000, -500, "Smax = 1500.0 \xC2\xB5str,  Smin = -750.0 \xC2\xB5str",
       "Smax = 1000.0 \xC2\xB5str,  Smin = -500.0 \xC2\xB5str"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.quantity);
    state.analysisOptions.LoadingType = 1;
    state.loadingUnits.LoadQuantity = c.quantity;
    state.loadingDbState.SelectedLoadingBatch = 4;
    state.loadingDatabase.BatchPointCount[4] = 100;
    state.loadingDatabase.BatchHistoryMax[4] = c.max;
    state.loadingDatabase.BatchHistoryMin[4] = c.min;
    state.loadingData.ScalingFactor = 1.5f;
    state.loadingData.LoadSmax = 1.5f * c.max;
    state.loadingData.LoadSmin = 1.5f * c.min;
    m.mnu_US.click();
    EXPECT_EQ(main.loadingFrames().SHSmax.Caption(), c.shown);
    EXPECT_EQ(state.loadingData.HistMaxCaption, c.unscaled);
    m.mnu_SI.click();
  }
}

// The texts are made as taking the batch makes them, in the new unit: the
// notch factor "Kf" only for a feature specimen.
TEST_F(UnitCommandsTest, BatchMeanStressTextsInTheNewUnit) {
  struct Case {
    int16_t specimen;
    const char* text;
    const char* text2;
  };
  const Case cases[] = {
      {1, "DMSE(+): Su=100, Sy=50, Kf=2.5 ", "DMSE(+): 100/50/2.5 "},
      {2, "DMSE(+): Su=100, Sy=50", "DMSE(+): 100/50"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.specimen);
    state.analysisOptions.SNDataSpecimen = c.specimen;
    state.loadingDbState.SelectedLoadingBatch = 2;
    state.loadingDatabase.BatchSu[2] = 689.5f;
    state.loadingDatabase.BatchSy[2] = 344.75f;
    state.loadingDatabase.BatchKf[2] = 2.5f;
    m.mnu_US.click();
    EXPECT_EQ(state.loadingData.BatchMseText, c.text);
    EXPECT_EQ(state.loadingData.BatchMseText2, c.text2);
    EXPECT_EQ(main.loadingFrames().DTmse.Caption(), state.loadingData.BatchMseText);
    EXPECT_EQ(main.loadingFrames().SSmse.Caption(), state.loadingData.BatchMseText);

    // A batch without strengths keeps its wording.
    state.loadingDatabase.BatchSu[2] = 1.0f;
    m.mnu_SI.click();
    EXPECT_EQ(state.loadingData.BatchMseText, c.text);
  }
}

// The job summary is formatted anew: the thickness or the notch radius with
// the length unit now chosen, and the summary's own mean-stress tag.
TEST_F(UnitCommandsTest, TheSummaryShowsTheNewUnits) {
  struct Case {
    int16_t specimen, meanStress;
    const char* label;
    const char* caption;
    const char* box;
    const char* value;
    const char* tag;
  };
  const Case cases[] = {
      {1, 2, "SNth", "Thickness Effect:    t = 1.0  in", "SNtht", "1.0", "MSE(+): "},
      {2, 2, "Reliab", "Notch Radius [in]:  r = ", "Reliabt", "0.04 ", "MSE(+)"},
      {2, 1, "Reliab", "Notch Radius [in]:  r = ", "Reliabt", "0.04 ", "MSE(-)  "},
  };
  for (const Case& c : cases) {
    ProgramState s;
    FakeHost h;
    FormMain w{s, h};
    s.analysisOptions.SNDataSpecimen = c.specimen;
    s.analysisOptions.MeanStressOption = c.meanStress;
    s.analysisOptions.NotchSensitivityMode = 2;
    s.componentData.Kt = 2.5f;
    w.dataBox().UpdateDataBox();
    w.menus().mnu_US.click();
    const int index = c.specimen == 1 ? 0 : -1;
    EXPECT_EQ(w.label(c.label, index).Caption(), c.caption) << c.label;
    EXPECT_EQ(w.textBox(c.box, index).Text(), c.value) << c.box;
    EXPECT_EQ(s.resultsDisplay.MseTag, c.tag);
    EXPECT_EQ(w.dataBox().DBmse(1).Caption(), c.tag);
  }
}

}  // namespace
