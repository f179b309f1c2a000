// Roads through the real windows that once lost work or let a bad number
// through: texts that the files could not give back, numbers beyond their
// fields, Tab reaching behind a frame, boxes refusing values nobody typed,
// colours that did not follow the settings.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "shell/ui/form_show.h"
#include "platform/runtime/format.h"
#include "shell/ui/settings_frame_panel.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"

using namespace std::string_literals;

namespace {

class SoundInputRoads : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"sound_input_roads"};
};

// Accept, then Next: the input view with the S-N frame and the job summary.
void ToTheInputView(Program& p) { Press(p.main.problemDefinition().Cmd_analysis_next); }

// Opens a job text's box by its label, types into it and leaves it.
void EnterText(Label& label, TextBox& box, const std::string& text) {
  Press(label);
  Enter(box, text);
}

}  // namespace

// The subject and names that engineers really type come back from the file
// exactly as the boxes show them; a name typed without extension is saved as
// a ".sns" job, which the open dialog lists.
TEST_F(SoundInputRoads, TypedTextsComeBackThroughSaveAndOpen) {
  Program p;
  ToTheInputView(p);
  DataBoxPanel& box = p.main.dataBox();
  EnterText(box.Subj, box.Subjt, "Shaft 5\" dia, shoulder");
  EnterText(box.Material, box.Materialt, "\"Quoted\" name");
  EnterText(box.Load, box.Loadt, "  Crane\f runway\x01 ");
  const JobTexts typed = p.state.jobTexts;
  EXPECT_EQ(typed.JobSubject, "Shaft 5' dia, shoulder");  // the file's own form, shown at once
  EXPECT_EQ(box.Subjt.Text(), typed.JobSubject);
  EXPECT_EQ(typed.MaterialName, "'Quoted' name");
  EXPECT_EQ(typed.LoadingName, "  Crane runway ");

  p.host.saveAnswers.push_back((folder.path() / "job1").string());
  Choose(p.main.menus().mnu_start(1));
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "job1.sns"));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "job1"));

  EnterText(box.Subj, box.Subjt, "other");
  p.host.openAnswers.push_back((folder.path() / "job1.sns").string());
  Choose(p.main.menus().mnu_start(0));
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_EQ(p.state.jobTexts, typed);
}

// A number that does not fit where it is stored is refused by the box with
// its own message and title, and nothing is stored: a huge number with the
// reason of the upper bound it passes (or "too big" where the box has none),
// a hugely negative one with that of the lower bound, and one too small to
// be anything but 0 with the box's first reason. (The S-N extension boxes,
// hidden for a constant amplitude, have their rows in sn_extension_test.)
TEST_F(SoundInputRoads, NumbersBeyondTheirFieldAreRefusedByTheirBox) {
  Program p;
  ToTheInputView(p);
  SnFramePanel& sn = p.main.snInputs();
  DataBoxPanel& box = p.main.dataBox();
  const struct {
    TextBox& box;
    const char* low;
    const char* high;
    const char* title;
  } boxes[] = {
      {sn.SNmt, "(m < 1)", "(m too big)", " S-N Exponent (m)"},
      {sn.SNset(0), " (Se < 0)", " (Se too big)", " Endurance Limit (Se)"},
      {sn.SNNot, "(No < 1e5)", "(No > 1e20)", " Endurance Limit Life (No)"},
      {sn.SNPnt, "(Pn <= 0)", "(Pn >=100)", " Survival Probability (Pn)"},
      {sn.SNrt, "(| r | > 1) ", "(| r | > 1) ", " Stress Ratio (r)"},
      {sn.SNtht(0), "(t < 0)", "(t too big)", " Thickness Effect (t)"},
      {sn.SNtht(1), "(k < 0)", "(k > 1)", " Thickness Effect (k)"},
      {sn.SNtht(2), "(Sy < 0)", "(Sy > Su)", " Thickness Effect (Sy)"},
      {sn.SNtht(3), "(Su < 0)", "(Su too big)", " Thickness Effect (Su)"},
      {box.DTFft, "(DTF < 0)", "(DTF >10)", " Damage to Failure (DTF)"},
  };
  const std::string huge(400, '9');
  const std::string texts[] = {"1e39", "-1e39", huge, "1e-50"};
  const MaterialData material = p.state.materialData;
  const float damageToFailure = p.state.analysisOptions.DamageToFailure;
  for (const auto& b : boxes) {
    for (const std::string& text : texts) {
      p.host.messages.clear();
      Enter(b.box, text);
      ASSERT_EQ(p.host.messages.size(), 1u) << b.box.Name() << " " << text.substr(0, 8);
      const char* reason = text == "1e39" || text == huge ? b.high : b.low;
      EXPECT_EQ(p.host.messages[0].text, "Sorry, Data Incorrect! "s + reason) << b.box.Name();
      EXPECT_EQ(p.host.messages[0].title, b.title);
      EXPECT_EQ(p.host.messages[0].icon, MsgIcon::Critical);
      EXPECT_TRUE(p.state.materialData == material) << b.box.Name() << " " << text.substr(0, 8);
      EXPECT_EQ(p.state.analysisOptions.DamageToFailure, damageToFailure);
      EXPECT_TRUE(b.box.HasFocus());
    }
    b.box.leave();  // the box shows the stored value again: leaving it asks nothing
    EXPECT_EQ(p.host.messages.size(), 1u) << b.box.Name();
  }
}

