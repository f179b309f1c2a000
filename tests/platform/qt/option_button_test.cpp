#include <gtest/gtest.h>

#include "platform/ui/form.h"
#include "support/fake_host.h"

namespace {

// Two frames, each with two option buttons, and a text box to hold the focus.
const ControlDef kRows[] = {
    {.name = "frm_a", .kind = ControlKind::Frame, .width = 3000, .height = 1500, .caption = "A"},
    {.name = "opt_a", .index = 0, .kind = ControlKind::OptionButton, .parent = "frm_a", .top = 200, .width = 1500, .height = 300, .caption = "One", .value = 1},
    {.name = "opt_a", .index = 1, .kind = ControlKind::OptionButton, .parent = "frm_a", .top = 600, .width = 1500, .height = 300, .caption = "Two"},
    {.name = "frm_b", .kind = ControlKind::Frame, .left = 3200, .width = 3000, .height = 1500, .caption = "B"},
    {.name = "opt_b", .kind = ControlKind::OptionButton, .parent = "frm_b", .top = 200, .width = 1500, .height = 300, .caption = "Other", .value = 1},
    {.name = "txt", .kind = ControlKind::TextBox, .top = 2000, .width = 1000, .height = 300},
};

class OptionButtonTest : public ::testing::Test {
 protected:
  OptionButtonTest() {
    form.Build(kRows);
    auto& a = form.array<OptionButton>("opt_a");
    a.onClick = [this](int i) { clicks.push_back(i); };
    form.option("opt_b").onClick = [this] { clicks.push_back(99); };
  }
  FakeHost host;
  Form form{host};
  std::vector<int> clicks;
};

TEST_F(OptionButtonTest, DesignValuesRunNoClick) {
  EXPECT_TRUE(form.option("opt_a", 0).Value());
  EXPECT_FALSE(form.option("opt_a", 1).Value());
  EXPECT_TRUE(clicks.empty());
}

TEST_F(OptionButtonTest, SettingTrueByCodeClicksOnceAndClearsOnlyItsGroup) {
  form.option("opt_a", 1).SetValue(true);
  EXPECT_EQ(clicks, std::vector<int>{1});
  EXPECT_FALSE(form.option("opt_a", 0).Value());
  EXPECT_TRUE(form.option("opt_b").Value()) << "another frame is another group";

  form.option("opt_a", 1).SetValue(true);  // already selected: no change, no Click
  EXPECT_EQ(clicks, std::vector<int>{1});
}

TEST_F(OptionButtonTest, SettingFalseRunsNothingAndCanClearTheWholeGroup) {
  form.option("opt_a", 0).SetValue(false);
  form.option("opt_a", 1).SetValue(false);
  EXPECT_TRUE(clicks.empty());
  EXPECT_FALSE(form.option("opt_a", 0).Value());
  EXPECT_FALSE(form.option("opt_a", 1).Value());
}

TEST_F(OptionButtonTest, UserClickMovesFocusFirstThenClicks) {
  std::vector<std::string> order;
  auto& box = form.textBox("txt");
  box.onLostFocus = [&] { order.push_back("LostFocus"); };
  form.array<OptionButton>("opt_a").onClick = [&](int i) { order.push_back("Click" + std::to_string(i)); };
  box.SetFocus();
  form.option("opt_a", 1).click();
  EXPECT_EQ(order, (std::vector<std::string>{"LostFocus", "Click1"}));
  EXPECT_TRUE(form.option("opt_a", 1).HasFocus());
  // Clicking the selected button again changes nothing.
  form.option("opt_a", 1).click();
  EXPECT_EQ(order.size(), 2u);
}

TEST_F(OptionButtonTest, DisabledButtonIgnoresUserClickButNotCode) {
  form.option("opt_a", 1).SetEnabled(false);
  form.option("opt_a", 1).click();
  EXPECT_FALSE(form.option("opt_a", 1).Value());
  form.frame("frm_a").SetEnabled(false);
  form.option("opt_a", 1).SetEnabled(true);
  form.option("opt_a", 1).click();
  EXPECT_FALSE(form.option("opt_a", 1).Value()) << "a disabled frame blocks its buttons";
  form.option("opt_a", 1).SetValue(true);
  EXPECT_TRUE(form.option("opt_a", 1).Value());
  EXPECT_EQ(clicks, std::vector<int>{1});
}

TEST(CheckBoxTest, ValueByCodeAndByUserRunClick) {
  FakeHost host;
  Form form(host);
  auto& chk = form.Add<CheckBox>("chk");
  int clicks = 0;
  chk.onClick = [&] { ++clicks; };
  chk.SetValue(kChecked);
  chk.SetValue(kChecked);
  EXPECT_EQ(clicks, 1);
  chk.click();
  EXPECT_EQ(chk.Value(), kUnchecked);
  EXPECT_EQ(clicks, 2);
}

}  // namespace
