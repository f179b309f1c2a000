#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QWidget>
#include <cmath>

#include "platform/qt/font_mapping.h"
#include "platform/ui/form.h"
#include "support/fake_host.h"

namespace {

const ControlDef kRows[] = {
    {.name = "frm_SN", .kind = ControlKind::Frame, .left = 120, .top = 90, .width = 4815, .height = 3000, .caption = "S-N Curve",
     .fontName = "Arial", .fontSize = 12, .bold = true, .italic = true},
    {.name = "SNSe", .index = 0, .kind = ControlKind::Label, .parent = "frm_SN", .left = 135, .top = 360, .width = 1000, .height = 255,
     .caption = "Se", .foreColor = 0xC00000},
    {.name = "SNset", .index = 0, .kind = ControlKind::TextBox, .parent = "frm_SN", .left = 1215, .top = 360, .width = 855.5f,
     .height = 285, .caption = "100.0", .backColor = 0xFFFFFF, .visible = false, .maxLength = 8},
    {.name = "cmd_go", .kind = ControlKind::CommandButton, .left = 5000, .top = 100, .width = 1200, .height = 375, .caption = "&Go",
     .toolTip = "Run it"},
    {.name = "Line1", .kind = ControlKind::Line, .foreColor = 0xFF, .x1 = 100, .y1 = 4000, .x2 = 3100, .y2 = 4000, .borderWidth = 2},
};

class FormTest : public ::testing::Test {
 protected:
  FormTest() { form.Build(kRows); }
  FakeHost host;
  Form form{host, "form_main"};
};

TEST_F(FormTest, DefinitionTableGivesNamedControlsWithDesignValues) {
  auto& frame = form.frame("frm_SN");
  EXPECT_EQ(frame.Caption(), "S-N Curve");
  EXPECT_EQ(frame.FontName(), "Arial");
  EXPECT_TRUE(frame.FontBold());
  EXPECT_TRUE(frame.FontItalic());
  auto& label = form.label("SNSe", 0);
  EXPECT_EQ(label.Container(), &frame);
  EXPECT_EQ(label.ForeColor(), 0xC00000);
  EXPECT_EQ(label.FontName(), "MS Sans Serif") << "the form's font where the row names none";
  EXPECT_FLOAT_EQ(label.FontSize(), 8.25f);
  auto& box = form.textBox("SNset", 0);
  EXPECT_EQ(box.Text(), "100.0");
  EXPECT_EQ(box.MaxLength(), 8);
  EXPECT_FALSE(box.Visible());
  EXPECT_EQ(form.button("cmd_go").ToolTipText(), "Run it");
  EXPECT_EQ(form.line("Line1").BorderWidth(), 2);
  EXPECT_EQ(form.array<Label>("SNSe").Count(), 1);
  EXPECT_THROW(form.label("cmd_go"), std::logic_error) << "wrong kind";
  EXPECT_THROW(form.label("SNSe"), std::logic_error) << "an array element needs its index";
}

TEST_F(FormTest, GeometryRoundTripsInTwipsAndShowsInPixels) {
  auto& box = form.textBox("SNset", 0);
  EXPECT_EQ(box.Width(), 855.5f);
  const float odd[] = {1822.5f, 1200.0000477f, 0.1f, -30.25f};
  for (float v : odd) {
    box.SetLeft(v);
    EXPECT_EQ(box.Left(), v);
  }
  auto& button = form.button("cmd_go");
  button.Move(1500, 600, 1500, 300);
  EXPECT_EQ(button.widget()->geometry(), QRect(100, 40, 100, 20)) << "15 twips per pixel at 96 dpi";
  form.Move(0, 0, 12000, 9000);
  EXPECT_EQ(form.Width(), 12000);
  EXPECT_EQ(form.Height(), 9000);
}

// The inner area is the outer size less the window's frame, the same while
// the window is hidden (the layout reads it then) as once it shows.
TEST_F(FormTest, InnerAreaLeavesOutTheFrameBeforeTheWindowShows) {
  form.Move(0, 0, 12000, 9000);
  const float hiddenWidth = form.ScaleWidth(), hiddenHeight = form.ScaleHeight();
  form.Show();
  EXPECT_EQ(form.ScaleWidth(), hiddenWidth);
  EXPECT_EQ(form.ScaleHeight(), hiddenHeight);
  const QSize frame = form.widget()->frameGeometry().size() - form.widget()->size();
  EXPECT_NEAR(hiddenWidth + frame.width() * 15, 12000, 15);
  EXPECT_NEAR(hiddenHeight + frame.height() * 15, 9000, 15);
  form.Hide();
}

TEST_F(FormTest, MenuBarTakesItsRoomFromTheInnerArea) {
  form.Move(0, 0, 12000, 9000);
  const float before = form.ScaleHeight();
  const MenuDef menus[] = {{.name = "mnu_file", .caption = "&File"}, {.name = "mnu_exit", .parent = "mnu_file", .caption = "E&xit"}};
  form.BuildMenus(menus);
  EXPECT_LT(form.ScaleHeight(), before);
  form.menu("mnu_file").SetVisible(false);
  form.Relayout();
  EXPECT_EQ(form.ScaleHeight(), before);
}

TEST_F(FormTest, FontSizesKeepTheirPrecision) {
  auto& label = form.label("SNSe", 0);
  label.SetFontSize(12.960001f);
  EXPECT_EQ(label.FontSize(), 12.960001f);
  label.SetFontObjectSize(8.25 * static_cast<double>(1.08000004f));
  EXPECT_DOUBLE_EQ(label.FontObjectSize(), 8.91);
}

TEST_F(FormTest, VisibleIsTheOwnFlagAndShowingNeedsTheContainers) {
  auto& label = form.label("SNSe", 0);
  form.frame("frm_SN").SetVisible(false);
  EXPECT_TRUE(label.Visible());
  EXPECT_FALSE(label.IsShowing());
  form.frame("frm_SN").SetVisible(true);
  EXPECT_TRUE(label.IsShowing());
}

TEST_F(FormTest, AutoSizeLabelFollowsCaptionAndFont) {
  auto& label = form.label("SNSe", 0);
  label.SetAutoSize(true);
  label.SetCaption("Endurance limit");
  const float narrow = label.Width();
  const QFont f = MakeDrawingFont("MS Sans Serif", 8.25, false, false);
  EXPECT_NEAR(narrow, std::ceil(QFontMetricsF(f).horizontalAdvance("Endurance limit")) * 15, 0.01);
  label.SetFontSize(12);
  EXPECT_GT(label.Width(), narrow);
  label.SetCaption("Se");
  EXPECT_LT(label.Width(), narrow);
}

TEST_F(FormTest, LifeCycleEventsAndCancelledUnload) {
  std::vector<std::string> log;
  form.onLoad = [&] { log.push_back("Load"); };
  form.onQueryUnload = [&](int& cancel, int mode) {
    log.push_back("QueryUnload" + std::to_string(mode));
    cancel = log.size() < 3;
  };
  form.onUnload = [&](int&) { log.push_back("Unload"); };
  form.Show();
  EXPECT_TRUE(form.Visible());
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.Visible());
  EXPECT_TRUE(form.Unload());
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(log, (std::vector<std::string>{"Load", "QueryUnload0", "QueryUnload1", "Unload"}));
}

