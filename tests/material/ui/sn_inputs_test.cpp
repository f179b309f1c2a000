#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "component/ui/data_box_panel.h"
#include "material/ui/material_commands.h"
#include "material/ui/sn_frame_panel.h"
#include "material_ui_fixture.h"
#include "shell/ui/numeric_box.h"
#include "shell/unit_settings.h"

namespace {

class SnInputs : public ::testing::Test, public MaterialUi {
 protected:
  SnInputs() {
    sn.frm_SN.SetVisible(true);
    sn.SNE.SetVisible(true);
    sn.SNEt.SetVisible(true);
    main.dataBox().frm_DBox.SetVisible(true);
    // The texts the S-N diagram and the summary box write for the start values.
    sn.SNmt.SetText("3.5");
    sn.SNNot.SetText("2E+6");
    sn.SNPnt.SetText("50");
    sn.SNrt.SetText("-1.0");
    sn.SNset(0).SetText("50.0");
    sn.SNEt.SetText("210000");
    const char* thickness[] = {"25.0", "0.25", "300.0", "500.0"};
    for (int i = 0; i < 4; ++i) sn.SNtht(i).SetText(thickness[i]);
  }
  // Types `text` into the box and leaves it for the m box (or the E box).
  void Enter(TextBox& box, const std::string& text) {
    box.SetFocus();
    box.typeText(text);
    box.leave();
  }
  SnFramePanel& sn = main.snInputs();
};

TEST_F(SnInputs, RefusedValuesKeepTheDataAndReturnToTheBox) {
  struct Case {
    const char* box;
    std::function<TextBox&(SnFramePanel&)> pick;
    std::string typed, text, title, restored;
  };
  const Case cases[] = {
      {"m", [](SnFramePanel& p) -> TextBox& { return p.SNmt; }, "1", "Sorry, Data Incorrect! (m < 1)",
       " S-N Exponent (m)", "3.5"},
      {"No", [](SnFramePanel& p) -> TextBox& { return p.SNNot; }, "99999", "Sorry, Data Incorrect! (No < 1e5)",
       " Endurance Limit Life (No)", "2E+6"},
      {"No 32-bit", [](SnFramePanel& p) -> TextBox& { return p.SNNot; }, "3e9",
       "Sorry, Data Incorrect! (No > 2147483647)", " Endurance Limit Life (No)", "2E+6"},
      {"No 1e21", [](SnFramePanel& p) -> TextBox& { return p.SNNot; }, "1e21", "Sorry, Data Incorrect! (No > 1e20)",
       " Endurance Limit Life (No)", "2E+6"},
      {"Pn 100", [](SnFramePanel& p) -> TextBox& { return p.SNPnt; }, "100", "Sorry, Data Incorrect! (Pn >=100)",
       " Survival Probability (Pn)", "50."},
      {"Pn 0", [](SnFramePanel& p) -> TextBox& { return p.SNPnt; }, "0", "Sorry, Data Incorrect! (Pn <= 0)",
       " Survival Probability (Pn)", "50."},
      {"r 1", [](SnFramePanel& p) -> TextBox& { return p.SNrt; }, "1", "Sorry, Data Incorrect! (| r | > 1) ",
       " Stress Ratio (r)", "-1.0"},
      {"r -1.01", [](SnFramePanel& p) -> TextBox& { return p.SNrt; }, "-1.01", "Sorry, Data Incorrect! (| r | > 1) ",
       " Stress Ratio (r)", "-1.0"},
      {"Se 0", [](SnFramePanel& p) -> TextBox& { return p.SNset(0); }, "0", "Sorry, Data Incorrect!  (Se < 0)",
       " Endurance Limit (Se)", "50.0"},
      {"E", [](SnFramePanel& p) -> TextBox& { return p.SNEt; }, "9999", "Sorry, Data Incorrect! (E <10000)",
       " Young's Modulus (E)", "210000"},
      {"t", [](SnFramePanel& p) -> TextBox& { return p.SNtht(0); }, "0", "Sorry, Data Incorrect! (t < 0)",
       " Thickness Effect (t)", "25.0"},
      {"k", [](SnFramePanel& p) -> TextBox& { return p.SNtht(1); }, "1", "Sorry, Data Incorrect! (k > 1)",
       " Thickness Effect (k)", "0.25"},
      {"Sy = Su", [](SnFramePanel& p) -> TextBox& { return p.SNtht(2); }, "500", "Sorry, Data Incorrect! (Sy > Su)",
       " Thickness Effect (Sy)", "300.0"},
      {"Su = Sy", [](SnFramePanel& p) -> TextBox& { return p.SNtht(3); }, "300", "Sorry, Data Incorrect! (Sy > Su)",
       " Thickness Effect (Su)", "500.0"},
  };
  const MaterialData before = state.materialData;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box);
    host.messages.clear();
    TextBox& box = c.pick(sn);
    Enter(box, c.typed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(LastMessage().text, c.text);
    EXPECT_EQ(LastMessage().title, c.title);
    EXPECT_EQ(LastMessage().icon, MsgIcon::Critical);
    EXPECT_EQ(box.Text(), c.restored);
    EXPECT_TRUE(box.HasFocus());
    EXPECT_TRUE(state.materialData == before);
    main.MoveFocus(nullptr);
  }
}

