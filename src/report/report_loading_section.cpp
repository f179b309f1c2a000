#include <cmath>

#include "platform/runtime/format.h"
#include "platform/runtime/runtime_error.h"
#include "program_state.h"
#include "report/report_sections.h"
#include "shell/ui/control_utilities.h"

namespace {

bool MasterCurveOverLoad(const AnalysisOptions& a) {
  return a.AnalysisMode == analysis_mode::kMasterCurve && a.MasterCurveParameter == master_curve_parameter::kLoadLevel;
}

std::string LoadingWord(const ProgramState& s) {
  switch (s.analysisOptions.LoadingType) {
    case loading_type::kHistory:
      return "History";
    case loading_type::kSpectrum:
      return "Spectrum";
    case loading_type::kConstantAmplitude:
      return "Const.Ampl.";
    case loading_type::kDistribution:
      return "Distr." + s.loadingData.DistributionName;
    default:
      return "";
  }
}

// Points and extremes of the stress history; the extremes scaled by the
// factor in use (unscaled over a master curve of the load level), the larger
// one always first.
void WriteHistory(ReportBuilder& r, const ProgramState& s) {
  const ReportColumns& c = r.Columns();
  const LoadingUnits& lu = s.loadingUnits;
  const LoadingDatabase& db = s.loadingDatabase;
  const int batch = s.loadingDbState.SelectedLoadingBatch;
  CheckBatchRow(batch);
  r.Line("No. of Points", Tab{c.historyLabel}, " NOP =  ", Format(db.BatchPointCount[batch], "######"));
  const float f = MasterCurveOverLoad(s.analysisOptions) ? 1.0f : s.loadingData.HistoryScaleUsed;
  float smax = ReportProduct(f, db.BatchHistoryMax[batch]);
  float smin = ReportProduct(f, db.BatchHistoryMin[batch]);
  if (f < 0) SwapValues(smax, smin);
  r.Line(lu.LoadQuantity, "MAX ", lu.LoadUnitBracket, Tab{c.historyLabel},
         "Smax =  ", Format(ReportProduct(smax, lu.LoadUnitFactor), "####0.0"));
  r.Line(lu.LoadQuantity, "MIN ", lu.LoadUnitBracket, Tab{c.historyLabel},
         "Smin =  ", Format(ReportProduct(smin, lu.LoadUnitFactor), "####0.0"));
  if (MasterCurveOverLoad(s.analysisOptions))
    r.Line(r.Printed() ? "RESCALE FACTOR" : "Rescale Factor", Tab{c.historyLabel}, " RSF =  PAR");
}

// The stress of a spectrum or a constant amplitude: range or amplitude ("PAR"
// where it is the varied parameter, as the master-curve screen has it), and
// the minimum or the mean.
void WriteStress(ReportBuilder& r, const ProgramState& s) {
  const ReportColumns& c = r.Columns();
  const AnalysisOptions& a = s.analysisOptions;
  const LoadingData& ld = s.loadingData;
  const LoadingUnits& lu = s.loadingUnits;
  const bool rangeInput = ld.StressInputMode == 1;
  std::string value = "PAR";
  if (!MasterCurveOverLoad(a))
    value = Format(ReportQuotient(ReportProduct(ld.StressRange, lu.LoadUnitFactor), ld.StressInputMode), "####0.0");
  r.Line(lu.LoadQuantity, rangeInput ? "Range" : "Amplitude", " ", lu.LoadUnitBracket, Tab{c.stressLabel},
         "SSmax =  ", value);
  const std::string second = Format(ReportProduct(ld.StressMinOrMean, lu.LoadUnitFactor), "####0.0");
  if (ld.StressInputMode == 2)
    r.Line(lu.LoadQuantity, "Mean ", lu.LoadUnitBracket, "          Smean =  ", second);
  else if (rangeInput)
    r.Line(lu.LoadQuantity, "Min ", lu.LoadUnitBracket, "           Smin =  ", second);
}

// Q of the distribution in the display unit: Beta as it stands, Weibull
// scaled, log-normal shifted by the log of the scale (in Double).
double DistributionQ(const ProgramState& s) {
  const LoadingData& ld = s.loadingData;
  const float scale = ReportProduct(ld.StressRangeTo, s.loadingUnits.LoadUnitFactor);
  switch (ld.DistributionType) {
    case 1:
      return ld.DistQ;
    case 2:
      return ReportProduct(ld.DistQ, scale);
    default:
      if (!(scale > 0)) throw RuntimeError(kErrInvalidCall);
      return ld.DistQ + std::log(static_cast<double>(scale));
  }
}

void WriteDistribution(ReportBuilder& r, const ProgramState& s) {
  const LoadingData& ld = s.loadingData;
  r.Line("              PARAMETERS:      Q =  ", Format(DistributionQ(s), "##0.0#"));
  r.Line("                               R =  ", Format(r.Printed() ? ld.DistRInput : ld.DistR, "##0.0#"));
}

}  // namespace

void WriteLoadingSection(ReportBuilder& r, const ProgramState& s) {
  const ReportColumns& c = r.Columns();
  const AnalysisOptions& a = s.analysisOptions;
  const LoadingData& ld = s.loadingData;
  r.Line("LOADING DATA: ", s.jobTexts.LoadingName);
  r.Line("-------------");
  r.Line("Type: ", a.StressApproachText, " - ", LoadingWord(s));
  if (a.AnalysisKind == analysis_kind::kProbabilistic)
    r.Line("Scaling factor", Tab{c.scaling}, "    k =  1.0 ", RandomVariableTag(s, 2));
  if (a.LoadingType == loading_type::kHistory) WriteHistory(r, s);
  if (a.LoadingType == loading_type::kSpectrum) {
    r.Line("No. of Cycles", Tab{c.historyLabel}, "   N =  ", Format(ld.CyclesPerBlock, "######"));
    r.Line("No. of Levels", Tab{c.historyLabel}, "  NL =  ", Format(ld.LevelCount, "######"));
  }
  if (a.LoadingType == loading_type::kSpectrum || a.LoadingType == loading_type::kConstantAmplitude) WriteStress(r, s);
  if (a.LoadingType == loading_type::kDistribution) WriteDistribution(r, s);
  if (a.LoadingType != loading_type::kHistory) {
    const int batch = s.loadingDbState.SelectedLoadingBatch;
    CheckBatchRow(batch);
    if (s.loadingDatabase.BatchPointCount[batch] >= 1 && s.loadingDbState.LoadingSource == 1)
      r.Line("Rainflow MSE:  ", ld.BatchMseText);
  }
}
