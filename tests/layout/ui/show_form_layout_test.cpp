// The second window's layout: at every load, from the design values, once.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "layout/layout_scales.h"
#include "layout/ui/layout_services.h"
#include "layout/ui/layout_tables.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/sng.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"

namespace {

class ShowFormLayoutTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
  FormShow& show = main.formShow();

  // A load of the second window at these scales (the window unloaded first).
  void LoadAt(float sx, float sy, float fs) {
    if (show.IsLoaded()) show.mnu_back_Click();
    state.layoutScales = LayoutScales{sx, sy, fs};
    show.Load();
  }
  Control& C(const char* name, int index = -1) const { return *show.Find(name, index); }
};

TEST_F(ShowFormLayoutTest, LineWidthsRoundHalvesToEven) {
  struct Case {
    float scaleY;
    int16_t width;
  };
  for (const Case& c : {Case{1.25f, 12}, Case{0.75f, 8}, Case{1.5f, 15}, Case{Sng(1.35), 14}}) {
    LoadAt(1.1f, c.scaleY, 1);
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(show.line("DMline", i).BorderWidth(), c.width) << c.scaleY << " line " << i;
      EXPECT_EQ(show.line("DMline", i).Y1(), Sng(1440.0f * (i + 1) * c.scaleY)) << c.scaleY << " line " << i;
    }
  }
}

TEST_F(ShowFormLayoutTest, TheRandomVariableTextMovesAcrossWithTheVerticalScale) {
  LoadAt(1.0f, 1.0f, 1.0f);  // no layout at this load
  const std::pair<const char*, int> byScaleY[] = {{"Distr_par", 4}, {"Distr_Type", 2}, {"txt_distr", 0}};
  for (auto [name, index] : byScaleY) C(name, index).SetLeft(1000);
  C("chk_distr", 3).SetLeft(1000);
  C("Distr_Var").SetLeft(1000);
  const float parWidth = C("Distr_par", 4).Width();
  RunLayoutRows(show, LayoutScales{1.6f, 1.5f, 1.25f}, ShowFormLayoutRows());
  for (auto [name, index] : byScaleY) EXPECT_EQ(C(name, index).Left(), 1500) << name;
  EXPECT_EQ(C("chk_distr", 3).Left(), 1600);
  EXPECT_EQ(C("Distr_Var").Left(), 1600);
  EXPECT_EQ(C("Distr_par", 4).Width(), parWidth);
}

TEST_F(ShowFormLayoutTest, HeaderBoxesShrinkOnASmallScreenOnlyAndGridRowsKeepTheirHeights) {
  LoadAt(0.8f, 0.8f, 0.8f);
  EXPECT_EQ(C("txt_Name").Height(), 264);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(C("txt_points", i).Height(), 264) << i;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(C("txt_label", i).Height(), 228) << i;
  EXPECT_EQ(C("txt_CLOx", 0).Top(), Sng(3396 * 0.8f));
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(C("txt_CLOx", i).Height(), 330) << i;
    EXPECT_EQ(C("lbl_CLOn", i).Height(), 336) << i;
  }
  LoadAt(1.2f, 1.2f, 1.08f);
  EXPECT_EQ(C("txt_Name").Height(), 330);
  EXPECT_FLOAT_EQ(C("txt_Name").Top(), 504);  // 420 x the Single nearest 1.2
  for (int i = 0; i < 4; ++i) EXPECT_EQ(C("txt_points", i).Height(), 330) << i;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(C("txt_label", i).Height(), 285) << i;
  for (const char* b : {"cmd_CLO_OK", "cmd_CLO_canc", "cmd_CLO_Del"}) EXPECT_FLOAT_EQ(C(b).Height(), 450) << b;
  EXPECT_EQ(C("pic_CLO").Height(), Sng(330 * 1.2f));
  EXPECT_EQ(C("scroll_CLO").Height(), Sng(3165 * 1.2f));
  EXPECT_EQ(C("scroll_CLO").Left(), Sng(2916 * 1.2f));
}

