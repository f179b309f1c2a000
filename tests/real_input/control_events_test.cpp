// Every kind of control raises the events of its kind from real mouse and
// key input, in the order the handlers expect, and the focus of the form and
// of Qt agree: after a window shows, after a message box and after a popup
// menu.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/qt/qt_host.h"
#include "platform/ui/form.h"
#include "real_input/real_user.h"

namespace real_input {
namespace {

// One control of every kind that takes input. The boxes are made in another
// order than their tab order; a label lies inside the picture.
constexpr ControlDef kControls[] = {
    {.name = "txt_b", .kind = ControlKind::TextBox, .left = 120, .top = 540, .width = 1500, .height = 300, .tabIndex = 1},
    {.name = "txt_a", .kind = ControlKind::TextBox, .left = 120, .top = 120, .width = 1500, .height = 300, .tabIndex = 0},
    {.name = "txt_m", .kind = ControlKind::TextBox, .left = 120, .top = 960, .width = 1500, .height = 600, .tabIndex = 2,
     .multiLine = true},
    {.name = "cmd", .kind = ControlKind::CommandButton, .left = 1800, .top = 120, .width = 1200, .height = 400, .caption = "Go", .tabIndex = 3},
    {.name = "cmd_def", .kind = ControlKind::CommandButton, .left = 1800, .top = 600, .width = 1200, .height = 400, .caption = "OK",
     .tabIndex = 4, .isDefault = true},
    {.name = "cmd_esc", .kind = ControlKind::CommandButton, .left = 1800, .top = 1080, .width = 1200, .height = 400,
     .caption = "Cancel", .tabIndex = 5, .isCancel = true},
    {.name = "opt", .kind = ControlKind::OptionButton, .left = 3200, .top = 120, .width = 1500, .height = 300, .caption = "One", .tabIndex = 6},
    {.name = "chk", .kind = ControlKind::CheckBox, .left = 3200, .top = 540, .width = 1500, .height = 300, .caption = "Check", .tabIndex = 7},
    {.name = "lbl", .kind = ControlKind::Label, .left = 3200, .top = 960, .width = 1500, .height = 300, .caption = "Label"},
    {.name = "hsb", .kind = ControlKind::HScrollBar, .left = 120, .top = 1800, .width = 3000, .height = 255, .tabIndex = 8,
     .max = 10, .largeChange = 2},
    {.name = "dir", .kind = ControlKind::DirList, .left = 120, .top = 2200, .width = 2500, .height = 1500, .tabIndex = 9},
    {.name = "frm", .kind = ControlKind::Frame, .left = 3200, .top = 1500, .width = 2000, .height = 1200, .caption = "Frame"},
    {.name = "pic", .kind = ControlKind::PictureBox, .left = 5400, .top = 120, .width = 3000, .height = 2500, .tabIndex = 10},
    {.name = "lbl_in", .kind = ControlKind::Label, .parent = "pic", .left = 150, .top = 150, .width = 1200, .height = 300,
     .caption = "Fit"},
};

constexpr MenuDef kMenus[] = {
    {.name = "mnu_tools", .caption = "&Tools"},
    {.name = "mnu_ask", .parent = "mnu_tools", .caption = "&Ask"},
    {.name = "sepbar", .parent = "mnu_tools", .caption = "-"},
    {.name = "mnu_other", .parent = "mnu_tools", .caption = "&Other"},
    {.name = "pop", .caption = "Labels", .visible = false},
    {.name = "pop_a", .parent = "pop", .caption = "Alpha"},
    {.name = "pop_b", .parent = "pop", .caption = "Beta"},
    {.name = "pop_pic", .caption = "Picture", .visible = false},
    {.name = "pop_pic_a", .parent = "pop_pic", .caption = "Gamma"},
};

// A form of these controls on the real QtHost, shown and active; every event
// of every control goes into the log.
class ControlEvents : public ::testing::Test {
 protected:
  ControlEvents() {
    host.SetParentWindow(form.widget());
    form.Move(0, 0, 9000, 6000);
    form.Build(kControls);
    form.BuildMenus(kMenus);
    for (Control* c : form.Controls()) Log(*c);
    form.menu("mnu_ask").onClick = [this] {
      log.push_back("mnu_ask.Click");
      host.MsgBox("Go on?", MsgButtons::OKOnly, MsgIcon::Question, 1, "Ask");
    };
    for (const char* item : {"pop_a", "pop_b", "pop_pic_a"}) form.menu(item).onClick = [this, item] { log.push_back(std::string(item) + ".Click"); };
    // Right clicks open each control's own popup menu.
    form.label("lbl_in").onMouseDown = [this](int b, int, float, float) {
      log.push_back("lbl_in.MouseDown(" + std::to_string(b) + ")");
      if (b == kRightButton) form.PopupMenu(form.menu("pop"));
    };
    form.picture("pic").onMouseDown = [this](int b, int, float, float) {
      log.push_back("pic.MouseDown(" + std::to_string(b) + ")");
      if (b == kRightButton) form.PopupMenu(form.menu("pop_pic"));
    };
    form.Show();
    if (!QTest::qWaitForWindowActive(form.widget())) ADD_FAILURE() << "the form does not become active";
  }

