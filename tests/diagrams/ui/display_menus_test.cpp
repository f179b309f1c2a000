#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "diagram_ui_fixture.h"

namespace {

class DisplayMenus : public DiagramUi, public ::testing::Test {
 protected:
  ResultFramesPanel& rf = main.results();
  LoadingFramesPanel& lf = main.loadingFrames();
  MainMenus& menus = main.menus();

  void SetUp() override {
    PutSpectrumBatch(state);
    PutSpectrumDamage(state);
    state.wizardFlags.LoadingDataReady = true;
  }
  // The last popup shown, as the user saw it.
  const std::vector<PopupMenuItem>& Shown() const { return host.popups.back(); }
  void RightClick(Control& c, const std::string& choice = "") {
    if (!choice.empty()) host.QueueMenuChoice(choice);
    c.mouseDown(kRightButton, 0, 100, 100);
  }
};

TEST_F(DisplayMenus, DamageDisplayPerBarOrCumulative) {
  rf.Pic_Dam.mouseDown(kLeftButton, 0, 0, 0);
  EXPECT_TRUE(host.popups.empty()) << "only the right button opens the menu";

  RightClick(rf.Pic_Dam, "Display Cumula&tive Damage");
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_FALSE(Shown()[0].visible);
  EXPECT_EQ(Shown()[1].caption, "Display &Damage");
  EXPECT_TRUE(Shown()[1].checked);
  EXPECT_EQ(Shown()[2].caption, "Display Cumula&tive Damage");
  EXPECT_FALSE(Shown()[2].checked);
  EXPECT_EQ(state.resultsDisplay.PopupContext, 0);
  EXPECT_FALSE(state.resultsDisplay.LoadingPopupActive);
  EXPECT_EQ(state.resultsDisplay.DamageDisplayMode, 1);
  EXPECT_EQ(rf.frm_Dam.Caption(), "Results:  Cumulative Damage");
  EXPECT_TRUE(rf.Pic_Dam.Visible());
  EXPECT_TRUE(rf.frm_Dam.Visible());
  EXPECT_EQ(host.doEventsCalls, 1) << "the diagram was drawn again";

  // The checked item again: nothing is redrawn.
  RightClick(rf.Pic_Dam, "Display Cumula&tive Damage");
  EXPECT_TRUE(Shown()[2].checked);
  EXPECT_EQ(host.doEventsCalls, 1);

  RightClick(rf.Pic_Dam, "Display &Damage");
  EXPECT_EQ(state.resultsDisplay.DamageDisplayMode, 0);
  EXPECT_EQ(rf.frm_Dam.Caption(), "Results:  Damage");
  EXPECT_EQ(host.doEventsCalls, 2);

  // A master curve keeps its display.
  state.analysisOptions.AnalysisMode = 2;
  RightClick(rf.Pic_Dam, "Display Cumula&tive Damage");
  EXPECT_EQ(state.resultsDisplay.DamageDisplayMode, 0);
}

TEST_F(DisplayMenus, NoDamageMenuForConstantAmplitudeOrDistribution) {
  for (int16_t type : {3, 4}) {
    state.analysisOptions.LoadingType = type;
    RightClick(rf.Pic_Dam);
  }
  EXPECT_TRUE(host.popups.empty());
}

TEST_F(DisplayMenus, FallingSpectrumShownAsDistributionAndBack) {
  RightClick(lf.Pic_Spectr);
  EXPECT_TRUE(host.popups.empty()) << "a spectrum that is not falling has no distribution display";

  state.loadingData.SpectrumDescending = true;
  lf.frm_Spectr.SetVisible(true);
  lf.frm_Distr.SetVisible(false);
  RightClick(lf.Pic_Spectr, "Display Loading &Distribution");
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(Shown()[1].caption, "Display Loading &Distribution");
  EXPECT_FALSE(Shown()[1].checked);
  EXPECT_TRUE(Shown()[2].checked);
  EXPECT_EQ(state.resultsDisplay.PopupContext, 1);
  EXPECT_TRUE(state.resultsDisplay.LoadingPopupActive);
  EXPECT_TRUE(lf.frm_Distr.Visible());
  EXPECT_FALSE(lf.frm_Spectr.Visible());
  EXPECT_EQ(host.doEventsCalls, 1) << "the damage diagram follows";

  RightClick(lf.Pic_Distr, "Display Loading &Spectrum");
  EXPECT_TRUE(Shown()[1].checked);
  EXPECT_FALSE(Shown()[2].checked);
  EXPECT_TRUE(lf.frm_Spectr.Visible());
  EXPECT_FALSE(lf.frm_Distr.Visible());
  EXPECT_EQ(host.doEventsCalls, 2);
  EXPECT_EQ(state.resultsDisplay.DamageDisplayMode, 0) << "the damage display is not touched";
}

TEST_F(DisplayMenus, DistributionLawMenuChecksTheLawInUse) {
  state.analysisOptions.LoadingType = 4;
  state.loadingDbState.LoadingSource = 2;
  state.loadingData.DistributionType = 2;
  menus.mnu_Run.SetEnabled(true);
  RightClick(lf.Pic_Distr);
  ASSERT_EQ(host.popups.size(), 1u);
  const std::vector<PopupMenuItem>& items = Shown();
  EXPECT_EQ(items[0].caption, "&Beta Distribution");
  EXPECT_EQ(items[1].caption, "&Weibull Distribution");
  EXPECT_EQ(items[2].caption, "&Log-Norm Distribution");
  for (int k = 0; k < 3; ++k) {
    EXPECT_TRUE(items[k].visible);
    EXPECT_EQ(items[k].checked, k == 1);
  }
  EXPECT_EQ(state.resultsDisplay.PopupContext, 4);
  EXPECT_FALSE(menus.mnu_Run.Enabled());
}

TEST_F(DisplayMenus, LawChangeOfAnEditedBatchAsksFirst) {
  state.analysisOptions.LoadingType = 4;
  state.loadingDatabase.BatchQ[1] = 2;
  state.loadingDatabase.BatchR[1] = 3;
  state.loadingData.DistQ = 2;
  lf.DTt(0).SetText("2.5");
  lf.DTt(1).SetText("3");
  host.QueueAnswer(kAnswerNo);
  RightClick(lf.Pic_Distr, "&Log-Norm Distribution");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Would you like to abandon the data batch\rand input arbitrary parameters through the keyboard?");
  EXPECT_EQ(host.messages[0].title, " Loading Data");
  EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(state.loadingData.DistributionType, 1) << "No changes nothing";
  EXPECT_EQ(state.loadingDbState.SelectedLoadingBatch, 1);

  host.QueueAnswer(kAnswerYes);
  RightClick(lf.Pic_Distr, "&Log-Norm Distribution");
  EXPECT_EQ(state.loadingDbState.SelectedLoadingBatch, 0);
  EXPECT_EQ(state.loadingDbState.LoadingSource, 2);
  EXPECT_EQ(state.jobTexts.LoadingName, "???");
  EXPECT_EQ(main.dataBox().Loadt.Text(), "???");
  EXPECT_EQ(state.loadingData.DistributionType, 3);
  EXPECT_EQ(state.loadingData.DistributionName, "Log-norm ");
  EXPECT_EQ(lf.frm_Distr.Caption(), "Loading: Log-norm Distribution");
  EXPECT_TRUE(menus.mnu_Run.Enabled()) << "the parameter was accepted";

  // The batch's own parameters in the boxes: no question.
  state.loadingDbState.SelectedLoadingBatch = 1;
  state.loadingDbState.LoadingSource = 1;
  lf.DTt(0).SetText("2");
  lf.DTt(1).SetText("3");
  RightClick(lf.Pic_Distr, "&Beta Distribution");
  // No further question (the redraw may refuse the parameters it was left
  // with: the log-normal drawn last was placed on s with the typed Q and R).
  int questions = 0;
  for (const auto& m : host.messages) questions += m.title == " Loading Data";
  EXPECT_EQ(questions, 2);
  EXPECT_EQ(state.loadingData.DistributionType, 1);
}

TEST_F(DisplayMenus, DistributionParameterChecks) {
  struct Case {
    int16_t law;
    float q;
    const char* refusal;
  } cases[] = {{1, 0, "Sorry, Data Incorrect! (Q < 0)"},
               {2, -1, "Sorry, Data Incorrect! (Q < 0)"},
               {3, 0, "Sorry, Data Incorrect! (Q = 0)"},
               {3, -1.5f, ""},
               {2, 2, ""}};
  state.analysisOptions.LoadingType = 4;
  state.loadingDbState.LoadingSource = 2;  // typed in: the Q box opens without a question
  lf.frm_Distr.SetVisible(true);
  lf.DTt(0).SetVisible(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.q);
    host.messages.clear();
    state.loadingData.DistributionType = c.law;
    state.loadingData.DistQ = c.q;
    menus.mnu_Run.SetEnabled(false);
    main.dataBox().Result.SetVisible(true);
    rf.Pic_Distr_Click();
    if (*c.refusal) {
      ASSERT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(host.messages[0].text, c.refusal);
      EXPECT_EQ(host.messages[0].title, " Distribution Parameter");
      EXPECT_EQ(host.messages[0].icon, MsgIcon::Critical);
      EXPECT_EQ(main.ActiveControl(), &lf.DTt(0));
      EXPECT_FALSE(menus.mnu_Run.Enabled());
    } else {
      EXPECT_TRUE(host.messages.empty());
      EXPECT_TRUE(menus.mnu_Run.Enabled());
      EXPECT_FALSE(main.dataBox().Result.Visible());
    }
  }
  // Not for a spectrum.
  state.analysisOptions.LoadingType = 2;
  state.loadingData.DistQ = 0;
  host.messages.clear();
  rf.Pic_Distr_Click();
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DisplayMenus, LoadQuantityMenuSwitchesStressAndStrain) {
  state.resultsDisplay.PopupContext = 3;
  menus.mnu_report.SetEnabled(true);
  menus.mnu_form.SetEnabled(true);
  rf.Pic_Dam.SetVisible(true);
  menus.pop_disp1(2).click();
  EXPECT_EQ(state.loadingUnits.LoadQuantity, "Strain ");
  EXPECT_EQ(state.loadingUnits.LoadUnit, "\xC2\xB5str");
  EXPECT_FALSE(rf.Pic_Dam.Visible());
  EXPECT_FALSE(main.dataBox().Result.Visible());
  EXPECT_FALSE(menus.mnu_report.Enabled());
  EXPECT_FALSE(menus.mnu_form.Enabled());
  EXPECT_TRUE(lf.frm_Spectr.Visible()) << "the diagrams were redrawn";

  state.resultsDisplay.PopupContext = 3;
  menus.pop_disp1(1).click();
  EXPECT_EQ(state.loadingUnits.LoadQuantity, "Stress ");
  EXPECT_EQ(state.loadingUnits.LoadUnit, "MPa");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DisplayMenus, ConstantAmplitudeBatchIsGivenUpForAStrainSwitch) {
  state.analysisOptions.LoadingType = 3;
  state.loadingUnits.LoadQuantity = "Strain ";
  state.loadingData.StressRangeTo = 1000;
  state.resultsDisplay.PopupContext = 3;
  host.QueueAnswer(kAnswerCancel);
  menus.pop_disp1(1).click();
  ASSERT_EQ(host.messages.size(), 1u);
  const FakeHost::Message& m = host.messages[0];
  EXPECT_EQ(m.text, "The current Data Batch cannot be converted.\rDo you want to abandon the data?  ");
  EXPECT_EQ(m.title, " Stress / Strain Change ");
  EXPECT_EQ(m.buttons, MsgButtons::OKCancel);
  EXPECT_EQ(m.icon, MsgIcon::Exclamation);
  EXPECT_EQ(m.defaultButton, 2);
  EXPECT_EQ(state.loadingUnits.LoadQuantity, "Strain ") << "Cancel changes nothing";
  EXPECT_EQ(state.loadingDbState.LoadingSource, 1);

  host.QueueAnswer(kAnswerOK);
  menus.pop_disp1(1).click();
  EXPECT_EQ(state.loadingUnits.LoadQuantity, "Stress ");
  EXPECT_EQ(state.loadingDbState.LoadingSource, 2);
  EXPECT_EQ(state.loadingDbState.SelectedLoadingBatch, 0);
  EXPECT_FLOAT_EQ(state.loadingData.StressRangeTo, 210);
}

