#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Loading database rows: batches 1 .. 20 (row 0 unused); some arrays have a
// further unused row 21.
inline constexpr int kLoadingBatchMax = 20;
// Whether a batch number names a row of the database (0 = typed in).
inline bool BatchInRecords(int batch) { return batch >= 0 && batch <= kLoadingBatchMax; }
// Spectrum levels 1 .. 500 (element 0 unused).
inline constexpr int kLevelMax = 500;
// Blocks of a cut distribution 1 .. 10.
inline constexpr int kDistBlockMax = 10;

struct LoadingDbState {
  int16_t LoadingBatchCount = 0;
  int16_t SelectedLoadingBatch = 0;  // 0 = typed in
  int16_t BrowsedLoadingBatch = 0;
  int16_t PreviewShown = 0;
  int16_t LoadingSource = 2;         // 1 database batch, 2 typed in
  // The folder the loading database in memory was read from (its stress
  // histories lie there); a job opened does not change it.
  std::string LoadingDbOwnFolder;
  // The batch whose data a database loading holds, the one taken last, and
  // the folder of its database. A database read gives up the selection but
  // not these: the loading is still that batch's, and a job saved then
  // names it.
  int16_t TakenLoadingBatch = 0;     // 0 = none taken
  std::string TakenLoadingFolder;

  bool operator==(const LoadingDbState&) const = default;
};

struct LoadingDatabase {
  template <typename T>
  using Rows = std::array<T, kLoadingBatchMax + 1>;
  template <typename T>
  using Rows22 = std::array<T, kLoadingBatchMax + 2>;
  using LevelRow = std::array<float, kLevelMax + 1>;

  Rows<std::string> BatchQuantity{};
  Rows<std::string> BatchName{};
  Rows<float> BatchBlockTime{};
  Rows<float> BatchLevelCount{};
  Rows<int32_t> BatchPointCount{};
  Rows<float> BatchHistoryMax{};
  Rows<float> BatchHistoryMin{};
  Rows<LevelRow> BatchLevelStress{};
  Rows<LevelRow> BatchLevelCycles{};
  Rows<float> BatchUpper{};
  Rows<float> BatchLower{};
  Rows<float> BatchBlockCycles{};
  Rows22<float> BatchQ{};
  Rows22<float> BatchR{};
  Rows22<int16_t> BatchDistType{};  // 0 Beta, -1 Weibull, -2 log-normal
  Rows22<float> BatchSu{};
  Rows22<float> BatchSy{};
  Rows22<float> BatchKf{};

  bool operator==(const LoadingDatabase&) const = default;
};

// The loading in use. Stresses in MPa (a strain history in micro-strain).
struct LoadingData {
  int16_t StressInputMode = 2;  // 1 range and minimum, 2 amplitude and mean
  float MaxStressInput = 100.0f;
  float StressRange = 100.0f;
  float StressMinOrMean = 0.0f;
  float StressMinOrMeanInput = 0.0f;
  float StressRangeFrom = 100.0f;
  float StressRangeTo = 100.0f;
  float SpectrumSmax = 0.0f;
  float SpectrumSmin = 0.0f;
  float LoadSmax = 50.0f;
  float LoadSmin = -50.0f;
  int32_t CyclesPerBlock = 1;
  int32_t BlockVolumeEntry = 1000;
  int16_t LevelCount = 1;
  int16_t SpectrumLevelCount = 0;
  std::array<float, kLevelMax + 1> LevelStress{};
  std::array<float, kLevelMax + 1> LevelCycles{};
  int16_t DistributionType = 1;  // 1 Beta, 2 Weibull, 3 log-normal
  std::string DistributionName = "Beta ";
  float DistQInput = 3.0f;
  float DistRInput = 3.0f;
  float DistQ = 0.0f;
  float DistR = 0.0f;
  float ScalingFactor = 1.0f;
  float ScalingFactorMin = 1.0f;
  float ScalingFactorMax = 1.0f;
  float ScalingFactorMean = 1.0f;
  float ScalingFactorApplied = 1.0f;
  float HistoryScale = 0.0f;
  float HistoryScaleUsed = 0.0f;
  std::vector<float> HistoryPoints;  // points 1 .. n (0 and n + 1 unused)
  int32_t SelectedHistoryLength = 0;
  int32_t LoadedHistoryLength = 0;
  // Rainflow work arrays (index 1 ..): the counting stack, and the range and
  // mean of each counted cycle in counting order.
  std::vector<float> RainflowWork;
  std::vector<float> RainflowMeans;
  std::vector<float> RainflowRanges;
  int16_t HistoryStartFlag = 1;
  int16_t HistoryLoaded = 0;
  // No level stress of the spectrum batch on show exceeds the one before it
  // (set by each drawing of the spectrum diagram).
  bool SpectrumDescending = false;
  std::string BatchMseText = "DMSE(-)  ";
  std::string BatchMseText2 = "DMSE(-)  ";
  std::string HistMaxCaption;

  bool operator==(const LoadingData&) const = default;
};

struct LoadingUnits {
  std::string LoadQuantity = "Stress ";
  float LoadToStressFactor = 1.0f;
  float LoadUnitFactor = 1.0f;  // the stress display factor (SI at start)
  std::string LoadUnitBracket = "[MPa]";
  std::string LoadUnit = "MPa";

  bool operator==(const LoadingUnits&) const = default;
};

// A loading distribution cut into at most ten blocks.
struct LoadingDistributionBlocks {
  std::array<float, kDistBlockMax + 1> DistBlockLevel{};
  std::array<float, kDistBlockMax + 1> DistBlockWeight{};
  int16_t DistBlockCount = 0;
  double DistLowestLevel = 0.0;
  float DistKindCode = 0.0f;

  bool operator==(const LoadingDistributionBlocks&) const = default;
};