  void Log(Control& c) {
    const std::string n = c.Name();
    auto add = [this, n](const std::string& e) { log.push_back(n + "." + e); };
    auto num = [](const char* e, int v) { return std::string(e) + "(" + std::to_string(v) + ")"; };
    c.onClick = [add] { add("Click"); };
    c.onDblClick = [add] { add("DblClick"); };
    c.onGotFocus = [add] { add("GotFocus"); };
    c.onLostFocus = [add] { add("LostFocus"); };
    c.onChange = [add] { add("Change"); };
    c.onKeyDown = [add, num](int& k, int) { add(num("KeyDown", k)); };
    c.onKeyPress = [add, num](int& k) { add(num("KeyPress", k)); };
    c.onKeyUp = [add, num](int k, int) { add(num("KeyUp", k)); };
    c.onMouseDown = [add, num](int b, int, float, float) { add(num("MouseDown", b)); };
    c.onMouseUp = [add, num](int b, int, float, float) { add(num("MouseUp", b)); };
    c.onMouseMove = [this, n](int b, int, float x, float y) { moves.push_back({n, b, x, y}); };
  }

  // The focus starts in the first box, with an empty log.
  void FromTheFirstBox() {
    user.Click(form.textBox("txt_a"));
    ASSERT_EQ(form.ActiveControl(), &form.textBox("txt_a"));
    log.clear();
  }

  // Qt's focus is on the form's active control, or on no control at all.
  void ExpectFocusAgrees() {
    QWidget* qt = QApplication::focusWidget();
    Control* active = form.ActiveControl();
    if (active) {
      EXPECT_EQ(qt, active->widget()) << "the form's focus is on " << active->Name();
      return;
    }
    for (Control* c : form.Controls()) EXPECT_NE(qt, c->widget()) << "Qt's focus is on " << c->Name();
  }

