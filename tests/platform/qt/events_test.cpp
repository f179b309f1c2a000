#include <gtest/gtest.h>

#include <cctype>

#include "platform/ui/form.h"
#include "support/fake_host.h"

namespace {

class EventsTest : public ::testing::Test {
 protected:
  FakeHost host;
  Form form{host};
};

TEST_F(EventsTest, TypeTextPassesKeyPressAndRunsChangeOnce) {
  auto& box = form.Add<TextBox>("txt");
  int changes = 0;
  box.onChange = [&] { ++changes; };
  // Upper-case every letter and drop blanks, as a handler may.
  box.onKeyPress = [](int& k) {
    if (k == ' ') k = 0;
    k = std::toupper(k);
  };
  box.typeText("ab c");
  EXPECT_EQ(box.Text(), "ABC");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(box.SelStart(), 3);
  box.typeText("ABC");
  EXPECT_EQ(changes, 1) << "the same text is no change";
}

TEST_F(EventsTest, TypeTextRespectsMaxLengthAndLocked) {
  auto& box = form.Add<TextBox>("txt");
  box.SetMaxLength(3);
  box.typeText("12345");
  EXPECT_EQ(box.Text(), "123");
  box.SetText("a longer text by code");
  EXPECT_EQ(box.Text(), "a longer text by code") << "code is not cut";
  box.SetLocked(true);
  box.typeText("x");
  EXPECT_EQ(box.Text(), "a longer text by code");
}

TEST_F(EventsTest, SetTextByCodeRunsChangeOnlyOnDifference) {
  auto& box = form.Add<TextBox>("txt");
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.SetText("1");
  box.SetText("1");
  box.SetText("");
  EXPECT_EQ(changes, 2);
}

TEST_F(EventsTest, SelectionAndMultiLineText) {
  const ControlDef rows[] = {{.name = "memo", .kind = ControlKind::TextBox, .width = 3000, .height = 1000, .caption = "one\r\ntwo", .multiLine = true},
                             {.name = "txt", .kind = ControlKind::TextBox, .top = 1200, .width = 1000, .height = 300, .caption = "123.45"}};
  form.Build(rows);
  EXPECT_EQ(form.textBox("memo").Text(), "one\r\ntwo");
  auto& box = form.textBox("txt");
  box.SetSelStart(1);
  box.SetSelLength(3);
  EXPECT_EQ(box.SelStart(), 1);
  EXPECT_EQ(box.SelLength(), 3);
  EXPECT_EQ(box.SelText(), "23.");
  box.SetSelStart(99);
  EXPECT_EQ(box.SelStart(), 6);
}

TEST_F(EventsTest, KeyDownReachesHandlerWithCodeAndShift) {
  auto& box = form.Add<TextBox>("txt");
  std::vector<std::pair<int, int>> keys;
  std::vector<int> presses;
  box.onKeyDown = [&](int& code, int shift) { keys.push_back({code, shift}); };
  box.onKeyPress = [&](int& k) { presses.push_back(k); };
  box.keyDown(kKeyDown, 0);
  box.keyDown(kKeyUp, kShiftMask);
  box.keyDown(kKeyReturn, 0);
  EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{40, 0}, {38, 1}, {13, 0}}));
  EXPECT_EQ(presses, std::vector<int>{13}) << "Enter also types a character";
}

TEST_F(EventsTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
  const ControlDef rows[] = {
      {.name = "txt", .kind = ControlKind::TextBox, .width = 1000, .height = 300},
      {.name = "cmd_ok", .kind = ControlKind::CommandButton, .top = 400, .width = 1000, .height = 400, .caption = "OK", .isDefault = true},
      {.name = "cmd_cancel", .kind = ControlKind::CommandButton, .top = 900, .width = 1000, .height = 400, .caption = "Cancel", .isCancel = true},
  };
  form.Build(rows);
  std::vector<std::string> log;
  form.textBox("txt").onKeyDown = [&](int&, int) { log.push_back("KeyDown"); };
  form.button("cmd_ok").onClick = [&] { log.push_back("OK"); };
  form.button("cmd_cancel").onClick = [&] { log.push_back("Cancel"); };
  EXPECT_TRUE(form.button("cmd_ok").Default());
  form.textBox("txt").keyDown(kKeyReturn);
  form.textBox("txt").keyDown(kKeyEscape);
  EXPECT_EQ(log, (std::vector<std::string>{"OK", "Cancel"}));
}

TEST_F(EventsTest, MouseEventsCarryButtonShiftAndPosition) {
  auto& label = form.Add<Label>("lbl");
  std::vector<std::string> log;
  label.onMouseDown = [&](int b, int s, float x, float y) { log.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(int(x)) + " " + std::to_string(int(y))); };
  label.onMouseUp = [&](int b, int, float, float) { log.push_back("up " + std::to_string(b)); };
  label.onMouseMove = [&](int, int, float, float) { log.push_back("move"); };
  label.onClick = [&] { log.push_back("click"); };
  label.onDblClick = [&] { log.push_back("dblclick"); };
  label.mouseDown(kRightButton, kCtrlMask, 150, 300);
  label.mouseMove(0, 0, 10, 10);
  label.mouseUp(kRightButton, 0, 150, 300);
  label.click();
  label.dblClick();
  EXPECT_EQ(log, (std::vector<std::string>{"down 2 2 150 300", "move", "up 2", "click", "dblclick"}));
}

