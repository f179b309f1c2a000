#include "program_state.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramState, FreshStateHoldsTheStartValues) {
  const ProgramState s;
  const AnalysisOptions& ao = s.analysisOptions;
  EXPECT_EQ(ao.AnalysisMode, 1);
  EXPECT_EQ(ao.MasterCurveParameter, 1);
  EXPECT_EQ(ao.LoadingType, 3);
  EXPECT_EQ(ao.MeanStressOption, 2);
  EXPECT_EQ(ao.SNDataSpecimen, 1);
  EXPECT_EQ(ao.StressApproach, 0);
  EXPECT_EQ(ao.NotchSensitivityMode, 0);
  EXPECT_EQ(ao.AnalysisKind, 1);
  EXPECT_EQ(ao.MasterCurveSteps, 20);
  EXPECT_EQ(ao.LifeUnit, 3);
  EXPECT_EQ(ao.DamageToFailure, 1.0f);
  EXPECT_EQ(ao.RelOption, 2);
  EXPECT_EQ(ao.RelValue, 0.8f);
  EXPECT_EQ(s.results.LevelDamage.size(), 2u);

  const MaterialData& md = s.materialData;
  EXPECT_EQ(md.Se, 100.0f);
  EXPECT_EQ(md.SeFrom, 100.0f);
  EXPECT_EQ(md.SeTo, 100.0f);
  EXPECT_EQ(md.EnduranceCycles, 2000000);
  EXPECT_EQ(md.SNExponent, 3.5f);
  EXPECT_EQ(md.SNExtensionExponent, 3.5f);
  EXPECT_EQ(md.SNExtensionRatio, 0.0f);
  EXPECT_EQ(md.SNStressRatio, -1.0f);
  EXPECT_EQ(md.SurvivalProbability, 50.0f);
  EXPECT_EQ(md.YoungModulus, 210000.0f);
  EXPECT_EQ(md.Thickness, 25.0f);
  EXPECT_EQ(md.ThicknessExponent, 0.25f);
  EXPECT_EQ(md.ThicknessFactor, 1.0f);
  EXPECT_EQ(md.Su, 500.0f);
  EXPECT_EQ(md.Sy, 300.0f);
  EXPECT_EQ(md.SuUsed, 500.0f);
  EXPECT_EQ(md.SyUsed, 300.0f);
  EXPECT_EQ(md.KtInput, 3.0f);
  EXPECT_EQ(md.MaterialSpareValue, 0.7f);
  EXPECT_EQ(md.MaterialSource, 2);

  const ComponentData& cd = s.componentData;
  for (float v : {cd.Kt, cd.SpecimenNotchFactor, cd.KtFrom, cd.KtTo, cd.Kf, cd.MseNotchFactor}) EXPECT_EQ(v, 3.0f);
  EXPECT_EQ(cd.NotchRadius, 1.0f);

  const LoadingData& ld = s.loadingData;
  EXPECT_EQ(ld.DistributionType, 1);
  EXPECT_EQ(ld.DistributionName, "Beta ");
  EXPECT_EQ(ld.StressInputMode, 2);
  EXPECT_EQ(ld.CyclesPerBlock, 1);
  EXPECT_EQ(ld.BlockVolumeEntry, 1000);
  EXPECT_EQ(ld.LevelCount, 1);
  EXPECT_EQ(ld.MaxStressInput, 100.0f);
  EXPECT_EQ(ld.StressRange, 100.0f);
  EXPECT_EQ(ld.StressRangeFrom, 100.0f);
  EXPECT_EQ(ld.StressRangeTo, 100.0f);
  EXPECT_EQ(ld.StressMinOrMean, 0.0f);
  EXPECT_EQ(ld.LoadSmax, 50.0f);
  EXPECT_EQ(ld.LoadSmin, -50.0f);
  EXPECT_EQ(ld.DistQInput, 3.0f);
  EXPECT_EQ(ld.DistRInput, 3.0f);
  for (float v : {ld.ScalingFactor, ld.ScalingFactorMin, ld.ScalingFactorMax, ld.ScalingFactorMean,
                  ld.ScalingFactorApplied}) {
    EXPECT_EQ(v, 1.0f);
  }
  EXPECT_EQ(ld.BatchMseText, "DMSE(-)  ");
  EXPECT_EQ(ld.BatchMseText2, "DMSE(-)  ");
  EXPECT_EQ(ld.HistoryLoaded, 0);
  EXPECT_EQ(ld.HistoryStartFlag, 1);
  EXPECT_EQ(s.loadingDbState.LoadingSource, 2);
  EXPECT_EQ(s.loadingDbState.BrowsedLoadingBatch, 0);
  EXPECT_EQ(s.loadingUnits.LoadQuantity, "Stress ");
  EXPECT_EQ(s.loadingUnits.LoadToStressFactor, 1.0f);
  EXPECT_EQ(s.loadingUnits.LoadUnitBracket, "[MPa]");

  const McsSettings& mcs = s.mcsSettings;
  EXPECT_EQ(mcs.SimulationCount, 10000);
  EXPECT_EQ(mcs.RandomStart, 1);
  EXPECT_EQ(mcs.NeglectFatigueLimit, 1);
  EXPECT_EQ(mcs.McsNeglectFLCopy, 1);
  EXPECT_EQ(mcs.OptionN, 1);
  EXPECT_EQ(mcs.FastSimulation, 1);
  EXPECT_EQ(mcs.FastSimulationTag, "/FSA");
  EXPECT_EQ(mcs.FatigueLimitTag, "NoFL");
  EXPECT_EQ(s.mcsResults.ProbabilityLevel, 0.999);
  EXPECT_EQ(s.mcsResults.LifeFitKind, 1);
  EXPECT_EQ(s.mcsResults.LowerTailLife, 1.0e30f);
  EXPECT_EQ(s.mcsResults.FastReferenceLife, 0.0f);
  EXPECT_EQ(s.mcsDisplay.McsPlotKind, 0);
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(s.randomVariableTable.RvType[i], 0);
    EXPECT_EQ(s.randomVariableTable.RvCov[i], 0.1f);
    EXPECT_EQ(s.randomVariableTable.RvXmin[i], 1.0f);
    EXPECT_EQ(s.randomVariableTable.RvXmax[i], 1.0f);
  }

  EXPECT_EQ(s.resultsDisplay.DamageDisplayMode, 0);
  EXPECT_EQ(s.shellState.UiState, 1);
  EXPECT_EQ(s.shellState.WarrantyAccepted, 0);
  EXPECT_EQ(s.shellState.BeepEnabled, 1);
  EXPECT_EQ(s.shellState.ToolTipMode, 0);
  EXPECT_EQ(s.shellState.OwnerName, "Quorz");
}

}  // namespace
