// The inputs on the distribution diagram, typed into and left as the user
// does: Q and R, the stress range and its ends, the mean or minimum, the
// block volume, the batch question and the ring of Up and Down moves.

#include <string>
#include <vector>

#include "loading/ui/loading_inputs_fixture.h"
#include "shell/ui/numeric_box.h"

namespace {

class DistributionInputs : public LoadingInputs {
 protected:
  void SetUp() override { Show(4); }
  // A database batch (row 2) of a Beta distribution in use.
  void UseBatch() {
    state.loadingDbState.SelectedLoadingBatch = 2;
    state.loadingDbState.LoadingSource = 1;
    state.loadingDatabase.BatchQ[2] = 2;
    state.loadingDatabase.BatchR[2] = 5;
    state.jobTexts.LoadingName = "Crane runway";
    main.dataBox().frm_DBox.SetVisible(true);
    Show(4);
  }
  // A block spectrum shown as a distribution: the diagram with the mean row.
  void ShowSpectrumAsDistribution() {
    state.loadingDbState.SelectedLoadingBatch = 3;
    state.loadingDbState.LoadingSource = 1;
    state.loadingDatabase.BatchQ[3] = 2;
    state.loadingDatabase.BatchR[3] = 4;
    Show(2);
    ASSERT_TRUE(lf.DTmeant.IsShowing());
  }
  // The law items of the popup menu the diagram opened last.
  std::vector<std::string> LawsShown() const {
    std::vector<std::string> captions;
    for (const PopupMenuItem& item : host.popups.back()) captions.push_back(item.caption);
    return captions;
  }
};

TEST_F(DistributionInputs, TheParametersByLaw) {
  struct Case {
    int16_t law;
    int index;
    const char* typed;
    const char* refusal;
    const char* restored;
  } cases[] = {
      {1, 0, "500", "", ""},
      {1, 0, "1000", "Sorry, Data Incorrect! (Q> 100)", "3.0"},
      {1, 0, "-2", "Sorry, Data Incorrect! (Q< 0)", "3.0"},
      {1, 1, "0", "Sorry, Data Incorrect! (R< 0)", "3.0"},
      {1, 1, "99.9", "", ""},
      // beyond the Single range: the bound passed on the number's side
      {1, 1, "1e400", "Sorry, Data Incorrect! (R> 100)", "3.0"},
      {1, 0, "1e39", "Sorry, Data Incorrect! (Q> 100)", "3.0"},
      {1, 1, "1e39", "Sorry, Data Incorrect! (R> 100)", "3.0"},
      {2, 0, "1e39", "Sorry, Data Incorrect! (Q> 100)", "3.0"},
      {1, 0, "-1e39", "Sorry, Data Incorrect! (Q< 0)", "3.0"},
      {1, 1, "1e-50", "Sorry, Data Incorrect! (R< 0)", "3.0"},  // too small for a Single: no number
      {3, 0, "5000", "Sorry, Data Incorrect! (Q> 100)", "3.0"},  // no largest stress range within Single
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ProgramState fresh;
    state.loadingData = fresh.loadingData;
    state.loadingData.DistributionType = c.law;
    Show(4);
    Forget();
    host.popups.clear();
    ShowResults();
    const std::string name = c.index == 0 ? "Q" : "R";
    Enter(lf.DTt(c.index), c.typed);
    if (*c.refusal) {
      ASSERT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(Last().text, c.refusal);
      EXPECT_EQ(Last().title, " Distribution Parameter (" + name + ")");
      EXPECT_EQ(Last().icon, MsgIcon::Critical);
      EXPECT_EQ(host.events.front(), "Beep");
      EXPECT_EQ(lf.DTt(c.index).Text(), c.restored);
      ASSERT_EQ(host.popups.size(), 1u) << "the law menu opens";
      EXPECT_EQ(LawsShown(),
                (std::vector<std::string>{"&Beta Distribution", "&Weibull Distribution", "&Log-Norm Distribution"}));
      EXPECT_FALSE(lf.DTt(c.index).HasFocus()) << "the focus is not put back";
      EXPECT_EQ(state.loadingData.DistQInput, 3.0f);
      EXPECT_EQ(state.loadingData.DistRInput, 3.0f);
      EXPECT_TRUE(LifeShown());
      continue;
    }
    EXPECT_TRUE(host.messages.empty());
    const float v = std::stof(c.typed);
    EXPECT_EQ(c.index == 0 ? state.loadingData.DistQInput : state.loadingData.DistRInput, v);
    EXPECT_EQ(c.index == 0 ? state.loadingData.DistQ : state.loadingData.DistR, v);
    EXPECT_EQ(lf.DT(c.index).Caption(), name + " = " + lf.DTt(c.index).Text()) << "redrawn";
    EXPECT_EQ(lf.DTt(c.index).ForeColor(), 0);
    EXPECT_EQ(lf.DTt(c.index).BackColor(), state.colourSettings.ColourLoading);
    EXPECT_FALSE(LifeShown());
    EXPECT_FALSE(ReliabilityShown());
    EXPECT_FALSE(PrintMenusOn());
    EXPECT_TRUE(menus.mnu_Run.Enabled());
  }
}

TEST_F(DistributionInputs, AWeibullScaleIsTypedInTheDisplayUnit) {
  state.loadingData.DistributionType = 2;
  state.loadingUnits.LoadUnitFactor = 1 / 6.895f;
  state.loadingUnits.LoadUnit = "ksi";
  Show(4);
  Enter(lf.DTt(0), "10");
  EXPECT_NEAR(state.loadingData.DistQInput, 68.95f, 0.001f) << "stored in MPa";
  EXPECT_EQ(lf.DTt(0).Text(), "10.0") << "shown in ksi";
  // A refused value shows the stored Q in ksi again.
  Enter(lf.DTt(0), "1000");
  EXPECT_EQ(lf.DTt(0).Text(), "10.0");
  EXPECT_NEAR(state.loadingData.DistQInput, 68.95f, 0.001f);
}

TEST_F(DistributionInputs, ADatabaseBatchIsLeftOnlyOnYes) {
  UseBatch();
  lf.DT(0).click();
  EXPECT_FALSE(lf.DTt(0).HasFocus()) << "the label opens nothing with a batch";
  lf.DTvolume.click();
  EXPECT_FALSE(lf.DTvolumet.HasFocus());
  EXPECT_TRUE(host.messages.empty());

  host.QueueAnswer(kAnswerNo);
  lf.DTt(0).SetFocus();  // as a Tab into the box
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(Last().text, "Would you like to abandon the data batch\rand input arbitrary parameters through the keyboard?");
  EXPECT_EQ(Last().title, " Loading Data");
  EXPECT_EQ(Last().buttons, MsgButtons::YesNo);
  EXPECT_EQ(Last().icon, MsgIcon::Question);
  EXPECT_EQ(Last().defaultButton, 1);
  EXPECT_EQ(host.events.front(), "Beep");
  EXPECT_EQ(main.ActiveControl(), &main.dataBox().pic_DBox);
  EXPECT_FALSE(IsBeingEdited(lf.DTt(0)));
  EXPECT_EQ(state.loadingDbState.SelectedLoadingBatch, 2);
  EXPECT_EQ(state.loadingDbState.LoadingSource, 1);

  host.QueueAnswer(kAnswerYes);
  lf.DTt(1).SetFocus();
  EXPECT_EQ(state.loadingDbState.SelectedLoadingBatch, 0);
  EXPECT_EQ(state.loadingDbState.LoadingSource, 2);
  EXPECT_EQ(state.jobTexts.LoadingName, "???");
  EXPECT_EQ(main.dataBox().Loadt.Text(), "???");
  EXPECT_TRUE(IsBeingEdited(lf.DTt(1)));
  lf.DT(0).click();
  EXPECT_TRUE(lf.DTt(0).HasFocus()) << "keyboard input now";
  EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(DistributionInputs, TheStressBoxesHandOverForATypedWeibull) {
  state.loadingData.DistributionType = 2;
  Show(4);
  lf.DTSmaxt(1).SetFocus();
  EXPECT_EQ(main.ActiveControl(), &lf.Pic_Distr) << "the range follows from Q and R";
  EXPECT_FALSE(IsBeingEdited(lf.DTSmaxt(1)));
  // A batch's block volume hands over too; its stress box opens.
  UseBatch();
  lf.DTvolumet.SetFocus();
  EXPECT_EQ(main.ActiveControl(), &lf.Pic_Distr);
  lf.DTSmaxt(1).SetFocus();
  EXPECT_TRUE(IsBeingEdited(lf.DTSmaxt(1)));
}

TEST_F(DistributionInputs, TheStressRange) {
  ShowResults();
  Enter(lf.DTSmaxt(1), "100");
  EXPECT_EQ(state.loadingData.StressRangeTo, 200.0f) << "an amplitude, held as a range";
  EXPECT_EQ(state.loadingData.StressRange, 200.0f);
  EXPECT_EQ(state.loadingData.LoadSmax, 100.0f);
  EXPECT_EQ(lf.DTSmax(1).Caption(), "100.0  MPa");
  EXPECT_EQ(lf.DTSmaxt(1).Text(), "100.0");
  EXPECT_EQ(lf.DTSmaxt(1).Width(), 500 * state.layoutScales.FontScale);
  EXPECT_FALSE(LifeShown());
  EXPECT_FALSE(ReliabilityShown());
  EXPECT_FALSE(PrintMenusOn());

  const struct {
    const char* typed;
    const char* text;
  } refused[] = {{"-1", "Sorry, Data Incorrect!"},
                 {"-1e39", "Sorry, Data Incorrect!"},
                 {"1e-50", "Sorry, Data Incorrect!"},
                 {"1e400", "Sorry, Data Incorrect! (SS too big)"}};
  for (const auto& [typed, text] : refused) {
    Forget();
    Enter(lf.DTSmaxt(1), typed);
    ASSERT_EQ(host.messages.size(), 1u) << typed;
    EXPECT_EQ(Last().text, text);
    EXPECT_EQ(Last().title, "Stress Amplitude");
    EXPECT_EQ(lf.DTSmaxt(1).Text(), "100.0");
    EXPECT_TRUE(lf.DTSmaxt(1).HasFocus());
    main.MoveFocus(nullptr);
  }
  EXPECT_EQ(state.loadingData.StressRangeTo, 200.0f);

  // Hidden: dropped without a word.
  Forget();
  lf.DTSmaxt(1).SetFocus();
  lf.DTSmaxt(1).typeText("-1");
  lf.Pic_Distr.SetVisible(false);
  main.MoveFocus(nullptr);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(lf.DTSmaxt(1).Text(), "-1");
  EXPECT_EQ(state.loadingData.StressRangeTo, 200.0f);
}

TEST_F(DistributionInputs, TheEndsOfAMasterCurve) {
  state.analysisOptions.AnalysisMode = 2;
  state.analysisOptions.MeanStressOption = 1;
  state.loadingData.StressInputMode = 1;
  Show(4);
  ASSERT_TRUE(lf.DTSmaxt(0).IsShowing());
  Enter(lf.DTSmaxt(0), "101");  // above the upper end of 100
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(Last().text, "Sorry, Data Incorrect! (SSmax < SSmin)");
  EXPECT_EQ(Last().title, "Stress Range");
  main.MoveFocus(nullptr);
  Enter(lf.DTSmaxt(0), "40");
  Enter(lf.DTSmaxt(1), "300");
  EXPECT_EQ(state.loadingData.StressRangeFrom, 40.0f);
  EXPECT_EQ(state.loadingData.StressRangeTo, 300.0f);
  EXPECT_EQ(state.loadingData.StressRange, 100.0f) << "a master curve keeps the range in use";
}

TEST_F(DistributionInputs, TheMeanOrMinimum) {
  state.loadingData.StressInputMode = 1;
  state.loadingData.StressRangeTo = 100;
  ShowSpectrumAsDistribution();
  ShowResults();
  Enter(lf.DTmeant, "-40");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.beeps, 1) << "a negative minimum is taken after a beep";
  EXPECT_EQ(state.loadingData.LoadSmax, 60.0f);
  EXPECT_EQ(state.loadingData.LoadSmin, -40.0f);
  EXPECT_EQ(state.loadingData.StressRange, 100.0f);
  EXPECT_EQ(lf.DTmean.Caption(), "Min. Stress =  -40.0  MPa");
  EXPECT_EQ(lf.DTmeant.Text(), "-40.0");
  EXPECT_FALSE(LifeShown());
  EXPECT_TRUE(ReliabilityShown()) << "the mean leaves the reliability alone";
  EXPECT_FALSE(PrintMenusOn());

  Forget();
  Enter(lf.DTmeant, "-60");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(Last().text, "Sorry, No mean stress effect for Sm < 0.");
  EXPECT_EQ(Last().title, " Mean Stress Effect");
  EXPECT_EQ(Last().icon, MsgIcon::Information);
  EXPECT_EQ(host.beeps, 1) << "one beep";
  EXPECT_EQ(lf.DTmeant.Text(), "-40.0");
  EXPECT_TRUE(lf.DTmeant.HasFocus());
  EXPECT_EQ(state.loadingData.LoadSmin, -40.0f);
  main.MoveFocus(nullptr);

  // The refusal shows while the diagram is hidden too.
  Forget();
  lf.DTmeant.SetFocus();
  lf.DTmeant.typeText("-60");
  lf.Pic_Distr.SetVisible(false);
  main.MoveFocus(nullptr);
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(DistributionInputs, TheBlockVolume) {
  const char* tooFew = "Sorry, Data Incorrect! (NS < 1)";
  const char* tooMany = "Sorry, Data Incorrect! (NS > 2147483647)";
  struct Case {
    const char* typed;
    const char* refusal;  // nullptr: accepted
    const char* caption;
  } cases[] = {{"1", tooFew, ""},     {"1.4", tooFew, ""},   {"-1e39", tooFew, ""},       {"1e10", tooMany, ""},
               {"1e39", tooMany, ""}, {"1.6", nullptr, "n = 2 cyc"}, {"2500", nullptr, "n = 2500 cyc"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Forget();
    ShowResults();
    const int32_t before = state.loadingData.CyclesPerBlock;
    Enter(lf.DTvolumet, c.typed);
    if (c.refusal) {
      ASSERT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(Last().text, c.refusal);
      EXPECT_EQ(Last().title, "Block volume");
      EXPECT_EQ(Last().icon, MsgIcon::Critical);
      EXPECT_EQ(lf.DTvolumet.Text(), std::to_string(before));
      EXPECT_EQ(state.loadingData.CyclesPerBlock, before);
      EXPECT_TRUE(lf.DTvolumet.HasFocus());
      main.MoveFocus(nullptr);
      continue;
    }
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(lf.DTvolume.Caption(), c.caption);
    EXPECT_EQ(lf.DTvolumet.Text(), c.typed) << "the box keeps the text as typed";
    EXPECT_EQ(state.loadingData.CyclesPerBlock, state.loadingData.BlockVolumeEntry);
    EXPECT_FALSE(LifeShown());
    EXPECT_FALSE(ReliabilityShown());
  }
  EXPECT_EQ(state.loadingData.CyclesPerBlock, 2500);
}

TEST_F(DistributionInputs, TheSwitches) {
  ShowSpectrumAsDistribution();
  lf.DTmean.click();
  EXPECT_EQ(state.loadingData.StressInputMode, 1);
  EXPECT_EQ(state.loadingData.StressMinOrMean, -50.0f) << "the minimum of the loading";
  EXPECT_TRUE(lf.DTmeant.HasFocus());
  EXPECT_GE(host.doEventsCalls, 1);
  lf.DTrng(1).click();
  EXPECT_EQ(state.loadingData.StressInputMode, 2);
  EXPECT_EQ(state.loadingData.StressMinOrMean, -50.0f) << "not converted";
  state.analysisOptions.MeanStressOption = 1;
  lf.DTrng(1).click();
  EXPECT_EQ(state.loadingData.StressInputMode, 2) << "nothing while the mean stress is neglected";
}

TEST_F(DistributionInputs, UpAndDownRunTheRing) {
  // Down goes Q -> R -> upper range (-> lower range) -> Q, Up the reverse way.
  struct Ring {
    int16_t mode;
    std::vector<TextBox*> boxes;
  };
  const Ring rings[] = {
      {1, {&lf.DTt(0), &lf.DTt(1), &lf.DTSmaxt(1)}},
      {2, {&lf.DTt(0), &lf.DTt(1), &lf.DTSmaxt(1), &lf.DTSmaxt(0)}},
  };
  for (const Ring& ring : rings) {
    state.analysisOptions.AnalysisMode = ring.mode;
    Show(4);
    const size_t n = ring.boxes.size();
    for (size_t i = 0; i < n; ++i) {
      SCOPED_TRACE(ring.boxes[i]->Name() + std::to_string(ring.boxes[i]->Index()) + " mode " +
                   std::to_string(ring.mode));
      ring.boxes[i]->SetFocus();
      ring.boxes[i]->keyDown(kKeyDown);
      EXPECT_EQ(main.ActiveControl(), ring.boxes[(i + 1) % n]);
      ring.boxes[i]->SetFocus();
      ring.boxes[i]->keyDown(kKeyUp);
      EXPECT_EQ(main.ActiveControl(), ring.boxes[(i + n - 1) % n]);
    }
    main.MoveFocus(nullptr);
  }
  EXPECT_TRUE(host.messages.empty());

  // In a single case the lower end opens nothing: its label, or Up from the mean.
  state.analysisOptions.AnalysisMode = 1;
  Show(4);
  lf.DTSmax(0).click();
  EXPECT_EQ(main.ActiveControl(), nullptr);
  ShowSpectrumAsDistribution();
  lf.DTmeant.SetFocus();
  lf.DTmeant.keyDown(kKeyUp);
  EXPECT_EQ(main.ActiveControl(), &lf.DTmeant);
  lf.DTmeant.keyDown(kKeyDown);
  EXPECT_EQ(main.ActiveControl(), &lf.DTmeant) << "Down goes to the lower end, which a single case lacks";
}

TEST_F(DistributionInputs, ALawThatCannotBeFittedIsKept) {
  // A Weibull whose weight all lies in the top block (as its parameters stand
  // in use, relative to Smax): no Beta can be fitted to it.
  state.loadingData.DistributionType = 2;
  Show(4);
  state.loadingData.DistQ = 0.01f;
  state.loadingData.DistR = 2;
  const LoadingData before = state.loadingData;
  const std::string caption = lf.frm_Distr.Caption();
  const int drawings = host.doEventsCalls;
  host.QueueMenuChoice("&Beta Distribution");
  lf.Pic_Distr.mouseDown(kRightButton, 0, 100, 100);
  EXPECT_EQ(state.loadingData, before) << "the law in use and its parameters stay";
  EXPECT_EQ(lf.frm_Distr.Caption(), caption);
  EXPECT_EQ(host.doEventsCalls, drawings) << "nothing is drawn";
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
