// The control passes as start-up runs them, and a pass that fails on the way.
#include <gtest/gtest.h>

#include <cfloat>
#include <functional>

#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"

namespace {

// A start on a 1920 x 1080 screen: the window of 18000 x 13500 twips, scale 1.5.
class LayoutStartUpTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};

  void StartUp() {
    host.screenWidthTwips = 28800;
    host.screenHeightTwips = 16200;
    host.onModal = [this] { main.dialog().button("Dialog_OKButton").click(); };
    main.Load();
  }
  Control& C(const char* name, int index = -1) const { return *main.Find(name, index); }
};

TEST_F(LayoutStartUpTest, ThePassesRunOnceInTheirOrder) {
  StartUp();
  ASSERT_EQ(state.layoutScales.ScaleX, 1.5f);
  EXPECT_EQ(C("Text2", 5).Left(), 12420);
  EXPECT_EQ(C("Label20", 3).FontSize(), 12);
  EXPECT_EQ(C("SSmeant").Top(), 1800);
  EXPECT_EQ(main.line("Line7").Y1(), 6390);
  EXPECT_EQ(state.shellState.WarrantyAccepted, 1);
}

// The third control of each pass cannot be scaled: its first two are, the
// rest of that pass is not, the next pass runs and the warranty dialog is shown.
// The last pass ends start-up's layout; only the dialog follows.
TEST_F(LayoutStartUpTest, AFailingPassEndsAtItsThirdControlAndStartUpGoesOn) {
  struct Case {
    const char* pass;
    std::function<void(FormMain&)> poison;
    std::function<void(const FormMain&)> check;
  };
  const Case cases[] = {
      {"LayoutTextBoxes", [](FormMain& m) { m.checkBox("chk_StartNo", 2).SetWidth(FLT_MAX); },
       [](const FormMain& m) {
         EXPECT_EQ(m.checkBox("chk_StartNo", 0).Top(), 720);
         EXPECT_EQ(m.checkBox("chk_StartNo", 1).Top(), 1260);
         EXPECT_EQ(m.checkBox("chk_StartNo", 2).Width(), FLT_MAX);
         EXPECT_EQ(m.checkBox("chk_StartNo", 2).Top(), 240);
         EXPECT_EQ(m.checkBox("chk_StartNo", 3).Top(), 1200);
         EXPECT_EQ(m.textBox("Text2", 0).Left(), 2880);
         EXPECT_EQ(m.label("Label1").Top(), 720);  // the next pass
       }},
      {"LayoutLabels", [](FormMain& m) { m.label("Label3").SetWidth(FLT_MAX); },
       [](const FormMain& m) {
         EXPECT_EQ(m.label("Label1").Top(), 720);
         EXPECT_EQ(m.label("Label2").Top(), 2520);
         EXPECT_EQ(m.label("Label3").FontObjectSize(), 9.75);  // its step before the failing one
         EXPECT_EQ(m.label("Label3").Top(), 1920);
         EXPECT_EQ(m.label("Label4").Top(), 2160);
         EXPECT_EQ(m.line("Line3", 8).X2(), 9360);
         EXPECT_EQ(m.textBox("SSmeant").Top(), 1800);  // the next pass
       }},
      {"LayoutSpectrumLabels", [](FormMain& m) { m.line("DMline", 2).SetX1(FLT_MAX); },
       [](const FormMain& m) {
         EXPECT_EQ(m.line("DMline", 0).Y1(), 2880);
         EXPECT_EQ(m.line("DMline", 1).X1(), 22.5f);
         EXPECT_EQ(m.line("DMline", 2).X1(), FLT_MAX);
         EXPECT_EQ(m.line("DMline", 2).Y1(), 6720);
         EXPECT_EQ(m.label("SHSmax").Top(), 120);
         EXPECT_EQ(m.textBox("Text2", 0).Left(), 4320);  // the passes before
       }},
      {"LayoutDataBoxLabels", [](FormMain& m) { m.button("cmd_MCS_opt", 0).SetWidth(FLT_MAX); },
       [](const FormMain& m) {
         // The job summary's fill places its controls anew; it sets no fonts.
         EXPECT_EQ(m.label("ExtSN", 0).FontObjectSize(), 10.3125);
         EXPECT_EQ(m.textBox("ExtSNt", 0).FontObjectSize(), 10.3125);
         EXPECT_EQ(m.button("cmd_MCS_opt", 0).FontSize(), 10.3125f);
         EXPECT_EQ(m.button("cmd_MCS_opt", 0).Top(), 2400);
         EXPECT_EQ(m.label("ExtSN", 1).FontObjectSize(), 8.25);
         EXPECT_EQ(m.button("cmd_about").Left(), 5940);  // the next pass
       }},
      {"LayoutCommandButtons", [](FormMain& m) { m.button("cmd_analysis_done").SetWidth(FLT_MAX); },
       [](const FormMain& m) {
         EXPECT_EQ(m.button("cmd_about").Top(), 5040);
         EXPECT_EQ(m.button("cmd_analysis_cancel").Top(), 5940);
         EXPECT_EQ(m.button("cmd_analysis_done").FontObjectSize(), 9.75);
         EXPECT_EQ(m.button("cmd_analysis_done").Top(), 3960);
         EXPECT_EQ(m.button("Cmd_analysis_next").Top(), 3960);
         EXPECT_EQ(m.option("chk_single").Left(), 180);  // the next pass
       }},
      {"LayoutOptionControls", [](FormMain& m) { m.option("chk_notched").SetWidth(FLT_MAX); },
       [](const FormMain& m) {
         EXPECT_EQ(m.option("chk_single").Top(), 540);
         EXPECT_EQ(m.option("chk_master").Top(), 1080);
         EXPECT_EQ(m.option("chk_notched").FontObjectSize(), 11.25);
         EXPECT_EQ(m.option("chk_notched").Top(), 360);
         EXPECT_EQ(m.option("chk_unnotch").Top(), 720);
         EXPECT_EQ(m.label("SNSe", 0).Top(), 360);  // the next pass
       }},
      {"LayoutDataEntryControls", [](FormMain& m) { m.textBox("DTSmaxt", 0).SetTop(FLT_MAX); },
       [](const FormMain& m) {
         EXPECT_EQ(m.label("DT", 0).Top(), 360);
         EXPECT_EQ(m.label("DTSmax", 0).Top(), 1350);
         EXPECT_EQ(m.textBox("DTSmaxt", 0).Width(), 922.5f);
         EXPECT_EQ(m.textBox("DTSmaxt", 0).FontObjectSize(), 9);
         EXPECT_EQ(m.textBox("DTt", 0).Top(), 210);
         EXPECT_EQ(m.label("SNSe", 0).Top(), 240);
         EXPECT_EQ(m.frame("frm_about").FontSize(), 15);  // the next pass
       }},
      {"ScaleFrameFonts", [](FormMain& m) { m.frame("frm_Fatigue_Dbase").SetFontSize(FLT_MAX); },
       [](const FormMain& m) {
         EXPECT_EQ(m.frame("frm_about").FontSize(), 15);
         EXPECT_EQ(m.frame("frm_Load_Dbase").FontSize(), 15);
         EXPECT_EQ(m.frame("frm_Fatigue_Dbase").FontSize(), FLT_MAX);
         EXPECT_EQ(m.frame("frm_data_serv").FontSize(), 12);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pass);
    ProgramState s;
    FakeHost h;
    h.screenWidthTwips = 28800;
    h.screenHeightTwips = 16200;
    FormMain m(s, h);
    h.onModal = [&] { m.dialog().button("Dialog_OKButton").click(); };
    c.poison(m);
    m.Load();
    c.check(m);
    EXPECT_EQ(h.modalRuns, 1);
    EXPECT_EQ(s.shellState.WarrantyAccepted, 1);
    EXPECT_TRUE(m.IsLoaded());
  }
}

}  // namespace