TEST_F(DisplayMenus, ExtensionDisplayChoice) {
  menus.pop_SN1(1).click();
  EXPECT_EQ(state.materialData.SNExtensionDisplay, 1);
  menus.pop_SN1(0).click();
  EXPECT_EQ(state.materialData.SNExtensionDisplay, 0);
}

TEST_F(DisplayMenus, RedrawShowsTheFramesOfTheLoadingType) {
  struct Case {
    int16_t type;
    bool distributionUp;
    bool hist, spectr, distr, dam;
  } cases[] = {
      {1, false, true, false, false, true},
      {2, false, false, true, false, true},
      {2, true, false, false, true, true},   // the distribution display stays up
      {3, true, false, true, false, true},   // not for a constant amplitude
      {4, false, false, false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    state.analysisOptions.LoadingType = c.type;
    state.loadingDatabase.BatchR[1] = 1.5f;
    lf.frm_Distr.SetVisible(c.distributionUp);
    lf.frm_Spectr.SetVisible(!c.distributionUp);
    RedrawDiagrams(main);
    EXPECT_EQ(lf.frm_Hist.Visible(), c.hist);
    EXPECT_EQ(lf.frm_Spectr.Visible(), c.spectr);
    EXPECT_EQ(lf.frm_Distr.Visible(), c.distr);
    EXPECT_EQ(rf.frm_Dam.Visible(), c.dam);
  }
  // The damage diagram is drawn when its frame comes up, not again while it is up.
  state.analysisOptions.LoadingType = 2;
  rf.frm_Dam.SetVisible(false);
  const int before = host.doEventsCalls;
  RedrawDiagrams(main);
  EXPECT_EQ(host.doEventsCalls, before + 1);
  RedrawDiagrams(main);
  EXPECT_EQ(host.doEventsCalls, before + 1);
}

TEST_F(DisplayMenus, RedrawPutsTheMasterCurveEndsInOrder) {
  state.analysisOptions.AnalysisMode = 2;
  state.analysisOptions.MasterCurveParameter = 1;
  state.loadingData.StressRangeFrom = 250;
  state.loadingData.StressRangeTo = 200;
  RedrawDiagrams(main);
  EXPECT_EQ(state.loadingData.StressRangeFrom, 200.0f);
}

}  // namespace
