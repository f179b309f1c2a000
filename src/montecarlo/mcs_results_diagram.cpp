// The simulation results diagram: set-up, life unit, the plots, the
// reliability guide and the statistics block.

#include "montecarlo/mcs_results_diagram.h"

#include <algorithm>
#include <cmath>

#include "montecarlo/life_statistics.h"
#include "montecarlo/mcs_diagram_geometry.h"
#include "montecarlo/mcs_plots.h"
#include "montecarlo/mcs_results_header.h"
#include "montecarlo/mcs_results_messages.h"
#include "platform/draw/surface.h"
#include "platform/host.h"
#include "platform/runtime/format.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/sng.h"
#include "program_state.h"

namespace {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr double kStatsLine = 18;  // the statistics block's line spacing, plot units

// The header of the results file, read again; when it cannot be read (the
// file is gone), the header of what the records hold. Its count becomes
// SimulationsDone only when the lives in memory are that many.
McsResultsHeader ResultsHeader(ProgramState& s) {
  McsResults& r = s.mcsResults;
  McsResultsHeader h;
  try {
    SeqReader in = SeqReader::Open(r.ResultsPath);
    h = ReadMcsResultsHeader(in);
  } catch (const RuntimeError&) {
    h.Marker = -1;  // nothing of the run's options to show
    h.LoadingType = r.ResultLoadingType;
    h.RvType = r.ResultRvType;
    h.RvCov = r.ResultRvCov;
    h.BlockTime = r.ResultBlockTime;
    h.CyclesPerBlock = s.loadingData.CyclesPerBlock;
    h.SimulationCount = s.mcsSettings.SimulationsDone;
    return h;
  }
  r.ResultLoadingType = h.LoadingType;
  r.ResultRvType = h.RvType;
  r.ResultRvCov = h.RvCov;
  r.ResultBlockTime = h.BlockTime;
  if (h.SimulationCount >= 0 && static_cast<std::size_t>(h.SimulationCount) < r.SimulatedLives.size())
    s.mcsSettings.SimulationsDone = h.SimulationCount;
  return h;
}

void PrepareSurface(Surface& t) {
  t.SetDrawStyle(Surface::kSolid);
  t.SetFontName("Arial");
  t.SetForeColor(0);
  t.SetFontBold(false);
  t.SetFontItalic(false);
  t.SetFillStyle(Surface::kFillTransparent);
}

// The life unit of the stored result and its display factor (the file's
// cycles per block); hours need a block time.
void SetLifeUnit(ProgramState& s, const McsResultsHeader& h) {
  int16_t& unit = s.analysisOptions.LifeUnit;
  const McsResults& r = s.mcsResults;
  if (r.ResultLoadingType == 3)
    unit = 1;
  else if (unit == 3 && !(r.ResultBlockTime > 0.0f))
    unit = 2;
  unit = std::clamp<int16_t>(unit, 1, 3);
  static const char* const kLabels[] = {"", " [cyc] ", " [blk] ", " [h]   "};
  s.lifeResults.LifeUnitLabel[unit] = kLabels[unit];
  float& f = s.resultsDisplay.LifeUnitFactor;
  f = unit == 1 ? static_cast<float>(h.CyclesPerBlock) : unit == 2 ? 1.0f : Sng(r.ResultBlockTime / 60.0);
}

// Reliability measures; a fitted life beyond the tail is replaced by the
// lower-tail life, with a message.
void ReliabilityMeasures(ProgramState& s, Host& host) {
  McsResults& r = s.mcsResults;
  const float tref = r.LifeFitKind == 1 ? r.MaxFiniteLife : r.SampleMax;
  CalcReliabilityMeasures(s);
  if (r.LifeAtReliability > tref && r.LifeFitKind > 1) {
    r.LifeAtReliability = r.LowerTailLife;
    s.mcsDisplay.ReliabilityInputMode = 1;
    CalcReliabilityMeasures(s);
    InformMcs(host, "Data out-of-range!\rInput corrected. ");
  }
}

// The dashed guide from the life at the required reliability to the axes.
void ReliabilityGuide(const ProgramState& s, Surface& t, const ProbabilityPaper* paper) {
  const McsResults& r = s.mcsResults;
  const double R = r.ProbabilityLevel, tr = r.LifeAtReliability;
  const double tref = r.LifeFitKind == 1 ? r.MaxFiniteLife : r.SampleMax;
  if (!(tr > 0)) return;
  t.SetDrawStyle(Surface::kDash);
  if (paper) {
    if (R >= 1e-4 && R <= 0.9999 && tr / tref < 1) {
      const double xT = paper->X(tr), yR = paper->Y(1 - R);
      if (xT >= ProbabilityPaper::x0 && yR >= ProbabilityPaper::y0 && std::isfinite(yR)) {
        t.Line(xT, ProbabilityPaper::y0, xT, yR, kMcsFitColour);
        t.Line(xT, yR, ProbabilityPaper::x0, yR, kMcsFitColour);
      }
    }
  } else if (tr / r.SampleMax < 1) {
    const double x = 80 + 540 * tr / r.SampleMax, y = -190 + 120 * R;
    t.Line(80, y, x, y, kMcsFitColour);
    t.Line(x, y, x, -190, kMcsFitColour);
  }
  t.SetDrawStyle(Surface::kSolid);
}

// The failure probability's label; clips the required reliability to what
// can be shown.
std::string FailureLabel(ProgramState& s) {
  McsResults& r = s.mcsResults;
  double& R = r.ProbabilityLevel;
  const double n = s.mcsSettings.SimulationsDone;
  if (R > 1 - 9.999e-07) {
    R = 1 - 1e-06;
    return "Pf <   ";
  }
  if (!(R > 0)) {
    R = n > 0 ? 1 - s.mcsSettings.SimulationsTarget / n - r.OneCycleLifeCount / n : 0.0;
    return "Pf >   ";
  }
  return "Pf =   ";
}

std::string ScatterLine(const McsResults& r, int16_t fastFlag) {
  if (fastFlag == 0) return "Pf* =   " + Format(r.PfStar, " 0.0##E+##");
  if (!(r.LifeAtReliability > 0)) return {};
  const double sf = r.ReferenceLife / static_cast<double>(r.LifeAtReliability);
  return "SF =   " + Format(sf, sf < 1000 ? "###0.0##" : "0.0##E+##");
}

// Where the statistics block stands: right of the life distribution; on the
// probability paper in the corner the lives leave empty (upper left when the
// median life lies in the right half, else lower right), on a white ground.
struct BlockPlace {
  double x, y;
};
BlockPlace StatisticsPlace(const ProgramState& s, Surface& t, const ProbabilityPaper* paper) {
  if (!paper) return {700, 125};
  const McsResults& r = s.mcsResults;
  const auto middle = static_cast<std::size_t>(std::max<int32_t>(1, r.UsableLifeCount / 2));
  const bool upperLeft = middle < r.SimulatedLives.size() &&
                         paper->X(r.SimulatedLives[middle]) > ProbabilityPaper::x0 + 495;
  const double x = upperLeft ? ProbabilityPaper::x0 + 15 : 675;
  const double y = upperLeft ? ProbabilityPaper::y0 + 359 : ProbabilityPaper::y0 + 120;
  const double right = upperLeft ? ProbabilityPaper::x0 + 300 : ProbabilityPaper::x0 + 988;
  const double bottom = y - 5 * kStatsLine - 14;
  t.Line(x - 8, std::max(bottom, ProbabilityPaper::y0 + 2), right, y + 3 * kStatsLine + 4, kWhite, Surface::kFilledBox);
  return {x, y};
}

// The statistics block.
McsDiagramOutcome StatisticsBlock(ProgramState& s, Surface& t, const McsPlotStyle& style, bool onPaper,
                                  const ProbabilityPaper* paper, int16_t fastFlag) {
  const McsResults& r = s.mcsResults;
  const double f = style.f;
  const BlockPlace at = StatisticsPlace(s, t, paper);
  const double x = at.x;
  double y = at.y;
  McsDiagramOutcome out;
  out.drawn = true;
  out.lifeLabel = {x, y + 2 * kStatsLine};
  out.fitLabel = {x, y + kStatsLine};
  t.SetFontSize(Sng(9.0 * style.phi));
  t.SetFontBold(false);
  auto line = [&](const std::string& label, const std::string& value, McsDiagramOutcome::Place* box) {
    t.SetCurrentX(x);
    t.SetCurrentY(y);
    const bool boxed = box && !onPaper;
    t.Print(boxed ? label : label + value, boxed);
    if (boxed) *box = {t.CurrentX(), y};
    y -= kStatsLine;
  };
  out.tailText = Format(r.LowerTailLife * f, "0.0##E+##");
  line("Le.Tail = ", out.tailText, &out.tail);
  line("Mean  = ", Format(f * r.SampleMean, "0.0##E+##"), nullptr);
  line("COV   = ", Format(r.SampleMean != 0 ? r.SampleStdDev / r.SampleMean : 0.0, "#0.0##"), nullptr);
  const std::string pfLabel = FailureLabel(s);
  out.pfText = Format(1 - r.ProbabilityLevel, "0.00#E+##");
  line(pfLabel, out.pfText, &out.pf);
  out.trText = Format(r.LifeAtReliability * f, "0.0##E+##");
  line("Tr =   ", out.trText, &out.tr);
  const std::string last = ScatterLine(r, fastFlag);
  if (!last.empty()) line(last, "", nullptr);
  return out;
}

}  // namespace

