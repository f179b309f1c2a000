// The simulation results diagram on the second window's view, on the hidden
// print picture and on the printer: the frames, boxes and labels of the view
// around the drawing.

#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/diagram_surface.h"
#include "montecarlo/mcs_diagram_geometry.h"
#include "montecarlo/mcs_results_diagram.h"
#include "montecarlo/ui/mcs_results_view.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"

namespace {

constexpr const char* kFitCaptions[] = {"Fit:  No Fit  ", "Fit:  Log-norm", "Fit:  Weibull "};

// The second window in the main window's place, the plot frame and the side
// frame beside each other over its inner area, the pictures inside them. The
// frames stand 10 twips below the inner area's top and end at its bottom, so
// that their lower borders are in sight.
void PlaceFrames(FormMain& main) {
  FormShow& show = main.formShow();
  show.Move(main.Left(), main.Top(), main.Width(), main.Height());
  const float w = show.ScaleWidth(), h = show.ScaleHeight() - 10;
  show.frm_diag.Move(0, 10, 0.76f * w, h);
  show.pic_diag.Move(0.013f * show.frm_diag.Width(), 0.04f * show.frm_diag.Height() / main.state().layoutScales.ScaleY,
                     0.975f * show.frm_diag.Width(), 0.957f * show.frm_diag.Height());
  show.frm_master1.Move(show.frm_diag.Width(), 10, 0.24f * w, h);
  show.pic_master1.Move(0.04f * show.frm_master1.Width(), show.pic_diag.Top(), 0.92f * show.frm_master1.Width(),
                        show.pic_diag.Height());
}

// A place of the plot scale in the picture's twips.
struct Twips {
  float x, y;
};
Twips TwipsOf(const Surface& t, const PictureBox& pic, const McsDiagramOutcome::Place& p) {
  return {static_cast<float>((p.x - t.ScaleLeft()) * pic.Width() / t.ScaleWidth()),
          static_cast<float>((p.y - t.ScaleTop()) * pic.Height() / t.ScaleHeight())};
}

void PlaceAt(Control& c, const Surface& t, const PictureBox& pic, const McsDiagramOutcome::Place& p, float raise) {
  const Twips at = TwipsOf(t, pic, p);
  c.SetLeft(at.x);
  c.SetTop(at.y - raise);
}

void ToolTips(FormShow& show, bool hidden) {
  show.Res_prob(0).SetToolTipText(hidden ? "" : "Right click to change units");
  show.pic_diag.SetToolTipText(hidden ? "" : "Right click to change the display");
  show.Res_prob(1).SetToolTipText(hidden ? "" : "Right click to fit a PDF");
}

// The boxes and labels of the view after a drawing: their texts, the fit
// popup's items, and their places beside the statistics.
void FillView(FormMain& main, const Surface& t, const McsDiagramOutcome& out) {
  FormShow& show = main.formShow();
  const ProgramState& s = main.state();
  for (int i = 0; i <= 2; ++i) show.Res_probT(i).SetVisible(out.drawn);
  for (int i = 0; i <= 1; ++i) show.Res_prob(i).SetVisible(out.drawn);
  if (!out.drawn) return;
  show.Res_probT(0).SetText(out.pfText);
  show.Res_probT(1).SetText(out.trText);
  show.Res_probT(2).SetText(out.tailText);
  const int fit = s.mcsResults.LifeFitKind - 1;
  for (int j = 0; j <= 2; ++j) {
    show.pop_dispR(j).SetCaption(kFitCaptions[j]);
    show.pop_dispR(j).SetChecked(j == fit);
  }
  const std::string& fitCaption = kFitCaptions[fit >= 0 && fit <= 2 ? fit : 0];
  show.Res_prob(1).SetCaption("Fit:   " + fitCaption.substr(fitCaption.size() - 8));
  show.Res_prob(0).SetCaption("Life  T" + s.lifeResults.LifeUnitLabel[s.analysisOptions.LifeUnit]);
  const PictureBox& pic = show.pic_diag;
  PlaceAt(show.Res_probT(0), t, pic, out.pf, 40);
  PlaceAt(show.Res_probT(1), t, pic, out.tr, 40);
  PlaceAt(show.Res_probT(2), t, pic, out.tail, 40);
  PlaceAt(show.Res_prob(0), t, pic, out.lifeLabel, 0);
  PlaceAt(show.Res_prob(1), t, pic, out.fitLabel, 0);
}

}  // namespace

void DrawMCSResultsDiagram(FormMain& main, Surface& target, Surface& side) {
  ProgramState& s = main.state();
  FormShow& show = main.formShow();
  const SurfaceKind kind = KindOf(target);
  McsDiagramSizes sizes{target.Width(), target.Height(), side.Width(), s.layoutScales.FontScale,
                        s.mcsDisplay.McsPlotKind == 0};
  if (kind == SurfaceKind::Screen) {
    show.Res_probT(3).SetVisible(false);
    PlaceFrames(main);
    sizes.width = show.pic_diag.Width();
    sizes.height = show.pic_diag.Height();
    sizes.sideWidth = show.pic_master1.Width();
  }
  const McsDiagramGeometry g = McsDiagramGeometryFor(kind, sizes);
  show.frm_diag.SetCaption(McsPlotTitle(s));
  McsHeaderTexts texts;
  texts.sideCaption = show.frm_master1.Caption();
  texts.notchFactorLabel = main.dataBox().DDBmse(2).Caption();
  texts.notchFactorValue = main.dataBox().DBmset(2).Text();
  const McsDiagramOutcome out = DrawMcsResults(s, main.host(), target, side, g, texts);
  if (kind != SurfaceKind::Screen) return;
  ToolTips(show, s.shellState.ToolTipMode == 1);
  FillView(main, target, out);
  target.Refresh();
  side.Refresh();
  EnableControl(main.menus().mnu_MCSres_L);  // a result is on show, with or without statistics
}
