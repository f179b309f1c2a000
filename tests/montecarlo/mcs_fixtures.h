#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "montecarlo/mcs_results_file.h"
#include "platform/runtime/seq_writer.h"
#include "program_state.h"

// A probabilistic job on a block spectrum, with texts that any text rule of
// the files writes as they stand.
inline ProgramState McsJob() {
  ProgramState s;
  s.jobTexts.JobSubject = "Shaft";
  s.jobTexts.MaterialName = "St 52";
  s.jobTexts.LoadingName = "Spectrum A";
  s.analysisOptions.LoadingType = 2;
  s.analysisOptions.StressApproach = 1;
  s.analysisOptions.SNDataSpecimen = 2;
  s.analysisOptions.NotchSensitivityMode = 1;
  s.analysisOptions.StressApproachText = "Nominal Strs/Strn";
  s.analysisOptions.SpecimenText = "Plain Specimen";
  s.analysisOptions.NotchSensitivityText = "Notch Sensitivity (-)";
  s.loadingData.StressInputMode = 1;
  s.loadingData.StressRangeTo = 200.0f;
  s.loadingData.StressMinOrMeanInput = 10.0f;
  s.loadingData.SpectrumLevelCount = 12;
  s.loadingData.DistributionName = "Beta";
  s.loadingData.CyclesPerBlock = 500;
  s.loadingDatabase.BatchBlockTime[0] = 1.5f;
  s.resultsDisplay.MseTag2 = "MSE(+)";
  s.componentData.Kt = 2.5f;
  s.componentData.MseNotchFactor = 2.5f;
  s.materialData.Se = 200.0f;
  s.randomVariableTable.RvType[1] = 1;
  return s;
}

// The bytes of a work file of the job in `s` holding `lives` (the count line
// gives `count`, or the number of lives when it is -1).
inline std::string WorkFile(ProgramState s, const std::vector<float>& lives, float reference, int32_t count = -1) {
  s.mcsSettings.SimulationsTarget = count >= 0 ? count : static_cast<int32_t>(lives.size());
  SeqWriter w;
  WriteMcsWorkFileHeader(w, McsResultsHeaderOf(s, "Kt", "Kt"));
  for (float life : lives) WriteMcsLifeLine(w, life);
  WriteMcsLifeLine(w, reference);
  return w.Bytes();
}

// n finite lives 1, 2, ... n (times `scale`) in the order n, n - 1, ... 1.
inline std::vector<float> Descending(int n, float scale = 1.0f) {
  std::vector<float> lives;
  for (int i = n; i >= 1; --i) lives.push_back(static_cast<float>(i) * scale);
  return lives;
}

// `failing` lives spread evenly over `decades` decades from 10 blocks, in
// ascending order, after `neverFailing` lives that never fail.
inline std::vector<float> SpreadLives(int failing, double decades, int neverFailing = 0) {
  std::vector<float> lives(static_cast<std::size_t>(neverFailing), 1.0e30f);
  for (int i = 0; i < failing; ++i)
    lives.push_back(static_cast<float>(std::pow(10.0, 1 + decades * i / (failing - 1))));
  return lives;
}

// Results at the ends of the failure probability, as a user may keep them:
// 100 lives spread over eight decades, every one failing (under the Weibull
// fit a life asked for beyond the largest fails them all: "Pf >" 1); and
// 20000 lives of which only 15 fail (a share of failures below 0.001).
inline std::string ResultsSpreadOverEightDecades() { return WorkFile(McsJob(), SpreadLives(100, 8), 500.0f); }
inline std::string ResultsOfRareFailures() { return WorkFile(McsJob(), SpreadLives(15, 1, 19985), 500.0f); }
