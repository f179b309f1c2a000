#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "engine/analysis_records.h"
#include "montecarlo/random_variables.h"
#include "platform/runtime/seq_writer.h"

class SeqReader;
struct ProgramState;

// One random variable as the job file keeps it.
struct JobRandomVariable {
  int16_t RvType = 0;
  float RvCov = 0, RvXmin = 0, RvXmax = 0, RvParA = 0, RvParB = 0;

  bool operator==(const JobRandomVariable&) const = default;
};

// Two ends of a range, kept on one record.
struct JobRange {
  float from = 0, to = 0;

  bool operator==(const JobRange&) const = default;
};

// The loading distribution's law (DistributionType: 1 Beta, 2 Weibull, 3
// log-normal) and its block volume (BlockVolumeEntry), kept on one record.
struct JobDistribution {
  int16_t DistributionType = 0;
  int32_t BlockVolumeEntry = 0;

  bool operator==(const JobDistribution&) const = default;
};

// The header of record 35, before the records kept since the notch radius
// and the ends of the endurance limit. It tells the job's own records from
// other text after record 32.
inline constexpr const char* kDistributionDataHeader = "Distribution data";

// Every item of a job file (*.sns), grouped by record as the file holds them.
// It is the staging copy of a read: nothing reaches the program's records
// until the whole file has been read and checked.
struct JobFile {
  std::string JobSubject;  // 2
  // 3: the committed problem definition and the job's approach and notch sensitivity
  int16_t AnalysisMode = 0, MasterCurveParameter = 0, LoadingType = 0, RelOption = 0,
          MeanStressOption = 0, SNDataSpecimen = 0, JobStressApproach = 0, JobNotchSensitivity = 0;
  // 4
  float DamageToFailure = 0, LengthUnitFactor = 0;
  int16_t LifeUnit = 0, DamageDisplayMode = 0;
  // 5: the loading units (LoadQuantity as in memory, with its trailing blank)
  std::string LoadUnitBracket, LoadUnit, LoadQuantity;
  float LoadToStressFactor = 0, LoadUnitFactor = 0;
  std::string LoadingDbFolder;  // 6: DataDirectory(1)
  std::string FatigueDbFolder;  // 7: DataDirectory(2)
  std::string MaterialName;     // 9
  int16_t MaterialSource = 0, UsedFatigueBatch = 0, UsedFatigueSet = 0;  // 10
  // 11
  float Se = 0, SNExponent = 0, SNExtensionExponent = 0, SNStressRatio = 0, SNExtensionRatio = 0;
  int16_t SNExtensionDisplay = 0;
  float Thickness = 0, ThicknessExponent = 0, ThicknessFactor = 0;
  // 12
  float YoungModulus = 0, Su = 0, Sy = 0, DataSu = 0, DataSy = 0;
  int32_t EnduranceCycles = 0;
  float MaterialSpareValue = 0;
  std::string LoadingName;  // 14
  int16_t LoadingSource = 0, LoadingBatch = 0;  // 15: the batch in use or taken last (typed in: the browsed one)
  // 16 (MeanStressOptionCopy: the second copy of record 3's value)
  float MaxStressInput = 0, StressRange = 0, StressMinOrMean = 0, StressRangeFrom = 0,
        StressRangeTo = 0;
  int16_t StressInputMode = 0, MeanStressOptionCopy = 0;
  float Kt = 0, KtFrom = 0, KtTo = 0, KtInput = 0, DistQInput = 0, DistRInput = 0;  // 17
  float ScalingFactor = 0, ScalingFactorMin = 0, ScalingFactorMax = 0;             // 18
  std::string BatchMseText;                                                       // 19
  std::string FastSimulationTag, FatigueLimitTag;                                 // 21, 22
  std::array<JobRandomVariable, kRandomVarMax + 1> RandomVariables{};  // 23..30: slots 1..8
  // 31
  int16_t AnalysisKind = 0;
  int32_t SimulationCount = 0;
  int16_t McsPlotKind = 0, LifeFitKind = 0;
  double ProbabilityLevel = 0;
  float LowerTailLife = 0, ScalingFactorMean = 0;
  int16_t McsSpareValue = 0;
  // 32
  int16_t RandomStart = 0, NeglectFatigueLimit = 0, NeglectFatigueLimitCopy = 0,
          SimulationOptionN = 0, FastSimulation = 0;
  // 33: the component's notch radius in mm; 34: the ends of the endurance
  // limit, SeFrom and SeTo (ranges, as Se): the lower end is the endurance
  // limit a calculation uses, the upper end where a master curve over it
  // ends. Files written before they were kept end after record 32 and hold
  // neither.
  std::optional<float> NotchRadius;
  std::optional<JobRange> EnduranceLimitEnds;
  // 35: kDistributionDataHeader; 36: the loading distribution's law and
  // block volume. Files written before they were kept end after record 34.
  std::optional<JobDistribution> Distribution;

