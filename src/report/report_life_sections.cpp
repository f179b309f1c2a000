#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "diagrams/master_curve_units.h"
#include "platform/runtime/checked_single.h"
#include "platform/runtime/format.h"
#include "platform/runtime/runtime_error.h"
#include "program_state.h"
#include "report/report_sections.h"

void WriteComponentSection(ReportBuilder& r, const ProgramState& s, const ReportCaptions& captions) {
  const AnalysisOptions& a = s.analysisOptions;
  const ComponentData& cd = s.componentData;
  r.EmptyLines(1);
  if (a.StressApproach == stress_approach::kLocal && a.NotchSensitivityMode == notch_sensitivity::kNeglect) return;
  r.Line("COMPONENT: ");
  r.Line("----------");
  const bool localWithNotchSensitivity =
      a.StressApproach == stress_approach::kLocal && a.NotchSensitivityMode == notch_sensitivity::kAccount;
  if (a.SNDataSpecimen == sn_data_specimen::kPlain && !localWithNotchSensitivity)
    r.Line(captions.notchFactorLabel, Format(cd.Kt, "#0.0## "),
           a.AnalysisKind != analysis_kind::kDeterministic ? RandomVariableTag(s, 3) : "");
  if (a.SNDataSpecimen == sn_data_specimen::kPlain && localWithNotchSensitivity)
    r.Line(captions.notchFactorLabel, Format(cd.MseNotchFactor, "#0.0## "), "(NS",
           a.MeanStressOption == mean_stress_option::kAccount ? " & MSE)" : ")");
  // The notch radius in the report's length unit, as the thickness below it.
  if (cd.Kt > 1 && a.NotchSensitivityMode == notch_sensitivity::kAccount)
    r.Line("Notch Radius:  r =  ", Format(ReportProduct(cd.NotchRadius, s.unitSettings.LengthUnitFactor), "##0.0#"));
  if (a.StressApproach == stress_approach::kNominal && a.SNDataSpecimen == sn_data_specimen::kFeature) {
    const MaterialData& m = s.materialData;
    const UnitSettings& u = s.unitSettings;
    r.Line("Hot Spot Thickness [", u.SmallLengthUnit,
           "]        t =  ", Format(ReportProduct(m.Thickness, u.LengthUnitFactor), "###0.0"));
    r.Line(r.Printed() ? "Thickness Effect Exponent      k =  " : "Thickenss Effect Exponent      k =  ",
           Format(m.ThicknessExponent, "0.0#"));
  }
  r.EmptyLines(1);
}

void WriteOptionsSection(ReportBuilder& r, const ProgramState& s, const ReportCaptions& captions) {
  const AnalysisOptions& a = s.analysisOptions;
  r.Line("OPTIONS: ");
  r.Line("--------");
  r.Line(r.Printed() ? "Analysis Options:  " : "Analysis Options:    ", a.NotchSensitivityText);
  const std::string indent(r.Printed() ? 19 : 21, ' ');
  std::string notch;
  if (a.NotchSensitivityMode == notch_sensitivity::kNeglect && a.SNDataSpecimen == sn_data_specimen::kFeature)
    notch = captions.notchQuantityLabel +
            (r.Printed() ? Format(s.componentData.MseNotchFactor, "#0.0## ") : captions.notchBoxText);
  r.Line(indent, s.resultsDisplay.MseTag, notch);
  if (a.LoadingType != loading_type::kConstantAmplitude)
    r.Line("Damage to Failure:  d =  ", Format(a.DamageToFailure, "#0.0#"));
  r.EmptyLines(1);
}

