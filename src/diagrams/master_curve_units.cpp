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
  if (ao.MasterCurveParameter != 1)
    return {2, s.unitSettings.StressUnitFactor, ParameterForm::kAmplitude, s.unitSettings.StressUnitBracket};
  if (ao.LoadingType == 1) return {1, 1, ParameterForm::kFactor, ""};
  const ParameterForm form = ao.MeanStressOption == 1 || s.loadingData.StressInputMode != 2
                                ? ParameterForm::kRange
                                : ParameterForm::kAmplitude;
  return {StressInputDivisor(s), s.loadingUnits.LoadUnitFactor, form, s.loadingUnits.LoadUnitBracket};
}

std::string LifeAxisTitle(const ProgramState& s) {
  const int unit = s.analysisOptions.LifeUnit;
  const auto& labels = s.lifeResults.LifeUnitLabel;
  return "Fatigue life " + (unit >= 0 && unit < static_cast<int>(labels.size()) ? labels[unit] : std::string());
}

std::string ParameterAxisTitle(const ProgramState& s) {
  const ParameterDisplay shown = ParameterDisplayOf(s);
  switch (shown.form) {
    case ParameterForm::kRange:
      return "PAR " + shown.unitBracket + "  (range)";
    case ParameterForm::kAmplitude:
      return "PAR " + shown.unitBracket + "  (amplitude)";
    default:
      return "PAR ";
  }
}
