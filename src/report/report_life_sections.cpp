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
  if (cd.Kt > 1 && a.NotchSensitivityMode == notch_sensitivity::kAccount)
    r.Line("Notch Radius:  r =  ", Format(cd.NotchRadius, "##0.0#"));
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

// The heading over the parameter: its unit unless the parameter is a
// history's scaling factor, and whether a load level is a range or an
// amplitude.
std::string ParameterHeading(const ReportBuilder& r, const ProgramState& s) {
  const AnalysisOptions& a = s.analysisOptions;
  std::string heading = r.Printed() ? " PAR " : " PAR";
  if (a.MasterCurveParameter == master_curve_parameter::kLoadLevel && a.LoadingType == loading_type::kHistory)
    return heading;
  heading += r.Printed() ? s.loadingUnits.LoadUnitBracket : s.unitSettings.StressUnitBracket;
  if (a.MasterCurveParameter != master_curve_parameter::kEnduranceLimit)
    heading += a.LoadingType == loading_type::kDistribution || a.MeanStressOption == mean_stress_option::kNeglect
                   ? " (range)"
                   : " (ampl.)";
  return heading;
}

void WriteMasterCurveTable(ReportBuilder& r, const ProgramState& s) {
  const AnalysisOptions& a = s.analysisOptions;
  const LifeResults& lr = s.lifeResults;
  const ResultsDisplay& rd = s.resultsDisplay;
  const ReportColumns& c = r.Columns();
  r.EmptyLines(1);
  r.Line(kReportRule);
  if (a.LifeUnit < 0 || a.LifeUnit >= static_cast<int>(lr.LifeUnitLabel.size()))
    throw RuntimeError(kErrSubscriptOutOfRange);
  r.Line(ParameterHeading(r, s), Tab{c.lifeHeading}, "N", lr.LifeUnitLabel[a.LifeUnit]);
  r.Line(kReportRule);
  const int rows = a.MasterCurveSteps + 1;
  for (int i = 1; i <= rows; ++i) {
    if (i > kMasterPointsMax) throw RuntimeError(kErrSubscriptOutOfRange);
    const float param =
        ReportProduct(ReportQuotient(lr.MasterParam[i], s.loadingData.StressInputMode), rd.LifeUnitFactor2);
    const bool finite = lr.MasterLife[i] < 9.9e29f;
    r.Line(Format(param, " ###0.0"), Tab{c.lifeColumn},
           finite ? Format(ReportProduct(rd.LifeUnitFactor, lr.MasterLife[i]), "0.0##0E+##") : " infinite");
  }
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