  bool Logged(const std::string& prefix) const {
    return std::any_of(log.begin(), log.end(), [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
  }

  struct Move {
    std::string control;
    int button;
    float x, y;
  };

  Watchdog watchdog{60};
  std::vector<std::string> log;
  std::vector<Move> moves;
  User user;
  QtHost host;
  Form form{host, "events"};
};

TEST_F(ControlEvents, AClickRaisesTheEventsOfTheControlsKind) {
  struct Case {
    const char* control;
    std::vector<std::string> events;
  };
  const std::vector<std::string> leave = {"txt_a.LostFocus"};
  const auto focused = [&](const std::string& n, std::vector<std::string> tail) {
    std::vector<std::string> e = leave;
    e.push_back(n + ".GotFocus");
    e.insert(e.end(), tail.begin(), tail.end());
    return e;
  };
  const Case cases[] = {
      {"lbl", {"lbl.MouseDown(1)", "lbl.MouseUp(1)", "lbl.Click"}},
      {"frm", {"frm.MouseDown(1)", "frm.MouseUp(1)", "frm.Click"}},
      // The picture that holds a label takes the focus, as the window under
      // the pointer; the label has the mouse events.
      {"lbl_in", focused("pic", {"lbl_in.MouseDown(1)", "lbl_in.MouseUp(1)", "lbl_in.Click"})},
      {"txt_b", focused("txt_b", {"txt_b.MouseDown(1)", "txt_b.MouseUp(1)", "txt_b.Click"})},
      {"txt_m", focused("txt_m", {"txt_m.MouseDown(1)", "txt_m.MouseUp(1)", "txt_m.Click"})},
      {"pic", focused("pic", {"pic.MouseDown(1)", "pic.MouseUp(1)", "pic.Click"})},
      {"dir", focused("dir", {"dir.MouseDown(1)", "dir.MouseUp(1)", "dir.Click"})},
      {"cmd", focused("cmd", {"cmd.MouseDown(1)", "cmd.MouseUp(1)", "cmd.Click"})},
      {"opt", focused("opt", {"opt.MouseDown(1)", "opt.MouseUp(1)", "opt.Click"})},
      {"chk", focused("chk", {"chk.MouseDown(1)", "chk.MouseUp(1)", "chk.Click"})},
      // A scroll bar has no Click: the press in its track moves it a page.
      {"hsb", focused("hsb", {"hsb.MouseDown(1)", "hsb.Change", "hsb.MouseUp(1)"})},
  };
  for (const Case& c : cases) {
    watchdog.Step(std::string("a click on ") + c.control);
    FromTheFirstBox();
    user.Click(*form.Find(c.control));
    EXPECT_EQ(log, c.events) << c.control;
    ExpectFocusAgrees();
  }
}

TEST_F(ControlEvents, ADoubleClickRaisesDblClickAfterTheFirstClickOnly) {
  user.DoubleClick(form.label("lbl"));
  EXPECT_EQ(log, (std::vector<std::string>{"lbl.MouseDown(1)", "lbl.MouseUp(1)", "lbl.Click", "lbl.DblClick", "lbl.MouseUp(1)"}));
}

TEST_F(ControlEvents, TheMouseMovesOverAPictureWithoutAButton) {
  user.Move(form.picture("pic"), QPoint(150, 120));
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.back().control, "pic");
  EXPECT_EQ(moves.back().button, 0);
  const PictureBox& pic = form.picture("pic");
  QWidget* w = pic.widget();
  // The position in the picture's scale (twips), inside its border.
  EXPECT_NEAR(moves.back().x, (150 - w->contentsRect().left()) * 15.0f, 15.0f);
  EXPECT_NEAR(moves.back().y, (120 - w->contentsRect().top()) * 15.0f, 15.0f);
}

TEST_F(ControlEvents, KeysRunKeyDownKeyPressKeyUpAndTabFollowsTheFormsOrder) {
  FromTheFirstBox();
  user.Type("7");
  user.Key(Qt::Key_Tab);
  EXPECT_EQ(log, (std::vector<std::string>{"txt_a.KeyDown(55)", "txt_a.KeyPress(55)", "txt_a.Change", "txt_a.KeyUp(55)",
                                           "txt_a.LostFocus", "txt_b.GotFocus", "txt_b.KeyUp(9)"}));
  EXPECT_EQ(form.textBox("txt_a").Text(), "7");
  ExpectFocusAgrees();
  log.clear();
  user.Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(form.ActiveControl(), &form.textBox("txt_a"));
  ExpectFocusAgrees();
}

TEST_F(ControlEvents, EnterPressesTheDefaultButtonAndEscapeTheCancelButtonWhenOnShow) {
  FromTheFirstBox();
  user.Key(Qt::Key_Return);
  EXPECT_TRUE(Logged("cmd_def.Click"));
  EXPECT_FALSE(Logged("txt_a.KeyDown"));
  user.Click(form.textBox("txt_a"));
  log.clear();
  user.Key(Qt::Key_Escape);
  EXPECT_TRUE(Logged("cmd_esc.Click"));

  // Hidden buttons press nothing: the box has the keys.
  form.button("cmd_def").SetVisible(false);
  form.button("cmd_esc").SetVisible(false);
  user.Click(form.textBox("txt_a"));
  log.clear();
  user.Key(Qt::Key_Return);
  user.Key(Qt::Key_Escape);
  EXPECT_EQ(log, (std::vector<std::string>{"txt_a.KeyDown(13)", "txt_a.KeyPress(13)", "txt_a.KeyUp(13)",
                                           "txt_a.KeyDown(27)", "txt_a.KeyPress(27)", "txt_a.KeyUp(27)"}));
}

TEST_F(ControlEvents, EnterStartsANewLineInAMultiLineBoxThatTakesTyping) {
  TextBox& memo = form.textBox("txt_m");
  user.Click(memo);
  log.clear();
  user.Type("one");
  user.Key(Qt::Key_Return);
  user.Type("two");
  EXPECT_EQ(memo.Text(), "one\r\ntwo");
  EXPECT_EQ(ShownText(memo), "one\ntwo");
  EXPECT_TRUE(Logged("txt_m.KeyPress(13)"));
  EXPECT_FALSE(Logged("cmd_def."));
  // A locked box types nothing: Enter is the default button's again.
  memo.SetLocked(true);
  user.Key(Qt::Key_Return);
  EXPECT_TRUE(Logged("cmd_def.Click"));
  EXPECT_EQ(memo.Text(), "one\r\ntwo");
}

TEST_F(ControlEvents, AFrameOverTheDefaultAndCancelButtonsKeepsTheKeysFromThem) {
  form.frame("frm").Move(1700, 500, 1400, 1100);  // made after the buttons: over them
  FromTheFirstBox();
  user.Key(Qt::Key_Return);
  user.Key(Qt::Key_Escape);
  EXPECT_EQ(log, (std::vector<std::string>{"txt_a.KeyDown(13)", "txt_a.KeyPress(13)", "txt_a.KeyUp(13)",
                                           "txt_a.KeyDown(27)", "txt_a.KeyPress(27)", "txt_a.KeyUp(27)"}));
  // The frame gone, Enter presses the default button again.
  form.frame("frm").SetVisible(false);
  user.Key(Qt::Key_Return);
  EXPECT_TRUE(Logged("cmd_def.Click"));
}

TEST_F(ControlEvents, ARightClickOpensOnlyTheControlsPopupAndItsClosingClickReachesNothing) {
  FromTheFirstBox();
  user.AnswerPopup("Alpha");
  user.Click(form.label("lbl_in"), Qt::RightButton);
  EXPECT_TRUE(Logged("pop_a.Click"));
  EXPECT_FALSE(Logged("pic.MouseDown")) << "the picture under the label got the press too";
  ASSERT_EQ(user.shown.size(), 1u);
  EXPECT_EQ(user.shown[0].text, "Alpha|Beta");
  ExpectFocusAgrees();

  // Closed by a click on another box: that box gets nothing.
  FromTheFirstBox();
  user.ClosePopupByClickOn(form.textBox("txt_b").widget());
  user.Click(form.label("lbl_in"), Qt::RightButton);
  user.Wait(50);
  EXPECT_FALSE(Logged("txt_b."));
  EXPECT_FALSE(Logged("pop_"));
  EXPECT_EQ(form.ActiveControl(), &form.picture("pic"));
  ExpectFocusAgrees();
}

TEST_F(ControlEvents, WhatIsTypedBeforeTheFirstClickGoesIntoNoBoxTheFormDoesNotKnow) {
  // Shown and active, no control has the focus yet: neither has Qt's.
  EXPECT_EQ(form.ActiveControl(), nullptr);
  ExpectFocusAgrees();
  user.Type("5");
  EXPECT_EQ(form.textBox("txt_a").Text(), "");
  EXPECT_TRUE(log.empty());
  // Tab goes to the first control of the form's order.
  user.Key(Qt::Key_Tab);
  EXPECT_EQ(form.ActiveControl(), &form.textBox("txt_a"));
  user.Type("5");
  user.Key(Qt::Key_Tab);
  EXPECT_TRUE(Logged("txt_a.LostFocus"));
  EXPECT_EQ(form.textBox("txt_a").Text(), "5");
}

TEST_F(ControlEvents, WithNoControlInFocusEnterStillPressesTheDefaultButton) {
  ASSERT_EQ(form.ActiveControl(), nullptr);
  user.Key(Qt::Key_Return);
  EXPECT_EQ(log, (std::vector<std::string>{"cmd_def.GotFocus", "cmd_def.Click", "cmd_def.KeyUp(13)"}));
}

TEST_F(ControlEvents, AfterAMessageBoxAClickOnTheFirstBoxGivesItTheFocus) {
  user.AnswerMessage("OK");
  user.Choose(form.menu("mnu_ask"));
  EXPECT_TRUE(user.AllAnswered());
  ASSERT_EQ(user.Messages().size(), 1u);
  user.Click(form.textBox("txt_a"));
  ExpectFocusAgrees();
  user.Type("3");
  user.Key(Qt::Key_Return);  // the default button
  EXPECT_EQ(log, (std::vector<std::string>{"mnu_ask.Click", "txt_a.GotFocus", "txt_a.MouseDown(1)", "txt_a.MouseUp(1)",
                                           "txt_a.Click", "txt_a.KeyDown(51)", "txt_a.KeyPress(51)", "txt_a.Change",
                                           "txt_a.KeyUp(51)", "txt_a.LostFocus", "cmd_def.GotFocus", "cmd_def.Click",
                                           "cmd_def.KeyUp(13)"}));
}

TEST_F(ControlEvents, AfterAMessageBoxTheFocusIsBackInTheBoxThatHadIt) {
  user.Click(form.textBox("txt_b"));
  user.AnswerMessage("OK");
  user.Choose(form.menu("mnu_ask"));
  user.Wait(50);
  EXPECT_EQ(form.ActiveControl(), &form.textBox("txt_b"));
  ExpectFocusAgrees();
  log.clear();
  user.Type("4");
  user.Key(Qt::Key_Tab);
  EXPECT_EQ(form.textBox("txt_b").Text(), "4");
  EXPECT_TRUE(Logged("txt_b.LostFocus"));
}

// A separator of a menu is a bare line: none of its pixels is as dark as the
// text of the items.
TEST_F(ControlEvents, AMenuSeparatorIsALineWithoutText) {
  auto* menu = qobject_cast<QMenu*>(user.OpenMenu(form.menu("mnu_tools")));
  ASSERT_NE(menu, nullptr);
  const QImage image = menu->grab().toImage();
  const auto inked = [&](const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += QColor(image.pixel(x, y)).lightness() < 100;
    return n;
  };
  EXPECT_GT(inked(menu->actionGeometry(form.menu("mnu_ask").action())), 0) << "the measure sees an item's text";
  EXPECT_EQ(inked(menu->actionGeometry(form.menu("sepbar").action())), 0);
  user.Key(Qt::Key_Escape);
  EXPECT_FALSE(menu->isVisible());
}

// A button on show takes an access key that a menu title shares, on every
// press; under a frame made later it takes none and the title's menu opens,
// every press; two buttons on show that share the letter take turns at the
// focus, and neither is clicked.
TEST_F(ControlEvents, AnAccessKeyIsTheButtonsOnShowBeforeTheMenuTitlesWithTheLetter) {
  CommandButton& go = form.button("cmd");
  go.SetCaption("&Try");
  FromTheFirstBox();
  for (int press = 1; press <= 2; ++press) {
    log.clear();
    user.Key(Qt::Key_T, Qt::AltModifier);
    user.Wait(300);
    EXPECT_TRUE(Logged("cmd.Click")) << "press " << press;
  }

  form.frame("frm").Move(1700, 20, 1400, 600);  // made after the button: over it
  for (int press = 1; press <= 2; ++press) {
    log.clear();
    const size_t before = user.shown.size();
    user.ClosePopupByClickOn(form.label("lbl").widget());
    user.Key(Qt::Key_T, Qt::AltModifier);
    user.Wait(100);
    EXPECT_TRUE(user.AllAnswered()) << "press " << press << " opens no menu";
    ASSERT_EQ(user.shown.size(), before + 1);
    EXPECT_EQ(user.shown.back().text, "Ask|-|Other") << "press " << press;
    EXPECT_FALSE(Logged("cmd.Click")) << "press " << press;
  }

  form.frame("frm").SetVisible(false);
  CommandButton& take = form.button("cmd_esc");
  take.SetCaption("&Take");
  FromTheFirstBox();
  for (CommandButton* next : {&go, &take, &go}) {
    user.Key(Qt::Key_T, Qt::AltModifier);
    user.Wait(100);
    EXPECT_EQ(form.ActiveControl(), next);
    ExpectFocusAgrees();
  }
  EXPECT_FALSE(Logged("cmd.Click"));
  EXPECT_FALSE(Logged("cmd_esc.Click"));
}

}  // namespace
}  // namespace real_input
