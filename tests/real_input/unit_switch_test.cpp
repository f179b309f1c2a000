// A units switch by real input: "U&S" and "S&I" over a job on show format
// the S-N diagram's captions as the diagram writes them and the job summary
// anew, so that every row shows its value with the unit now
// chosen, and lay it out as the problem definition's OK lays it out: the
// mean-stress tag followed by its notch-factor box, not running under it.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <sstream>
#include <string>
#include <vector>

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/qt/text_fit.h"
#include "real_input/real_user.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

// What the job summary shows: every control on its picture, whether it is
// on show, its text and where its widget stands, one line each.
std::vector<std::string> SummaryOnScreen(FormMain& main) {
  const PictureBox& pic = main.dataBox().pic_DBox;
  std::vector<std::string> lines;
  for (Control* c : main.Controls()) {
    if (c->Container() != &pic) continue;
    QWidget* w = c->widget();
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) text = "[" + edit->text() + "]";
    const QRect r = w->geometry();
    std::ostringstream line;
    line << c->Name() << "(" << c->Index() << ") " << (w->isVisible() ? "shown" : "hidden") << " \""
         << text.toStdString() << "\" " << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    lines.push_back(line.str());
  }
  return lines;
}

// Whether a box's widget has room for all of its text (a line edit keeps
// two pixels beside it).
bool ShowsWhole(TextBox& box) {
  auto* edit = qobject_cast<QLineEdit*>(box.widget());
  return edit && QFontMetrics(edit->font()).horizontalAdvance(edit->text()) <= edit->width() - 4;
}

class UnitSwitch : public ::testing::Test {
 protected:
  RealProgram p{"unit_switch"};
  FormMain& main = p.main;
  User& user = p.user;
  DataBoxPanel& box = main.dataBox();
  ProblemDefinitionPanel& pd = main.problemDefinition();

  // The summary after a switch is the one that the problem definition's OK
  // gives in the same units.
  void ExpectLaidOutAsAfterOk(const std::string& where) {
    const std::vector<std::string> switched = SummaryOnScreen(main);
    user.Choose(main.menus().mnu_target);
    user.Click(pd.cmd_analysis_done);
    ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
    EXPECT_EQ(switched, SummaryOnScreen(main)) << where;
  }
};

// A feature specimen with the mean stress accounted: the thickness row and
// the notch-factor box of the mean-stress tag, there and back.
TEST_F(UnitSwitch, TheSummaryShowsTheNewUnitsAsAfterOk) {
  user.Click(pd.Cmd_analysis_next);
  ASSERT_TRUE(box.DBmset(2).IsShowing());
  p.watchdog.Step("U&S");
  user.Choose(main.menus().mnu_US);
  EXPECT_EQ(box.SNth(0).Caption(), "Thickness Effect:    t = 1.0  in");
  EXPECT_EQ(ShownText(box.SNtht(0)), "1.0");
  EXPECT_EQ(box.DBmse(1).Caption(), "MSE(+): ");
  EXPECT_EQ(ShownText(box.DBmset(2)), "3.0");
  EXPECT_TRUE(ShowsWhole(box.DBmset(2)));
  EXPECT_LE(LabelTextRect(*box.DBmse(1).widget()).right(), box.DDBmse(2).widget()->geometry().left())
      << "the tag runs under \"Kt = \"";
  EXPECT_EQ(TextsNaming(main, "MPa|mm"), std::vector<std::string>{});
  ExpectLaidOutAsAfterOk("after U&S");

  p.watchdog.Step("S&I after an OK in US units");
  user.Choose(main.menus().mnu_SI);
  EXPECT_EQ(box.SNth(0).Caption(), "Thickness Effect:    t = 25.0  mm");
  EXPECT_EQ(ShownText(box.SNtht(0)), "25.0");
  EXPECT_EQ(box.DBmse(1).Caption(), "MSE(+): ");
  EXPECT_EQ(TextsNaming(main, "ksi|in"), std::vector<std::string>{});
  ExpectLaidOutAsAfterOk("after S&I");
}

// The endurance limit's caption on the S-N diagram reads after a switch as
// the diagram writes it at start-up, "Se =", ten blanks, the value and the
// unit, and stands where it stood.
TEST_F(UnitSwitch, TheEnduranceLimitsCaptionKeepsItsFormAndPlace) {
  user.Click(pd.Cmd_analysis_next);
  Label& se = main.snInputs().SNSe(0);
  const std::string blanks(10, ' ');
  ASSERT_EQ(se.Caption(), "Se = " + blanks + "50.0  MPa");
  const int left = se.widget()->geometry().left();
  const struct {
    MenuItem& command;
    const char* caption;
  } switches[] = {{main.menus().mnu_US, "7.25  ksi"}, {main.menus().mnu_SI, "50.0  MPa"}};
  for (const auto& sw : switches) {
    user.Choose(sw.command);
    EXPECT_EQ(se.Caption(), "Se = " + blanks + sw.caption);
    EXPECT_EQ(se.widget()->geometry().left(), left) << sw.caption;
  }
}

// A plain specimen with its notch: the notch radius in the length unit.
TEST_F(UnitSwitch, TheNotchRadiusFollowsTheUnits) {
  user.Click(pd.chk_unnotch);
  user.Click(pd.chk_ns_account);
  user.Click(pd.Cmd_analysis_next);
  user.Retype(box.SCFt(0), "2.5");
  user.Click(box.pic_DBox);
  ASSERT_TRUE(box.Reliabt.IsShowing());
  ASSERT_EQ(box.Reliab.Caption(), "Notch Radius [mm]:  r = ");
  p.watchdog.Step("U&S");
  user.Choose(main.menus().mnu_US);
  EXPECT_EQ(box.Reliab.Caption(), "Notch Radius [in]:  r = ");
  EXPECT_EQ(ShownText(box.Reliabt), "0.04 ");
  EXPECT_EQ(TextsNaming(main, "MPa|mm"), std::vector<std::string>{});
  ExpectLaidOutAsAfterOk("after U&S");
}

}  // namespace
}  // namespace real_input