TEST_F(FormTest, ReloadStartsAgainFromTheDesignValues) {
  form.Load();
  form.textBox("SNset", 0).SetText("7");
  form.textBox("SNset", 0).SetWidth(99);
  form.array<Label>("SNSe").Load(1);
  form.Unload();
  form.Load();
  EXPECT_EQ(form.textBox("SNset", 0).Text(), "100.0");
  EXPECT_EQ(form.textBox("SNset", 0).Width(), 855.5f);
  EXPECT_FALSE(form.array<Label>("SNSe").Exists(1));
}

TEST_F(FormTest, ModalShowWaitsThroughTheHost) {
  Form owner(host, "owner");
  bool sawModal = false;
  host.onModal = [&] {
    sawModal = form.Visible();
    form.Hide();
  };
  form.Show(true, &owner);
  EXPECT_TRUE(sawModal);
  EXPECT_EQ(host.modalRuns, 1);
  EXPECT_FALSE(form.Visible());
}

TEST_F(FormTest, ColoursAndPointersReadBackAsWritten) {
  auto& label = form.label("SNSe", 0);
  label.SetBackColor(static_cast<int32_t>(0x8000000F));
  EXPECT_EQ(label.BackColor(), static_cast<int32_t>(0x8000000F));
  label.SetForeColor(0x0000FF);
  EXPECT_EQ(label.widget()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  label.SetMousePointer(kPointerCross);
  EXPECT_EQ(label.widget()->cursor().shape(), Qt::CrossCursor);
  form.SetMousePointer(kPointerHourglass);
  EXPECT_EQ(form.MousePointer(), kPointerHourglass);
}

}  // namespace
