#include "loading/ui/loading_diagram_parts.h"

#include "loading/loading_records.h"
#include "platform/draw/child_position.h"
#include "platform/draw/surface.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

void PlaceLoadingFrame(FormMain& main, Frame& frame) {
  const float w = main.ScaleWidth(), h = main.ScaleHeight();
  frame.SetLeft(w / 2);
  frame.SetTop(10);
  frame.SetWidth(w / 2);
  frame.SetHeight(h / 2);
}

DiagramPlace PlaceLoadingDiagram(FormMain& main, Surface& surface, const PlacementTable& table, Frame& frame,
                                 PictureBox& picture, double& width, double& height) {
  const LayoutScales& scales = main.state().layoutScales;
  const DiagramSurface kind = DiagramSurfaceOf(surface);
  const DiagramPlace place =
      PlaceDiagram(table, kind, surface.Width(), surface.Height(), frame.Width(), frame.Height(), scales);
  if (OnPaper(kind)) {
    width = surface.Width();
    height = surface.Height();
    return place;
  }
  picture.SetHeight(place.H);
  picture.SetLeft(Sng(frame.Width() * 0.02));
  picture.SetTop(Sng(frame.Height() * 0.07 / scales.ScaleY));
  picture.SetWidth(place.W);
  width = picture.Width();
  height = picture.Height();
  return place;
}

namespace {
constexpr const char* kValueMask = "####0.0#";
constexpr const char* kCaptionMask = "####0.0#  ";
}  // namespace

bool OneStressRange(const AnalysisOptions& a) {
  return a.AnalysisMode == analysis_mode::kSingleCase ||
         a.MasterCurveParameter == master_curve_parameter::kEnduranceLimit;
}

int BatchRow(int batch) { return BatchInRecords(batch) ? batch : 0; }

float PictureSpot::Left(double x) const { return Sng(TwipsFromLeft(surface, x, width)); }
float PictureSpot::Top(double y) const { return Sng(TwipsFromTop(surface, y, height)); }
double PictureSpot::X(float left) const { return UserXAt(surface, left, width); }
double PictureSpot::Y(float top) const { return UserYAt(surface, top, height); }

int32_t DiagramColourUnder(const TextBox& box, const PictureSpot& spot) {
  const int32_t colour = spot.surface.Point(spot.X(box.Left()), spot.Y(box.Top()));
  return colour == -1 ? spot.surface.BackColor() : colour;
}

void TakeDiagramColour(TextBox& box, const PictureSpot& spot) { box.SetBackColor(DiagramColourUnder(box, spot)); }

void SetTip(Control& control, const std::string& tip, const ProgramState& s) {
  control.SetToolTipText(s.shellState.ToolTipMode == 1 ? std::string() : tip);
}

float ValueBoxWidth(const std::string& text, const ProgramState& s) {
  return static_cast<float>(text.size()) * 100 * s.layoutScales.FontScale;
}

std::string StressValueText(float v) { return Format(v, kValueMask); }

std::string StressCaption(const ProgramState& s, float v) { return Format(v, kCaptionMask) + s.loadingUnits.LoadUnit; }

std::string MeanRowPrefix(const ProgramState& s) {
  return (s.loadingData.StressInputMode == 2 ? "Mean " : "Min. ") + s.loadingUnits.LoadQuantity + "=  ";
}

void FillValueRow(const ProgramState& s, const PictureSpot& spot, Label& label, TextBox& box, float value, float x,
                  float y) {
  label.SetLeft(spot.Left(x));
  label.SetTop(spot.Top(y));
  label.SetCaption(StressCaption(s, value));
  box.SetLeft(label.Left());
  box.SetTop(label.Top());
  box.SetText(StressValueText(value));
  box.SetWidth(ValueBoxWidth(box.Text(), s));
}

void FillMeanRow(const ProgramState& s, const PictureSpot& spot, Label& label, TextBox& box, float x, float y) {
  const std::string prefix = MeanRowPrefix(s);
  const float v = s.loadingData.StressMinOrMeanInput * s.loadingUnits.LoadUnitFactor;
  label.SetLeft(spot.Left(x));
  label.SetTop(spot.Top(y));
  label.SetCaption(prefix);
  box.SetLeft(label.Left() + label.Width());
  box.SetTop(label.Top());
  box.SetText(StressValueText(v));
  box.SetWidth(ValueBoxWidth(box.Text(), s));
  TakeDiagramColour(box, spot);
  label.SetCaption(prefix + StressCaption(s, v));
}
