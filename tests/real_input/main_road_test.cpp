// The first road of a user, by real input: the warranty accepted, the
// problem definition, a loading and an S-N curve typed, "&Calculate", and the
// life on the screen; a loading below the endurance limit, infinite; the job
// summary's note beside Kt, which the calculation leaves standing.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "real_input/real_user.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

TEST(MainRoad, TypedInputsGiveTheLifeOnTheScreen) {
  RealProgram p("main_road");
  FormMain& main = p.main;
  User& user = p.user;
  EXPECT_EQ(p.state.shellState.WarrantyAccepted, 1);
  ASSERT_TRUE(main.problemDefinition().frm_analysis.IsShowing());
  user.Click(main.problemDefinition().Cmd_analysis_next);

  // The constant amplitude typed on the spectrum diagram; a click on the
  // diagram leaves the box.
  LoadingFramesPanel& loading = main.loadingFrames();
  p.watchdog.Step("typing the loading");
  user.Retype(loading.SSmaxt(0), "100");
  user.Click(loading.Pic_Spectr);
  EXPECT_EQ(p.state.loadingData.StressRangeTo, 200.0f);

  // The S-N curve, from box to box by Tab.
  SnFramePanel& sn = main.snInputs();
  p.watchdog.Step("typing the S-N curve");
  user.Retype(sn.SNset(0), "60");
  user.Key(Qt::Key_Tab);
  EXPECT_EQ(p.state.materialData.Se, 120.0f) << "the amplitude is stored as a range";
  user.Retype(sn.SNNot, "1E+6");
  user.Retype(sn.SNmt, "4");
  user.Click(sn.Pic_SN);
  EXPECT_EQ(p.state.materialData.EnduranceCycles, 1000000);
  EXPECT_EQ(p.state.materialData.SNExponent, 4.0f);
  EXPECT_TRUE(user.Messages().empty()) << user.Messages()[0].text;

  p.watchdog.Step("Calculate");
  user.Choose(main.menus().mnu_calculate);
  Label& result = main.dataBox().Result;
  auto* shown = qobject_cast<QLabel*>(result.widget());
  ASSERT_TRUE(shown && shown->isVisible());
  // 1E+6 x (120 / 200)^4 cycles.
  EXPECT_EQ(shown->text().toStdString(), "Fatigue life:   1.296E+5 [cyc] ");
  EXPECT_TRUE(user.Messages().empty());
}

// A constant amplitude below the endurance limit does no damage: with a
// small damage to failure typed in the job summary its life is still
// infinite.
TEST(MainRoad, ALoadingBelowTheEnduranceLimitLivesForEverWhateverTheDamageToFailure) {
  RealProgram p("main_road_below_the_limit");
  FormMain& main = p.main;
  User& user = p.user;
  user.Click(main.problemDefinition().Cmd_analysis_next);
  LoadingFramesPanel& loading = main.loadingFrames();
  p.watchdog.Step("typing the loading and d");
  user.Retype(loading.SSmaxt(0), "40");
  user.Click(loading.Pic_Spectr);
  ASSERT_LT(p.state.loadingData.StressRangeTo, p.state.materialData.Se);
  DataBoxPanel& box = main.dataBox();
  user.Click(box.DTFf);
  user.TypeOver("0.05");
  user.Click(loading.Pic_Spectr);
  ASSERT_EQ(p.state.analysisOptions.DamageToFailure, 0.05f);
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;

  p.watchdog.Step("Calculate");
  user.Choose(main.menus().mnu_calculate);
  auto* shown = qobject_cast<QLabel*>(box.Result.widget());
  ASSERT_TRUE(shown && shown->isVisible());
  EXPECT_EQ(shown->text().toStdString(), "Fatigue Life  =   Infinite...");
  EXPECT_EQ(p.state.results.LifeBlocks, 1.0e30f);
  EXPECT_TRUE(user.Messages().empty());
}

// The pixels of the job summary's picture, as the screen shows it, that
// differ from its background in the band right of the Kt box, where the
// note stands.
int NotePixels(DataBoxPanel& box) {
  QWidget* picture = box.pic_DBox.widget();
  const QImage shown = picture->grab().toImage();
  const QRect kt = box.SCFt(0).widget()->geometry();
  const QRgb back = picture->palette().color(QPalette::Window).rgb();
  int marked = 0;
  for (int x = kt.right() + 2; x < kt.right() + 100 && x < shown.width(); ++x)
    for (int y = kt.top(); y <= kt.bottom() && y < shown.height(); ++y)
      if (shown.pixel(x, y) != back) ++marked;
  return marked;
}

// The local approach with notch sensitivity and the mean stress accounted:
// the summary notes "(NS & MSE)" beside Kt, before the calculation and after.
TEST(MainRoad, TheNoteBesideKtStaysAfterCalculate) {
  RealProgram p("main_road_note");
  FormMain& main = p.main;
  User& user = p.user;
  ProblemDefinitionPanel& pd = main.problemDefinition();
  for (OptionButton* option : {&pd.chk_unnotch, &pd.chk_local, &pd.chk_ns_account, &pd.chk_account})
    user.Click(*option);
  user.Click(pd.Cmd_analysis_next);
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
  DataBoxPanel& box = main.dataBox();
  ASSERT_TRUE(box.pic_DBox.IsShowing());
  const int note = NotePixels(box);
  EXPECT_GT(note, 0) << "the note is on show";

  p.watchdog.Step("Calculate");
  user.Choose(main.menus().mnu_calculate);
  auto* shown = qobject_cast<QLabel*>(box.Result.widget());
  ASSERT_TRUE(shown && shown->isVisible());
  EXPECT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
  EXPECT_EQ(NotePixels(box), note) << "the note stands with the rest of the summary";
}

}  // namespace
}  // namespace real_input
