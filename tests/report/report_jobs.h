#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "program_state.h"
#include "report/summary_report.h"

// A calculated job as the report reads it: SI, single case, deterministic,
// constant amplitude typed as amplitude 100 and mean 50, a feature specimen
// under nominal stress, notch sensitivity neglected, mean stress accounted.
inline void PutConstantAmplitudeJob(ProgramState& s) {
  AnalysisOptions& a = s.analysisOptions;
  a.AnalysisMode = 1;
  a.AnalysisKind = 1;
  a.LoadingType = 3;
  a.MeanStressOption = 2;
  a.SNDataSpecimen = 1;
  a.StressApproach = 1;
  a.NotchSensitivityMode = 1;
  a.LifeUnit = 1;
  a.SpecimenText = "Feature Specimen";
  a.StressApproachText = "Nominal Strs/Strn";
  a.NotchSensitivityText = "Notch Sensitivity (-)";
  s.shellState.OwnerName = "Tester";
  s.jobTexts = {"Bracket", "S355", "Crane hook \u2013 test"};
  MaterialData& m = s.materialData;
  m.SeFrom = 200;
  m.SNExponent = 5;
  m.DataSu = 500.5f;
  m.DataSy = 300.5f;
  m.Thickness = 25;
  m.ThicknessExponent = 0.25f;
  LoadingData& ld = s.loadingData;
  ld.StressInputMode = 2;
  ld.StressRange = 200;
  ld.StressMinOrMean = 50;
  s.resultsDisplay.MseTag = "MSE(+)";
  s.results.TotalDamage = 0.000125f;
  s.lifeResults.LifeByUnit = {0, 12345, 12345, 0};
  s.lifeResults.LifeUnitLabel = {"", " [cyc] ", " [blk] ", " [h]   "};
}

// The window texts of that job.
inline ReportCaptions ConstantAmplitudeCaptions() {
  return {"Stress Conc. Factor:  Kt = ", "Kt = ", "3.0", "Fit:  Log-normal"};
}

// A text at a column (counted from 1): blanks before it.
inline std::string At(int column, const std::string& text) { return std::string(column - 1, ' ') + text; }

// `left` padded with blanks to column - 1, then `right` at the column.
inline std::string Then(const std::string& left, int column, const std::string& right) {
  std::string line = left;
  if (static_cast<int>(line.size()) < column - 1) line.resize(column - 1, ' ');
  return line + right;
}

// Whether `wanted` stand in `lines` in that order (not necessarily together).
inline bool HasInOrder(const std::vector<std::string>& lines, const std::vector<std::string>& wanted) {
  auto from = lines.begin();
  for (const std::string& w : wanted) {
    from = std::find(from, lines.end(), w);
    if (from == lines.end()) return false;
    ++from;
  }
  return true;
}
