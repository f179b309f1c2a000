#pragma once

#include <memory>

#include "program_state.h"
#include "shell/unit_settings.h"

// Jobs as a user leaves them before saving. ProgramState is large: tests hold
// it on the heap.

// A constant-amplitude job typed in, SI units, after the problem definition's
// OK (single case, mean stress accounted, feature specimen, nominal stress,
// notch sensitivity neglected).
inline std::unique_ptr<ProgramState> TypedInConstantAmplitudeJob() {
  auto s = std::make_unique<ProgramState>();
  s->jobTexts.JobSubject = "Shaft shoulder";
  AnalysisOptions& a = s->analysisOptions;
  a.MasterCurveParameter = 0;
  a.StressApproach = a.JobStressApproach = 1;
  a.NotchSensitivityMode = a.JobNotchSensitivity = 1;
  a.LifeUnit = 1;
  s->resultsDisplay.DamageDisplayMode = -1;
  s->fatigueDbState.DataDirectory[2] = "/home/eng/db";
  LoadingData& l = s->loadingData;
  l.MaxStressInput = 60;
  l.StressRange = 120;
  l.StressMinOrMean = 10;
  l.StressRangeTo = 120;
  return s;
}

// A job whose material is set 3 of fatigue-database batch 2 and whose loading
// is batch 4 of the loading database, in US units, probabilistic.
inline std::unique_ptr<ProgramState> DatabaseJobInUsUnits() {
  auto s = TypedInConstantAmplitudeJob();
  s->unitSettings = UnitsOf(UnitSystem::US);
  s->loadingUnits.LoadUnitFactor = s->unitSettings.StressUnitFactor;
  s->loadingUnits.LoadUnitBracket = "[ksi]";
  s->loadingUnits.LoadUnit = "ksi";
  s->jobTexts.MaterialName = "St 52-3, welded, as rolled";
  s->jobTexts.LoadingName = "Crane runway";
  s->fatigueDbState.DataDirectory[1] = "/data/loads";
  s->fatigueDbState.UsedFatigueBatch = 2;
  s->fatigueDbState.UsedFatigueSet = 2;
  MaterialData& m = s->materialData;
  m.MaterialSource = 1;
  m.Se = m.SeFrom = m.SeTo = 160;
  m.EnduranceCycles = 5000000;
  m.SNExponent = m.SNExtensionExponent = 5;
  m.SNStressRatio = 0;
  m.Su = m.DataSu = 520;
  m.Sy = m.DataSy = 355;
  s->loadingDbState.LoadingSource = 1;
  s->loadingDbState.SelectedLoadingBatch = 4;
  s->loadingDbState.BrowsedLoadingBatch = 4;
  s->loadingData.BatchMseText = "DMSE(+): Su=520, Sy=355, Kt=2.5";
  AnalysisOptions& a = s->analysisOptions;
  a.LoadingType = 2;
  a.AnalysisKind = 2;
  a.SNDataSpecimen = 2;
  a.StressApproach = a.JobStressApproach = 2;
  a.NotchSensitivityMode = a.JobNotchSensitivity = 2;
  RandomVariableTable& t = s->randomVariableTable;
  t.RvType[1] = 2;
  t.RvCov[1] = 0.08f;
  t.RvParA[1] = -0.0032f;
  t.RvParB[1] = 0.25f;
  t.RvXmin[1] = 0.5f;
  t.RvXmax[1] = 1.5f;
  t.RvType[3] = -1;
  s->mcsSettings.SimulationCount = 2500;
  s->mcsSettings.FastSimulation = 0;
  s->mcsSettings.FastSimulationTag = "/NSA";
  s->mcsDisplay.McsPlotKind = 1;
  s->mcsResults.LifeFitKind = 3;
  s->mcsResults.ProbabilityLevel = 0.9996;
  s->componentData.Kt = 2.5f;
  s->materialData.KtInput = 2.5f;
  return s;
}