  bool operator==(const JobFile&) const = default;
};

// A master curve over the endurance limit (record 3): the job that runs
// over the range of record 34.
inline bool MasterCurveOverTheEnduranceLimit(const JobFile& j) {
  return j.AnalysisMode == analysis_mode::kMasterCurve && j.MasterCurveParameter == master_curve_parameter::kEnduranceLimit;
}

// The ends of the endurance limit that Open takes: record 34, or in a file
// without it the one Se of record 11 at both ends.
inline JobRange EnduranceLimitEndsOf(const JobFile& j) { return j.EnduranceLimitEnds.value_or(JobRange{j.Se, j.Se}); }

// A distribution typed in (records 3 and 15): the job whose law and block
// volume record 36 holds over what a database batch would give.
inline bool TypedInDistribution(const JobFile& j) {
  return j.LoadingSource == 2 && j.LoadingType == loading_type::kDistribution;
}

// The job file items of the program's records, as Save writes them (a
// database loading names the batch in use; after a database read that gave
// up the selection, the batch taken last with its database's folder).
JobFile JobFileOf(const ProgramState& state);

// The file: records 1 to 36, each a print statement ended by CR LF; record 5
// separates its three texts by a lone CR. Texts follow the rule of the
// program's files (seq_text.h): in double quotes where the reader would not
// take them back whole, without control characters. LoadQuantity is written
// without its trailing blank and the start text "DMSE(-)  " as it stands, as
// the reader gives both back. A writer that was given a non-finite number
// refuses to save.
SeqWriter JobFileWriter(const JobFile& job);
std::string JobFileBytes(const JobFile& job);

// A job file that cannot be read: the runtime's error text with the record
// being read, or the out-of-range value found.
class JobFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads records 1 to 32 in order, whatever the line breaks: numbers end at a
// blank, comma or line end, texts at a comma or line end (a quoted text at its
// closing quote); record 19, the loading batch's mean-stress text, runs to its
// line end, as it holds commas in files that wrote it unquoted, and is taken
// in the form the writer keeps (StorableText). LoadQuantity gets its trailing
// blank back, and the mean-stress text of a batch without strengths its two
// ("DMSE(-)  ").
// What follows record 32 is read as the file holds it:
// - nothing (files written before the notch radius was kept): no later record;
// - the header of record 35 after three numbers (whatever the line breaks),
//   as the first line that is not numbers only, or as the third line (files
//   written since the distribution data are kept): records 33 to 36, each
//   read in full;
// - numbers only (files written before the distribution data were kept):
//   records 33 and 34 where the file goes on;
// - a line of one number and a line of two numbers, then other text: records
//   33 and 34, the rest not read;
// - other text: not the job's, and not read (files of 32 records with notes
//   after them open as before).
// Whatever follows the last record read (a later program's records) is not
// read.
// Throws JobFileError naming the record when an item is missing or malformed.
JobFile ParseJobFile(SeqReader& in);

// Throws JobFileError for the first value outside what the program can hold:
// an option or kind code, a batch or set number, a count, a notch radius
// that is not above 0, an endurance limit that is not above 0 at either end
// as Open takes them (EnduranceLimitEndsOf), ends out of order in a master
// curve over it, a distribution law other than 1 to 3. (The length unit
// factor is not checked: exactly 1 opens as SI, any other value as US. The
// block volume is not checked: Calculate refuses a typed one that its box
// would refuse.)
void CheckJobFile(const JobFile& job);
