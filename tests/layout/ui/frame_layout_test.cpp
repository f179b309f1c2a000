#include <gtest/gtest.h>

#include <limits>

#include "layout/ui/layout_services.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/sng.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"

namespace {

class FrameLayoutTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};

  void LayOut(float scale, float width, float height) {
    main.Move(0, 0, width, height);
    state.layoutScales = LayoutScales{scale, scale, scale > 1.4f ? 1.25f : scale};
    LayoutFrames(main);
  }
  float SW() const { return main.ScaleWidth(); }
  float SH() const { return main.ScaleHeight(); }
  float Left(const char* name) const { return main.Find(name)->Left(); }
  float Top(const char* name) const { return main.Find(name)->Top(); }
  float Width(const char* name) const { return main.Find(name)->Width(); }
  float Height(const char* name) const { return main.Find(name)->Height(); }
};

TEST_F(FrameLayoutTest, AtScaleOneTheDesignNumbers) {
  LayOut(1.0f, 12000, 9000);
  // The working frames share one top and are centred.
  EXPECT_EQ(Top("frm_analysis"), Sng(SH() * 0.14));
  EXPECT_EQ(Width("frm_analysis"), 8415);
  EXPECT_EQ(Height("frm_analysis"), 4695);
  EXPECT_EQ(Left("frm_analysis"), Sng((SW() - 8415.0) / 2));
  for (const char* f : {"frm_Load_Dbase", "frm_Fatigue_Dbase", "frm_about", "frm_data_serv", "frm_settings"})
    EXPECT_EQ(Top(f), Sng(SH() * 0.14)) << f;
  EXPECT_EQ(Left("frm_Fatigue_Dbase"), Sng((SW() - 9500.0) / 2));
  EXPECT_EQ(Width("frm_Fatigue_Dbase"), 9510);
  EXPECT_EQ(Left("frm_about"), Sng(SW() / 2.0 - 2768));
  EXPECT_EQ(Left("frm_settings"), Sng(SW() / 2.0 - 2708));
  EXPECT_EQ(Width("frm_settings"), 5415);
  EXPECT_EQ(Left("Frm_MCS_opt"), Sng((SW() - 4085.0) / 2));
  EXPECT_EQ(Top("Frm_MCS_opt"), 2860);

  // Sub-frames at their new lefts with their design sizes; buttons and prompts.
  struct Place {
    const char* name;
    float left, top, width, height;
  };
  const Place places[] = {
      {"frm_anal_target", 330, 600, 2005, 1215},     {"frm_anal_parameter", 330, 1920, 2005, 1215},
      {"frm_anal_loading", 2570, 600, 1575, 1932},   {"frm_anal_data", 4400, 1920, 1935, 1215},
      {"frm_anal_load_param", 4400, 600, 1935, 1215}, {"frm_anal_mean_stress", 6545, 600, 1575, 1212},
      {"frm_anal_ns", 6545, 1920, 1572, 1212},       {"Select_anal_option", 1707.5f, 3360, 4935, 270},
      {"Cmd_analysis_next", 2357.5f, 3960, 1095, 375}, {"cmd_analysis_done", 3657.5f, 3960, 1095, 375},
      {"cmd_analysis_cancel", 4957.5f, 3960, 1095, 375}, {"frm_data_do", 745, 630, 3135, 2535},
      {"frm_data_path", 4150, 630, 2535, 2535},      {"Select_data_option", 2007.5f, 3600, 3495, 270},
      {"cmd_data_next", 1985, 4095, 975, 375},       {"cmd_data_do", 3235, 4095, 975, 375},
      {"cmd_data_cancel", 4505, 4095, 975, 375},     {"frm_set_graphics", 1320, 735, 2775, 1905},
  };
  for (const Place& p : places) {
    EXPECT_EQ(Left(p.name), p.left) << p.name;
    EXPECT_EQ(Top(p.name), p.top) << p.name;
    EXPECT_EQ(Width(p.name), p.width) << p.name;
    EXPECT_EQ(Height(p.name), p.height) << p.name;
  }
  for (const char* f : {"frm_Dam", "frm_Distr", "frm_Hist", "frm_DBox", "frm_SN", "frm_Spectr", "Frm_MCS_opt"})
    EXPECT_EQ(main.Find(f)->FontSize(), 10.0f) << f;
  for (const char* f : {"frm_DistrSH", "frm_HistSH", "frm_SpectrSH"}) EXPECT_EQ(main.Find(f)->FontSize(), 8.0f) << f;

  // The warranty dialog, loaded by its first reference.
  WarrantyDialog& d = main.dialog();
  EXPECT_TRUE(d.IsLoaded());
  EXPECT_FALSE(d.Dialog_Text.Text().empty());
  EXPECT_EQ(d.Width(), 5020);
  EXPECT_EQ(d.Height(), 4300);
  EXPECT_EQ(d.Top(), 2860);
  EXPECT_EQ(d.Left(), Sng(SW() / 2.0 - 2510));
  EXPECT_EQ(d.Dialog_Text.Width(), Sng(5020 * 0.89));
  EXPECT_EQ(d.Dialog_Text.Height(), 2752);
  EXPECT_EQ(d.Dialog_OKButton.Top(), 3354);
  EXPECT_EQ(d.Dialog_CancelButton.Top(), 3354);
  EXPECT_EQ(d.Dialog_OKButton.Left(), 908);
  EXPECT_EQ(d.Dialog_CancelButton.Left(), 2777);
  EXPECT_EQ(d.Dialog_OKButton.Height(), 375);
  EXPECT_EQ(d.Dialog_Text.FontSize(), 7.5f);
  EXPECT_EQ(d.Dialog_OKButton.FontSize(), 7.5f);
}

