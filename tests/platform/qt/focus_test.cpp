#include <gtest/gtest.h>

#include <QWidget>

#include "platform/ui/form.h"
#include "support/fake_host.h"
#include "support/message_trace.h"

namespace {

// A numeric box that refuses values above 100 the way the program's inputs
// do: a message box from LostFocus, the old value back, the focus back.
class FocusTest : public ::testing::Test {
 protected:
  FocusTest() {
    const ControlDef rows[] = {
        {.name = "SNmt", .kind = ControlKind::TextBox, .width = 1000, .height = 300, .caption = "10", .tabIndex = 0},
        {.name = "SNnt", .kind = ControlKind::TextBox, .top = 400, .width = 1000, .height = 300, .caption = "5", .tabIndex = 1},
        {.name = "cmd_ok", .kind = ControlKind::CommandButton, .top = 800, .width = 1000, .height = 400, .caption = "OK", .tabIndex = 2},
    };
    form.Build(rows);
    const MenuDef menus[] = {{.name = "mnu_Run", .caption = "&Run"}, {.name = "mnu_calculate", .parent = "mnu_Run", .caption = "&Calculate"}};
    form.BuildMenus(menus);
    auto& m = form.textBox("SNmt");
    m.onGotFocus = [this] { log.push_back("SNmt.GotFocus"); };
    m.onLostFocus = [this] { SNmt_LostFocus(); };
    form.textBox("SNnt").onGotFocus = [this] { log.push_back("SNnt.GotFocus"); };
    form.textBox("SNnt").onLostFocus = [this] { log.push_back("SNnt.LostFocus"); };
    form.menu("mnu_calculate").onClick = [this] { log.push_back("Calculate"); };
  }

  void SNmt_LostFocus() {
    log.push_back("SNmt.LostFocus");
    auto& m = form.textBox("SNmt");
    if (std::stoi(m.Text()) > 100) {
      host.MsgBox("Sorry, Data Incorrect! (m > 100)", MsgButtons::OKOnly, MsgIcon::Critical, 1, "m");
      m.SetText(accepted);
      m.SetFocus();
      return;
    }
    accepted = m.Text();
  }

  FakeHost host;
  MessagesOnFailure trace{host};
  Form form{host};
  std::vector<std::string> log;
  std::string accepted = "10";
};

TEST_F(FocusTest, LostFocusRunsWhenFocusMovesToAnotherControl) {
  form.textBox("SNmt").SetFocus();
  form.textBox("SNnt").SetFocus();
  EXPECT_EQ(log, (std::vector<std::string>{"SNmt.GotFocus", "SNmt.LostFocus", "SNnt.GotFocus"}));
  EXPECT_EQ(form.ActiveControl(), &form.textBox("SNnt"));
}

TEST_F(FocusTest, MenuUseRunsNoLostFocus) {
  form.textBox("SNmt").typeText("20");
  form.menu("mnu_calculate").click();
  EXPECT_EQ(log, (std::vector<std::string>{"SNmt.GotFocus", "Calculate"}));
  EXPECT_TRUE(form.textBox("SNmt").HasFocus());
}

TEST_F(FocusTest, RefusalFromLostFocusShowsOneMessageAndKeepsTheFocusQuietly) {
  form.textBox("SNmt").typeText("200");
  form.textBox("SNnt").SetFocus();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Sorry, Data Incorrect! (m > 100)");
  EXPECT_EQ(host.messages[0].title, "m");
  EXPECT_EQ(form.textBox("SNmt").Text(), "10");
  EXPECT_TRUE(form.textBox("SNmt").HasFocus());
  // No second LostFocus, no GotFocus of either box after the refusal.
  EXPECT_EQ(log, (std::vector<std::string>{"SNmt.GotFocus", "SNmt.LostFocus"}));

  // The next move away runs LostFocus again, once.
  form.textBox("SNmt").typeText("50");
  form.button("cmd_ok").click();
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(accepted, "50");
  EXPECT_EQ(form.ActiveControl(), &form.button("cmd_ok"));
}

TEST_F(FocusTest, ButtonClickRunsLostFocusBeforeClick) {
  form.button("cmd_ok").onClick = [this] { log.push_back("OK.Click"); };
  form.textBox("SNmt").typeText("30");
  form.button("cmd_ok").click();
  EXPECT_EQ(log, (std::vector<std::string>{"SNmt.GotFocus", "SNmt.LostFocus", "OK.Click"}));
}

TEST_F(FocusTest, LeaveAndTabMoveTheFocus) {
  auto& m = form.textBox("SNmt");
  m.SetFocus();
  m.keyDown(kKeyTab, 0);
  EXPECT_TRUE(form.textBox("SNnt").HasFocus());
  form.textBox("SNnt").keyDown(kKeyTab, kShiftMask);
  EXPECT_TRUE(m.HasFocus());
  m.leave();
  EXPECT_EQ(form.ActiveControl(), nullptr);
  EXPECT_EQ(log.back(), "SNmt.LostFocus");
}

TEST_F(FocusTest, HiddenOrDisabledControlsDoNotTakeTheFocus) {
  form.textBox("SNnt").SetVisible(false);
  form.textBox("SNnt").SetFocus();
  EXPECT_EQ(form.ActiveControl(), nullptr);
  form.textBox("SNmt").SetEnabled(false);
  form.textBox("SNmt").typeText("7");
  EXPECT_EQ(form.textBox("SNmt").Text(), "10");
  EXPECT_TRUE(log.empty());
}

TEST_F(FocusTest, QtFocusFollowsTheModelOnAShownForm) {
  form.Show();
  form.textBox("SNnt").SetFocus();
  EXPECT_EQ(form.widget()->focusWidget(), form.textBox("SNnt").widget());
  form.Hide();
}

}  // namespace

