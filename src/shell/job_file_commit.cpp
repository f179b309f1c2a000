#include "component/notch_inputs.h"
#include "engine/problem_definition.h"
#include "loading/distribution_shape.h"
#include "loading/loading_units.h"
#include "loading/scaling_factor.h"
#include "loading/selected_batch.h"
#include "loading/stress_pair.h"
#include "program_state.h"
#include "shell/job_file.h"

namespace {

void CommitOptions(const JobFile& j, AnalysisOptions& a) {
  a.AnalysisMode = j.AnalysisMode;
  a.MasterCurveParameter = j.MasterCurveParameter;
  a.LoadingType = j.LoadingType;
  a.RelOption = j.RelOption;
  a.MeanStressOption = j.MeanStressOption;
  a.SNDataSpecimen = j.SNDataSpecimen;
  a.JobStressApproach = j.JobStressApproach;
  a.JobNotchSensitivity = j.JobNotchSensitivity;
  a.DamageToFailure = j.DamageToFailure;
  a.LifeUnit = j.LifeUnit;
  CommitJobProblemDefinition(a);
}

void CommitMaterial(const JobFile& j, MaterialData& m) {
  m.MaterialSource = j.MaterialSource;
  m.Se = j.Se;
  m.SNExponent = j.SNExponent;
  m.SNExtensionExponent = j.SNExtensionExponent;
  m.SNStressRatio = j.SNStressRatio;
  m.SNExtensionRatio = j.SNExtensionRatio;
  m.SNExtensionDisplay = j.SNExtensionDisplay;
  m.Thickness = j.Thickness;
  m.ThicknessExponent = j.ThicknessExponent;
  m.ThicknessFactor = j.ThicknessFactor;
  m.YoungModulus = j.YoungModulus;
  m.Su = j.Su;
  m.Sy = j.Sy;
  m.DataSu = j.DataSu;
  m.DataSy = j.DataSy;
  m.EnduranceCycles = j.EnduranceCycles;
  m.MaterialSpareValue = j.MaterialSpareValue;
  m.SuUsed = m.Su;
  m.SyUsed = m.Sy;
  // The endurance limit that the job calculated with (SeFrom) and the end of
  // its master curve, whatever Se was typed last (record 11).
  const JobRange ends = EnduranceLimitEndsOf(j);
  m.SeFrom = ends.from;
  m.SeTo = ends.to;
}

// Records 16 and 18: the stresses and the scaling factors.
void CommitStressesAndFactors(const JobFile& j, LoadingData& l) {
  l.MaxStressInput = j.MaxStressInput;
  l.StressRange = j.StressRange;
  l.StressMinOrMean = j.StressMinOrMean;
  l.StressRangeFrom = j.StressRangeFrom;
  l.StressRangeTo = j.StressRangeTo;
  l.StressInputMode = j.StressInputMode;
  l.ScalingFactor = j.ScalingFactor;
  l.ScalingFactorMin = j.ScalingFactorMin;
  l.ScalingFactorMax = j.ScalingFactorMax;
  l.StressMinOrMeanInput = l.StressMinOrMean;
}

void CommitStresses(const JobFile& j, LoadingData& l) {
  CommitStressesAndFactors(j, l);
  l.DistQInput = j.DistQInput;
  l.DistRInput = j.DistRInput;
  l.BatchMseText = j.BatchMseText;
  l.LoadSmax = l.StressRangeTo / 2;
  l.LoadSmin = -l.LoadSmax;
}

// Record 36: the distribution's law and block volume (a file without it
// keeps those in use); a distribution has the block volume as its cycles
// per block, as the problem definition gives it.
void CommitDistribution(const JobFile& j, LoadingData& l) {
  if (!j.Distribution) return;
  l.DistributionType = j.Distribution->DistributionType;
  l.DistributionName = DistributionNameOf(l.DistributionType);
  l.BlockVolumeEntry = j.Distribution->BlockVolumeEntry;
  if (j.LoadingType == loading_type::kDistribution) l.CyclesPerBlock = l.BlockVolumeEntry;
}

void CommitSimulation(const JobFile& j, ProgramState& s) {
  McsSettings& mcs = s.mcsSettings;
  mcs.FastSimulationTag = j.FastSimulationTag;
  mcs.FatigueLimitTag = j.FatigueLimitTag;
  mcs.SimulationCount = j.SimulationCount;
  mcs.McsSpareValue = j.McsSpareValue;
  mcs.RandomStart = j.RandomStart;
  mcs.NeglectFatigueLimit = j.NeglectFatigueLimit;
  mcs.McsNeglectFLCopy = j.NeglectFatigueLimitCopy;
  mcs.OptionN = j.SimulationOptionN;
  mcs.FastSimulation = j.FastSimulation;
  RandomVariableTable& t = s.randomVariableTable;
  for (int i = 1; i <= kRandomVarMax; ++i) {
    const JobRandomVariable& rv = j.RandomVariables[i];
    t.RvType[i] = rv.RvType;
    t.RvCov[i] = rv.RvCov;
    t.RvXmin[i] = rv.RvXmin;
    t.RvXmax[i] = rv.RvXmax;
    t.RvParA[i] = rv.RvParA;
    t.RvParB[i] = rv.RvParB;
  }
  s.analysisOptions.AnalysisKind = j.AnalysisKind;
  s.mcsDisplay.McsPlotKind = j.McsPlotKind;
  s.mcsResults.LifeFitKind = j.LifeFitKind;
  s.mcsResults.ProbabilityLevel = j.ProbabilityLevel;
  s.mcsResults.LowerTailLife = j.LowerTailLife;
  s.loadingData.ScalingFactorMean = j.ScalingFactorMean;
  s.loadingData.ScalingFactorApplied = j.ScalingFactorMean;
}

}  // namespace

