// The random-variable dialog driven headless: its opening by each caller,
// the choice of a type, the three boxes, Draw, OK and Cancel.

#include <gtest/gtest.h>

#include <string>

#include "component/ui/data_box_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/distribution_tag.h"
#include "montecarlo/random_math.h"
#include "montecarlo/ui/montecarlo_services.h"
#include "platform/runtime/format.h"
#include "platform/runtime/typed_number.h"
#include "random_variable_fixture.h"
#include "support/recording_surface.h"

namespace {

class DialogTest : public RandomVariableUi {
 protected:
  Label& kt = main.dataBox().SCF_distr;
  // Kt as a normal variable, 10 %, truncated at 0.6 and 1.4.
  void NormalKt() {
    Put(3, 1, 0.1f, 0.6f, 1.4f);
    kt.SetCaption("{N10}");
  }
};

TEST_F(DialogTest, OpensWithTheStoredVariable) {
  NormalKt();
  OpenFrom(kt, [&] {
    // Over the middle of the main window, the buttons in a row below the frame.
    const float mw = main.Width(), mh = main.Height(), sx = state.layoutScales.ScaleX;
    EXPECT_FLOAT_EQ(show.Left(), 0.225f * mw);
    EXPECT_FLOAT_EQ(show.Top(), 0.1f * mh);
    EXPECT_FLOAT_EQ(show.Width(), 0.55f * mw);
    EXPECT_FLOAT_EQ(show.Height(), 0.78f * mh);
    EXPECT_FLOAT_EQ(dlg.frm_rand.Width(), 0.82f * show.Width());
    EXPECT_FLOAT_EQ(dlg.pic_rand.Top(), 0.56f * dlg.frm_rand.Height());
    ASSERT_GT(state.layoutScales.ScaleY, 1.0f);
    EXPECT_FLOAT_EQ(dlg.cmd_cancel.Top(), 0.84f * show.Height());
    EXPECT_FLOAT_EQ(dlg.cmd_cancel.Left(), show.Width() / 2 - dlg.cmd_ok.Width() / 2);
    EXPECT_FLOAT_EQ(dlg.cmd_ok.Left(), dlg.cmd_cancel.Left() - dlg.cmd_ok.Width() - 300 * sx);
    EXPECT_FLOAT_EQ(dlg.cmd_draw.Left(), dlg.cmd_cancel.Left() + dlg.cmd_draw.Width() + 300 * sx);
    EXPECT_EQ(dlg.frm_rand.Caption(), "Component Geometry");
    EXPECT_EQ(dlg.Distr_Var.Caption(), "Variability of the Stress Conc. Factor,  Kt: {N10}");
    EXPECT_TRUE(dlg.chk_distr(2).Value());
    EXPECT_FALSE(dlg.chk_distr(0).Visible());
    EXPECT_EQ(dlg.txt_distr(0).Text(), "0.1");
    EXPECT_EQ(dlg.txt_distr(1).Text(), "0.6");
    EXPECT_EQ(dlg.txt_distr(2).Text(), "1.4");
    EXPECT_EQ(dlg.Distr_par(1).Caption(), "STDV:     B = 0.1");
    EXPECT_EQ(dlg.Distr_par(2).Caption(), "Mean:     A = 1.0");
    EXPECT_FALSE(dlg.txt_distr(0).Locked());
    EXPECT_TRUE(dlg.cmd_ok.IsShowing() && dlg.cmd_cancel.IsShowing() && dlg.cmd_draw.IsShowing());
    EXPECT_FALSE(dlg.cmd_draw.Enabled());  // until a box is entered
    EXPECT_EQ(state.shellState.SecondWindowView, 6);
    EXPECT_EQ(table.CurrentRandomVar, 3);
    EXPECT_FALSE(main.menus().mnu_Run.Enabled());
    EXPECT_FALSE(show.mnu_an_list.Visible());
    EXPECT_EQ(show.mnu_prt1.Caption(), "&Print");
    EXPECT_FALSE(main.dataBox().Result.Visible());
    dlg.cmd_cancel.click();
  });
  EXPECT_FALSE(show.Visible());
  EXPECT_FALSE(dlg.cmd_ok.Visible() || dlg.cmd_cancel.Visible() || dlg.cmd_draw.Visible());
  EXPECT_TRUE(main.menus().mnu_Run.Enabled());
  EXPECT_EQ(host.beeps, 0);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DialogTest, NoneCorrelatedAndUnknownTypesOpenLocked) {
  struct Case {
    int16_t type;
    int option;
  };
  for (const Case c : {Case{0, 1}, Case{-1, 0}, Case{9, 1}}) {
    Put(3, c.type, 0.1f, 0.4f, 0.0f);
    OpenFrom(kt, [&] {
      EXPECT_TRUE(dlg.chk_distr(c.option).Value()) << c.type;
      EXPECT_FALSE(dlg.chk_distr(0).Visible());
      EXPECT_EQ(dlg.txt_distr(0).Text(), "0.0");
      EXPECT_EQ(dlg.txt_distr(1).Text(), "1.0");  // no Xmax stored: both bounds 1
      EXPECT_EQ(dlg.txt_distr(2).Text(), "1.0");
      EXPECT_EQ(dlg.Distr_par(1).Caption(), "STDV:     B = 0.0");
      for (int i = 0; i <= 2; ++i) EXPECT_TRUE(dlg.txt_distr(i).Locked()) << c.type;
      dlg.cmd_cancel.click();
    });
    EXPECT_EQ(table.RvType[3], c.type);  // Cancel stores nothing, not even the type shown
  }
}

TEST_F(DialogTest, EachLoadingFrameEditsTheScalingFactor) {
  Put(2, 2, 0.2f, 0.5f, 2.0f);
  LoadingFramesPanel& lf = main.loadingFrames();
  for (int i = 0; i <= 2; ++i) {
    lf.load_distr(i).SetCaption("{L20}");
    OpenFrom(lf.load_distr(i), [&] {
      EXPECT_EQ(table.CurrentRandomVar, 2);
      EXPECT_EQ(dlg.frm_rand.Caption(), "Loading Data");
      EXPECT_EQ(dlg.Distr_Var.Caption(), "Variability of the Scaling Factor,  k: {L20}");
      EXPECT_TRUE(dlg.chk_distr(3).Value());
      EXPECT_EQ(dlg.DialogCallerIndex, i);
      dlg.cmd_cancel.click();
    });
  }
}

TEST_F(DialogTest, ChoosingWeibullResetsTheBoundsToItsPlotRange) {
  NormalKt();
  OpenFrom(kt, [&] {
    dlg.chk_distr(4).click();
    const RandomVariablePanel& p = state.randomVariablePanel;
    EXPECT_EQ(p.PanelDistType, 3);
    EXPECT_NEAR(p.PanelParB, 12.06f, 0.01f);
    EXPECT_NEAR(p.PanelParA, 1.04f, 0.005f);
    EXPECT_EQ(dlg.Distr_par(1).Caption(), "Shape:    B =  " + Format(p.PanelParB, "0.0##"));
    EXPECT_EQ(dlg.Distr_par(2).Caption(), "Scale:     A =  " + Format(p.PanelParA, "0.0##"));
    EXPECT_EQ(dlg.txt_distr(0).Text(), "0.10");
    EXPECT_EQ(dlg.txt_distr(1).Text(), "0.553");
    EXPECT_EQ(dlg.txt_distr(2).Text(), "1.361");
    EXPECT_EQ(dlg.Distr_Var.Caption(), "Variability of the Stress Conc. Factor,  Kt: {W10}");
    EXPECT_FALSE(dlg.cmd_draw.Enabled());  // redrawn
    EXPECT_EQ(dlg.txt_distr(0).BackColor(), kColourButtonFace);

    // None locks the boxes on "0", "1.0", "1.0" and shows the dash tag.
    dlg.chk_distr(1).click();
    EXPECT_EQ(dlg.txt_distr(1).Text(), "1.0");
    EXPECT_EQ(dlg.txt_distr(2).Text(), "1.0");
    EXPECT_TRUE(dlg.txt_distr(0).Locked());
    EXPECT_EQ(dlg.Distr_Var.Caption(), "Variability of the Stress Conc. Factor,  Kt: {\u2013}");
    dlg.cmd_cancel.click();
  });
  EXPECT_EQ(table.RvType[3], 1);
}

TEST_F(DialogTest, CovBoxRoundsToThreeDecimalsBeforeItsCheck) {
  struct Case {
    const char* typed;
    bool accepted;
    const char* shown;
  };
  const Case cases[] = {
      {"0.0049", false, ".1"}, {"0.0051", false, ".1"}, {"0.01", true, "0.01"}, {"1.0", true, "1.00"},
      {"1.0004", true, "1.00"}, {"1.0006", false, "1"},  {"abc", false, "1"},    {"0.15", true, "0.15"},
  };
  NormalKt();
  OpenFrom(kt, [&] {
    for (const Case& c : cases) {
      const size_t before = host.messages.size();
      Enter(0, c.typed);
      EXPECT_EQ(dlg.txt_distr(0).Text(), c.shown) << c.typed;
      ASSERT_EQ(host.messages.size(), before + (c.accepted ? 0 : 1)) << c.typed;
      if (c.accepted) {
        EXPECT_FLOAT_EQ(state.randomVariablePanel.PanelCov, static_cast<float>(Val(c.shown))) << c.typed;
        continue;
      }
      const FakeHost::Message& m = host.messages.back();
      EXPECT_EQ(m.text, "C.O.V. out of range (0.01-1.0).");
      EXPECT_EQ(m.title, "Coefficienf of Variation");
      EXPECT_EQ(m.icon, MsgIcon::Critical);
      EXPECT_EQ(m.buttons, MsgButtons::OKOnly);
      EXPECT_TRUE(dlg.txt_distr(0).HasFocus()) << c.typed;
    }
    EXPECT_EQ(dlg.Distr_Var.Caption(), "Variability of the Stress Conc. Factor,  Kt: {N15}");
    EXPECT_EQ(dlg.Distr_par(1).Caption(), "STDV:     B =  0.15");
    dlg.cmd_cancel.click();
  });
  EXPECT_EQ(host.beeps, 0);  // the dialog's refusals come without a beep
}

TEST_F(DialogTest, BoundsRefusedWithTheirMessages) {
  struct Case {
    int box;
    const char* typed;
    const char* message;  // "" when accepted
    const char* shown;
  };
  const Case cases[] = {
      {1, "0.005", "Xmin out of range (0.01 - 1.0).", "0.6"},
      {2, "1.0", "Xmax out of range (1.01 - 3.0).", "1.4"},
      {2, "3.01", "Xmax out of range (1.01 - 3.0).", "1.4"},
      {2, "3.0", "", "3.0"},
      {1, "1.0", "", "1.0"},
      {2, "1.01", "", "1.01"},
      {2, "1.2e60", "Xmax out of range (1.01 - 3.0).", "1.01"},  // no Single holds it
      {1, "0.5", "", "0.5"},
      {2, "0.4", "Xmax out of range (1.01 - 3.0).", "1.01"},
  };
  NormalKt();
  OpenFrom(kt, [&] {
    for (const Case& c : cases) {
      const size_t before = host.messages.size();
      Enter(c.box, c.typed);
      EXPECT_EQ(dlg.txt_distr(c.box).Text(), c.shown) << c.typed;
      if (!*c.message) {
        EXPECT_EQ(host.messages.size(), before) << c.typed;
        EXPECT_EQ(dlg.txt_distr(c.box).ForeColor(), 0);
        continue;
      }
      ASSERT_EQ(host.messages.size(), before + 1) << c.typed;
      EXPECT_EQ(host.messages.back().text, c.message);
      EXPECT_EQ(host.messages.back().title, "Truncate Distribution");
    }
    dlg.cmd_cancel.click();
  });
}

// Through the boxes' own ranges the bounds cannot cross; stored bounds can.
TEST_F(DialogTest, BoundsCheckedAgainstEachOther) {
  struct Case {
    float xmin, xmax;
    int box;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {0.6f, 0.5f, 1, "0.7", "Xmin greater than Xmax."},
      {1.2f, 1.4f, 2, "1.1", "Xmax smaller than Xmin."},
      {1.2f, 1.4f, 2, "1.2", "Xmax smaller than Xmin."},
  };
  for (const Case& c : cases) {
    Put(3, 1, 0.1f, c.xmin, c.xmax);
    host.messages.clear();
    OpenFrom(kt, [&] {
      Enter(c.box, c.typed);
      ASSERT_EQ(host.messages.size(), 1u) << c.typed;
      EXPECT_EQ(host.messages.back().text, c.message);
      EXPECT_EQ(host.messages.back().title, "Truncate Distribution");
      dlg.cmd_cancel.click();
    });
  }
}

TEST_F(DialogTest, DrawRechecksAndResetsTheBounds) {
  NormalKt();
  OpenFrom(kt, [&] {
    TextBox& xmax = dlg.txt_distr(2);
    xmax.SetFocus();
    EXPECT_TRUE(dlg.cmd_draw.Enabled());
    EXPECT_EQ(xmax.BackColor(), 0xFFFFFF);
    EXPECT_EQ(xmax.ForeColor(), 0xFF00FF);
    xmax.typeText("2.5");
    dlg.cmd_draw.click();
    EXPECT_EQ(dlg.txt_distr(1).Text(), "0.6");  // the plot range of N10
    EXPECT_EQ(xmax.Text(), "1.4");
    EXPECT_FALSE(dlg.cmd_draw.Enabled());
    EXPECT_TRUE(dlg.pic_rand.HasFocus());
    dlg.cmd_cancel.click();
  });
}

TEST_F(DialogTest, OkForTheScalingFactorTagsEveryLoadingFrame) {
  Put(2, 1, 0.1f, 0.6f, 1.4f);
  state.analysisOptions.LoadingType = 1;
  state.loadingData.LoadSmax = 120.0f;
  state.loadingData.LoadSmin = -80.0f;
  main.menus().mnu_target.SetEnabled(false);
  main.menus().mnu_form.SetEnabled(true);
  LoadingFramesPanel& lf = main.loadingFrames();
  std::string xminText, xmaxText;
  OpenFrom(lf.load_distr(1), [&] {
    dlg.chk_distr(3).click();
    Enter(0, "0.2");
    Enter(2, "2.5");
    xminText = dlg.txt_distr(1).Text();
    xmaxText = dlg.txt_distr(2).Text();
    dlg.cmd_ok.click();
  });
  EXPECT_FALSE(show.Visible());
  for (int i = 0; i <= 2; ++i) EXPECT_EQ(lf.load_distr(i).Caption(), "{L20}") << i;
  RandomVariablePanel expected;
  CalcDistributionParams(expected, 2, 0.2f);
  EXPECT_EQ(table.RvType[2], 2);
  EXPECT_FLOAT_EQ(table.RvCov[2], 0.2f);
  EXPECT_EQ(table.RvParA[2], expected.PanelParA);
  EXPECT_EQ(table.RvParB[2], expected.PanelParB);
  EXPECT_EQ(xmaxText, "2.5");
  EXPECT_EQ(table.RvXmin[2], static_cast<float>(Val(xminText)));
  EXPECT_EQ(table.RvXmax[2], 2.5f);
  EXPECT_EQ(lf.SHSmax.Caption(), "Smax = 120.0 MPa,  Smin = -80.0 MPa");
  EXPECT_EQ(state.shellState.CaptionBuf, lf.SHSmax.Caption());
  const MainMenus& m = main.menus();
  EXPECT_TRUE(m.mnu_target.Enabled());
  EXPECT_FALSE(m.mnu_form.Enabled());
  EXPECT_TRUE(m.mnu_Run.Enabled());
  for (const PictureBox* pic : {&lf.Pic_Distr, &lf.Pic_Hist, &lf.Pic_Spectr}) EXPECT_EQ(pic->MousePointer(), 2);
  EXPECT_FALSE(dlg.cmd_ok.Visible());
  EXPECT_EQ(show.Left(), main.Left());
}

TEST_F(DialogTest, CancelAfterChangesLeavesTableAndTag) {
  NormalKt();
  RandomVariableTable before = table;
  before.CurrentRandomVar = 3;  // the slot opened last
  OpenFrom(kt, [&] {
    dlg.chk_distr(6).click();
    Enter(0, "0.3");
    dlg.cmd_cancel.click();
  });
  EXPECT_EQ(table, before);
  EXPECT_EQ(kt.Caption(), "{N10}");
  EXPECT_TRUE(main.menus().mnu_Run.Enabled());
}

TEST_F(DialogTest, OkStoresNoBoundsItsBoxesWouldRefuse) {
  Put(3, 1, 0.1f, 0.6f, 1.0f);  // an Xmax that the box does not take
  RandomVariableTable before = table;
  before.CurrentRandomVar = 3;
  OpenFrom(kt, [&] {
    dlg.cmd_ok.click();
    EXPECT_TRUE(show.Visible());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages.back().text, "Xmax out of range (1.01 - 3.0).");
    EXPECT_TRUE(dlg.txt_distr(2).HasFocus());
    EXPECT_EQ(table, before);
    Enter(2, "1.5");
    dlg.cmd_ok.click();
  });
  EXPECT_FALSE(show.Visible());
  EXPECT_EQ(table.RvXmax[3], 1.5f);
  EXPECT_EQ(kt.Caption(), "{N10}");
}