TEST_F(SnInputs, AcceptedValuesAreStoredAndShownWithTheirMasks) {
  state.wizardFlags.LoadingDataReady = true;
  sn.SNmt.SetFocus();
  EXPECT_FALSE(main.menus().mnu_Run.Enabled());
  EXPECT_TRUE(IsBeingEdited(sn.SNmt));
  sn.SNmt.typeText("1.01");
  sn.SNmt.leave();
  EXPECT_FLOAT_EQ(state.materialData.SNExponent, 1.01f);
  EXPECT_EQ(sn.SNmt.Text(), "1.01");
  EXPECT_EQ(sn.SNm.Caption(), "m = 1.01");
  EXPECT_FALSE(IsBeingEdited(sn.SNmt));
  EXPECT_TRUE(main.menus().mnu_Run.Enabled());

  Enter(sn.SNNot, "2000000.4");
  EXPECT_EQ(state.materialData.EnduranceCycles, 2000000);
  EXPECT_EQ(sn.SNNot.Text(), "2E+6");
  Enter(sn.SNNot, "100000");
  EXPECT_EQ(state.materialData.EnduranceCycles, 100000);
  Enter(sn.SNrt, "-1");
  EXPECT_FLOAT_EQ(state.materialData.SNStressRatio, -1.0f);
  Enter(sn.SNset(0), "50");
  EXPECT_FLOAT_EQ(state.materialData.Se, 100.0f);
  EXPECT_EQ(sn.SNset(0).Text(), "50.0");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SnInputs, SeTypedInUsUnitsIsStoredAsARangeInMPa) {
  state.unitSettings = UnitsOf(UnitSystem::US);
  Enter(sn.SNset(0), "60");
  EXPECT_NEAR(state.materialData.Se, 827.4, 0.01);
  EXPECT_FLOAT_EQ(state.materialData.SeFrom, state.materialData.Se);
}

TEST_F(SnInputs, ThicknessFactorFollowsThicknessAndExponent) {
  Enter(sn.SNtht(0), "30");
  EXPECT_FLOAT_EQ(state.materialData.Thickness, 30.0f);
  EXPECT_NEAR(state.materialData.ThicknessFactor, 0.9554, 5e-5);
  Enter(sn.SNtht(0), "20");
  EXPECT_EQ(state.materialData.ThicknessFactor, 1.0f);
  Enter(sn.SNtht(0), "100");
  EXPECT_NEAR(state.materialData.ThicknessFactor, 0.7071, 5e-5);
}