void CommitJobMaterial(const JobFile& j, ProgramState& s) {
  s.jobTexts.JobSubject = j.JobSubject;
  CommitOptions(j, s.analysisOptions);
  // exactly 1 is SI, any other value US (the units follow after the restores)
  s.unitSettings.LengthUnitFactor = UnitsOf(UnitSystemOf(j.LengthUnitFactor)).LengthUnitFactor;
  s.resultsDisplay.DamageDisplayMode = j.DamageDisplayMode;
  LoadingUnits& u = s.loadingUnits;
  u.LoadUnitBracket = j.LoadUnitBracket;
  u.LoadUnit = j.LoadUnit;
  u.LoadQuantity = j.LoadQuantity;
  u.LoadToStressFactor = j.LoadToStressFactor;
  u.LoadUnitFactor = j.LoadUnitFactor;
  s.fatigueDbState.DataDirectory[1] = j.LoadingDbFolder;
  s.fatigueDbState.DataDirectory[2] = j.FatigueDbFolder;
  s.jobTexts.MaterialName = j.MaterialName;
  s.fatigueDbState.UsedFatigueBatch = j.UsedFatigueBatch;
  s.fatigueDbState.UsedFatigueSet = j.UsedFatigueSet;
  CommitMaterial(j, s.materialData);
}

void CommitJobLoading(const JobFile& j, ProgramState& s) {
  s.jobTexts.LoadingName = j.LoadingName;
  LoadingDbState& db = s.loadingDbState;
  db.LoadingSource = j.LoadingSource;
  // A typed-in loading uses no batch: its number is only the one browsed.
  db.SelectedLoadingBatch = j.LoadingSource == 1 ? j.LoadingBatch : int16_t{0};
  db.BrowsedLoadingBatch = j.LoadingBatch;
  CommitStresses(j, s.loadingData);
  CommitDistribution(j, s.loadingData);
  s.analysisOptions.MeanStressOption = j.MeanStressOptionCopy;
  s.componentData.Kt = j.Kt;
  s.componentData.KtFrom = j.KtFrom;
  s.componentData.KtTo = j.KtTo;
  s.materialData.KtInput = j.KtInput;
  s.componentData.Kf = j.KtInput;
  s.componentData.SpecimenNotchFactor = j.Kt;
  // the summary, the reports and the results file show the job's own notch
  // factor, not the one typed before the job was opened
  s.componentData.MseNotchFactor = ShownNotchFactorOf(s);
  if (j.NotchRadius) s.componentData.NotchRadius = *j.NotchRadius;  // older files keep the radius in use
  s.loadingDatabase.BatchLevelCount[SelectedBatchOf(s)] = 0;
  // A typed-in loading is constant amplitude, but for a distribution whose
  // law and block volume the file keeps.
  const bool keptDistribution = TypedInDistribution(j) && j.Distribution;
  if (db.LoadingSource == 2 && !keptDistribution) s.analysisOptions.LoadingType = 3;
}

void CommitJobLoadingOverBatch(const JobFile& j, ProgramState& s) {
  s.jobTexts.LoadingName = j.LoadingName;
  s.resultsDisplay.DamageDisplayMode = j.DamageDisplayMode;
  LoadingData& l = s.loadingData;
  CommitStressesAndFactors(j, l);
  DeriveStressPair(l);
  if (s.analysisOptions.LoadingType == loading_type::kHistory) ScaleHistoryExtremes(s);
}

void CommitJobRandomDataAndUnits(const JobFile& j, ProgramState& s) {
  CommitSimulation(j, s);
  s.unitSettings = UnitsOf(UnitSystemOf(s.unitSettings.LengthUnitFactor));
  FollowLoadingUnits(s);
}