std::string McsPlotTitle(const ProgramState& s) {
  if (s.mcsDisplay.McsPlotKind == 0) return "Life Distribution";
  const int16_t fit = s.mcsResults.LifeFitKind;
  const bool logNormal = fit == 2 || (fit == 1 && s.mcsDisplay.McsPlotPaper == 0);
  return logNormal ? "Probability Plot  {Log-norm}" : "Probability Plot  {Weibull}";
}

McsDiagramOutcome DrawMcsResults(ProgramState& s, Host& host, Surface& target, Surface& side,
                                 const McsDiagramGeometry& g, const McsHeaderTexts& texts) {
  const McsResultsHeader h = ResultsHeader(s);
  PrepareSurface(target);
  if (&side != &target) PrepareSurface(side);
  if (g.kind == SurfaceKind::Screen) {
    target.Cls();
    side.Cls();
    target.SetFillStyle(Surface::kFillSolid);
    target.SetFillColor(kWhite);
  }
  target.Scale(0, target.Height(), target.Width(), 0);
  target.SetScaleLeft(target.ScaleLeft() - g.marginLeft);
  target.SetScaleTop(target.ScaleTop() - g.marginTop);
  if (&side != &target) side.Scale(0, side.Height(), side.Width(), 0);
  McsHeaderTexts header = texts;
  header.title = McsPlotTitle(s);
  DrawMcsHeaderBlock(s, target, side, g, h, header);
  target.Scale(g.plotX, g.plotY + g.plotHeight, g.plotX + g.plotWidth, g.plotY);

  SetLifeUnit(s, h);
  const McsResults& r = s.mcsResults;
  const int16_t unit = s.analysisOptions.LifeUnit;
  McsPlotStyle style;
  style.f = s.resultsDisplay.LifeUnitFactor;
  style.unitLabel = s.lifeResults.LifeUnitLabel[unit];
  style.phi = g.fontFactor;
  style.fillColour = s.colourSettings.InvalidFieldColour;
  // A result already found to give no statistics (a lower tail without
  // spread) is not classed again: its message has been shown.
  const bool statistics = r.ResultsReadStatus >= 0;
  const LifeStatistics st = statistics ? CalcLifeStatistics(s, host) : LifeStatistics();
  target.SetDrawWidth(1);
  target.SetFontSize(Sng(8.0 * style.phi));
  McsDiagramOutcome out;
  if (statistics && r.ResultsReadStatus >= 0 && r.SampleMax > 0.0f && r.SampleMin > 0.0f && r.SampleMin < 1e30f) {
    const bool probabilityPlot = s.mcsDisplay.McsPlotKind != 0;
    ProbabilityPaper paper;
    if (probabilityPlot)
      paper = DrawProbabilityPlot(s, target, style);
    else
      DrawLifeDistribution(s, target, style, st, r.SampleMax * style.f);
    ReliabilityMeasures(s, host);
    ReliabilityGuide(s, target, probabilityPlot ? &paper : nullptr);
    out = StatisticsBlock(s, target, style, OnPaper(g.kind), probabilityPlot ? &paper : nullptr, h.FastSimulation);
  }
  target.SetFillStyle(Surface::kFillTransparent);
  target.SetFontBold(false);
  target.SetDrawStyle(Surface::kSolid);
  return out;
}
