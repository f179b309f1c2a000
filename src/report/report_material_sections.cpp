#include "montecarlo/distribution_tag.h"
#include "platform/runtime/format.h"
#include "program_state.h"
#include "report/report_sections.h"

std::string RandomVariableTag(const ProgramState& s, int k) {
  const RandomVariableTable& rv = s.randomVariableTable;
  return FormatDistributionTag(rv.RvType[k], rv.RvCov[k]);
}

void WriteBannerSection(ReportBuilder& r, const ProgramState& s, const std::string& date) {
  const int gap = r.Printed() ? 1 : 2;
  if (s.analysisOptions.AnalysisMode == analysis_mode::kSingleCase) r.EmptyLines(2);
  r.Line(s.shellState.OwnerName, Tab{r.Columns().date}, date);
  r.EmptyLines(gap);
  r.Line(kReportRule);
  r.LineAt(r.Columns().banner, "PROGRAM  >>> D U V A K <<< ");
  r.Line(kReportRule);
  r.EmptyLines(1);
  r.Line("SUBJECT:   ", s.jobTexts.JobSubject);
  r.EmptyLines(gap);
}

namespace {

void WriteEnduranceLimit(ReportBuilder& r, const ProgramState& s) {
  const AnalysisOptions& a = s.analysisOptions;
  const UnitSettings& u = s.unitSettings;
  const std::string label = "Endurance Limit (ampl.)" + u.StressUnitBracket + "  Se =  ";
  if (a.AnalysisMode != analysis_mode::kSingleCase && a.MasterCurveParameter != master_curve_parameter::kLoadLevel) {
    r.Line(label, " PAR");
    return;
  }
  const float se = ReportQuotient(ReportProduct(s.materialData.SeFrom, u.StressUnitFactor), 2);
  r.Line(label, Format(se, "####.0 "), a.AnalysisKind == analysis_kind::kProbabilistic ? RandomVariableTag(s, 1) : "");
}

void WriteSNExtension(ReportBuilder& r, const ProgramState& s) {
  const MaterialData& m = s.materialData;
  const int16_t loading = s.analysisOptions.LoadingType;
  if (!(m.SNExtensionRatio < 1) || loading == loading_type::kConstantAmplitude) return;
  if (m.SNExtensionDisplay != 0)
    r.Line("SN-Extention: [cyc]          No' =  ", Format(m.SNExtensionCycles, "0E+0# "));
  else
    r.Line("SN-Extention:             Se'/Se =  ", Format(m.SNExtensionRatio, "#0.0#"));
  const float exponent = loading == loading_type::kDistribution ? m.SNExponent : m.SNExtensionExponent;
  r.Line("                              m' =  ", Format(exponent, "#0.0"));
}

void WriteStrengths(ReportBuilder& r, const ProgramState& s) {
  const MaterialData& m = s.materialData;
  const UnitSettings& u = s.unitSettings;
  if (m.DataSu > 0) {
    r.Line("Ultimate Strength ", u.StressUnitBracket,
           "       Su =  ", Format(ReportProduct(m.DataSu, u.StressUnitFactor), "####.#"));
    r.Line("Yield Strength ", u.StressUnitBracket,
           "          Sy =  ", Format(ReportProduct(m.DataSy, u.StressUnitFactor), "####.#"));
  }
  if (s.loadingUnits.LoadQuantity == "Strain ")
    r.Line("Young's Modulus ", u.StressUnitBracket,
           "          E =  ", Format(ReportProduct(m.YoungModulus, u.StressUnitFactor), "#######"));
}

}  // namespace

void WriteMaterialSection(ReportBuilder& r, const ProgramState& s) {
  const MaterialData& m = s.materialData;
  r.Line("MATERIAL DATA: ", s.jobTexts.MaterialName);
  r.Line("--------------");
  r.Line(s.analysisOptions.SpecimenText);
  WriteEnduranceLimit(r, s);
  r.Line("at Life to Failure [cyc]      No =  ", Format(m.EnduranceCycles, "0E+0#"));
  r.Line("S-N Curve Exponent             m =  ", Format(m.SNExponent, "#0.0"));
  WriteSNExtension(r, s);
  r.Line("Survival Probability [%]      Pn =  ", Format(m.SurvivalProbability, "#0.0#"));
  r.Line("Stress Ratio                   r =  ", Format(m.SNStressRatio, "#0.0#"));
  WriteStrengths(r, s);
  r.EmptyLines(1);
}