namespace {

// A summary frame with two boxes, a box beside it, and a working frame made
// later that lies over the summary's second box.
class TabScopeTest : public ::testing::Test {
 protected:
  TabScopeTest() {
    const ControlDef rows[] = {
        {.name = "frm_DBox", .kind = ControlKind::Frame, .width = 3000, .height = 3000},
        {.name = "Subjt", .kind = ControlKind::TextBox, .parent = "frm_DBox", .left = 100, .top = 100, .width = 1000, .height = 300, .tabIndex = 1},
        {.name = "ExtSNt", .kind = ControlKind::TextBox, .parent = "frm_DBox", .left = 100, .top = 2000, .width = 1000, .height = 300, .tabIndex = 2},
        {.name = "Other", .kind = ControlKind::TextBox, .left = 5000, .width = 1000, .height = 300, .tabIndex = 3},
        {.name = "frm_analysis", .kind = ControlKind::Frame, .top = 1500, .width = 4000, .height = 1500},
        {.name = "chk_a", .kind = ControlKind::OptionButton, .parent = "frm_analysis", .left = 100, .top = 100, .width = 1000, .height = 300, .tabIndex = 4},
        {.name = "cmd_next", .kind = ControlKind::CommandButton, .parent = "frm_analysis", .left = 100, .top = 600, .width = 1000, .height = 300, .tabIndex = 5},
    };
    form.Build(rows);
  }
  Control* Tab(Control& from, bool back = false) {
    from.SetFocus();
    from.keyDown(kKeyTab, back ? kShiftMask : 0);
    return form.ActiveControl();
  }

  FakeHost host;
  Form form{host};
};

}  // namespace

TEST_F(TabScopeTest, TabCyclesWithinTheWorkingFrameInFront) {
  Control& option = form.option("chk_a");
  Control& next = form.button("cmd_next");
  EXPECT_EQ(Tab(option), &next);
  EXPECT_EQ(Tab(next), &option);  // round, not out to the summary behind
  EXPECT_EQ(Tab(option, true), &next);
  EXPECT_EQ(Tab(next, true), &option);
}

TEST_F(TabScopeTest, NoTabReachesAControlHiddenBehindAFrame) {
  Control& subject = form.textBox("Subjt");
  Control& other = form.textBox("Other");
  EXPECT_EQ(Tab(subject), &other);  // ExtSNt lies under the working frame
  EXPECT_EQ(Tab(other), &form.option("chk_a"));
  EXPECT_EQ(Tab(subject, true), &form.button("cmd_next"));
  // With the working frame closed, the whole tab order is there again.
  form.frame("frm_analysis").SetVisible(false);
  EXPECT_EQ(Tab(subject), &form.textBox("ExtSNt"));
  EXPECT_EQ(Tab(form.textBox("ExtSNt")), &other);
  EXPECT_EQ(Tab(other), &subject);
}
