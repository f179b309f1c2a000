// The main window's button, option, job-summary, data-entry and frame-font
// passes: their design values and their products at the scales of the Parts.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "layout/layout_scales.h"
#include "layout/ui/layout_services.h"
#include "layout/ui/layout_tables.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/sng.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "support/fake_host.h"

namespace {

// A control's design values as the window is built with them; `keepsLeft`:
// the pass leaves its Left as it finds it.
struct Design {
  const char* name;
  float left, top, width, height;
  double font;
  bool keepsLeft = false;
};

const Design kButtons[] = {
    {"cmd_about", 3960, 3360, 1095, 375, 7.8},
    {"cmd_analysis_cancel", 6120, 3960, 1095, 375, 7.8, true},
    {"cmd_analysis_done", 4680, 3960, 1095, 375, 7.8, true},
    {"Cmd_analysis_next", 3240, 3960, 1095, 375, 7.8, true},
    {"cmd_data_cancel", 5280, 4095, 975, 375, 7.8, true},
    {"cmd_data_do", 4030, 4095, 975, 375, 7.8, true},
    {"cmd_data_next", 2760, 4095, 975, 375, 7.8, true},
    {"Cmd_Load_Db_Cancel", 6000, 5640, 975, 375, 7.8},
    {"Cmd_Load_Db_Next", 1680, 5640, 975, 375, 7.8},
    {"Cmd_Load_Db_Prev", 480, 5640, 975, 375, 7.8},
    {"Cmd_Load_Db_Show", 3255, 5640, 975, 375, 7.8},
    {"Cmd_Load_Db_OK", 4800, 5640, 975, 375, 7.8},
    {"cmd_Fatigue_Db_Cancel", 6720, 4800, 975, 375, 7.8},
    {"cmd_fatigue_Db_Next", 3240, 4800, 975, 375, 7.8},
    {"cmd_Fatigue_Db_Prev", 2040, 4800, 975, 375, 7.8},
    {"cmd_Fatigue_Db_Del", 5520, 4800, 975, 375, 7.8},
    {"cmd_fatigue_Db_OK", 5520, 4800, 975, 375, 8.4},
    {"cmd_fatigue_Db_Test", 4440, 4800, 852, 372, 7.8},
    {"cmd_settings_done", 1500, 3720, 1095, 375, 7.8},
    {"cmd_settings_cancel", 2800, 3720, 1095, 375, 7.8},
};

const Design kOptionControls[] = {
    {"chk_single", 120, 360, 1455, 255, 9},       {"chk_master", 120, 720, 1575, 255, 9},
    {"chk_notched", 120, 360, 1695, 255, 9},      {"chk_unnotch", 120, 720, 1740, 255, 9},
    {"chk_end_limit", 120, 720, 1815, 255, 9},    {"chk_load", 120, 360, 1815, 255, 9},
    {"chk_history", 120, 360, 1215, 255, 9},      {"chk_spectrum", 120, 720, 1215, 255, 9},
    {"chk_constant", 120, 1080, 1215, 255, 9},    {"chk_beta_distrib", 120, 1440, 1375, 255, 9},
    {"chk_nominal", 120, 360, 1695, 255, 9},      {"chk_local", 120, 720, 1740, 255, 9},
    {"chk_account", 120, 720, 1095, 255, 9},      {"chk_neglect", 120, 360, 1095, 255, 9},
    {"chk_ns_account", 120, 720, 1095, 255, 9},   {"chk_ns_neglect", 120, 360, 1095, 255, 9},
    {"chk_Edit_Dbase", 240, 1365, 2175, 375, 9},  {"chk_new_Dbase", 2265, 1410, 820, 255, 9},
    {"chk_Input_Dbase", 240, 945, 2655, 375, 9},  {"chk_Save_Dbase", 240, 1800, 2415, 375, 9},
    {"chk_Read_Dbase", 240, 525, 2295, 375, 9},   {"Select_data_option", 2760, 3600, 3495, 270, 7.8, true},
    {"Select_anal_option", 1920, 3360, 4935, 270, 7.8, true},
    {"Select_settings_option", 960, 3120, 3495, 270, 7.8, true},
    {"Dir1", 240, 360, 2052, 1584, 7.8},         {"Drive1", 240, 2040, 2055, 288, 7.8},
};

class ScalingPassesTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  std::unique_ptr<FormMain> main = std::make_unique<FormMain>(state, host);