TEST_F(FrameLayoutTest, AtScaleOneAndAHalfEverythingScales) {
  LayOut(1.5f, 18000, 13500);
  EXPECT_EQ(Top("frm_analysis"), Sng(SH() * 0.14 * 1.5));  // the top grows with ScaleY twice
  EXPECT_EQ(Width("frm_analysis"), 12622.5f);
  EXPECT_EQ(Height("frm_analysis"), 7042.5f);
  EXPECT_EQ(Left("frm_analysis"), Sng((SW() - 12622.5) / 2));
  EXPECT_EQ(Left("frm_anal_loading"), 3855);
  EXPECT_EQ(Height("frm_anal_loading"), 2898);
  EXPECT_EQ(Left("frm_anal_ns"), Left("frm_anal_mean_stress"));
  EXPECT_EQ(Left("cmd_analysis_cancel"), Sng(12622.5 / 2 + 750 * 1.5));
  EXPECT_EQ(Width("cmd_analysis_cancel"), 1095);  // the buttons' sizes belong to the control scaling
  EXPECT_EQ(Left("frm_Fatigue_Dbase"), Sng((SW() - 14250.0) / 2));
  EXPECT_EQ(Left("frm_about"), Sng(SW() / 2.0 - 4152));
  EXPECT_EQ(Width("frm_data_serv"), 11265);
  EXPECT_EQ(Left("frm_data_path"), Sng(11265 / 2.0 + 592.5));
  EXPECT_EQ(Left("Select_data_option"), Sng((11265 - 3495 * 1.5) / 2));
  EXPECT_EQ(Width("Select_data_option"), 3495);  // read, not written
  EXPECT_EQ(Left("frm_set_graphics"), 1980);
  EXPECT_EQ(Top("Frm_MCS_opt"), 4290);
  EXPECT_EQ(Left("Frm_MCS_opt"), Sng((SW() - 6127.5) / 2));
  EXPECT_EQ(main.Find("frm_SN")->FontSize(), 12.5f);
  EXPECT_EQ(main.Find("frm_HistSH")->FontSize(), 10.0f);
  EXPECT_EQ(main.Find("Frm_MCS_opt")->FontSize(), 12.5f);

  WarrantyDialog& d = main.dialog();
  EXPECT_EQ(d.Width(), 7530);
  EXPECT_EQ(d.Height(), 6450);
  EXPECT_EQ(d.Top(), 4290);
  EXPECT_EQ(d.Dialog_OKButton.Width(), 2002.5f);
  EXPECT_EQ(d.Dialog_OKButton.Left(), Sng(7530 / 2.0 - 2002.5 * 1.2));
  EXPECT_EQ(d.Dialog_CancelButton.Left(), Sng(7530 / 2.0 + 2002.5 * 0.2));
  EXPECT_EQ(d.Dialog_OKButton.Top(), Sng(6450 * 0.78));
  EXPECT_EQ(d.Dialog_Text.Left(), 360);
  EXPECT_EQ(d.Dialog_Text.FontSize(), Sng(7.5 * 1.25));
}

TEST_F(FrameLayoutTest, ASecondCallDoesNothing) {
  LayOut(1.5f, 18000, 13500);
  LayoutFrames(main);
  EXPECT_EQ(Left("frm_anal_loading"), 3855);
  EXPECT_EQ(Height("frm_anal_loading"), 2898);
  EXPECT_EQ(main.dialog().Dialog_Text.FontSize(), Sng(7.5 * 1.25));
}

TEST_F(FrameLayoutTest, AFailingStepKeepsTheRowsBeforeIt) {
  main.Move(0, 0, 12000, 9000);
  // The font of the simulation-options frame is the first value that overflows.
  state.layoutScales = LayoutScales{1.0f, 1.0f, std::numeric_limits<float>::infinity()};
  EXPECT_THROW(LayoutFrames(main), RuntimeError);
  EXPECT_EQ(Width("frm_Load_Dbase"), 7510);  // written before
  EXPECT_EQ(Width("frm_about"), 3015);       // never reached: the design strip
}

}  // namespace
