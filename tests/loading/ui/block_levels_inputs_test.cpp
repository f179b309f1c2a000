// The stress inputs on the spectrum diagram, typed into and left as the
// user does: SS, the ends of a master curve, the mean or minimum, the
// switches, the moves of Up and Down and the stress or strain popup.

#include <string>

#include "loading/ui/loading_inputs_fixture.h"
#include "shell/ui/numeric_box.h"

namespace {

class SpectrumInputs : public LoadingInputs {
 protected:
  void SetUp() override { Show(3); }
  // A constant amplitude as typed: range and minimum (1) or amplitude and mean (2).
  void Stresses(int16_t inputMode, float range, float minOrMean) {
    LoadingData& l = state.loadingData;
    l.StressInputMode = inputMode;
    l.StressRange = l.StressRangeTo = range;
    l.StressMinOrMean = l.StressMinOrMeanInput = minOrMean;
    Show(3);
  }
};

TEST_F(SpectrumInputs, EmptyStressReadsAsZero) {
  struct Case {
    int16_t inputMode;
    float minimum;
  } cases[] = {{2, 0}, {1, 0}, {1, 20}};
  for (const Case& c : cases) {
    Stresses(c.inputMode, 100, c.minimum);
    Enter(lf.SSmaxt(0), "");
    EXPECT_TRUE(host.messages.empty()) << c.inputMode << " " << c.minimum;
    EXPECT_EQ(state.loadingData.StressRangeTo, 0.0f);
    EXPECT_EQ(state.loadingData.StressRange, 0.0f);
  }
}

TEST_F(SpectrumInputs, AnAcceptedStressIsStoredShownAndRedrawn) {
  ShowResults();
  menus.mnu_Run.SetEnabled(true);
  TextBox& box = lf.SSmaxt(0);
  box.SetFocus();
  EXPECT_FALSE(menus.mnu_Run.Enabled()) << "no run while a box is edited";
  EXPECT_TRUE(IsBeingEdited(box));
  box.typeText("150");
  box.leave();
  const LoadingData& l = state.loadingData;
  EXPECT_EQ(l.StressRangeTo, 300.0f) << "an amplitude, held as a range";
  EXPECT_EQ(l.StressRange, 300.0f);
  EXPECT_EQ(l.MaxStressInput, 300.0f);
  EXPECT_EQ(l.LoadSmax, 150.0f);
  EXPECT_EQ(l.LoadSmin, -150.0f);
  EXPECT_EQ(lf.SSmax(0).Caption(), "150.0  MPa");
  EXPECT_EQ(box.Text(), "150.0");
  EXPECT_EQ(box.Width(), 500 * state.layoutScales.FontScale);
  EXPECT_FALSE(IsBeingEdited(box));
  EXPECT_EQ(lf.SSrng(0).Caption(), "") << "a single case is redrawn: its tag is empty";
  EXPECT_FALSE(LifeShown());
  EXPECT_FALSE(ReliabilityShown());
  EXPECT_FALSE(PrintMenusOn());
  EXPECT_TRUE(menus.mnu_Run.Enabled());
  EXPECT_TRUE(host.messages.empty());

  // In US units the amplitude is typed in ksi.
  state.loadingUnits.LoadUnitFactor = 1 / 6.895f;
  state.loadingUnits.LoadUnit = "ksi";
  Enter(box, "10");
  EXPECT_NEAR(l.StressRangeTo, 137.9f, 0.001f);
  EXPECT_EQ(lf.SSmax(0).Caption(), "10.0  ksi");
}

TEST_F(SpectrumInputs, RefusedStressesKeepTheStoredRange) {
  struct Case {
    const char* what;
    int16_t inputMode, meanOption;
    float minimum;
    const char* typed;
    const char* text;
    const char* title;
    const char* restored;
  } cases[] = {
      {"negative amplitude", 2, 2, 0, "-5", "Sorry, Data Incorrect! (SS < 0)", "Stress Amplitude (SS)", "50.0"},
      {"beyond Single", 2, 2, 0, "1e39", "Sorry, Data Incorrect! (SS too big)", "Stress Amplitude (SS)", "50.0"},
      {"beyond Single, negative", 2, 2, 0, "-1e39", "Sorry, Data Incorrect! (SS < 0)", "Stress Amplitude (SS)", "50.0"},
      {"below Single", 1, 2, 0, "1e-50", "Sorry, Data Incorrect! (SS < 0)", "Stress Amplitude (SS)", "100.0"},
      {"negative implied mean", 1, 2, -60, "100", "Sorry, Data Incorrect! (Sm < 0)", "Stress Amplitude (SS)", "100.0"},
      {"mean stress neglected", 2, 1, 0, "-5", "Sorry, Data Incorrect! ", "Stress Range (SS)", "50.0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state.analysisOptions.MeanStressOption = c.meanOption;
    Stresses(c.inputMode, 100, c.minimum);
    const LoadingData before = state.loadingData;
    Forget();
    Enter(lf.SSmaxt(0), c.typed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Last().text, c.text);
    EXPECT_EQ(Last().title, c.title);
    EXPECT_EQ(Last().icon, MsgIcon::Critical);
    EXPECT_EQ(host.events.front(), "Beep");
    EXPECT_EQ(lf.SSmaxt(0).Text(), c.restored);
    EXPECT_TRUE(lf.SSmaxt(0).HasFocus());
    EXPECT_EQ(state.loadingData, before);
    main.MoveFocus(nullptr);
  }
}

TEST_F(SpectrumInputs, ARefusalWhileTheDiagramIsHiddenIsDropped) {
  TextBox& box = lf.SSmaxt(0);
  box.SetFocus();
  box.typeText("-5");
  lf.Pic_Spectr.SetVisible(false);
  main.MoveFocus(nullptr);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(box.Text(), "-5");
  EXPECT_EQ(state.loadingData.StressRangeTo, 100.0f);
}

TEST_F(SpectrumInputs, TheMeanOrMinimum) {
  const char* negative = "Sorry, No mean stress effect for Sm < 0.";
  const char* tooBig = "Sorry, Data Incorrect! (Sm too big)";
  struct Case {
    int16_t inputMode;
    const char* typed;
    const char* refusal;  // nullptr: accepted
    float smax, smin;
    const char* caption;
  } cases[] = {
      {2, "-0.001", negative, 0, 0, ""},
      {2, "20", nullptr, 70, -30, "Mean Stress =  20.0  MPa"},
      {1, "-50.001", nullptr, 49.999f, -50.001f, "Min. Stress =  -50.0  MPa"},
      {1, "-50.002", negative, 0, 0, ""},
      {1, "1e400", tooBig, 0, 0, ""},
      {2, "1e39", tooBig, 0, 0, ""},
      {2, "-1e39", negative, 0, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Stresses(c.inputMode, 100, 0);
    Forget();
    ShowResults();
    Enter(lf.SSmeant, c.typed);
    if (c.refusal) {
      ASSERT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(Last().text, c.refusal);
      EXPECT_EQ(Last().title, " Mean Stress Effect");
      EXPECT_EQ(Last().icon, c.refusal == negative ? MsgIcon::Information : MsgIcon::Critical);
      EXPECT_EQ(host.events.front(), "Beep");
      EXPECT_EQ(lf.SSmeant.Text(), "0.0");
      EXPECT_TRUE(lf.SSmeant.HasFocus());
      EXPECT_EQ(state.loadingData.StressMinOrMean, 0.0f);
      EXPECT_TRUE(LifeShown());
      main.MoveFocus(nullptr);
      continue;
    }
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FLOAT_EQ(state.loadingData.LoadSmax, c.smax);
    EXPECT_FLOAT_EQ(state.loadingData.LoadSmin, c.smin);
    EXPECT_EQ(state.loadingData.StressMinOrMeanInput, state.loadingData.StressMinOrMean);
    EXPECT_FALSE(LifeShown());
    EXPECT_FALSE(ReliabilityShown());
    EXPECT_TRUE(PrintMenusOn()) << "the mean leaves the print menus alone";
    EXPECT_EQ(lf.SSmean.Caption(), c.caption);
  }
}

TEST_F(SpectrumInputs, AMasterCurveKeepsItsEndsInOrder) {
  state.analysisOptions.AnalysisMode = 2;
  state.analysisOptions.MasterCurveParameter = 1;
  Show(3);
  ASSERT_TRUE(lf.SSmaxt(1).IsShowing());
  Enter(lf.SSmaxt(1), "50");  // equal ends
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(lf.SSrng(1).Caption(), "(Min)");
  Enter(lf.SSmaxt(0), "40");  // the upper end below the lower
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(Last().text, "Sorry, Data Incorrect! (SSmax < SSmin)");
  EXPECT_EQ(lf.SSmaxt(0).Text(), "50.0");
  main.MoveFocus(nullptr);
  Enter(lf.SSmaxt(0), "200");
  EXPECT_EQ(state.loadingData.StressRangeTo, 400.0f);
  EXPECT_EQ(lf.SSrng(0).Caption(), "(Max)") << "a master curve is not redrawn here";
  Forget();
  Enter(lf.SSmaxt(1), "-10");  // a negative lower end with a positive upper
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(state.loadingData.StressRangeFrom, 100.0f);
}

TEST_F(SpectrumInputs, TheSwitchesOfTheRangeAndTheMean) {
  Stresses(2, 100, 20);
  lf.SSrng(0).click();
  EXPECT_EQ(state.loadingData.StressInputMode, 1);
  EXPECT_EQ(lf.SSmaxt(0).Text(), "100.0") << "redrawn: the range shows as a range";
  Enter(lf.SSmaxt(0), lf.SSmaxt(0).Text());  // the next entry derives the pair
  EXPECT_EQ(state.loadingData.LoadSmax, 120.0f);
  EXPECT_EQ(state.loadingData.LoadSmin, 20.0f);

  lf.SSmean.click();  // minimum 20 to the mean of the same loading
  EXPECT_EQ(state.loadingData.StressInputMode, 2);
  EXPECT_EQ(state.loadingData.StressMinOrMean, 70.0f);
  EXPECT_EQ(lf.SSmean.Caption(), "Mean Stress =  70.0  MPa");
  EXPECT_FALSE(lf.SSmeant.HasFocus()) << "the focus stays where it was";

  state.analysisOptions.MeanStressOption = 1;
  lf.SSrng(0).click();
  EXPECT_EQ(state.loadingData.StressInputMode, 2) << "nothing while the mean stress is neglected";
  lf.SSmean.click();
  EXPECT_EQ(state.loadingData.StressInputMode, 1);
  EXPECT_EQ(state.loadingData.StressMinOrMean, 0.0f);
}

TEST_F(SpectrumInputs, UpAndDownMoveBetweenTheBoxes) {
  struct Case {
    int16_t mode, meanOption;
    TextBox* from;
    int key;
    TextBox* to;  // nullptr: the focus stays
  };
  TextBox* ss0 = &lf.SSmaxt(0);
  TextBox* ss1 = &lf.SSmaxt(1);
  TextBox* mean = &lf.SSmeant;
  const Case cases[] = {
      {1, 2, ss0, kKeyDown, mean}, {1, 2, ss0, kKeyUp, mean},    {1, 2, mean, kKeyUp, ss0},
      {1, 2, mean, kKeyDown, ss0}, {1, 1, ss0, kKeyDown, nullptr}, {2, 2, ss0, kKeyDown, ss1},
      {2, 2, ss1, kKeyUp, ss0},    {2, 2, ss1, kKeyDown, mean},  {2, 2, mean, kKeyUp, ss1},
      {2, 1, ss1, kKeyDown, nullptr}, {1, 2, ss0, kKeyLeft, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from->Name() + std::to_string(c.from->Index()) + " key " + std::to_string(c.key));
    state.analysisOptions.AnalysisMode = c.mode;
    state.analysisOptions.MeanStressOption = c.meanOption;
    Show(3);
    c.from->SetFocus();
    c.from->keyDown(c.key);
    EXPECT_EQ(main.ActiveControl(), c.to ? c.to : c.from);
    main.MoveFocus(nullptr);
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SpectrumInputs, TheStressOrStrainPopupOfAConstantAmplitude) {
  lf.SSmax(0).mouseDown(kLeftButton, 0, 0, 0);
  EXPECT_TRUE(host.popups.empty()) << "only the right button";
  host.QueueMenuChoice("Loading in [\xC2\xB5str]");
  lf.SSmax(0).mouseDown(kRightButton, 0, 0, 0);
  ASSERT_EQ(host.popups.size(), 1u);
  const auto& items = host.popups.back();
  EXPECT_FALSE(items[0].visible);
  EXPECT_EQ(items[1].caption, "Loading in [MPa]");
  EXPECT_TRUE(items[1].checked);
  EXPECT_EQ(items[2].caption, "Loading in [\xC2\xB5str]");
  EXPECT_FALSE(items[2].checked);
  EXPECT_EQ(state.resultsDisplay.PopupContext, 3);
  EXPECT_EQ(state.loadingUnits.LoadQuantity, "Strain ");

  lf.SSmax(0).mouseDown(kRightButton, 0, 0, 0);
  EXPECT_TRUE(host.popups.back()[2].checked) << "the unit in use is checked";
  EXPECT_FALSE(host.popups.back()[1].checked);

  Show(2);
  lf.SSmax(0).mouseDown(kRightButton, 0, 0, 0);
  EXPECT_EQ(host.popups.size(), 2u) << "a block spectrum has no unit popup";
}

}  // namespace
