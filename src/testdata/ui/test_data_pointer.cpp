// The diagram pane's pointer: the point under it, a click that switches a
// point into or out of the fit, and the display popup.

#include <cmath>

#include "platform/draw/surface.h"
#include "platform/runtime/format.h"
#include "platform/runtime/number_text.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "montecarlo/ui/mcs_results_view.h"
#include "testdata/sn_fit.h"
#include "testdata/test_diagram_geometry.h"
#include "testdata/ui/test_data_captions.h"
#include "testdata/ui/test_data_editor_panel.h"

namespace {

constexpr int32_t kUsedColour = 0xC00000;
constexpr int32_t kOmittedColour = 0xFFC0C0;

std::string HoverTip(const TestDataSet& s, int k, float f) {
  std::string tip = "Data #" + NumberText(static_cast<int32_t>(k));
  if (s.TestPointUsed[k] == 0) tip += " (omitted)";
  return tip + ": Sig = " + Format(DisplayedStress(s.TestStress[k], f), "##0.0# ") + ", N = " +
         Format(s.TestLife[k], "0.000E+## ");
}

}  // namespace

bool TestDataEditorPanel::OnPointColour(float x, float y) const {
  const int32_t colour = pic_diag.surface().Point(x, y);
  return colour == kUsedColour || colour == kOmittedColour;
}

int TestDataEditorPanel::NearestPoint(float x, float y) const {
  const TestDataSet& s = set();
  const float f = state().unitSettings.StressUnitFactor;
  int nearest = 1;
  double best = 10000;
  const int n = WholePointCount(s.TestPointCount);
  for (int k = 1; k <= n; ++k) {
    if (!DrawableTestPoint(s, k)) continue;
    const double dx = std::fabs(x - kPlotX0 - (std::log10(static_cast<double>(s.TestLife[k])) - s.TestAxisFirstDecadeX) *
                                                    s.TestAxisDecadeX);
    const double dy = std::fabs(y - kPlotY0 - (std::log10(static_cast<double>(DisplayedStress(s.TestStress[k], f))) -
                                               s.TestAxisFirstDecadeY) * s.TestAxisDecadeY);
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d < best) {
      best = d;
      nearest = k;
    }
  }
  return nearest;
}

void TestDataEditorPanel::pic_diag_MouseMove(int, int, float x, float y) {
  TestDataSet& s = set();
  if (!frm_diag2.Visible() || s.TestStress[1] == 0) return;
  pic_diag.SetMousePointer(kPointerDefault);
  pic_diag.SetToolTipText(state().shellState.ToolTipMode == 1 ? "Right click to change the display" : "");
  s.TestHoverPoint = 0;
  if (!(x > kPlotX0 && x < 750 && y > kPlotY0 && y < kPlotHeight)) return;
  if (!OnPointColour(x, y)) return;
  s.TestHoverPoint = NearestPoint(x, y);
  pic_diag.SetMousePointer(kPointerCross);
  pic_diag.SetToolTipText(HoverTip(s, s.TestHoverPoint, state().unitSettings.StressUnitFactor));
}

void TestDataEditorPanel::pic_diag_MouseDown(int button, int, float x, float y) {
  ProgramState& st = state();
  TestDataSet& s = set();
  ControlArray<MenuItem>& items = show.pop_aNK;
  if (frm_diag.Caption() != kTestDataTitle) {
    // The simulation results view.
    if (button != kRightButton) return;
    items(0).SetCaption("Life Distribution");
    const bool noFit = st.mcsResults.LifeFitKind == 1;
    items(1).SetCaption(noFit ? "Probab.Plot: Log-norm" : "Probability Plot");
    items(2).SetVisible(noFit);
    items(2).SetCaption("Probab.Plot: Weibull");
    const McsDisplay& d = st.mcsDisplay;
    items(0).SetChecked(d.McsPlotKind == 0);
    if (d.McsPlotKind == 0) {
      items(1).SetChecked(false);
    } else {
      items(1).SetChecked(d.McsPlotPaper == 0);
      items(2).SetChecked(d.McsPlotPaper != 0);
    }
    show.PopupMenu(show.pop_disp);
    return;
  }
  if (button == kRightButton) {
    items(1).SetCaption("Zoom-in");
    items(0).SetCaption("Zoom-out");
    items(2).SetVisible(false);
    show.PopupMenu(show.pop_disp);
    return;
  }
  if (button != kLeftButton || s.TestHoverPoint == 0) return;
  const int n = WholePointCount(s.TestPointCount);
  const int k = s.TestHoverPoint;
  int used = 0;
  for (int i = 1; i <= n; ++i) used += s.TestPointUsed[i];
  if (k <= n && OnPointColour(x, y)) {
    if (s.TestPointUsed[k] == 0) s.TestPointUsed[k] = 1;
    else if (used > 2) s.TestPointUsed[k] = 0;
  }
  s.TestDataModified = 1;
  FitTestDataSNCurve(s);
  DrawTestDataDiagram(pic_diag.surface());
  if (s.TestFitCoeff > 0) SetCommandCaptions();
  else SetEditCaptions();
}

void TestDataEditorPanel::pop_aNK_Click(int index) {
  ProgramState& st = state();
  if (!frm_diag2.Visible()) {
    McsDisplay& d = st.mcsDisplay;
    d.McsPlotKind = static_cast<int16_t>(index == 2 ? 1 : index);
    d.McsPlotPaper = static_cast<int16_t>(index - 1);
    frm_diag.SetCaption(d.McsPlotKind == 1 ? "Probability Plot " : "Life Distribution");
    ShowMCSResults(main());
    return;
  }
  set().TestDiagramZoom = static_cast<int16_t>(index);
  for (int i = 0; i <= 2; ++i) show.pop_aNK(i).SetChecked(i == index);
  DrawTestDataDiagram(pic_diag.surface());
}
