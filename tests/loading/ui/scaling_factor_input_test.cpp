// The scaling factor of a stress history, opened from the extremes' label,
// typed into and left as the user does.

#include <string>

#include "loading/ui/loading_inputs_fixture.h"
#include "shell/ui/numeric_box.h"

namespace {

constexpr int32_t kStored = 0xC00000;

class ScalingFactorInput : public LoadingInputs {
 protected:
  // A history batch (row 4) of six points from -50 to 100, taken into the
  // job and its file read (the diagram's start flag cleared).
  void SetUp() override {
    state.loadingDbState.SelectedLoadingBatch = 4;
    state.loadingDbState.LoadingSource = 1;
    LoadingDatabase& db = state.loadingDatabase;
    db.BatchPointCount[4] = 6;
    db.BatchHistoryMax[4] = 100;
    db.BatchHistoryMin[4] = -50;
    state.loadingData.HistoryPoints = {0, 10, -50, 100, 0, 20, -10, 0};
    state.loadingData.SelectedHistoryLength = 6;
    state.loadingData.LoadedHistoryLength = 6;
    state.loadingData.HistoryStartFlag = 0;
    Show(1);
  }
  void MasterCurve() {
    state.analysisOptions.AnalysisMode = 2;
    state.analysisOptions.MasterCurveParameter = 1;
    Show(1);
  }
  TextBox& box0() { return lf.SHscalt(0); }
};

TEST_F(ScalingFactorInput, TheExtremesLabelOpensTheFactor) {
  menus.mnu_Run.SetEnabled(true);
  lf.SHSmax.click();
  EXPECT_TRUE(box0().IsShowing());
  EXPECT_TRUE(box0().HasFocus());
  EXPECT_TRUE(IsBeingEdited(box0()));
  EXPECT_EQ(box0().Text(), "1.0");
  EXPECT_EQ(lf.SHscal(0).Caption(), "          Scaling Factor = ");
  EXPECT_TRUE(lf.SHscal(0).IsShowing());
  EXPECT_FALSE(menus.mnu_Run.Enabled());
  EXPECT_EQ(lf.SHSmax.Caption(), "Smax = 100.0 MPa,  Smin = -50.0 MPa");
}

TEST_F(ScalingFactorInput, RefusedFactors) {
  struct Case {
    const char* typed;
    const char* text;
  } cases[] = {
      {"100", "Sorry, Data Incorrect! (|RSF| to big)"},
      {"-100", "Sorry, Data Incorrect! (|RSF| to big)"},
      {"1e400", "Sorry, Data Incorrect! (|RSF| to big)"},
      {"0", "Sorry, Data Incorrect! (RSF = 0)"},
      {"abc", "Sorry, Data Incorrect! (RSF = 0)"},
  };
  const LoadingData before = state.loadingData;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Forget();
    lf.SHSmax.click();
    box0().typeText(c.typed);
    box0().leave();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Last().text, c.text);
    EXPECT_EQ(Last().title, " Scaling Factor (RSF)");
    EXPECT_EQ(Last().icon, MsgIcon::Critical);
    EXPECT_EQ(host.events.front(), "Beep");
    EXPECT_EQ(box0().Text(), "1.0");
    EXPECT_TRUE(box0().HasFocus());
    EXPECT_EQ(state.loadingData.ScalingFactor, before.ScalingFactor);
    EXPECT_EQ(state.loadingData.LoadSmax, before.LoadSmax);
    main.MoveFocus(nullptr);  // leaves 1.0: taken again
  }
}

