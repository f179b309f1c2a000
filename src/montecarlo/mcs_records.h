#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/runtime/runtime_random.h"

// Options, seeds and counters of the Monte Carlo simulation.
struct McsSettings {
  int32_t SimulationCount = 10000;
  int32_t SimulationsTarget = 0;
  int32_t SimulationsDone = 0;  // 0 outside a simulation and in its first run
  int16_t RandomStart = 1;
  int16_t NeglectFatigueLimit = 1;
  int16_t McsNeglectFLCopy = 1;
  std::string FatigueLimitTag = "NoFL";
  int16_t OptionN = 1;
  int16_t FastSimulation = 1;
  std::string FastSimulationTag = "/FSA";
  int16_t BrakeRequested = 0;
  int16_t McsSpareValue = 0;  // kept by the job file only
  std::string WorkDir;
  double SeedSe = 0.0;
  double SeedKt = 0.0;
  double SeedK = 0.0;
  int16_t NumRandomVars = 0;
  float SeNotched = 0.0f;
  // The runtime's own random function, never reseeded; it varies the seeds
  // of a simulation with a random start.
  RuntimeRandom StartRandom;

  bool operator==(const McsSettings&) const = default;
};

inline constexpr int kLifeClassMax = 51;

// Results of the last simulation or of the results file read last.
struct McsResults {
  float ReferenceLife = 0.0f;
  float DeterministicLife = 0.0f;
  float FastReferenceLife = 0.0f;  // the first run's constant-amplitude equivalent life
  double ProbabilityLevel = 0.999;
  int16_t LifeFitKind = 1;
  float LifeFitPar1 = 0.0f;
  float LifeFitPar2 = 0.0f;
  float LifeAtReliability = 0.0f;
  float LowerTailLife = 1.0e30f;
  float SampleMin = 0.0f;
  float SampleMax = 0.0f;
  float MaxFiniteLife = 0.0f;
  int32_t TailLifeCount = 0;
  int32_t UsableLifeCount = 0;
  int32_t OneCycleLifeCount = 0;
  float TailFraction = 0.0f;
  float OneCycleFraction = 0.0f;
  float PfStar = 0.0f;
  double SampleMean = 0.0;
  double SampleStdDev = 0.0;
  std::array<float, kLifeClassMax + 1> ClassMid{};
  std::array<float, kLifeClassMax + 1> ClassCount{};
  std::array<float, kLifeClassMax + 1> ClassSurvival{};
  int16_t ResultLoadingType = 0;
  std::array<int16_t, 9> ResultRvType{};
  std::array<float, 9> ResultRvCov{};
  float ResultBlockTime = 0.0f;
  std::string ResultsPath;
  std::string SaveAsPath;
  int16_t LivesSorted = 0;
  int16_t SummaryShown = 0;
  int16_t ResultsReadStatus = 0;  // 0 read, -3 not usable
  // The simulated lives in blocks, elements 1 .. SimulationsDone (element 0
  // unused), in ascending order once read back: 0 is a 1-cycle life, 9E+29
  // and more an infinite one. Held here, apart from the loading's work
  // arrays, so that a later loading calculation leaves the result as it was.
  std::vector<float> SimulatedLives;

  bool operator==(const McsResults&) const = default;
};

// Choices of the simulation results view.
struct McsDisplay {
  int16_t McsPlotKind = 0;   // 0 life distribution, 1 probability plot
  int16_t McsPlotPaper = 0;  // 0 log-normal, 1 Weibull, -1 after "Life Distribution"
  int16_t ReliabilityInputMode = 0;
  int16_t ResultsPopupContext = 0;
  int16_t ResultsBoxBusy = 0;

  bool operator==(const McsDisplay&) const = default;
};