TEST_F(EventsTest, ControlArrayHandlerReceivesTheIndexAndElementsLoadAtRunTime) {
  const ControlDef rows[] = {
      {.name = "Text2", .index = 1, .kind = ControlKind::TextBox, .width = 800, .height = 300, .caption = "a"},
      {.name = "Text2", .index = 3, .kind = ControlKind::TextBox, .top = 400, .width = 800, .height = 300, .caption = "b"},
  };
  form.Build(rows);
  auto& cells = form.array<TextBox>("Text2");
  std::vector<int> lost;
  cells.onLostFocus = [&](int i) { lost.push_back(i); };
  EXPECT_EQ(cells.LBound(), 1);
  EXPECT_EQ(cells.UBound(), 3);
  EXPECT_EQ(cells.Count(), 2);
  EXPECT_FALSE(cells.Exists(2));
  EXPECT_THROW(cells(2), std::out_of_range);

  auto& added = cells.Load(7);
  EXPECT_FALSE(added.Visible()) << "a loaded element starts hidden";
  EXPECT_EQ(added.Width(), 800);
  EXPECT_EQ(&form.textBox("Text2", 7), &added);
  added.SetVisible(true);
  cells(1).SetFocus();
  cells(3).SetFocus();
  added.SetFocus();
  cells(1).SetFocus();
  EXPECT_EQ(lost, (std::vector<int>{1, 3, 7}));
  cells.Unload(7);
  EXPECT_FALSE(cells.Exists(7));
  EXPECT_EQ(form.Find("Text2", 7), nullptr);
}

TEST_F(EventsTest, MenusClickCheckAndArrays) {
  const MenuDef rows[] = {
      {.name = "mnu_file", .caption = "&File"},
      {.name = "mnu_start", .index = 0, .parent = "mnu_file", .caption = "&Open..."},
      {.name = "mnu_start", .index = 1, .parent = "mnu_file", .caption = "-"},
      {.name = "mnu_start", .index = 2, .parent = "mnu_file", .caption = "E&xit", .enabled = false},
  };
  form.BuildMenus(rows);
  std::vector<int> clicked;
  form.menuArray("mnu_start").onClick = [&](int i) { clicked.push_back(i); };
  form.menu("mnu_start", 0).click();
  form.menu("mnu_start", 1).click();  // a separator does nothing
  form.menu("mnu_start", 2).click();  // disabled
  form.menu("mnu_start", 2).SetEnabled(true);
  form.menu("mnu_file").SetEnabled(false);
  form.menu("mnu_start", 2).click();  // its menu is disabled
  EXPECT_EQ(clicked, std::vector<int>{0});
  form.menu("mnu_start", 0).SetChecked(true);
  EXPECT_TRUE(form.menu("mnu_start", 0).Checked());
  EXPECT_EQ(form.menu("mnu_file").Items().size(), 3u);
  auto& more = form.menuArray("mnu_start").Load(3);
  EXPECT_EQ(more.Parent(), &form.menu("mnu_file"));
  EXPECT_EQ(form.menu("mnu_file").Items().size(), 4u);
}

TEST_F(EventsTest, PopupMenuChoiceComesFromTheHost) {
  const MenuDef rows[] = {
      {.name = "pop_diag", .caption = "Diagram", .visible = false},
      {.name = "pop_aNK", .index = 0, .parent = "pop_diag", .caption = "Histogram", .checked = true},
      {.name = "pop_aNK", .index = 1, .parent = "pop_diag", .caption = "Probability Plot"},
      {.name = "pop_aNK", .index = 2, .parent = "pop_diag", .caption = "Probab.Plot: Weibull", .visible = false},
  };
  form.BuildMenus(rows);
  std::vector<int> chosen;
  form.menuArray("pop_aNK").onClick = [&](int i) { chosen.push_back(i); };
  host.QueueMenuChoice("Probability Plot");
  form.PopupMenu(form.menu("pop_diag"));
  host.QueueMenuChoice("Probab.Plot: Weibull");  // hidden: cannot be chosen
  form.PopupMenu(form.menu("pop_diag"));
  form.PopupMenu(form.menu("pop_diag"));  // nothing queued: dismissed
  EXPECT_EQ(chosen, std::vector<int>{1});
  ASSERT_EQ(host.popups.size(), 3u);
  EXPECT_EQ(host.popups[0].size(), 3u);
  EXPECT_TRUE(host.popups[0][0].checked);
  EXPECT_FALSE(host.popups[0][2].visible);
}

TEST_F(EventsTest, ScrollBarChangeRunsForCodeAndRangeChanges) {
  auto& bar = form.Add<VScrollBar>("scroll_CLO");
  std::vector<int> values;
  bar.onChange = [&] { values.push_back(bar.Value()); };
  bar.SetMax(40);
  bar.SetValue(30);
  bar.SetValue(30);
  bar.SetMax(20);  // the value is brought to the new maximum
  bar.SetValue(-5);
  EXPECT_EQ(values, (std::vector<int>{30, 20, 0}));
  bar.SetLargeChange(10);
  EXPECT_EQ(bar.LargeChange(), 10);
}

}  // namespace
