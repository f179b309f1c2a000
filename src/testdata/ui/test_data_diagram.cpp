// The test data diagram and, on the pane, the editor around it.

#include <algorithm>

#include "layout/layout_scales.h"
#include "loading/diagram_axes.h"
#include "platform/draw/child_position.h"
#include "platform/draw/surface.h"
#include "platform/runtime/format.h"
#include "platform/runtime/number_text.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/user_messages.h"
#include "testdata/test_diagram_plot.h"
#include "testdata/ui/test_data_captions.h"
#include "testdata/ui/test_data_editor_panel.h"

namespace {

constexpr int32_t kCellColour = 0xFFFFFF;
constexpr int32_t kWhite = 0xFFFFFF;

// The x of a text column (1, 2, ...) from the surface's left edge. Columns
// are as wide as the font's average character, 0.44 em in the Arial metrics
// of the program's sans-serif fonts.
double TextColumn(const Surface& s, int column) {
  constexpr double kAverageCharEm = 0.44;
  const double twips = kAverageCharEm * s.FontSize() * 20;
  return s.ScaleLeft() + (column - 1) * twips * s.ScaleWidth() / s.Width();
}

}  // namespace

void TestDataEditorPanel::DrawTestDataDiagram(Surface& target) {
  ProgramState& st = state();
  TestDataSet& s = set();
  const SurfaceKind kind = KindOf(target);
  const float fontScale = st.layoutScales.FontScale;
  DiagramPreamble();
  ResetDiagramPen(target);
  if (kind == SurfaceKind::Screen) {
    target.Cls();
    target.SetFillStyle(Surface::kFillSolid);
    target.SetFillColor(kWhite);
    LayOutEditor();
  }
  const double fs = kind == SurfaceKind::Printer ? 1.0 : fontScale;
  scroll_CLO.SetVisible(true);
  DrawGridHeader(fs);
  const TestDiagramDrawn drawn = DrawTestDataPlot(s, st.unitSettings, fontScale, target, frm_diag.Caption());
  if (drawn.fitShown) {
    // A drawing on paper or in a bitmap leaves the pane as it was: the box
    // stays where the pane's drawing placed it.
    if (kind == SurfaceKind::Screen) PlaceReferenceLifeBox(target, drawn.noLabelEnd);
    ShowReferenceLifeBox();
  }
  target.Refresh();
  if (kind != SurfaceKind::Screen || WholePointCount(s.TestPointCount) == 0) return;
  WriteRowsThroughMasks();
  if (s.TestFitSlope < 0) {
    EnableControl(cmd_CLO_OK);
  } else if (s.TestFitCoeff > 0) {
    // A fitted line that does not fall.
    Message(kDataIncorrect, MsgButtons::OKOnly, MsgIcon::Critical, 1, "Fatigue test data");
  }
}

void TestDataEditorPanel::DiagramPreamble() {
  for (int i = 0; i <= 3; ++i) show.Res_probT(i).SetVisible(false);
  for (int i = 0; i <= 1; ++i) show.Res_prob(i).SetVisible(false);
  show.mnu_prt.SetEnabled(true);
  show.mnu_prt_res.SetEnabled(false);
  show.mnu_an_show.SetVisible(false);
  show.mnu_an_list.SetVisible(false);
  show.frm_master.SetVisible(false);
  show.frm_master1.SetVisible(false);
  show.frm_rand.SetVisible(false);
  show.sepbar1.SetVisible(false);
  show.mnu_prt1.SetCaption("&Print");
  show.mnu_prt_form.SetEnabled(true);
  state().shellState.SecondWindowView = second_window_view::kTestData;
  show.SetWidth(main().Width());
  show.SetHeight(main().Height());
}

