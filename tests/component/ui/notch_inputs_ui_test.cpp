// The Kt, notch-radius and mean-stress notch-factor boxes of the job summary,
// typed into and left as the user does.

#include <string>

#include "data_box_fixture.h"
#include "diagrams/ui/result_frames_panel.h"
#include "shell/ui/numeric_box.h"
#include "shell/unit_settings.h"

namespace {

struct Refusal {
  const char* typed;
  const char* text;
  const char* title;
};

TEST_F(DataBoxTest, KtIsAcceptedFromOneToTwenty) {
  PlainSpecimen(1);
  state.wizardFlags.LoadingDataReady = true;
  TextBox& kt = box.SCFt(0);
  for (const char* typed : {"1", "20"}) {
    Enter(kt, typed);
    EXPECT_EQ(state.componentData.Kt, std::stof(typed));
  }
  box.Result.SetVisible(true);
  main.menus().mnu_form.SetEnabled(true);
  kt.SetFocus();
  EXPECT_FALSE(main.menus().mnu_Run.Enabled());
  EXPECT_TRUE(IsBeingEdited(kt));
  kt.typeText("2");
  kt.leave();
  const ComponentData& cd = state.componentData;
  for (float v : {cd.Kt, cd.SpecimenNotchFactor, cd.KtTo, cd.MseNotchFactor, cd.Kf}) EXPECT_EQ(v, 2.0f);
  EXPECT_EQ(cd.KtFrom, 3.0f);
  EXPECT_EQ(kt.Text(), "2.0");
  EXPECT_EQ(kt.Width(), 300 * state.layoutScales.FontScale);
  EXPECT_FALSE(IsBeingEdited(kt));
  EXPECT_EQ(kt.BackColor(), state.colourSettings.ColourDataBox);
  EXPECT_FALSE(box.Result.Visible());
  EXPECT_FALSE(main.menus().mnu_form.Enabled());
  EXPECT_TRUE(main.menus().mnu_Run.Enabled());
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
}

TEST_F(DataBoxTest, KtOutOfRangeIsRefusedInTheLabelsWording) {
  PlainSpecimen(1);
  const Refusal kt[] = {
      {"0.5", "Sorry, Data Incorrect!  (Kt < 1)", " Stress Conc. Factor (Kt)"},
      {"25", "Sorry, Data Incorrect!  (Kt > 20)", " Stress Conc. Factor (Kt)"},
      // a number beyond the Single range passes the bound on its side
      {"1e400", "Sorry, Data Incorrect!  (Kt > 20)", " Stress Conc. Factor (Kt)"},
      {"1e39", "Sorry, Data Incorrect!  (Kt > 20)", " Stress Conc. Factor (Kt)"},
      {"-1e39", "Sorry, Data Incorrect!  (Kt < 1)", " Stress Conc. Factor (Kt)"},
  };
  const Refusal kf[] = {
      {"0.5", "Sorry, Data Incorrect!  (Kf < 1)", " Notch Factor (Kf)"},
      {"abc", "Sorry, Data Incorrect!  (Kf < 1)", " Notch Factor (Kf)"},
  };
  const ComponentData before = state.componentData;
  auto check = [&](const Refusal& r) {
    SCOPED_TRACE(r.typed);
    host.messages.clear();
    host.events.clear();
    Enter(box.SCFt(0), r.typed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Last().text, r.text);
    EXPECT_EQ(Last().title, r.title);
    EXPECT_EQ(Last().icon, MsgIcon::Critical);
    EXPECT_EQ(host.events.front(), "Beep");
    EXPECT_EQ(box.SCFt(0).Text(), "3.0") << "the stored Kt comes back";
    EXPECT_TRUE(box.SCFt(0).HasFocus());
    EXPECT_EQ(state.componentData.Kt, before.Kt);
    EXPECT_EQ(state.componentData.Kf, before.Kf);
    main.MoveFocus(nullptr);
  };
  for (const Refusal& r : kt) check(r);
  box.SCF(0).click();
  for (const Refusal& r : kf) check(r);
}

TEST_F(DataBoxTest, KtShowsTheNotchRadiusWithNotchSensitivity) {
  PlainSpecimen(2);
  Enter(box.SCFt(0), "1");
  EXPECT_FALSE(box.Reliab.Visible());
  Enter(box.SCFt(0), "2");
  EXPECT_TRUE(box.Reliab.Visible());
  EXPECT_TRUE(box.Reliabt.Visible());
  // The label keeps the Kt wording while notch sensitivity is accounted.
  box.SCF(0).click();
  EXPECT_EQ(box.SCF(0).Caption(), "Stress Conc. Factor:  Kt = ");
}

TEST_F(DataBoxTest, TheUpperEndOfAKtMasterCurveShowsTheValueTyped) {
  PlainSpecimen(1);
  state.analysisOptions.AnalysisMode = 2;
  state.analysisOptions.MasterCurveParameter = 3;
  state.componentData.KtFrom = 2;
  Enter(box.SCFt(0), "5");
  EXPECT_EQ(state.componentData.KtTo, 5);
  EXPECT_EQ(state.componentData.SpecimenNotchFactor, 5);
  EXPECT_EQ(state.componentData.Kt, 3);
  EXPECT_EQ(box.SCFt(0).Text(), "5.0");
  Enter(box.SCFt(0), "1.5");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(Last().text, "Sorry, Data Incorrect! (Ktmax < Ktmin)");
  EXPECT_EQ(box.SCFt(0).Text(), "5.0");
  EXPECT_EQ(state.componentData.KtTo, 5);
}

TEST_F(DataBoxTest, NotchRadius) {
  state.componentData.Kt = 2;
  PlainSpecimen(2);
  ASSERT_TRUE(box.Reliabt.Visible());
  const struct {
    const char* typed;
    const char* reason;
  } refused[] = {{"0", "(r must be > 0)"},   {"-1", "(r must be > 0)"}, {"abc", "(r must be > 0)"},
                 {"-1e39", "(r must be > 0)"}, {"1e400", "(r too big)"},   {"1e39", "(r too big)"}};
  for (const auto& [typed, reason] : refused) {
    SCOPED_TRACE(typed);
    host.messages.clear();
    Enter(box.Reliabt, typed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Last().text, std::string("Sorry, Data Incorrect! ") + reason);
    EXPECT_EQ(Last().title, " Notch Radius");
    EXPECT_EQ(box.Reliabt.Text(), "1.0 ");
    EXPECT_EQ(state.componentData.NotchRadius, 1.0f);
    main.MoveFocus(nullptr);
  }
  host.messages.clear();
  main.results().Pic_Rel.SetVisible(true);
  box.ScattFact.SetVisible(true);
  Enter(box.Reliabt, "0.01");
  EXPECT_EQ(state.componentData.NotchRadius, 0.01f);
  Enter(box.Reliabt, "0.5");
  EXPECT_EQ(state.componentData.NotchRadius, 0.5f);
  EXPECT_EQ(box.Reliabt.Text(), "0.5 ");
  EXPECT_EQ(box.Reliabt.Width(), 400 * state.layoutScales.FontScale);
  EXPECT_FALSE(main.results().Pic_Rel.Visible());
  EXPECT_FALSE(box.ScattFact.Visible());
  EXPECT_TRUE(host.messages.empty());
  // In US units the radius is typed in inches and held in mm.
  state.unitSettings = UnitsOf(UnitSystem::US);
  Enter(box.Reliabt, "0.1");
  EXPECT_FLOAT_EQ(state.componentData.NotchRadius, 2.54f);
  EXPECT_EQ(box.Reliabt.Text(), "0.1 ");
}

TEST_F(DataBoxTest, RefusalsWhileTheSummaryIsHiddenAreDropped) {
  state.componentData.Kt = 2;
  PlainSpecimen(2);
  const ComponentData before = state.componentData;
  for (TextBox* b : {&box.SCFt(0), &box.Reliabt}) {
    b->SetFocus();
    box.frm_DBox.SetVisible(false);
    b->typeText("0");
    main.MoveFocus(nullptr);
    EXPECT_EQ(b->Text(), "0") << "the typed text stays";
    box.frm_DBox.SetVisible(true);
  }
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(state.componentData.Kt, before.Kt);
  EXPECT_EQ(state.componentData.NotchRadius, before.NotchRadius);
}

TEST_F(DataBoxTest, ArrowsOfTheNotchRadiusBox) {
  state.componentData.Kt = 2;
  PlainSpecimen(2);
  box.DTFft.SetVisible(true);
  box.Reliab.click();
  EXPECT_TRUE(box.Reliabt.HasFocus());
  box.Reliabt.keyDown(kKeyUp);
  EXPECT_TRUE(box.DTFft.HasFocus());
  box.Reliabt.SetFocus();
  box.Reliabt.keyDown(kKeyDown);
  EXPECT_TRUE(box.Subjt.HasFocus());
  box.Reliabt.SetFocus();
  box.Reliabt.keyDown(kKeyReturn);
  EXPECT_TRUE(box.Reliabt.HasFocus());
}

TEST_F(DataBoxTest, TheRandomVariableOfKtOpensOnlyOnTheIdleMainView) {
  PlainSpecimen(1);
  box.SCF_distr.click();
  EXPECT_EQ(host.beeps, 0);
  state.shellState.UiState = 0;
  box.SCF_distr.click();
  EXPECT_EQ(host.beeps, 1);
  state.shellState.BeepEnabled = 0;
  box.SCF_distr.click();
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(host.messages.empty());
}

// ---- the notch factor of the mean-stress effect (feature specimen, mean stress accounted)

TEST_F(DataBoxTest, MeanStressNotchFactorRefusals) {
  box.UpdateDataBox();
  TextBox& nf = box.DBmset(2);
  ASSERT_TRUE(nf.IsShowing());
  const Refusal kt[] = {
      {"0.99", "Sorry, Data Incorrect!  (Kt < 1)", " Stress Conc. Factor (Kt)"},
      {"20.5", "Sorry, Data Incorrect!  (Kt > 20)", " Stress Conc. Factor (Kt)"},
      {"", "Sorry, Data Incorrect!  (Kt < 1)", " Stress Conc. Factor (Kt)"},
  };
  const Refusal kf[] = {
      {"0.99", "Sorry, Data Incorrect!  (Kf < 1)", " Notch Factor (Kf)"},
      {"20.5", "Sorry, Data Incorrect!  (Kf > 20)", " Notch Factor (Kf)"},
      {"", "Sorry, Data Incorrect!  (Kf < 1)", " Notch Factor (Kf)"},
  };
  state.wizardFlags.LoadingDataReady = true;
  auto check = [&](const Refusal& r) {
    SCOPED_TRACE(r.typed);
    host.messages.clear();
    Enter(nf, r.typed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Last().text, r.text);
    EXPECT_EQ(Last().title, r.title);
    EXPECT_EQ(nf.Text(), "3.0 ");
    EXPECT_TRUE(nf.HasFocus());
    EXPECT_FALSE(main.menus().mnu_Run.Enabled()) << "back in the box for editing";
    EXPECT_EQ(state.materialData.KtInput, 3.0f);
    main.MoveFocus(nullptr);
  };
  for (const Refusal& r : kt) check(r);
  box.DDBmse(2).click();
  EXPECT_EQ(box.DDBmse(2).Caption(), "Kf = ");
  EXPECT_EQ(box.DDBmse(2).ToolTipText(), "Click to change for SCF, Kt");
  for (const Refusal& r : kf) check(r);
}

TEST_F(DataBoxTest, MeanStressNotchFactorAccepted) {
  state.analysisOptions.NotchSensitivityMode = 1;
  box.UpdateDataBox();
  for (const char* typed : {"1", "20"}) {
    Enter(box.DBmset(2), typed);
    EXPECT_EQ(state.materialData.KtInput, std::stof(typed));
  }
  Enter(box.DBmset(2), "2.5abc");
  EXPECT_EQ(box.DBmset(2).Text(), "2.5 ");
  EXPECT_EQ(state.componentData.Kf, 2.5f);
  EXPECT_EQ(state.materialData.KtInput, 2.5f);
  EXPECT_EQ(state.componentData.MseNotchFactor, 2.5f);
  // The Kf wording stores the same fields.
  box.DDBmse(2).click();
  Enter(box.DBmset(2), "4");
  EXPECT_EQ(state.componentData.Kf, 4.0f);
  EXPECT_EQ(state.materialData.KtInput, 4.0f);
  EXPECT_EQ(state.componentData.MseNotchFactor, 4.0f);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DataBoxTest, ArrowsOfTheNotchFactorToggleItsLabel) {
  box.UpdateDataBox();
  TextBox& nf = box.DBmset(2);
  nf.SetFocus();
  nf.keyDown(kKeyUp);
  EXPECT_EQ(box.DDBmse(2).Caption(), "Kf = ");
  EXPECT_TRUE(nf.HasFocus());
  nf.keyDown(kKeyDown);
  EXPECT_EQ(box.DDBmse(2).Caption(), "Kt = ");
  EXPECT_EQ(state.componentData.MseNotchFactor, 3.0f);
  EXPECT_EQ(state.materialData.KtInput, 3.0f);
  state.shellState.ToolTipMode = 1;
  nf.keyDown(kKeyDown);
  EXPECT_EQ(box.DDBmse(2).ToolTipText(), "");
}

TEST_F(DataBoxTest, TheMeanStressLineEndsAnEdit) {
  box.UpdateDataBox();
  state.wizardFlags.LoadingDataReady = true;
  TextBox& nf = box.DBmset(2);
  nf.SetFocus();
  nf.typeText("2");
  EXPECT_FALSE(main.menus().mnu_Run.Enabled());
  box.DBmse(0).click();
  EXPECT_FALSE(nf.HasFocus());
  EXPECT_EQ(state.materialData.KtInput, 2.0f);
  EXPECT_TRUE(main.menus().mnu_Run.Enabled());

  // A distribution, a neglected mean stress or a short tag: the click does nothing.
  state.resultsDisplay.MseTag = "MSE(+)";
  nf.SetFocus();
  nf.typeText("5");
  box.DBmse(1).click();
  EXPECT_TRUE(nf.HasFocus());
  EXPECT_EQ(state.materialData.KtInput, 2.0f);
}

TEST_F(DataBoxTest, TheMeanStressLineWithoutTheNotchFactorRow) {
  PlainSpecimen(1);  // no notch-factor row for a plain specimen
  state.resultsDisplay.MseTag = "MSE(+): ";
  state.componentData.Kf = 2.25f;
  box.Result.SetVisible(true);
  main.results().Pic_Rel.SetVisible(true);
  main.menus().mnu_report.SetEnabled(true);
  box.DBmse(0).click();
  EXPECT_FALSE(box.Result.Visible());
  EXPECT_FALSE(main.results().Pic_Rel.Visible());
  EXPECT_FALSE(main.menus().mnu_report.Enabled());
  EXPECT_EQ(box.DDBmse(2).Caption(), "Kf = ");
  EXPECT_EQ(box.DBmset(2).Text(), "2.25");
  EXPECT_FALSE(box.DBmset(2).Visible());
}

}  // namespace
