// The user's own input through Qt reaches the same events and focus rules as
// the calls tests make.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "platform/ui/form.h"
#include "support/fake_host.h"

namespace {

class QtEventsTest : public ::testing::Test {
 protected:
  QtEventsTest() {
    const ControlDef rows[] = {
        {.name = "txt_a", .kind = ControlKind::TextBox, .width = 1500, .height = 300},
        {.name = "txt_b", .kind = ControlKind::TextBox, .top = 450, .width = 1500, .height = 300},
        {.name = "frm", .kind = ControlKind::Frame, .top = 900, .width = 3000, .height = 1200, .caption = "Options"},
        {.name = "opt", .index = 0, .kind = ControlKind::OptionButton, .parent = "frm", .left = 150, .top = 300, .width = 2000, .height = 300, .caption = "One", .value = 1},
        {.name = "opt", .index = 1, .kind = ControlKind::OptionButton, .parent = "frm", .left = 150, .top = 700, .width = 2000, .height = 300, .caption = "Two"},
        {.name = "cmd_go", .kind = ControlKind::CommandButton, .left = 3300, .width = 1200, .height = 400, .caption = "Go"},
        {.name = "cmd_ok", .kind = ControlKind::CommandButton, .left = 3300, .top = 500, .width = 1200, .height = 400, .caption = "OK", .isDefault = true},
    };
    form.Build(rows);
    form.Move(0, 0, 6000, 4500);
    form.Show();
    QApplication::setActiveWindow(form.widget());
    QTest::qWait(10);
  }
  ~QtEventsTest() override { form.Hide(); }
  FakeHost host;
  Form form{host};
};

TEST_F(QtEventsTest, TypingRunsKeyPressChangeAndKeyDown) {
  auto& a = form.textBox("txt_a");
  std::vector<int> downs;
  int changes = 0;
  a.onKeyDown = [&](int& code, int) { downs.push_back(code); };
  a.onKeyPress = [](int& k) {
    if (k == 'x') k = 0;
  };
  a.onChange = [&] { ++changes; };
  a.SetFocus();
  QTest::keyClicks(a.widget(), "1x2");
  QTest::keyClick(a.widget(), Qt::Key_Down);
  EXPECT_EQ(a.Text(), "12");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(downs, (std::vector<int>{'1', 'X', '2', kKeyDown}));
}

TEST_F(QtEventsTest, ClickingAnotherControlRunsLostFocusOnce) {
  std::vector<std::string> log;
  auto& a = form.textBox("txt_a");
  a.onLostFocus = [&] {
    log.push_back("a.LostFocus");
    host.MsgBox("refused", MsgButtons::OKOnly, MsgIcon::Critical, 1, "a");
    a.SetFocus();
  };
  form.textBox("txt_b").onGotFocus = [&] { log.push_back("b.GotFocus"); };
  a.SetFocus();
  QTest::mouseClick(form.textBox("txt_b").widget(), Qt::LeftButton);
  QTest::qWait(10);
  EXPECT_EQ(log, std::vector<std::string>{"a.LostFocus"});
  EXPECT_TRUE(a.HasFocus());
  EXPECT_EQ(QApplication::focusWidget(), a.widget());
}

TEST_F(QtEventsTest, HidingTheFocusedBoxMovesNoFocus) {
  std::vector<std::string> log;
  auto& a = form.textBox("txt_a");
  a.onLostFocus = [&] { log.push_back("a.LostFocus"); };
  form.textBox("txt_b").onGotFocus = [&] { log.push_back("b.GotFocus"); };
  a.SetFocus();
  a.SetEnabled(false);
  a.SetVisible(false);
  QTest::qWait(10);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(form.ActiveControl(), &a);
  form.textBox("txt_b").SetFocus();
  EXPECT_EQ(log, (std::vector<std::string>{"a.LostFocus", "b.GotFocus"}));
}

TEST_F(QtEventsTest, TabFollowsTabIndex) {
  form.textBox("txt_a").SetTabIndex(2);
  form.textBox("txt_b").SetTabIndex(1);
  form.option("opt", 0).SetTabIndex(3);
  form.option("opt", 1).SetTabIndex(4);
  form.textBox("txt_b").SetFocus();
  QTest::keyClick(form.textBox("txt_b").widget(), Qt::Key_Tab);
  EXPECT_TRUE(form.textBox("txt_a").HasFocus());
  EXPECT_EQ(QApplication::focusWidget(), form.textBox("txt_a").widget());
  QTest::keyClick(form.textBox("txt_a").widget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(form.textBox("txt_b").HasFocus());
}

TEST_F(QtEventsTest, ClickingAnOptionSelectsItOnce) {
  std::vector<int> clicks;
  form.array<OptionButton>("opt").onClick = [&](int i) { clicks.push_back(i); };
  QWidget* two = form.option("opt", 1).widget();
  QTest::mouseClick(two, Qt::LeftButton, Qt::NoModifier, QPoint(8, two->height() / 2));
  QTest::mouseClick(two, Qt::LeftButton, Qt::NoModifier, QPoint(8, two->height() / 2));
  EXPECT_EQ(clicks, std::vector<int>{1});
  EXPECT_TRUE(form.option("opt", 1).Value());
  EXPECT_FALSE(form.option("opt", 0).Value());
}

// Enter, the keypad's Enter and Space on a command button with the focus
// click that button once, whether it is the form's default button or not.
TEST_F(QtEventsTest, EnterOrSpaceOnAFocusedButtonClicksItOnce) {
  std::vector<std::string> log;
  for (const char* name : {"cmd_go", "cmd_ok"}) {
    CommandButton& b = form.button(name);
    b.onClick = [&log, name] { log.push_back(std::string(name) + ".Click"); };
    b.onKeyDown = [&log, name](int& code, int) { log.push_back(std::string(name) + ".KeyDown(" + std::to_string(code) + ")"); };
  }
  struct Case {
    const char* button;
    Qt::Key key;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"cmd_go", Qt::Key_Return, {"cmd_go.Click"}},
      {"cmd_go", Qt::Key_Enter, {"cmd_go.Click"}},
      {"cmd_go", Qt::Key_Space, {"cmd_go.KeyDown(32)", "cmd_go.Click"}},
      {"cmd_ok", Qt::Key_Return, {"cmd_ok.Click"}},
      {"cmd_ok", Qt::Key_Space, {"cmd_ok.KeyDown(32)", "cmd_ok.Click"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.button) + " " + std::to_string(c.key));
    CommandButton& b = form.button(c.button);
    b.SetFocus();
    ASSERT_EQ(QApplication::focusWidget(), b.widget());
    log.clear();
    QTest::keyClick(b.widget(), c.key);
    EXPECT_EQ(log, c.log);
    EXPECT_TRUE(b.HasFocus());
  }
}

}  // namespace