TEST_F(SnInputs, TwoSeBoxesKeepMinNotAboveMax) {
  state.analysisOptions.AnalysisMode = 2;
  state.analysisOptions.MasterCurveParameter = 2;
  sn.SNset(1).SetVisible(true);
  Enter(sn.SNset(0), "60");  // range 120 above the stored Max of 100
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, "Sorry, Data Incorrect!  (Semax < Semin)");
  EXPECT_EQ(sn.SNset(0).Text(), "50.0");
  main.MoveFocus(nullptr);
  Enter(sn.SNset(0), "50");  // equal ends are accepted
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_FLOAT_EQ(state.materialData.SeFrom, 100.0f);
  EXPECT_EQ(sn.SNSe(0).Caption(), " Min.  Se = 50.0  MPa");
}

TEST_F(SnInputs, RefusalIsSilentWhileTheFrameIsHidden) {
  sn.SNmt.SetFocus();
  sn.SNmt.typeText("abc");
  sn.frm_SN.SetVisible(false);
  sn.SNmt.leave();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(sn.SNmt.Text(), "abc");
  EXPECT_FLOAT_EQ(state.materialData.SNExponent, 3.5f);
}

TEST_F(SnInputs, DatabaseSetAsksBeforeTypedValues) {
  state.materialData.MaterialSource = 1;
  state.jobTexts.MaterialName = "S355";
  sn.SNm_Click();  // the label does not open the box of a database set
  EXPECT_FALSE(sn.SNmt.HasFocus());
  EXPECT_TRUE(host.messages.empty());

  host.QueueAnswer(kAnswerNo);
  sn.SNmt.SetFocus();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text,
            "Would you like to abandon the data batch\rand input arbitrary parameters through the keyboard?");
  EXPECT_EQ(LastMessage().title, " Fatigue Data");
  EXPECT_EQ(LastMessage().buttons, MsgButtons::YesNo);
  EXPECT_EQ(state.materialData.MaterialSource, 1);
  EXPECT_TRUE(sn.Pic_SN.HasFocus());

  host.QueueAnswer(kAnswerYes);
  sn.SNNot.SetFocus();
  EXPECT_EQ(state.materialData.MaterialSource, 2);
  EXPECT_EQ(state.jobTexts.MaterialName, "???");
  EXPECT_EQ(main.dataBox().Materialt.Text(), "???");
  EXPECT_TRUE(sn.SNNot.HasFocus());
  sn.SNtht(2).SetFocus();  // strengths never ask
  EXPECT_EQ(host.messages.size(), 2u) << host.Transcript();
}

TEST_F(SnInputs, ArrowKeysFollowTheLabels) {
  state.loadingUnits.LoadQuantity = "Strain ";  // the S-N diagram shows E for a strain loading only
  sn.SNmt.SetFocus();
  sn.SNmt.keyDown(40);
  EXPECT_TRUE(sn.SNrt.HasFocus());
  sn.SNrt.keyDown(40);
  EXPECT_TRUE(sn.SNset(0).HasFocus());
  sn.SNset(0).keyDown(40);
  EXPECT_TRUE(sn.SNNot.HasFocus());
  sn.SNNot.keyDown(40);  // mean stress accounted: Sy
  EXPECT_TRUE(sn.SNtht(2).HasFocus());
  sn.SNtht(2).keyDown(40);
  EXPECT_TRUE(sn.SNtht(3).HasFocus());
  sn.SNtht(3).keyDown(40);
  EXPECT_TRUE(sn.SNEt.HasFocus());
  sn.SNEt.keyDown(38);
  EXPECT_TRUE(sn.SNtht(3).HasFocus());
}

TEST_F(SnInputs, YoungsModulusRescalesAStrainLoading) {
  state.loadingUnits.LoadQuantity = "Strain ";
  state.loadingData.StressRangeTo = 200;
  state.loadingData.StressMinOrMean = 10;
  Enter(sn.SNEt, "420000");
  EXPECT_FLOAT_EQ(state.materialData.YoungModulus, 420000.0f);
  EXPECT_FLOAT_EQ(state.loadingData.StressRangeTo, 400.0f);
  EXPECT_FLOAT_EQ(state.loadingData.StressRange, 400.0f);
  EXPECT_FLOAT_EQ(state.loadingUnits.LoadUnitFactor, 1e6f / 420000.0f);
  EXPECT_FLOAT_EQ(state.loadingData.SpectrumSmax, 400.0f / 2 + 20);
}

}  // namespace
