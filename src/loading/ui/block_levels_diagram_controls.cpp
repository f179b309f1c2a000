// The labels and value boxes lying on the spectrum diagram: placed at points
// of the diagram and filled at every screen drawing. Their input
// handlers belong to the loading frames' panel.

#include <string>

#include "loading/stress_entries.h"
#include "loading/ui/loading_diagram_parts.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/block_levels_diagram.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/host.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

// A stress row; the box takes the diagram's colour under its corner.
void FillStressRow(FormMain& main, const PictureSpot& spot, int index, float range, float x, float y) {
  const ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  const float v = ShownStressRange(s, range);
  FillValueRow(s, spot, lf.SSmax(index), lf.SSmaxt(index), v, x, y);
  TakeDiagramColour(lf.SSmaxt(index), spot);
}

void ShowRow(LoadingFramesPanel& lf, int index, bool on) {
  lf.SSmax(index).SetVisible(on);
  lf.SSmaxt(index).SetVisible(on);
  lf.SSrng(index).SetVisible(on);
}

void PlaceMeanRow(FormMain& main, const PictureSpot& spot, const SpectrumGeometry& g) {
  const ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  const LayoutScales& sc = s.layoutScales;
  SetTip(lf.SSmean, s.loadingData.StressInputMode == 1 ? "Click for Symetric Loading" : "Click for Asymetric Loading",
         s);
  lf.SSmean.SetMousePointer(kPointerUpArrow);
  lf.SSmean.SetVisible(true);
  lf.SSmeant.SetVisible(true);
  FillMeanRow(s, spot, lf.SSmean, lf.SSmeant, g.xc + 700 * sc.ScaleX, g.y1 - 200 * sc.ScaleY);
}

}  // namespace

void SetSpectrumEntryControls(FormMain& main) {
  const ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  const bool constant = s.analysisOptions.LoadingType == loading_type::kConstantAmplitude;
  for (int i = 0; i <= 1; ++i) {
    lf.SSmax(i).SetMousePointer(constant ? kPointerUpArrow : kPointerDefault);
    SetTip(lf.SSmax(i), constant ? "Right click for Stress/Strain change" : "", s);
  }
  const bool strain = s.loadingUnits.LoadQuantity == "Strain ";
  main.snInputs().SNE.SetVisible(strain);
  main.snInputs().SNEt.SetVisible(strain);
}

void PlaceSpectrumControls(FormMain& main, const PictureSpot& spot, const SpectrumGeometry& g) {
  ProgramState& s = main.state();
  const AnalysisOptions& a = s.analysisOptions;
  const LayoutScales& sc = s.layoutScales;
  LoadingFramesPanel& lf = main.loadingFrames();

  const bool descending = a.LoadingType == loading_type::kSpectrum && s.loadingData.SpectrumDescending;
  lf.Pic_Spectr.SetMousePointer(descending ? kPointerCross : kPointerDefault);
  SetTip(lf.Pic_Spectr, descending ? "Right click to change the display" : "", s);

  const bool twoRows = LoadLevelMasterCurve(a);
  ShowRow(lf, 0, true);
  ShowRow(lf, 1, twoRows);
  const float d = twoRows ? 210.0f : 0.0f;
  if (OneStressRange(a)) {
    lf.SSrng(0).SetCaption("");
  } else if (twoRows) {
    lf.SSrng(0).SetCaption("(Max)");
    lf.SSrng(1).SetCaption("(Min)");
  }

  const float left = g.x0 + 100 * sc.ScaleX;
  const float top0 = g.y1 - (200 - d) * sc.ScaleY;
  const float top1 = g.y1 - 200 * sc.ScaleY;
  FillStressRow(main, spot, 0, s.loadingData.StressRangeTo, left, top0);
  FillStressRow(main, spot, 1, s.loadingData.StressRangeFrom, left, top1);
  for (int i = 0; i <= 1; ++i) {
    lf.SSrng(i).SetLeft(lf.SSmax(i).Left() + lf.SSmax(i).Width() + 100 * sc.ScaleX);
    lf.SSrng(i).SetTop(lf.SSmax(i).Top());
  }
  PlaceMeanRow(main, spot, g);

  const std::string& tag = s.loadingData.BatchMseText;
  lf.SSmse.SetCaption(tag);
  lf.SSmse.SetTop(spot.Top(g.y1 + 200 * sc.ScaleY));
  lf.SSmse.SetLeft(spot.Left(spot.width - static_cast<double>(tag.size()) * 90 * sc.FontScale));
  if (s.loadingDatabase.BatchPointCount[g.batch] >= 1 && a.LoadingType != loading_type::kConstantAmplitude)
    lf.SSmse.SetVisible(true);

  Label& scaling = lf.SHscal(2);
  scaling.SetCaption("Scaling Factor  k = 1.0   ");
  scaling.SetLeft(spot.Left(g.xc - 550 * sc.ScaleX));
  scaling.SetTop(spot.Top(g.y1));
  lf.load_distr(1).SetLeft(scaling.Left() + scaling.Width());
  lf.load_distr(1).SetTop(scaling.Top());
  const bool probabilistic = a.AnalysisKind == analysis_kind::kProbabilistic;
  scaling.SetVisible(probabilistic);
  lf.load_distr(1).SetVisible(probabilistic);
}
