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

}  // namespace
