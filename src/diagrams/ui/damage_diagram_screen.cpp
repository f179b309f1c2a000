// The damage bar diagram on the main window's picture `Pic_Dam`, on the
// hidden print picture or on the printer: the window's pointers, frame and
// tool tip around the drawing of the bars.

#include "diagrams/damage_diagram.h"
#include "diagrams/ui/damage_frame.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

void PlaceDamageFrame(FormMain& main) {
  Frame& dam = main.results().frm_Dam;
  const float w = main.ScaleWidth();
  const float h = main.ScaleHeight();
  dam.SetHeight(h / 2);
  dam.SetTop(h / 2);
  dam.SetWidth(w / 2);
  dam.SetLeft(0);
}

namespace {

// Pic_Dam inside its frame, sized for the diagram.
void PlaceDamagePicture(FormMain& main) {
  ResultFramesPanel& rf = main.results();
  const float fw = rf.frm_Dam.Width(), fh = rf.frm_Dam.Height();
  rf.Pic_Dam.SetHeight(0.92f * fh);
  rf.Pic_Dam.SetLeft(0.02f * fw);
  rf.Pic_Dam.SetTop(0.07f * fh / main.state().layoutScales.ScaleY);
  rf.Pic_Dam.SetWidth(0.96f * fw);
}

void SetDamageToolTip(FormMain& main) {
  const ProgramState& s = main.state();
  PictureBox& pic = main.results().Pic_Dam;
  const bool switchable = s.analysisOptions.LoadingType != 3;
  pic.SetToolTipText(switchable ? "Right click to change the display" : "");
  pic.SetMousePointer(switchable ? kPointerCross : kPointerDefault);
  if (s.shellState.ToolTipMode == 1) pic.SetToolTipText("");
}

}  // namespace

void DrawDamageDiagram(FormMain& main, Surface& target) {
  ResultFramesPanel& rf = main.results();
  LoadingFramesPanel& lf = main.loadingFrames();
  Host& host = main.host();
  rf.Pic_Dam.SetMousePointer(kPointerDefault);
  host.SetMousePointer(kPointerHourglass);
  host.DoEvents();
  DamageDiagramView view;
  view.kind = KindOf(target);
  if (view.kind == SurfaceKind::Screen) {
    PlaceDamageFrame(main);
    PlaceDamagePicture(main);
  }
  view.spectrumShown = lf.frm_Spectr.Visible();
  view.distributionShown = lf.frm_Distr.Visible();
  view.title = rf.frm_Dam.Caption();
  view.frameWidth = rf.frm_Dam.Width();
  view.frameHeight = rf.frm_Dam.Height();
  DrawDamageBars(main.state(), target, view);
  host.SetMousePointer(kPointerDefault);
  SetDamageToolTip(main);
}