TEST_F(DialogTest, OkThatLeavesARefusedBoxStaysOpen) {
  NormalKt();
  RandomVariableTable before = table;
  before.CurrentRandomVar = 3;
  OpenFrom(kt, [&] {
    TextBox& xmax = dlg.txt_distr(2);
    xmax.SetFocus();
    xmax.typeText("5");
    dlg.cmd_ok.click();  // the focus leaves the box: refused, and OK does nothing
    EXPECT_TRUE(show.Visible());
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(xmax.Text(), "1.4");
    EXPECT_EQ(table, before);
    dlg.cmd_ok.click();  // now the box holds a value it takes
  });
  EXPECT_FALSE(show.Visible());
  EXPECT_EQ(table.RvXmax[3], 1.4f);
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(DialogTest, BusyMainViewOnlyBeeps) {
  state.shellState.UiState = 0;
  Label* tags[] = {&kt, &main.loadingFrames().load_distr(2), &main.snInputs().dN_distr(0)};
  for (Label* tag : tags) tag->click();
  EXPECT_EQ(host.beeps, 3);
  state.shellState.BeepEnabled = 0;
  kt.click();
  EXPECT_EQ(host.beeps, 3);
  EXPECT_EQ(host.modalRuns, 0);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DialogTest, DensityOnPaperCarriesTheDialogsTexts) {
  NormalKt();
  OpenFrom(kt, [&] { dlg.cmd_cancel.click(); });
  dlg.cmd_draw.SetEnabled(true);
  RecordingSurface page(16838, 11906, true);
  const RandomVariablePanel& p = state.randomVariablePanel;
  DrawProbabilityDensity(main, page, p.PanelDistType, p.PanelParA, p.PanelParB);
  ASSERT_GE(page.texts.size(), 8u);
  EXPECT_EQ(page.texts[0].text, "Component Geometry");
  EXPECT_EQ(page.texts[2].text, "Variability of the Stress Conc. Factor,  Kt: {N10}");
  EXPECT_EQ(page.texts[3].text, "C.O.V. = 0.1");
  EXPECT_EQ(page.texts[6].text, "Xmin  =  0.6");
  EXPECT_EQ(page.texts[7].text, "Xmax =  1.4");
  EXPECT_FALSE(dlg.cmd_draw.Enabled());
}

TEST_F(DialogTest, UpdateDistributionTagUsesTheWorkingCov) {
  dlg.Distr_Var.SetCaption("Variability of the Scaling Factor,  k: {N10}");
  state.randomVariablePanel.PanelCov = 0.25f;
  UpdateDistributionTag(main, 5);
  EXPECT_EQ(dlg.Distr_Var.Caption(), "Variability of the Scaling Factor,  k: {E25}");
}

}  // namespace