void TestDataEditorPanel::LayOutEditor() {
  const ProgramState& st = state();
  const TestDataSet& s = set();
  const LayoutScales& scales = st.layoutScales;
  const float f = st.unitSettings.StressUnitFactor;
  // Both frames stand 10 twips below the inner area's top and end at its
  // bottom; the side frame, 10 twips right of the plot frame, ends at the
  // inner area's right edge: their borders are in sight.
  const float innerWidth = show.ScaleWidth();
  const float innerHeight = show.ScaleHeight() - 10;
  frm_diag.SetHeight(innerHeight);
  frm_diag.SetWidth(s.TestDiagramZoom > 0 ? innerWidth : 0.705f * innerWidth);
  frm_diag.SetLeft(0);
  frm_diag.SetTop(10);
  pic_diag.SetHeight(frm_diag.Height() * (0.87f + 0.06f * scales.ScaleY));
  pic_diag.SetWidth(0.975f * frm_diag.Width());
  pic_diag.SetLeft(0.013f * frm_diag.Width());
  pic_diag.SetTop(0.04f * frm_diag.Height() / scales.FontScale);
  frm_diag.SetVisible(true);
  frm_diag.SetCaption(kTestDataTitle);
  frm_diag2.SetHeight(innerHeight);
  frm_diag2.SetLeft(frm_diag.Width() + 10);
  // Beside a plot frame zoomed to the whole width it stands beyond the right
  // edge, out of sight, at its own width.
  const float sideWidth = 0.295f * innerWidth, room = innerWidth - frm_diag2.Left();
  frm_diag2.SetWidth(room > 0 ? std::min(sideWidth, room) : sideWidth);
  frm_diag2.SetTop(10);
  frm_diag2.SetVisible(true);
  pic_CLO.SetVisible(true);
  pic_CLO.surface().Scale(0, pic_CLO.surface().Height(), pic_CLO.surface().Width(), 0);

  txt_Name.SetText(s.TestDataName);
  txt_points(0).SetText(NumberText(s.TestPointCount));
  txt_points(1).SetText(Format(s.TestSy * f, "###0.0"));
  txt_points(2).SetText(Format(s.TestSu * f, "###0.0"));
  txt_points(3).SetText(NumberText(s.TestStressRatio));
  const std::string& bracket = st.unitSettings.StressUnitBracket;
  txt_label(2).SetText("Yield Strength " + bracket + ":");
  txt_label(3).SetText("Ultimate Strength " + bracket + ":");

  const float middle = frm_diag2.Width() / 2;
  cmd_CLO_open.SetLeft(middle - 1170 * scales.ScaleX);
  cmd_CLO_OK.SetLeft(middle - 1170 * scales.ScaleX);
  cmd_CLO_canc.SetLeft(middle + 50 * scales.ScaleX);
  cmd_CLO_Del.SetLeft(middle + 50 * scales.ScaleX);
  show.mnu_prt_form.SetVisible(true);
  show.mnu_prt_res.SetVisible(false);
  show.mnu_return.SetVisible(true);

  const float lastRow = s.TestPointCount - static_cast<float>(s.TestGridTop);
  for (int k = 0; k <= 9; ++k) {
    for (TextBox* cell : {&txt_CLOx(k), &txt_CLOn(k)}) {
      cell->SetVisible(true);
      cell->SetText("");
      cell->SetEnabled(true);
      cell->SetBackColor(kCellColour);
      if (static_cast<float>(k) > lastRow) {
        cell->SetEnabled(false);
        cell->SetBackColor(kColourButtonFace);
      }
    }
  }
}

// The header line over the grid on the strip pic_CLO.
void TestDataEditorPanel::DrawGridHeader(double fs) {
  Surface& strip = pic_CLO.surface();
  strip.SetFontSize(8 * fs);
  strip.Cls();
  strip.SetCurrentX(50);
  strip.SetCurrentY(300);
  strip.Print("No", true);
  strip.SetCurrentX(TextColumn(strip, 8));
  strip.Print("Sig " + state().unitSettings.StressUnitBracket + "  ", true);
  strip.SetCurrentX(TextColumn(strip, 27));
  strip.Print("N [cyc]  ");
  strip.Refresh();
}

// The box of the reference life No, after its label on the pane: its top at
// y = 125 and its left edge where the label ended, in the pane's diagram
// units turned into the twips in which the pane places its controls.
void TestDataEditorPanel::PlaceReferenceLifeBox(Surface& pane, double labelEnd) {
  TextBox& box = show.Res_probT(3);
  box.SetLeft(static_cast<float>(TwipsFromLeft(pane, labelEnd, pane.Width())));
  box.SetTop(static_cast<float>(TwipsFromTop(pane, 125, pane.Height())));
}

// The box shows the reference life whenever the fit is drawn, on any target.
void TestDataEditorPanel::ShowReferenceLifeBox() {
  TextBox& box = show.Res_probT(3);
  box.SetText(Format(set().TestRefLife, "0.0E+## "));
  box.SetFontObjectSize(9.0 * state().layoutScales.FontScale);
  box.SetVisible(true);
}

// The grid rows from the top row to the last point, zero values shown
// through the masks too.
void TestDataEditorPanel::WriteRowsThroughMasks() {
  const TestDataSet& s = set();
  const float f = state().unitSettings.StressUnitFactor;
  const int last = std::min(s.TestGridTop + 9, WholePointCount(s.TestPointCount));
  for (int k = s.TestGridTop; k <= last; ++k) {
    const int i = k - s.TestGridTop;
    lbl_CLOn(i).SetCaption(NumberText(static_cast<int32_t>(k)));
    txt_CLOx(i).SetText(Format(DisplayedStress(s.TestStress[k], f), kStressCellMask));
    txt_CLOn(i).SetText(Format(s.TestLife[k], kLifeCellMask));
  }
}
