#include "shell/ui/numeric_box.h"

#include <gtest/gtest.h>

#include "platform/ui/form.h"
#include "shell/ui/control_utilities.h"
#include "shell/user_messages.h"
#include "support/fake_host.h"

namespace {

struct NumericBoxTest : ::testing::Test {
  FakeHost host;
  Form form{host, "f"};
  ShellState shell;
  Frame& frame = form.Add<Frame>("frm");
  PictureBox& pic = form.Add<PictureBox>("pic", -1, &frame);
  TextBox& box = form.Add<TextBox>("box", -1, &frame);
  TextBox& other = form.Add<TextBox>("other", -1, &frame);
};

TEST_F(NumericBoxTest, RefusalWhileShownBeepsRestoresAndKeepsTheFocus) {
  box.SetFocus();
  PaintForEditing(box);
  EXPECT_TRUE(IsBeingEdited(box));
  box.typeText("abc");
  EXPECT_TRUE(RefuseInput(shell, host, pic, box, DataIncorrectText("(m < 1)"), " S-N Exponent (m)", "3.5"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Sorry, Data Incorrect! (m < 1)");
  EXPECT_EQ(host.messages[0].title, " S-N Exponent (m)");
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Critical);
  EXPECT_EQ(host.events.front(), "Beep");
  EXPECT_EQ(box.Text(), "3.5");
  EXPECT_TRUE(box.HasFocus());
}

TEST_F(NumericBoxTest, RefusalWhileHiddenIsSilentAndKeepsTheText) {
  box.typeText("abc");
  frame.SetVisible(false);
  shell.BeepEnabled = 0;
  EXPECT_FALSE(RefuseInput(shell, host, pic, box, "x", "t", "3.5"));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(box.Text(), "abc");
}

TEST_F(NumericBoxTest, NoBeepWhenTheBeepSettingIsOff) {
  shell.BeepEnabled = 0;
  RefuseInput(shell, host, pic, box, "x", "t", "1");
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(NumericBoxTest, SelectOptionRunsClickOnlyWhenNotSelected) {
  auto& a = form.Add<OptionButton>("optA", -1, &frame);
  int clicks = 0;
  a.onClick = [&] { ++clicks; };
  SelectOption(a);
  SelectOption(a);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(a.Value());
}

TEST(ControlUtilities, SwapValuesExchangesStringsAndNumbers) {
  std::string s = "a", t = "b";
  SwapValues(s, t);
  EXPECT_EQ(s + t, "ba");
  float arr[2] = {1.f, 2.f};
  SwapValues(arr[0], arr[1]);
  EXPECT_EQ(arr[0], 2.f);
}

}  // namespace