// Right after Accept, Tab and Shift+Tab stay in the problem definition; in
// the input view, tabbing through every box without typing refuses nothing.
TEST_F(SoundInputRoads, TabStaysInTheFrameInFrontAndRefusesNothingUntyped) {
  Program p;
  Frame& definition = p.main.problemDefinition().frm_analysis;
  ASSERT_TRUE(definition.IsShowing());
  for (int shift : {0, static_cast<int>(kShiftMask)}) {
    for (int i = 0; i < 40; ++i) {
      Control* focus = p.main.ActiveControl();
      ASSERT_NE(focus, nullptr);
      focus->keyDown(kKeyTab, shift);
      const Control* top = p.main.ActiveControl();
      while (top && top->Container()) top = top->Container();
      ASSERT_EQ(top, &definition) << p.main.ActiveControl()->Name() << " lies outside the problem definition";
    }
  }
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();

  ToTheInputView(p);
  p.main.snInputs().SNmt.SetFocus();
  for (int i = 0; i < 60; ++i) p.main.ActiveControl()->keyDown(kKeyTab, 0);
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_EQ(p.host.beeps, 0);
}

// The job summary takes back its colour after a calculation, and the boxes
// follow a colour changed in the settings.
TEST_F(SoundInputRoads, RepaintsUseTheColoursInForce) {
  Program p;
  ToTheInputView(p);
  MainMenus& menus = p.main.menus();
  Choose(menus.mnu_calculate);
  EXPECT_EQ(p.main.dataBox().pic_DBox.BackColor(), p.state.colourSettings.ColourDataBox);

  Choose(menus.mnu_settings);
  SettingsFramePanel& settings = p.main.settings();
  p.host.colourAnswers = {0x00123456, 0x00654321};
  Press(settings.Graphics(1));  // the S-N colour
  Press(settings.Graphics(4));  // the job summary's colour
  Press(settings.cmd_settings_done);
  SnFramePanel& sn = p.main.snInputs();
  for (TextBox* box : {&sn.SNmt, &sn.SNset(0), &sn.SNtht(2)}) EXPECT_EQ(box->BackColor(), 0x00123456) << box->Name();
  for (TextBox* box : {&sn.SNtht(0), &p.main.dataBox().ExtSNt(1), &p.main.dataBox().DTFft})
    EXPECT_EQ(box->BackColor(), 0x00654321) << box->Name();
  Choose(menus.mnu_calculate);
  EXPECT_EQ(p.main.dataBox().pic_DBox.BackColor(), 0x00654321);
}

// After "U&S" every unit-bound S-N value shows the stored value in ksi and
// inches; the job summary's mean-stress tag is its own, followed by the
// notch-factor box.
TEST_F(SoundInputRoads, UsUnitsShowTheStoredValuesInTheNewUnits) {
  Program p;
  ToTheInputView(p);
  SnFramePanel& sn = p.main.snInputs();
  Enter(sn.SNtht(2), "300");
  Enter(sn.SNtht(3), "500");
  Choose(p.main.menus().mnu_US);
  const MaterialData& m = p.state.materialData;
  EXPECT_EQ(sn.SNtht(2).Text(), "43.5");
  EXPECT_EQ(sn.SNtht(3).Text(), "72.5");
  EXPECT_EQ(sn.SNtht(0).Text(), Format(m.Thickness / 25.4f, "###0.0"));
  EXPECT_EQ(sn.SNset(0).Text(), Format(m.SeFrom / 6.895f / 2.0, "####.0#"));
  EXPECT_EQ(sn.SNSe(0).Caption().substr(sn.SNSe(0).Caption().size() - 3), "ksi");
  EXPECT_EQ(sn.SNEt.Text(), Format(m.YoungModulus / 6.895f, "######0"));
  const Label& tag = p.main.dataBox().DBmse(1);
  EXPECT_EQ(tag.Caption(), "MSE(+): ");
  EXPECT_EQ(p.main.dataBox().DDBmse(2).Left(), tag.Left() + tag.Width());
}

TEST_F(SoundInputRoads, TheSecondWindowsCaption) {
  Program p;
  EXPECT_EQ(p.main.formShow().Caption(), "DUVAK  -  Fatigue Life Analysis Program");
}
