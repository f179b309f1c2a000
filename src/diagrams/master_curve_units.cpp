#include "diagrams/master_curve_units.h"

#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

namespace {

// Cycles of one block: a history batch's rainflow cycles, a spectrum batch's
// block cycles, a typed loading's block volume; 1 for constant amplitude.
float CyclesPerBlockShown(const ProgramState& s, int batch) {
  if (s.analysisOptions.LoadingType == 3) return 1;
  const LoadingDatabase& db = s.loadingDatabase;
  const bool fromBatch = s.loadingDbState.LoadingSource == 1;
  int32_t n = 0;
  if (fromBatch && db.BatchLevelCount[batch] == 0) {
    if (!TryCLng((static_cast<double>(db.BatchPointCount[batch]) - 1) / 2, n)) return 0;
  } else if (fromBatch) {
    if (!TryCLng(db.BatchBlockCycles[batch], n)) return 0;
  } else {
    n = s.loadingData.BlockVolumeEntry;
  }
  return static_cast<float>(n);
}

}  // namespace

float MasterLifeUnitFactor(const ProgramState& s) {
  const int batch = s.loadingDbState.SelectedLoadingBatch;
  if (!BatchInRecords(batch)) return 0;
  switch (s.analysisOptions.LifeUnit) {
    case 1:
      return CyclesPerBlockShown(s, batch);
    case 2:
      return 1;
    case 3:
      return Sng(s.loadingDatabase.BatchBlockTime[batch] / 60.0);
    default:
      return 0;
  }
}

float StressInputDivisor(const ProgramState& s) {
  const int16_t mode = s.loadingData.StressInputMode;
  return mode >= 1 ? mode : 1;
}

ParameterDisplay ParameterDisplayOf(const ProgramState& s) {
  const AnalysisOptions& ao = s.analysisOptions;
  if (ao.MasterCurveParameter != 1) return {2, s.unitSettings.StressUnitFactor};
  if (ao.LoadingType == 1) return {1, 1};
  return {StressInputDivisor(s), s.loadingUnits.LoadUnitFactor};
}

std::string LifeAxisTitle(const ProgramState& s) {
  const int unit = s.analysisOptions.LifeUnit;
  const auto& labels = s.lifeResults.LifeUnitLabel;
  return "Fatigue life " + (unit >= 0 && unit < static_cast<int>(labels.size()) ? labels[unit] : std::string());
}

std::string ParameterAxisTitle(const ProgramState& s) {
  const AnalysisOptions& ao = s.analysisOptions;
  const std::string& unit = s.unitSettings.StressUnitBracket;
  const bool amplitude = s.loadingData.StressInputMode == 2;
  const bool stress = ao.LoadingType > 1;
  if (ao.MasterCurveParameter == 1 && ao.MeanStressOption == 1 && stress) return "PAR " + unit + "  (range)";
  if (ao.MasterCurveParameter == 1 && ao.MeanStressOption == 2 && stress)
    return "PAR " + unit + (amplitude ? "  (amplitude)" : "  (range)");
  if (ao.MasterCurveParameter == 2) return "PAR " + unit + "  (amplitude)";
  std::string title = "PAR ";
  if (stress) title += unit;
  if (amplitude)
    title += "  (amplitude)";
  else if (stress)
    title += "  (range)";
  return title;
}
