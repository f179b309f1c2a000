#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The codes of AnalysisOptions and of the problem definition's working
// copies (AnalysisDialogState), by name. The records keep the integer
// codes: the job file stores them.
namespace analysis_mode {
inline constexpr int16_t kSingleCase = 1;
inline constexpr int16_t kMasterCurve = 2;
}  // namespace analysis_mode
namespace master_curve_parameter {
inline constexpr int16_t kNone = 0;  // a single case
inline constexpr int16_t kLoadLevel = 1;
inline constexpr int16_t kEnduranceLimit = 2;
inline constexpr int16_t kKt = 3;
}  // namespace master_curve_parameter
namespace loading_type {
inline constexpr int16_t kHistory = 1;
inline constexpr int16_t kSpectrum = 2;
inline constexpr int16_t kConstantAmplitude = 3;
inline constexpr int16_t kDistribution = 4;
}  // namespace loading_type
namespace mean_stress_option {
inline constexpr int16_t kNeglect = 1;
inline constexpr int16_t kAccount = 2;
}  // namespace mean_stress_option
namespace sn_data_specimen {
inline constexpr int16_t kFeature = 1;
inline constexpr int16_t kPlain = 2;
}  // namespace sn_data_specimen
namespace stress_approach {
inline constexpr int16_t kNominal = 1;
inline constexpr int16_t kLocal = 2;
}  // namespace stress_approach
namespace notch_sensitivity {
inline constexpr int16_t kNeglect = 1;
inline constexpr int16_t kAccount = 2;
}  // namespace notch_sensitivity
namespace analysis_kind {
inline constexpr int16_t kDeterministic = 1;
inline constexpr int16_t kProbabilistic = 2;
}  // namespace analysis_kind
namespace life_unit {
inline constexpr int16_t kCycles = 1;
inline constexpr int16_t kBlocks = 2;
inline constexpr int16_t kHours = 3;
}  // namespace life_unit

// What the analysis is asked to do (the committed problem definition and the
// analysis parameters). Member initialisers are the start-up values.
struct AnalysisOptions {
  int16_t AnalysisMode = 1;          // 1 single case, 2 master curve
  int16_t MasterCurveParameter = 1;  // 0 none, 1 load level, 2 endurance limit, 3 Kt
  int16_t LoadingType = 3;           // 1 history, 2 block spectrum, 3 constant amplitude, 4 distribution
  int16_t MeanStressOption = 2;      // 1 neglect, 2 account
  int16_t SNDataSpecimen = 1;        // 1 feature specimen, 2 plain specimen
  int16_t StressApproach = 0;        // 1 nominal, 2 local; 0 until first committed
  int16_t NotchSensitivityMode = 0;  // 1 neglect, 2 account; 0 until first committed
  int16_t AnalysisKind = 1;          // 1 deterministic, 2 probabilistic
  int16_t MasterCurveSteps = 20;     // a master curve has MasterCurveSteps + 1 points
  int16_t LifeUnit = 3;              // 1 cycles, 2 blocks, 3 hours
  float DamageToFailure = 1.0f;      // critical damage sum d
  int16_t RelOption = 2;             // 1 the report prints the "REL" line, 2 it does not
  float RelValue = 0.8f;
  int16_t JobStressApproach = 0;
  int16_t JobNotchSensitivity = 0;
  std::string SpecimenTag, SpecimenText;
  std::string StressApproachTag, StressApproachText;
  std::string NotchSensitivityTag, NotchSensitivityText;

  bool operator==(const AnalysisOptions&) const = default;
};

// A master curve over the load level (the stress range or scaling factor varies).
inline bool LoadLevelMasterCurve(const AnalysisOptions& a) {
  return a.AnalysisMode == analysis_mode::kMasterCurve && a.MasterCurveParameter == master_curve_parameter::kLoadLevel;
}

// A master curve over the endurance limit (Se varies from SeFrom to SeTo).
inline bool EnduranceLimitMasterCurve(const AnalysisOptions& a) {
  return a.AnalysisMode == analysis_mode::kMasterCurve &&
         a.MasterCurveParameter == master_curve_parameter::kEnduranceLimit;
}

// The last calculation's damage and life, and the work values the damage
// routines leave for the display, the reports and the next calculation.
struct Results {
  float LifeCycles = 0.0f;
  float LifeBlocks = 0.0f;
  float TotalDamage = 0.0f;
  float MaxLevelDamage = 0.0f;
  std::vector<float> LevelDamage = std::vector<float>(2, 0.0f);  // index 1 .. levels or cycles
  int16_t InfiniteLifeFlag = 0;
  int16_t CalcAborted = 0;
  // 1 when the last damage calculation stopped on an overload and stored the
  // immediate-crack result (life 0 blocks, damage 1); the life display tells
  // that result by this flag, not by the damage value.
  int16_t ImmediateCrackFlag = 0;
  int16_t MseQuestionAnswered = 0;
  float NotchedEnduranceRange = 0.0f;
  float KfUsed = 0.0f;
  float SNSlopeUsed = 0.0f;
  float DistributionLife = 0.0f;
  float SavedLevelCycles1 = 0.0f;
  float SavedLevelStress1 = 0.0f;
  int16_t CrackMessageShown = 0;
  int16_t LocalOverloadAnswer = 0;
  std::string MasterMseLabel;
  float HistoryProgress = 0.0f;
  // Largest and smallest range of the last rainflow counting (0 and 10000
  // when no cycle was counted).
  float CountedRangeMax = 0.0f;
  float CountedRangeMin = 0.0f;
  float FastSimReferenceLife = 0.0f;

  bool operator==(const Results&) const = default;
};

// The master-curve arrays have room for 32 points (index 0 unused).
inline constexpr int kMasterPointsMax = 32;

// The life in each display unit and the points of a master curve.
struct LifeResults {
  std::array<std::string, 4> LifeUnitLabel{};  // (1) " [cyc] " (2) " [blk] " (3) " [h]   "
  std::array<std::string, 4> LifeUnitWord{};   // (1) "CYCLES" (2) "BLOCKS" (3) " HOURS"
  std::array<float, 4> LifeByUnit{};
  std::array<float, kMasterPointsMax + 1> MasterLife{};
  std::array<float, kMasterPointsMax + 1> MasterParam{};

  bool operator==(const LifeResults&) const = default;
};

// The problem-definition dialog's working copies: what its option buttons
// show until OK commits them into AnalysisOptions.
struct AnalysisDialogState {
  int16_t DlgAnalysisMode = 1;      // 1 single case, 2 master curve
  int16_t DlgParameter = 1;         // 1 load level / deterministic, 2 endurance limit / probabilistic
  int16_t DlgLoadingType = 4;       // 1 history, 2 spectrum, 3 constant, 4 distribution
  int16_t DlgMeanStressOption = 2;  // 1 neglect, 2 account
  int16_t DlgSNDataSpecimen = 0;    // 1 feature, 2 plain; 0 until the first opening
  int16_t DlgStressApproach = 1;    // 1 nominal, 2 local
  int16_t DlgNotchSensitivity = 1;  // 1 neglect, 2 account

  bool operator==(const AnalysisDialogState&) const = default;
};