TEST_F(ScalingFactorInput, AnAcceptedFactorScalesTheExtremes) {
  ShowResults();
  const int drawings = host.doEventsCalls;
  lf.SHSmax.click();
  box0().typeText("99.99");
  box0().leave();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(state.loadingData.ScalingFactor, 99.99f);
  EXPECT_EQ(state.loadingData.ScalingFactorMax, 99.99f);
  EXPECT_EQ(state.loadingData.ScalingFactorMin, 99.99f);
  EXPECT_EQ(lf.SHSmax.Caption(), "Smax = 9999.0 MPa,  Smin = -4999.5 MPa");
  EXPECT_EQ(host.doEventsCalls, drawings) << "a positive factor after the history was read: no redraw";
  EXPECT_FALSE(box0().Visible());
  EXPECT_FALSE(lf.SHscal(0).Visible());
  EXPECT_EQ(box0().Text(), "99.99");
  EXPECT_EQ(box0().ForeColor(), kStored);
  EXPECT_EQ(box0().BackColor(), state.colourSettings.ColourLoading);
  EXPECT_FALSE(LifeShown());
  EXPECT_FALSE(PrintMenusOn());
  EXPECT_TRUE(ReliabilityShown());
  EXPECT_TRUE(menus.mnu_Run.Enabled());

  // A negative factor mirrors the history: the diagram is drawn again.
  lf.SHSmax.click();
  box0().typeText("-2");
  box0().leave();
  EXPECT_EQ(state.loadingData.LoadSmax, 100.0f);
  EXPECT_EQ(state.loadingData.LoadSmin, -200.0f);
  EXPECT_GT(host.doEventsCalls, drawings) << "redrawn";
  EXPECT_EQ(lf.SHSmax.Caption(), "Smax = 100.0 MPa,  Smin = -200.0 MPa");
  EXPECT_EQ(state.loadingData.HistoryStartFlag, 0);

  // Opened again, the unscaled history is shown while the factor is typed.
  lf.SHSmax.click();
  EXPECT_EQ(state.loadingData.ScalingFactor, -2.0f);
  EXPECT_EQ(lf.SHSmax.Caption(), "Smax = 100.0 MPa,  Smin = -50.0 MPa");
  EXPECT_EQ(box0().Text(), "-2.0");
}

TEST_F(ScalingFactorInput, AStoredBoxStoresNothingWhenLeft) {
  lf.SHSmax.click();
  box0().SetForeColor(kStored);
  box0().typeText("abc");
  box0().leave();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(state.loadingData.ScalingFactor, 1.0f);
}

TEST_F(ScalingFactorInput, ARefusalWhileTheDiagramIsHiddenIsDropped) {
  lf.SHSmax.click();
  box0().typeText("0");
  lf.Pic_Hist.SetVisible(false);
  main.MoveFocus(nullptr);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(box0().Text(), "0");
  EXPECT_EQ(state.loadingData.ScalingFactor, 1.0f);
}

TEST_F(ScalingFactorInput, TheEndsOfAMasterCurve) {
  MasterCurve();
  ASSERT_TRUE(lf.SHscalt(1).IsShowing());
  Enter(box0(), "3");
  Enter(lf.SHscalt(1), "-2");  // magnitudes only
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(state.loadingData.ScalingFactorMax, 3.0f);
  EXPECT_EQ(state.loadingData.ScalingFactorMin, -2.0f);
  EXPECT_EQ(state.loadingData.ScalingFactor, -2.0f);
  EXPECT_EQ(lf.SHscal(1).Caption(), "  Min.  Scaling Factor = -2.0");
  EXPECT_EQ(lf.SHscal(0).Caption(), "  Max. Scaling Factor = 3.0");
  EXPECT_TRUE(lf.SHscalt(1).Visible()) << "both boxes stay";

  Enter(lf.SHscalt(1), "4");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(Last().text, "Sorry, Data Incorrect! (RSFmax < RSFmin)");
  EXPECT_EQ(lf.SHscalt(1).Text(), "-2.0");
  main.MoveFocus(nullptr);
  Forget();
  Enter(lf.SHscalt(1), "3");  // equal ends
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(state.loadingData.ScalingFactorMin, 3.0f);
}

TEST_F(ScalingFactorInput, UpAndDownMoveBetweenTheEnds) {
  lf.SHSmax.click();
  box0().keyDown(kKeyDown);
  EXPECT_EQ(main.ActiveControl(), &box0()) << "a single factor has one box";
  main.MoveFocus(nullptr);

  MasterCurve();
  for (int key : {kKeyUp, kKeyDown}) {
    box0().SetFocus();
    box0().keyDown(key);
    EXPECT_EQ(main.ActiveControl(), &lf.SHscalt(1)) << key;
    lf.SHscalt(1).keyDown(key);
    EXPECT_EQ(main.ActiveControl(), &box0()) << key;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ScalingFactorInput, TheScalingFactorLabels) {
  MasterCurve();
  lf.SHscal(1).click();
  EXPECT_EQ(main.ActiveControl(), &lf.SHscalt(1));
  main.MoveFocus(nullptr);
  lf.SHscal(2).click();
  lf.SHscal(3).click();
  EXPECT_EQ(main.ActiveControl(), nullptr) << "the tags of the other diagrams open nothing";

  state.analysisOptions.AnalysisMode = 1;
  state.analysisOptions.AnalysisKind = 2;
  Show(1);
  lf.SHscal(0).click();
  EXPECT_EQ(main.ActiveControl(), &box0()) << "probabilistic: the factor opens through the extremes' label";
  EXPECT_EQ(box0().Text(), "1.0");
}

}  // namespace