namespace {

// The Monte Carlo measures of a probabilistic single case; afterwards the
// life at the required reliability is the job's life in all three units.
// A result without statistics (its lower tail has no spread, the results
// view shows none) has no fit, failure probability or life at a required
// reliability: the report leaves them out and the job's life stays. A life
// at the required reliability of 0 (within the 1-cycle lives) gives no
// scatter factor, which is left out as on the results diagram.
void WriteSimulationMeasures(ReportBuilder& r, ProgramState& s, const ReportCaptions& captions) {
  const McsSettings& ms = s.mcsSettings;
  const McsResults& mr = s.mcsResults;
  r.Line("MCS: ", ms.FatigueLimitTag, ms.FastSimulationTag);
  r.Line("Sampling: S =", ms.SimulationsDone);
  if (mr.ResultsReadStatus < 0) return;
  r.Line(captions.fitLabel);
  r.Line("Failure Probability: Pf = ", Format(1.0 - mr.ProbabilityLevel, "0.00#E+##"));
  if (mr.LifeAtReliability > 0.0f)
    r.Line("Scatter Factor:      SF = ", Format(ReportQuotient(mr.ReferenceLife, mr.LifeAtReliability), "###0.00#"));
  const int batch = s.loadingDbState.SelectedLoadingBatch;
  CheckBatchRow(batch);
  const float cycles = CSng(static_cast<double>(mr.LifeAtReliability) * s.loadingData.CyclesPerBlock);
  const float hours = ReportQuotient(ReportProduct(mr.LifeAtReliability, s.loadingDatabase.BatchBlockTime[batch]), 60);
  std::array<float, 4>& life = s.lifeResults.LifeByUnit;
  life[1] = cycles;
  life[2] = mr.LifeAtReliability;
  life[3] = hours;
}

void WriteSingleCaseLife(ReportBuilder& r, ProgramState& s, const ReportCaptions& captions) {
  const AnalysisOptions& a = s.analysisOptions;
  if (a.AnalysisKind == analysis_kind::kProbabilistic) WriteSimulationMeasures(r, s, captions);
  r.EmptyLines(1);
  if (s.results.InfiniteLifeFlag == 1) {
    r.Line("No. of Cycles:   N = ", " INFINITE...");
    return;
  }
  const std::array<float, 4>& life = s.lifeResults.LifeByUnit;
  r.Line("No. of Cycles:   N = ", Format(life[1], "0.0##0E+##"));
  const LoadingDbState& ldb = s.loadingDbState;
  const int batch = ldb.SelectedLoadingBatch;
  const auto pointCount = [&] {
    CheckBatchRow(batch);
    return s.loadingDatabase.BatchPointCount[batch];
  };
  if (a.LoadingType < loading_type::kConstantAmplitude ||
      (a.LoadingType == loading_type::kDistribution && ldb.LoadingSource == 1 && pointCount() > 0))
    r.Line("No. of Blocks:  BL = ", Format(life[2], "0.0###0E+##"));
  CheckBatchRow(batch);
  if (s.loadingDatabase.BatchBlockTime[batch] > 0 && a.LoadingType < loading_type::kConstantAmplitude)
    r.Line("No. of Hours:    T = ", Format(life[3], "0.0###0E+##"));
}

// The heading over the parameter, as the master-curve diagram names it: no
// unit for a history's scaling factor; the loading's unit and whether it is
// a range or an amplitude for a load level; the stress unit for the
// endurance limit (an amplitude, as its line above says).
std::string ParameterHeading(const ReportBuilder& r, const ProgramState& s, const ParameterDisplay& shown) {
  std::string heading = (r.Printed() ? " PAR " : " PAR") + shown.unitBracket;
  if (shown.form == ParameterForm::kFactor ||
      s.analysisOptions.MasterCurveParameter != master_curve_parameter::kLoadLevel)
    return heading;
  return heading + (shown.form == ParameterForm::kRange ? " (range)" : " (ampl.)");
}

// Whether `v` shown with `decimals` decimals reads as it is (a Single's last
// digits, from the steps added up, aside).
bool ShownAsItIs(float v, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double shown = std::round(static_cast<double>(v) * scale) / scale;
  return std::fabs(shown - v) <= 1e-5 * std::max(1.0, std::fabs(static_cast<double>(v)));
}

// The mask of the parameter column: a stress with one decimal; a factor with
// the fewest decimals, one to five, that show every row's value as it is, so
// that no two rows read alike where their factors differ.
std::string ParameterMask(const ParameterDisplay& shown, const std::array<float, kMasterPointsMax>& values,
                          int count) {
  constexpr int kMostDecimals = 5;
  int decimals = 1;
  if (shown.form == ParameterForm::kFactor)
    for (int k = 0; k < count; ++k)
      while (decimals < kMostDecimals && std::isfinite(values[k]) && !ShownAsItIs(values[k], decimals)) ++decimals;
  return " ###0." + std::string(decimals, '0');
}

// The rows of the table: the parameter as the diagram shows it (the stored
// value over the diagram's divisor, times the display factor the diagram
// left), and the life in the diagram's life unit. The digits of a factor
// are chosen for all the rows before the first is written.
void WriteMasterCurveRows(ReportBuilder& r, const ProgramState& s, const ParameterDisplay& shown) {
  const LifeResults& lr = s.lifeResults;
  const ResultsDisplay& rd = s.resultsDisplay;
  const int rows = s.analysisOptions.MasterCurveSteps + 1;
  std::array<float, kMasterPointsMax> params{};
  const int known = std::clamp(rows, 0, kMasterPointsMax);
  for (int i = 1; i <= known; ++i)
    params[i - 1] = static_cast<float>(static_cast<double>(lr.MasterParam[i]) / shown.divisor * rd.LifeUnitFactor2);
  const std::string mask = ParameterMask(shown, params, known);
  for (int i = 1; i <= rows; ++i) {
    if (i > kMasterPointsMax) throw RuntimeError(kErrSubscriptOutOfRange);
    const float param = ReportProduct(ReportQuotient(lr.MasterParam[i], shown.divisor), rd.LifeUnitFactor2);
    const bool finite = lr.MasterLife[i] < 9.9e29f;
    r.Line(Format(param, mask), Tab{r.Columns().lifeColumn},
           finite ? Format(ReportProduct(rd.LifeUnitFactor, lr.MasterLife[i]), "0.0##0E+##") : " infinite");
  }
}

void WriteMasterCurveTable(ReportBuilder& r, const ProgramState& s) {
  const AnalysisOptions& a = s.analysisOptions;
  const LifeResults& lr = s.lifeResults;
  const ParameterDisplay shown = ParameterDisplayOf(s);
  r.EmptyLines(1);
  r.Line(kReportRule);
  if (a.LifeUnit < 0 || a.LifeUnit >= static_cast<int>(lr.LifeUnitLabel.size()))
    throw RuntimeError(kErrSubscriptOutOfRange);
  r.Line(ParameterHeading(r, s, shown), Tab{r.Columns().lifeHeading}, "N", lr.LifeUnitLabel[a.LifeUnit]);
  r.Line(kReportRule);
  WriteMasterCurveRows(r, s, shown);
  r.Line(kReportRule);
}

}  // namespace

void WriteLifeSection(ReportBuilder& r, ProgramState& s, const ReportCaptions& captions) {
  const AnalysisOptions& a = s.analysisOptions;
  r.Line("FATIGUE LIFE:");
  r.Line("-------------");
  if (a.AnalysisMode != analysis_mode::kMasterCurve && a.LoadingType != loading_type::kDistribution &&
      a.AnalysisKind != analysis_kind::kProbabilistic)
    r.Line("Total Damage:    D = ", Format(s.results.TotalDamage, "0.0####E+##"));
  if (a.AnalysisMode != analysis_mode::kMasterCurve)
    WriteSingleCaseLife(r, s, captions);
  else
    WriteMasterCurveTable(r, s);
}