TEST_F(ShowFormLayoutTest, FontsAtOneAndAHalf) {
  LoadAt(1.5f, 1.5f, 1.25f);
  for (int i = 0; i < 10; ++i) {
    // Through its own size, a Single: 10.5 to single precision.
    EXPECT_EQ(C("lbl_CLOn", i).FontSize(), Sng(8.4f * 1.25f)) << i;
    EXPECT_FLOAT_EQ(C("lbl_CLOn", i).FontSize(), 10.5f) << i;
    EXPECT_EQ(C("txt_CLOx", i).FontObjectSize(), 10.5) << i;
    EXPECT_EQ(C("txt_CLOn", i).FontObjectSize(), 10.5) << i;
  }
  EXPECT_EQ(C("cmd_CLO_open").FontObjectSize(), 9.75);
  EXPECT_EQ(C("frm_rand").FontSize(), 12.5f);
  // The frames keep their places; the editor's frame and its picture are not touched.
  EXPECT_EQ(C("frm_diag").Width(), 9120);
  EXPECT_EQ(C("frm_diag2").FontSize(), 9);
  EXPECT_EQ(C("frm_diag2").Left(), 9240);
  // The results boxes get font and width; their labels the font only.
  EXPECT_EQ(C("Res_probT", 3).Width(), 1642.5f);
  EXPECT_EQ(C("Res_probT", 3).Left(), 7680);
  EXPECT_EQ(C("Res_prob", 1).Left(), 4560);
  EXPECT_EQ(C("Res_prob", 1).Width(), 1815);
}

// What a load can change, of every control the layout names.
std::vector<std::vector<double>> Snapshot(const FormShow& show) {
  std::vector<std::vector<double>> all;
  for (const LayoutRow& r : ShowFormLayoutRows())
    for (int i = r.elements.first; i <= r.elements.last; ++i) {
      const Control& c = *show.Find(r.name, i);
      std::vector<double> v{c.Left(), c.Top(), c.Width(), c.Height(), c.FontObjectSize()};
      if (auto* l = dynamic_cast<const LineControl*>(&c))
        v.insert(v.end(), {l->X1(), l->Y1(), l->X2(), l->Y2(), 1.0 * l->BorderWidth()});
      all.push_back(v);
    }
  return all;
}

TEST_F(ShowFormLayoutTest, EveryLoadStartsFromTheDesign) {
  const auto design = Snapshot(show);
  LoadAt(1.0f, 1.25f, 1.0f);  // a scale of 1 on one axis: no layout
  EXPECT_EQ(Snapshot(show), design);
  LoadAt(1.5f, 1.5f, 1.25f);
  const auto first = Snapshot(show);
  EXPECT_NE(first, design);
  EXPECT_EQ(C("txt_Name").Left(), 2160);
  // Back to the main window and in again: the same layout, not scaled twice.
  LoadAt(1.5f, 1.5f, 1.25f);
  EXPECT_EQ(Snapshot(show), first);
  LayoutShowForm(show);  // and not twice within one load
  EXPECT_EQ(Snapshot(show), first);
}

// A layout step that cannot be done: the problem definition's OK loads the
// second window, whose layout ends at that step; the user is told with the
// runtime's text and the command goes on.
TEST_F(ShowFormLayoutTest, AFailingLayoutIsReportedByTheCommandThatLoadedTheWindow) {
  host.screenWidthTwips = 28800;
  host.screenHeightTwips = 16200;
  host.onModal = [this] { main.dialog().button("Dialog_OKButton").click(); };
  main.Load();
  ASSERT_EQ(state.layoutScales.ScaleY, 1.5f);
  ASSERT_TRUE(main.frame("frm_analysis").IsShowing());
  ASSERT_FALSE(show.IsLoaded());
  show.line("DMline", 2).SetBorderWidth(30000);  // 45000 at 1.5: beyond 16 bits
  main.button("cmd_analysis_done").click();
  ASSERT_EQ(host.messages.size(), 1u) << host.messages.size();
  EXPECT_EQ(host.messages[0].text, RuntimeErrorText(kErrOverflow));
  EXPECT_EQ(host.messages[0].title, show.Caption());
  EXPECT_TRUE(show.IsLoaded());
  EXPECT_EQ(C("frm_master").FontSize(), 12.5f);                // before the failing step
  EXPECT_EQ(show.line("DMline", 2).X2(), 3960);                 // its end points before its width
  EXPECT_EQ(show.line("DMline", 3).Y1(), 5760);                 // the steps after it
  EXPECT_EQ(C("cmd_cancel").Width(), 1095);
  EXPECT_FALSE(main.frame("frm_analysis").Visible());           // the command went on
  EXPECT_EQ(state.shellState.UiState, 1);
}

}  // namespace
