// What the user sees after start-up, on a screen of the design size and on a
// large one: every control that shows inside a frame lies within the frame's
// inner area, clear of its border and its caption band; the problem
// definition's and the data services' parts do not overlap; the test data
// editor's rows do not overlap each other or the scroll bar.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "platform/qt/font_mapping.h"
#include "platform/qt/qt_convert.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"

namespace {

// A rectangle in pixels of the container, as the platform shows it.
struct Rect {
  int left, top, right, bottom;
};

Rect Shown(const Control& c) {
  return {TwipsToPixelsX(c.Left()), TwipsToPixelsY(c.Top()), TwipsToPixelsX(c.Left() + c.Width()),
          TwipsToPixelsY(c.Top() + c.Height())};
}

constexpr int kTolerance = 1;  // pixel
constexpr int kBorder = 2;     // the frame's border, pixels

// The frame's inner area: inside its border and below the caption band, as
// high as its caption font's line.
Rect InnerArea(const Frame& f) {
  const QFontMetricsF caption(MakeDrawingFont(f.FontName(), f.FontSize(), f.FontBold(), f.FontItalic()));
  const Rect outer = Shown(f);
  return {kBorder, static_cast<int>(caption.height()), outer.right - outer.left - kBorder,
          outer.bottom - outer.top - kBorder};
}

bool Inside(const Rect& r, const Rect& area) {
  return r.left >= area.left - kTolerance && r.top >= area.top - kTolerance && r.right <= area.right + kTolerance &&
         r.bottom <= area.bottom + kTolerance;
}

bool Overlap(const Rect& a, const Rect& b) {
  return std::min(a.right, b.right) - std::max(a.left, b.left) > kTolerance &&
         std::min(a.bottom, b.bottom) - std::max(a.top, b.top) > kTolerance;
}

std::string Describe(const Control& c) {
  return c.Index() < 0 ? c.Name() : c.Name() + "(" + std::to_string(c.Index()) + ")";
}

// Frames whose contents their views place at run time, from the size the
// view gives the frame (the diagrams, the job summary, the master-curve and
// results screens, the random-variable dialog): their design geometry is not
// what the user sees.
bool PlacedByItsView(const std::string& frame) {
  static const std::vector<std::string> kViews = {
      "frm_Dam",   "frm_Rel",   "frm_master", "frm_master1", "frm_SN",      "frm_DBox",     "frm_Hist",
      "frm_Spectr", "frm_Distr", "frm_HistSH", "frm_SpectrSH", "frm_DistrSH", "frm_diag", "frm_rand"};
  return std::find(kViews.begin(), kViews.end(), frame) != kViews.end();
}

void ExpectControlsInsideTheirFrames(const Form& form) {
  for (const Control* c : form.Controls()) {
    const auto* frame = dynamic_cast<const Frame*>(c->Container());
    if (!frame || !c->Visible() || PlacedByItsView(frame->Name())) continue;
    const Rect r = Shown(*c), area = InnerArea(*frame);
    EXPECT_TRUE(Inside(r, area)) << form.Name() << ": " << Describe(*c) << " [" << r.left << ", " << r.top << ", "
                                 << r.right << ", " << r.bottom << "] crosses " << frame->Name() << "'s inner area ["
                                 << area.left << ", " << area.top << ", " << area.right << ", " << area.bottom << "]";
  }
}

// No two visible controls directly in `frame` overlap.
void ExpectNoOverlapIn(const Form& form, const std::string& frame) {
  std::vector<const Control*> parts;
  for (const Control* c : form.Controls())
    if (c->Container() && c->Container()->Name() == frame && c->Visible()) parts.push_back(c);
  for (size_t i = 0; i < parts.size(); ++i)
    for (size_t j = i + 1; j < parts.size(); ++j)
      EXPECT_FALSE(Overlap(Shown(*parts[i]), Shown(*parts[j])))
          << Describe(*parts[i]) << " and " << Describe(*parts[j]);
}

struct Screen {
  const char* name;
  double width, height;  // twips
  float windowWidth;     // the main window start-up sizes for it
};
void PrintTo(const Screen& s, std::ostream* os) { *os << s.name; }

class LayoutGeometryTest : public ::testing::TestWithParam<Screen> {
 protected:
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
  FormShow& show = main.formShow();

  void SetUp() override {
    host.screenWidthTwips = GetParam().width;
    host.screenHeightTwips = GetParam().height;
    host.onModal = [this] { main.dialog().button("Dialog_OKButton").click(); };
    main.Load();
    ASSERT_EQ(main.Width(), GetParam().windowWidth);
    show.Load();
    // The second window takes the main window's place and size, and the test
    // data editor's panel lies beside the diagram, as its view places them.
    show.Move(main.Left(), main.Top(), main.Width(), main.Height());
    Frame& editor = show.frame("frm_diag2");
    editor.Move(show.frame("frm_diag").Width() + 10, 10, 0.295f * show.ScaleWidth(), show.ScaleHeight());
    editor.SetVisible(true);
  }
};

TEST_P(LayoutGeometryTest, ControlsLieInsideTheirFrames) {
  ExpectControlsInsideTheirFrames(main);
  ExpectControlsInsideTheirFrames(show);
}

TEST_P(LayoutGeometryTest, TheWorkingFramesPartsDoNotOverlap) {
  ExpectNoOverlapIn(main, "frm_analysis");
  ExpectNoOverlapIn(main, "frm_data_serv");
  ExpectNoOverlapIn(main, "frm_data_path");
}

// A grid row shows as its two cells; the row number's label is transparent
// and stands left of them.
TEST_P(LayoutGeometryTest, TheTestDataRowsDoNotOverlapEachOtherOrTheScrollBar) {
  auto row = [this](int k) {
    const Rect x = Shown(show.textBox("txt_CLOx", k)), n = Shown(show.textBox("txt_CLOn", k));
    return Rect{x.left, std::min(x.top, n.top), n.right, std::max(x.bottom, n.bottom)};
  };
  const Rect scroll = Shown(show.scrollBar("scroll_CLO"));
  for (int k = 0; k < 10; ++k) {
    EXPECT_FALSE(Overlap(row(k), scroll)) << "row " << k;
    EXPECT_FALSE(Overlap(Shown(show.label("lbl_CLOn", k)), scroll)) << "row number " << k;
    if (k < 9) {
      EXPECT_FALSE(Overlap(row(k), row(k + 1))) << "rows " << k << " and " << k + 1;
    }
  }
  EXPECT_FALSE(Overlap(Shown(show.picture("pic_CLO")), row(0)));
}

INSTANTIATE_TEST_SUITE_P(Screens, LayoutGeometryTest,
                         ::testing::Values(Screen{"design", 12500, 9375, 12000}, Screen{"large", 28800, 16200, 18000}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
