// What the screen shows is what is calculated, by real input: after a
// material set is taken from the fatigue database, and after No is typed,
// the S-N extension of the job summary shows the values the life is
// calculated with.

#include <gtest/gtest.h>

#include <QLabel>
#include <string>

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "real_input/real_user.h"
#include "real_input/users_folders.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

// The life on the screen after "&Calculate".
std::string CalculatedLife(RealProgram& p) {
  p.user.Choose(p.main.menus().mnu_calculate);
  auto* life = qobject_cast<QLabel*>(p.main.dataBox().Result.widget());
  return life && life->isVisible() ? life->text().toStdString() : std::string();
}

// A summary box typed and left by a click on the summary.
void TypeInSummary(RealProgram& p, TextBox& box, const std::string& value) {
  p.user.Retype(box, value);
  p.user.Click(p.main.dataBox().pic_DBox);
  ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
}

// The block spectrum of the database on a typed S-N curve whose extension
// the user typed (Se'/Se 0.5, m' 6), shown as the ratio or as No'; then
// the set S355 (m 3.5) taken. The summary's extension boxes show the set's
// m' and the extension in use: the life calculated now is the life of the
// values on show, as typing them again proves.
TEST(ValuesOnShow, TheExtensionBoxesShowTheValuesInUseAfterASetIsTaken) {
  const struct {
    const char* display;  // chosen from the extension label's popup
    const char* shown;    // the first box after the set is taken
  } cases[] = {{nullptr, "0.5"}, {"No'", "2E+7"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.display ? c.display : "Se'/Se");
    UsersFolders folders;
    RealProgram p("set_after_extension", {}, 120, folders.root.path());
    DataBoxPanel& box = p.main.dataBox();
    ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, folders, p.main.problemDefinition().chk_spectrum, 2));
    ASSERT_NO_FATAL_FAILURE(TypeInSummary(p, box.ExtSNt(0), "0.5"));
    ASSERT_NO_FATAL_FAILURE(TypeInSummary(p, box.ExtSNt(1), "6"));
    if (c.display) {
      p.user.AnswerPopup(c.display);
      p.user.Click(box.ExtSN(0), Qt::RightButton);
      ASSERT_TRUE(p.user.AllAnswered());
    }
    const std::string typed = CalculatedLife(p);
    EXPECT_NE(typed.find("1.139E+2 [blk]"), std::string::npos) << typed;

    p.watchdog.Step("the set S355 taken");
    ASSERT_NO_FATAL_FAILURE(TakeMaterialSet(p, folders, 0));
    ASSERT_EQ(p.state.jobTexts.MaterialName, "S355");
    EXPECT_EQ(ShownText(box.ExtSNt(1)), "3.5");
    EXPECT_EQ(ShownText(box.ExtSNt(0)), c.shown);
    const std::string taken = CalculatedLife(p);
    EXPECT_NE(taken, typed);

    p.watchdog.Step("the values on show typed again");
    ASSERT_NO_FATAL_FAILURE(TypeInSummary(p, box.ExtSNt(1), ShownText(box.ExtSNt(1))));
    ASSERT_NO_FATAL_FAILURE(TypeInSummary(p, box.ExtSNt(0), ShownText(box.ExtSNt(0))));
    EXPECT_EQ(CalculatedLife(p), taken);
  }
}

// The same extension shown as No' on the typed curve; then No typed in the
// S-N frame: the No' on show follows with the ratio in use, 1E6 x 2^6.
TEST(ValuesOnShow, ANoPrimeOnShowFollowsATypedNo) {
  UsersFolders folders;
  RealProgram p("no_after_extension", {}, 120, folders.root.path());
  DataBoxPanel& box = p.main.dataBox();
  SnFramePanel& sn = p.main.snInputs();
  ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, folders, p.main.problemDefinition().chk_spectrum, 2));
  ASSERT_NO_FATAL_FAILURE(TypeInSummary(p, box.ExtSNt(0), "0.5"));
  ASSERT_NO_FATAL_FAILURE(TypeInSummary(p, box.ExtSNt(1), "6"));
  p.user.AnswerPopup("No'");
  p.user.Click(box.ExtSN(0), Qt::RightButton);
  ASSERT_TRUE(p.user.AllAnswered());
  ASSERT_EQ(ShownText(box.ExtSNt(0)), "1E+8");  // 2E6 x 2^6

  p.user.Retype(sn.SNNot, "1E6");
  p.user.Click(sn.Pic_SN);
  ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
  EXPECT_EQ(ShownText(box.ExtSNt(0)), "6E+7");
  EXPECT_EQ(p.state.materialData.SNExtensionRatio, 0.5f);
}

// A distribution is worked without an extension, with m' equal to m, as
// the summary's row says: after the set S235 (m 4) is taken it says 4.0.
TEST(ValuesOnShow, TheDistributionsExtensionRowShowsTheSetsExponent) {
  UsersFolders folders;
  RealProgram p("set_on_a_distribution", {}, 120, folders.root.path());
  ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, folders, p.main.problemDefinition().chk_beta_distrib, 3));
  ASSERT_EQ(p.main.dataBox().ExtSN(1).Caption(), "  m'  =  3.5");
  ASSERT_NO_FATAL_FAILURE(TakeMaterialSet(p, folders, 1));
  EXPECT_EQ(p.main.dataBox().ExtSN(1).Caption(), "  m'  =  4.0");
}

}  // namespace
}  // namespace real_input
