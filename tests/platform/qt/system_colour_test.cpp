#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "platform/qt/qt_convert.h"
#include "platform/ui/form.h"
#include "support/fake_host.h"

namespace {

constexpr int32_t kLightYellow = 0x00C0FFFF;

const ControlDef kRows[] = {
    {.name = "cell", .kind = ControlKind::TextBox, .left = 300, .top = 300, .width = 1500, .height = 450},
    {.name = "tag", .kind = ControlKind::Label, .left = 300, .top = 1200, .width = 1500, .height = 450},
    {.name = "pane", .kind = ControlKind::Frame, .left = 2400, .top = 300, .width = 3000, .height = 2400},
    {.name = "inner", .kind = ControlKind::TextBox, .parent = "pane", .left = 300, .top = 600, .width = 1500,
     .height = 450},
};

// A control painted in a colour of its own and then given a system colour
// takes the desktop's colour, not the one it wore before, on the screen and
// in the palette it paints with.
TEST(SystemColour, ASystemColourAfterAColourOfItsOwnIsTheDesktopsColour) {
  FakeHost host;
  Form form{host, "form_main"};
  form.Build(kRows);
  form.Move(0, 0, 9000, 6000);
  const QColor buttonFace = QApplication::palette().color(QPalette::Button);
  ASSERT_NE(FromQColor(buttonFace), kLightYellow);

  form.frame("pane").SetBackColor(0x00FF0000);  // "inner" sits on a blue frame
  for (const char* name : {"cell", "tag", "inner"}) {
    Control& c = *form.Find(name);
    c.SetBackColor(kLightYellow);
    c.SetBackColor(kColourButtonFace);
    EXPECT_EQ(c.BackColor(), kColourButtonFace) << name;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
      EXPECT_EQ(FromQColor(c.widget()->palette().color(role)), FromQColor(buttonFace)) << name << " role " << role;
  }

  const WindowImage image = form.ClientImage();
  const auto centre = [&](const Control& c) {
    const QWidget* w = c.widget();
    const QPoint p = w->mapTo(form.clientArea(), w->rect().center());
    return image.Pixel(p.x(), p.y());
  };
  EXPECT_EQ(centre(form.textBox("cell")), FromQColor(buttonFace));
  EXPECT_EQ(centre(form.label("tag")), FromQColor(buttonFace));
  EXPECT_EQ(centre(form.textBox("inner")), FromQColor(buttonFace));
}

}  // namespace