  void At(float sx, float sy, float fs) { state.layoutScales = LayoutScales{sx, sy, fs}; }
  void NewWindow() { main = std::make_unique<FormMain>(state, host); }
  Control& C(const char* name, int index = -1) const { return *main->Find(name, index); }

  // The design values, then the same control after `pass` at 1.5 x 1.5 with
  // FontScale 1.25: every product on its axis, the kept Lefts as the frame
  // layout left them.
  void ExpectDesignAndProducts(const std::vector<Design>& designs, void (*pass)(FormMain&)) {
    for (const Design& d : designs) {
      const Control& c = C(d.name);
      SCOPED_TRACE(d.name);
      EXPECT_EQ(c.Left(), d.left);
      EXPECT_EQ(c.Top(), d.top);
      EXPECT_EQ(c.Width(), d.width);
      EXPECT_EQ(c.Height(), d.height);
      EXPECT_EQ(c.FontObjectSize(), d.font);
    }
    At(1.5f, 1.5f, 1.25f);
    LayoutFrames(*main);
    std::vector<float> framedLefts;
    for (const Design& d : designs) framedLefts.push_back(C(d.name).Left());
    pass(*main);
    for (size_t k = 0; k < designs.size(); ++k) {
      const Design& d = designs[k];
      const Control& c = C(d.name);
      SCOPED_TRACE(d.name);
      EXPECT_EQ(c.Left(), d.keepsLeft ? framedLefts[k] : d.left * 1.5f);
      EXPECT_EQ(c.Top(), d.top * 1.5f);
      EXPECT_EQ(c.Width(), d.width * 1.5f);
      // The drive list's height follows its font.
      EXPECT_EQ(c.Height(), std::string(d.name) == "Drive1" ? d.height : d.height * 1.5f);
      EXPECT_DOUBLE_EQ(c.FontObjectSize(), d.font * 1.25);
    }
  }
};

TEST_F(ScalingPassesTest, CommandButtons) {
  ExpectDesignAndProducts({std::begin(kButtons), std::end(kButtons)}, LayoutCommandButtons);
  const Control& about = C("cmd_about");
  EXPECT_EQ(about.Left(), 5940);
  EXPECT_EQ(about.Top(), 5040);
  EXPECT_EQ(about.Width(), 1642.5f);
  EXPECT_EQ(about.Height(), 562.5f);
  EXPECT_EQ(about.FontObjectSize(), 9.75);
  // The frame layout's Left stays: half the frame less 550 x 1.5.
  const Control& done = C("cmd_analysis_done");
  EXPECT_EQ(done.Left(), C("frm_analysis").Width() / 2 - 825);
  EXPECT_EQ(done.Top(), 5940);
  EXPECT_EQ(done.Width(), 1642.5f);
  EXPECT_EQ(C("cmd_fatigue_Db_OK").FontObjectSize(), 10.5);
}

TEST_F(ScalingPassesTest, OptionControls) {
  ExpectDesignAndProducts({std::begin(kOptionControls), std::end(kOptionControls)}, LayoutOptionControls);
  const Control& single = C("chk_single");
  EXPECT_EQ(single.Left(), 180);
  EXPECT_EQ(single.Top(), 540);
  EXPECT_EQ(single.Width(), 2182.5f);
  EXPECT_EQ(single.Height(), 382.5f);
  EXPECT_EQ(single.FontObjectSize(), 11.25);
  EXPECT_EQ(C("Select_settings_option").Left(), 960);
  EXPECT_EQ(C("Select_settings_option").Width(), 5242.5f);
  // The data services' prompt ends centred in its frame.
  EXPECT_EQ(C("Select_data_option").Width(), 5242.5f);
  EXPECT_EQ(C("Select_data_option").Left(), (C("frm_data_serv").Width() - 5242.5f) / 2);
  EXPECT_EQ(C("Drive1").Height(), 288);
}

