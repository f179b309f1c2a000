#include "platform/runtime/sng.h"
#include "program_state.h"
#include "shell/job_file.h"

namespace {

// The micro sign (Windows-1252 code 181) of the strain units.
constexpr const char* kMicro = "\xC2\xB5";

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
  m.SeFrom = m.Se;
  m.SeTo = m.Se;
}

void CommitStresses(const JobFile& j, LoadingData& l) {
  l.MaxStressInput = j.MaxStressInput;
  l.StressRange = j.StressRange;
  l.StressMinOrMean = j.StressMinOrMean;
  l.StressRangeFrom = j.StressRangeFrom;
  l.StressRangeTo = j.StressRangeTo;
  l.StressInputMode = j.StressInputMode;
  l.DistQInput = j.DistQInput;
  l.DistRInput = j.DistRInput;
  l.ScalingFactor = j.ScalingFactor;
  l.ScalingFactorMin = j.ScalingFactorMin;
  l.ScalingFactorMax = j.ScalingFactorMax;
  l.BatchMseText = j.BatchMseText;
  l.StressMinOrMeanInput = l.StressMinOrMean;
  l.LoadSmax = l.StressRangeTo / 2;
  l.LoadSmin = -l.LoadSmax;
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

// The loading units after the unit system is set: a stress loading follows
// the stress unit; a strain loading shows micro-strain, held as such when the
// selected batch has history points.
void CommitLoadingUnits(ProgramState& s) {
  LoadingUnits& u = s.loadingUnits;
  if (u.LoadQuantity == "Stress ") {
    u.LoadUnitFactor = s.unitSettings.StressUnitFactor;
    u.LoadUnitBracket = s.unitSettings.StressUnitBracket;
    u.LoadUnit = s.unitSettings.StressUnit;
    return;
  }
  u.LoadUnitBracket = std::string("[") + kMicro + "str]";
  u.LoadUnit = std::string(kMicro) + "str";
  const double e = s.materialData.YoungModulus;
  if (s.loadingDatabase.BatchPointCount[s.loadingDbState.SelectedLoadingBatch] != 0) {
    u.LoadUnitFactor = 1;
    u.LoadToStressFactor = Sng(e / 1000000.0);
  } else {
    u.LoadUnitFactor = Sng(1000000.0 / e);
    u.LoadToStressFactor = 1;
  }
}

}  // namespace

void CommitJobProblemDefinition(AnalysisOptions& a) {
  if (a.JobStressApproach != 0) {
    a.StressApproach = a.JobStressApproach;
    const bool local = a.StressApproach != 1;
    a.StressApproachTag = local ? "LocS/" : "NomS/";
    a.StressApproachText = local ? "Local Strs/Strn" : "Nominal Strs/Strn";
  }
  if (a.JobNotchSensitivity != 0) {
    a.NotchSensitivityMode = a.JobNotchSensitivity;
    const bool account = a.NotchSensitivityMode != 1;
    a.NotchSensitivityTag = account ? "NS(+)/" : "NS(-)/";
    a.NotchSensitivityText = account ? "Notch Sensitivity (+)" : "Notch Sensitivity (-)";
  }
  const bool plain = a.SNDataSpecimen != 1;
  a.SpecimenTag = plain ? "PS/" : "FS/";
  a.SpecimenText = plain ? "Plain Specimen" : "Feature Specimen";
}

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
  db.SelectedLoadingBatch = j.LoadingBatch;
  db.BrowsedLoadingBatch = j.LoadingBatch;
  CommitStresses(j, s.loadingData);
  s.analysisOptions.MeanStressOption = j.MeanStressOptionCopy;
  s.componentData.Kt = j.Kt;
  s.componentData.KtFrom = j.KtFrom;
  s.componentData.KtTo = j.KtTo;
  s.materialData.KtInput = j.KtInput;
  s.componentData.Kf = j.KtInput;
  s.componentData.SpecimenNotchFactor = j.Kt;
  s.loadingDatabase.BatchLevelCount[db.SelectedLoadingBatch] = 0;
  if (db.LoadingSource == 2) s.analysisOptions.LoadingType = 3;
}

void CommitJobRandomDataAndUnits(const JobFile& j, ProgramState& s) {
  CommitSimulation(j, s);
  s.unitSettings = UnitsOf(UnitSystemOf(s.unitSettings.LengthUnitFactor));
  CommitLoadingUnits(s);
}
