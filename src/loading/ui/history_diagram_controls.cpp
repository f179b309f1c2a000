// The labels and value boxes lying on the history diagram: the extremes of
// the scaled history and the scaling-factor rows, placed at points of the
// diagram at every screen drawing. Their input handlers belong to the
// loading frames' panel.

#include <string>

#include "loading/scaling_factor.h"
#include "loading/ui/history_diagram.h"
#include "loading/ui/loading_diagram_parts.h"
#include "loading/ui/loading_frames_panel.h"
#include "platform/runtime/format.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

constexpr const char* kFactorMask = "##0.0##";

// A scaling-factor row: the label with its prefix, the box right after it,
// then the value appended to the label and put in the box.
void FillFactorRow(LoadingFramesPanel& lf, const PictureSpot& spot, int index, const std::string& prefix, float x,
                   float y, float value) {
  Label& label = lf.SHscal(index);
  TextBox& box = lf.SHscalt(index);
  label.SetCaption(prefix);
  label.SetLeft(spot.Left(x));
  label.SetTop(spot.Top(y));
  box.SetLeft(label.Left() + label.Width());
  box.SetTop(label.Top());
  const std::string text = Format(value, kFactorMask);
  label.SetCaption(prefix + text);
  box.SetText(text);
}

}  // namespace

void PlaceHistoryControls(FormMain& main, const PictureSpot& spot, const HistoryGeometry& g) {
  ProgramState& s = main.state();
  const AnalysisOptions& a = s.analysisOptions;
  const LayoutScales& sc = s.layoutScales;
  LoadingData& l = s.loadingData;
  LoadingFramesPanel& lf = main.loadingFrames();

  std::string& caption = s.shellState.CaptionBuf;
  caption = HistoryCaption(s, l.LoadSmax, l.LoadSmin);
  lf.SHSmax.SetLeft(spot.Left(g.xc - 1050 * sc.ScaleX));
  lf.SHSmax.SetTop(spot.Top(g.y1 + 50 * sc.ScaleY));
  lf.SHSmax.SetCaption(caption);
  // The unscaled history, whatever the factor, so that typing a factor
  // shows the history it applies to in the units of now.
  l.HistMaxCaption = UnscaledHistoryCaption(s);
  lf.SHSmax.SetVisible(true);

  const bool probabilistic = a.AnalysisKind == analysis_kind::kProbabilistic;
  const bool loadLevel = LoadLevelMasterCurve(a);
  if (probabilistic) {
    lf.SHscal(0).SetVisible(true);
    lf.load_distr(0).SetVisible(true);
  } else if (loadLevel) {
    for (int i = 0; i <= 1; ++i) {
      lf.SHscal(i).SetVisible(true);
      lf.SHscalt(i).SetVisible(true);
    }
  }
  const float left = g.xc - 550 * sc.ScaleX;
  const float top0 = g.y1 - 150 * sc.ScaleY;
  FillFactorRow(lf, spot, 0, "  Max. Scaling Factor = ", left, top0, l.ScalingFactorMax);
  FillFactorRow(lf, spot, 1, "  Min.  Scaling Factor = ", left, g.y1 - 380 * sc.ScaleY, l.ScalingFactorMin);
  if (probabilistic) {
    FillFactorRow(lf, spot, 0, "Scaling Factor  k = ", left, top0, 1.0f);
    lf.load_distr(0).SetLeft(lf.SHscalt(0).Left() + lf.SHscalt(0).Width());
    lf.load_distr(0).SetTop(lf.SHscalt(0).Top());
  }
}