TEST_F(ScalingPassesTest, TheFolderListTakesItsHeightBeforeItsFont) {
  At(1.5f, 1.5f, 1.25f);
  std::vector<std::pair<LayoutProp, double>> dir1;  // each write with the font at that moment
  RunLayoutRows(*main, state.layoutScales, OptionControlLayoutRows(), [&](const Control& c, LayoutProp p) {
    if (c.Name() == "Dir1") dir1.emplace_back(p, c.FontObjectSize());
  });
  using P = LayoutProp;
  ASSERT_EQ(dir1.size(), 5u);
  EXPECT_EQ(dir1[0], std::pair(P::Height, 7.8));
  EXPECT_EQ(dir1[1], std::pair(P::FontObjectSize, 9.75));
  EXPECT_EQ(C("Dir1").Height(), 2376);
  EXPECT_EQ(C("Dir1").Left(), 360);
}

TEST_F(ScalingPassesTest, TheStressCaptionsGetAFixedFontWhateverTheyHad) {
  struct Case {
    float fontScale;
    double points;
  };
  for (const Case& c : {Case{1.25f, 8.125}, Case{0.75f, 4.875}}) {
    NewWindow();
    At(1.5f, 1.5f, c.fontScale);
    C("DTrng", 1).SetFontSize(20);
    LayoutDataEntryControls(*main);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(C("DTrng", i).FontObjectSize(), c.points) << c.fontScale;
  }
}

TEST_F(ScalingPassesTest, ValueBoxesKeepTheirHeights) {
  At(1.5f, 1.5f, 1.25f);
  // A maximum-stress box and a mean-stress box of one geometry; an S-N box and its label.
  for (Control* c : {&C("DTSmaxt", 0), &C("DTmeant")}) c->Move(3360, 1560, 615, 255);
  C("SNmt").Move(3240, 1365, 495, 240);
  Label& snLabel = main->label("SNm");
  snLabel.SetAutoSize(false);  // a label of fixed size, as in the figures
  snLabel.Move(2280, 1320, 900, 216);
  for (Control* c : {&C("DTSmaxt", 0), &C("DTmeant"), &C("SNmt")}) c->SetFontSize(9);
  LayoutDataEntryControls(*main);
  const Control& maxBox = C("DTSmaxt", 0);
  EXPECT_EQ(maxBox.Left(), 5040);
  EXPECT_EQ(maxBox.Top(), 2340);
  EXPECT_EQ(maxBox.Width(), 922.5f);
  EXPECT_EQ(maxBox.Height(), 255);
  EXPECT_EQ(maxBox.FontObjectSize(), 11.25);
  EXPECT_EQ(C("DTmeant").Height(), 382.5f);
  const Control& snBox = C("SNmt");
  EXPECT_EQ(snBox.Left(), 4860);
  EXPECT_EQ(snBox.Top(), 2047.5f);
  EXPECT_EQ(snBox.Width(), 742.5f);
  EXPECT_EQ(snBox.Height(), 240);
  EXPECT_EQ(snBox.FontObjectSize(), 11.25);
  EXPECT_EQ(snLabel.Left(), 3420);
  EXPECT_EQ(snLabel.Top(), 1980);
  EXPECT_EQ(snLabel.Width(), 1350);
  EXPECT_EQ(snLabel.Height(), 324);
}

TEST_F(ScalingPassesTest, StrengthLabelsTakeTheHeightOfTheirBoxes) {
  At(1.2f, 1.25f, 1.08f);
  // Labels of a fixed size (the job summary's own labels fit their caption).
  for (int i = 0; i < 3; ++i) {
    C("DBmset", i).SetHeight(240);
    main->label("DDBmse", i).SetAutoSize(false);
    C("DDBmse", i).SetHeight(200 + 10.0f * i);
  }
  const float labelLeft = C("DDBmse", 2).Left();
  LayoutDataBoxLabels(*main);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(C("DBmset", i).Height(), 300) << i;
    EXPECT_EQ(C("DDBmse", i).Height(), 300) << i;
  }
  EXPECT_EQ(C("DDBmse", 2).Left(), Sng(labelLeft * 1.2f));
}

