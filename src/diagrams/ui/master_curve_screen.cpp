// The master-curve screen on the main window (the two frames that cover the
// input frames), on the hidden print picture and on the printer: the
// window's frames, pictures, line controls and labels around the drawing.

#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/master_curve_diagram.h"
#include "diagrams/master_curve_geometry.h"
#include "diagrams/master_curve_units.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"

namespace {

constexpr const char* kBackCaption = "&Back to Main Screen";

// Both frames side by side over the inner area, the pictures inside them.
// The frames stand 10 twips below the inner area's top and end at its
// bottom, so that their lower borders are in sight.
void PlaceFrames(FormMain& main) {
  ResultFramesPanel& rf = main.results();
  const float w = main.ScaleWidth(), h = main.ScaleHeight() - 10;
  rf.frm_master.Move(0, 10, 0.76f * w, h);
  rf.frm_master.SetVisible(true);
  rf.pic_master.SetLeft(0.013f * rf.frm_master.Width());
  rf.pic_master.SetTop(0.04f * rf.frm_master.Height() / main.state().layoutScales.ScaleY);
  rf.frm_master1.Move(rf.frm_master.Width(), 10, 0.24f * w, h);
  rf.frm_master1.SetVisible(true);
  rf.pic_master1.SetTop(rf.pic_master.Top());
  rf.pic_master1.SetLeft(0.04f * rf.frm_master1.Width());
}

void SizePictures(ResultFramesPanel& rf, const MasterCurveGeometry& g) {
  rf.pic_master.SetHeight(g.H);
  rf.pic_master.SetWidth(g.W);
  rf.pic_master1.SetHeight(g.H);
  rf.pic_master1.SetWidth(g.WT);
}

// The separators of the text picture and the labels on the graph picture,
// placed in the pictures' upward scale (a fraction f of the height up from
// the bottom is 1 - f of it down from the top).
void PlaceScreenControls(FormMain& main, const MasterCurveGeometry& g) {
  ResultFramesPanel& rf = main.results();
  const ProgramState& s = main.state();
  const float textHeight = rf.pic_master1.Height();
  const float fractions[] = {0.7f, 0.31f, 0.08f};
  for (int i = 0; i < 3; ++i) {
    LineControl& line = rf.DMline(i);
    line.SetX2(rf.pic_master1.Width());
    const float y = (1 - fractions[i]) * textHeight;
    line.SetY1(y);
    line.SetY2(y);
  }
  Label& life = rf.Lifelab(0);
  life.SetCaption(LifeAxisTitle(s));
  life.SetLeft((g.W - 100.0f * static_cast<float>(life.Caption().size()) - 500) / 2);
  life.SetTop(g.H - (0.15f * g.H - 500 * s.layoutScales.ScaleY));
  Label& infinite = rf.Life_inf;
  infinite.SetLeft((g.W - 100.0f * static_cast<float>(infinite.Caption().size())) / 2);
  infinite.SetTop(g.H - (0.9f * g.H + 0.15f * g.H) / 2);
}

MasterCurveLabels LabelsOf(FormMain& main) {
  ResultFramesPanel& rf = main.results();
  DataBoxPanel& box = main.dataBox();
  MasterCurveLabels labels;
  labels.graphCaption = rf.frm_master.Caption();
  labels.textCaption = rf.frm_master1.Caption();
  labels.infiniteCaption = rf.Life_inf.Caption();
  labels.summary = {box.DDBmse(2).Caption(), box.DBmset(2).Text(), box.SCF(0).Caption()};
  return labels;
}

}  // namespace

void DrawMasterCurve(FormMain& main, Surface& graph, Surface& text) {
  ProgramState& s = main.state();
  ResultFramesPanel& rf = main.results();
  DisableControl(main.menus().mnu_calculate);
  const SurfaceKind kind = KindOf(graph);
  MasterCurveSizes sizes{graph.Width(), graph.Height(), 0, 0, 0, s.layoutScales.FontScale};
  if (kind == SurfaceKind::Screen) {
    graph.Cls();
    text.Cls();
    PlaceFrames(main);
    sizes.frameWidth = rf.frm_master.Width();
    sizes.frameHeight = rf.frm_master.Height();
    sizes.textFrameWidth = rf.frm_master1.Width();
  }
  const MasterCurveGeometry g = MasterCurveGeometryFor(kind, sizes);
  if (kind == SurfaceKind::Screen) SizePictures(rf, g);
  const MasterCurveOutcome out = DrawMasterCurveOverview(s, graph, text, g, LabelsOf(main));
  if (kind == SurfaceKind::Screen) {
    PlaceScreenControls(main, g);
    rf.Life_inf.SetVisible(out.infinite);
  }
  if (out.curveDrawn) main.menus().mnu_calculations.SetCaption(kBackCaption);
}
