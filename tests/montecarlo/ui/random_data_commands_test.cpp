// The random data file's open and save on the main window.

#include <gtest/gtest.h>

#include <string>

#include "component/ui/data_box_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/ui/montecarlo_services.h"
#include "random_variable_fixture.h"

namespace {

class RandomDataTest : public RandomVariableUi {
 protected:
  std::string File(const char* name) const { return (folder.path() / name).string(); }
  void ExpectTags() {
    EXPECT_EQ(main.snInputs().dN_distr(0).Caption(), "{L12}");
    EXPECT_EQ(main.loadingFrames().load_distr(1).Caption(), "{W30}");
    EXPECT_EQ(main.dataBox().SCF_distr.Caption(), "{\u2013}");
  }
};

TEST_F(RandomDataTest, SavedTableOpensAgainWithItsTags) {
  Put(1, 2, 0.12f, 0.5f, 2.0f);
  Put(2, 3, 0.3f, 0.2f, 1.8f);
  table.RvParB[2] = 3.7f;
  const RandomVariableTable saved = table;
  host.saveAnswers.push_back(File("set.rsn"));
  OpenSaveRandomData(main, 1);
  ASSERT_EQ(host.saveRequests.size(), 1u);
  EXPECT_EQ(host.saveRequests[0].filter, "DUVAK Random Data (*.rsn)|*.rsn");
  EXPECT_EQ(host.saveRequests[0].flags, 6);
  EXPECT_EQ(host.saveRequests[0].fileName, "");
  EXPECT_EQ(host.saveRequests[0].title, "");

  table = RandomVariableTable{};
  host.openAnswers.push_back(File("set.rsn"));
  OpenSaveRandomData(main, 0);
  EXPECT_EQ(table, saved);
  ExpectTags();
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(RandomDataTest, ShortFileIsReportedAndChangesNothingButTheTags) {
  folder.Write("short.rsn", " 1  .1  1.4  .6  1  .1 \r\n");
  Put(1, 2, 0.12f, 0.5f, 2.0f);
  Put(2, 3, 0.3f, 0.2f, 1.8f);
  const RandomVariableTable before = table;
  host.openAnswers.push_back(File("short.rsn"));
  OpenSaveRandomData(main, 0);
  EXPECT_EQ(table, before);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Critical);
  EXPECT_NE(host.messages[0].text.find("short.rsn"), std::string::npos);
  ExpectTags();
}

TEST_F(RandomDataTest, NothingWhileBusyOrCancelled) {
  state.shellState.UiState = 0;
  OpenSaveRandomData(main, 0);
  OpenSaveRandomData(main, 1);
  EXPECT_TRUE(host.openRequests.empty());
  EXPECT_TRUE(host.saveRequests.empty());
  EXPECT_EQ(host.beeps, 0);

  state.shellState.UiState = 1;
  main.dataBox().SCF_distr.SetCaption("{N10}");
  OpenSaveRandomData(main, 0);  // the dialog answers "" (cancelled)
  OpenSaveRandomData(main, 1);
  EXPECT_EQ(host.openRequests.size(), 1u);
  EXPECT_EQ(main.dataBox().SCF_distr.Caption(), "{N10}");
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