TEST_F(ScalingPassesTest, SimulationButtonsScaleTheirOwnFontSizeInSingle) {
  const LayoutScales scales = ComputeLayoutScales(14400, 10800);
  ASSERT_EQ(scales.FontScale, 1.08000004f);
  state.layoutScales = scales;
  C("cmd_MCS_opt", 1).SetFontSize(8.25f);
  C("ExtSN", 0).SetFontSize(8.25f);
  LayoutDataBoxLabels(*main);
  EXPECT_EQ(C("cmd_MCS_opt", 1).FontSize(), Sng(8.25 * 1.08000004f));
  EXPECT_EQ(C("ExtSN", 0).FontObjectSize(), 8.91);
}

TEST_F(ScalingPassesTest, FrameFonts) {
  // 12, 10.8 and 9.6 points scaled, as singles to eight digits.
  struct Case {
    float screenScale;
    const char *titles, *sections, *groups;
  };
  const Case cases[] = {{1.2f, "12.960001", "11.664001", "10.368001"}, {1.5f, "15", "13.5", "12"}};
  auto single = [](float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.8g", v);
    return std::string(text);
  };
  const char* titles[] = {"frm_about", "frm_Load_Dbase", "frm_Fatigue_Dbase", "frm_data_serv",
                          "frm_master", "frm_master1", "frm_analysis", "frm_settings"};
  const char* sections[] = {"frm_data_path", "frm_data_do", "frm_set_graphics"};
  const char* groups[] = {"frm_anal_loading", "frm_anal_mean_stress", "frm_anal_parameter", "frm_anal_target",
                          "frm_anal_load_param", "frm_anal_ns", "frm_anal_data"};
  for (const Case& c : cases) {
    NewWindow();
    state.layoutScales = ComputeLayoutScales(12000 * c.screenScale, 9000 * c.screenScale);
    const float relFont = C("frm_Rel").FontSize();
    const float mcsFont = C("Frm_MCS_opt").FontSize();
    ScaleFrameFonts(*main);
    for (const char* f : titles) EXPECT_EQ(single(C(f).FontSize()), c.titles) << f << " at " << c.screenScale;
    for (const char* f : sections) EXPECT_EQ(single(C(f).FontSize()), c.sections) << f << " at " << c.screenScale;
    for (const char* f : groups) EXPECT_EQ(single(C(f).FontSize()), c.groups) << f << " at " << c.screenScale;
    EXPECT_EQ(C("frm_Rel").FontSize(), relFont);
    EXPECT_EQ(C("Frm_MCS_opt").FontSize(), mcsFont);
    EXPECT_EQ(C("frm_analysis").Width(), 3612);  // fonts only
  }
}

TEST_F(ScalingPassesTest, EachPassRunsOnceAWindowAndStopsAtAStepItCannotDo) {
  At(1.5f, 1.5f, 1.25f);
  C("Cmd_Load_Db_Prev").SetWidth(FLT_MAX);
  try {
    LayoutCommandButtons(*main);
    FAIL() << "no overflow";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code(), kErrOverflow);
  }
  EXPECT_EQ(C("Cmd_Load_Db_Next").Width(), 1462.5f);      // before
  EXPECT_EQ(C("Cmd_Load_Db_Prev").FontObjectSize(), 9.75);  // its step before the failing one
  EXPECT_EQ(C("Cmd_Load_Db_Prev").Top(), 5640);            // its steps after
  EXPECT_EQ(C("Cmd_Load_Db_Show").Width(), 975);           // the buttons after
  // A second call does not scale again, failed or not.
  LayoutCommandButtons(*main);
  EXPECT_EQ(C("Cmd_Load_Db_Show").Width(), 975);
  for (auto pass : {LayoutDataBoxLabels, LayoutOptionControls, LayoutDataEntryControls, ScaleFrameFonts}) {
    pass(*main);
    pass(*main);
  }
  EXPECT_EQ(C("chk_single").Width(), 2182.5f);
  EXPECT_EQ(C("info_about", 5).Left(), 360);
  EXPECT_EQ(C("Graphics", 6).Left(), 360);
  EXPECT_EQ(C("frm_analysis").FontSize(), 15);
  EXPECT_EQ(C("DTrng", 0).Width(), 1695 * 1.5f);
}

}  // namespace
