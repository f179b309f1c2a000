#include "component/ui/data_box_panel.h"
#include "diagrams/diagram_surface.h"
#include "loading/diagram_axes.h"
#include "platform/draw/surface.h"
#include "platform/runtime/sng.h"
#include "program_state.h"
#include "report/data_box_layout.h"
#include "report/ui/report_services.h"
#include "shell/ui/form_main.h"

namespace {

DataBoxTexts TextsOf(DataBoxPanel& b) {
  DataBoxTexts t;
  t.title = b.frm_DBox.Caption();
  t.subject = b.Subj.Caption();
  t.load = b.Load.Caption();
  t.material = b.Material.Caption();
  for (int i = 0; i < 2; ++i) {
    t.extLabel[i] = b.ExtSN(i).Caption();
    t.extText[i] = b.ExtSNt(i).Text();
    t.thicknessLabel[i] = b.SNth(i).Caption();
  }
  t.notchLabel = b.SCF(0).Caption();
  t.notchText = b.SCFt(0).Text();
  t.notchTag = b.SCF_distr.Caption();
  t.radiusLabel = b.Reliab.Caption();
  t.radiusText = b.Reliabt.Text();
  t.mseLabel = b.DBmse(0).Caption();
  t.notchQuantityLabel = b.DDBmse(2).Caption();
  t.notchQuantityText = b.DBmset(2).Text();
  t.damageLabel = b.DTFf.Caption();
  t.damageText = b.DTFft.Text();
  t.life = b.Result.Caption();
  return t;
}

void PrintLine(Surface& s, const DataBoxLine& line) {
  s.SetFontBold(line.bold);
  s.SetCurrentX(line.x);
  s.SetCurrentY(line.y);
  for (std::size_t i = 0; i < line.items.size(); ++i) s.Print(line.items[i], i + 1 < line.items.size() || !line.ended);
}

}  // namespace

void PrintDataBox(FormMain& main, Surface& target) {
  const ProgramState& state = main.state();
  const DataBoxTexts texts = TextsOf(main.dataBox());
  const bool printer = target.IsPrinter();
  const float width = Sng(target.Width()), height = Sng(target.Height());
  const DataBoxGeometry g =
      DataBoxGeometryOf(printer, width, height, state.analysisOptions.LoadingType == loading_type::kDistribution,
                        state.layoutScales.FontScale);
  ResetDiagramPen(target);
  // The box's own coordinates: the origin at its lower left corner.
  ScaleUpwardsFrom(target, g.C, g.T);
  target.SetFontSize(10 * g.fs);
  target.Line(0, 0, g.W, g.H, 0, Surface::kBox);
  const double titleX = 0.1 * g.W - 300 * g.fs;
  PrintCaptionOnEdge(target, texts.title, titleX, g.H + 100, titleX - 50 * g.fs, g.H, false);

  target.SetFontItalic(false);
  target.SetFontBold(false);
  target.SetFontName("Microsoft Sans Serif");
  target.SetFontSize(9 * g.fs);
  target.SetForeColor(0);
  for (const DataBoxLine& line : DataBoxLines(state, texts, g, printer)) PrintLine(target, line);
}
