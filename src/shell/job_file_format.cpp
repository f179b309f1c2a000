#include "shell/job_file_format.h"

#include <string_view>
#include <utility>

#include "platform/runtime/blanks.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_items.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_text.h"
#include "platform/runtime/seq_writer.h"
#include "program_state.h"

namespace {

// The mean-stress text of a batch without strengths, as read and as held.
constexpr const char* kNoBatchMseText = "DMSE(-)";
constexpr const char* kNoBatchMseTextHeld = "DMSE(-)  ";

// The lone carriage return between the texts of record 5.
struct LoneCr {};
constexpr LoneCr kCr{};

// A text that runs to its line end (record 19).
template <typename S>
struct WholeLine {
  S& text;
};
template <typename S>
WholeLine(S&) -> WholeLine<S>;

// A text whose trailing blank the reader gives back (LoadQuantity).
template <typename S>
struct TrailingBlank {
  S& text;
};
template <typename S>
TrailingBlank(S&) -> TrailingBlank<S>;

// A factor of the unit system (records 4 and 5). Open takes the factors
// from the unit system again, so they keep the runtime's 7-digit form
// (.03937008, .1450326) that files have always held; every other Single is
// written with the digits it needs to read back as it was held.
template <typename F>
struct UnitFactor {
  F& value;
};
template <typename F>
UnitFactor(F&) -> UnitFactor<F>;

// The records in file order. `io` either writes the items of a const JobFile
// or reads them into a JobFile, so the order and types live in one place.
template <typename Io, typename Job>
void VisitRecords(Io& io, Job& j) {
  io.Header(1, "Analysis options");
  io.Record(2, "job subject", j.JobSubject);
  io.Record(3, "analysis options", j.AnalysisMode, j.MasterCurveParameter, j.LoadingType,
            j.RelOption, j.MeanStressOption, j.SNDataSpecimen, j.JobStressApproach,
            j.JobNotchSensitivity);
  io.Record(4, "damage to failure and units", j.DamageToFailure, UnitFactor{j.LengthUnitFactor}, j.LifeUnit,
            j.DamageDisplayMode);
  io.Record(5, "loading units", j.LoadUnitBracket, kCr, j.LoadUnit, kCr, TrailingBlank{j.LoadQuantity}, kCr,
            UnitFactor{j.LoadToStressFactor}, UnitFactor{j.LoadUnitFactor});
  io.Record(6, "loading database folder", j.LoadingDbFolder);
  io.Record(7, "fatigue database folder", j.FatigueDbFolder);
  io.Header(8, "Material data");
  io.Record(9, "material name", j.MaterialName);
  io.Record(10, "material source", j.MaterialSource, j.UsedFatigueBatch, j.UsedFatigueSet);
  io.Record(11, "S-N curve", j.Se, j.SNExponent, j.SNExtensionExponent, j.SNStressRatio,
            j.SNExtensionRatio, j.SNExtensionDisplay, j.Thickness, j.ThicknessExponent,
            j.ThicknessFactor);
  io.Record(12, "material strengths", j.YoungModulus, j.Su, j.Sy, j.DataSu, j.DataSy,
            j.EnduranceCycles, j.MaterialSpareValue);
  io.Header(13, "Loading data");
  io.Record(14, "loading name", j.LoadingName);
  io.Record(15, "loading source", j.LoadingSource, j.LoadingBatch);
  io.Record(16, "stresses", j.MaxStressInput, j.StressRange, j.StressMinOrMean, j.StressRangeFrom,
            j.StressRangeTo, j.StressInputMode, j.MeanStressOptionCopy);
  io.Record(17, "notch factors and distribution", j.Kt, j.KtFrom, j.KtTo, j.KtInput, j.DistQInput,
            j.DistRInput);
  io.Record(18, "scaling factors", j.ScalingFactor, j.ScalingFactorMin, j.ScalingFactorMax);
  io.Record(19, "mean-stress text", WholeLine{j.BatchMseText});
  io.Header(20, "Random data");
  io.Record(21, "fast simulation tag", j.FastSimulationTag);
  io.Record(22, "fatigue limit tag", j.FatigueLimitTag);
  for (int i = 1; i <= kRandomVarMax; ++i) {
    auto& rv = j.RandomVariables[i];
    io.Record(22 + i, "random variable", rv.RvType, rv.RvCov, rv.RvXmin, rv.RvXmax, rv.RvParA,
              rv.RvParB);
  }
  io.Record(31, "simulation settings", j.AnalysisKind, j.SimulationCount, j.McsPlotKind,
            j.LifeFitKind, j.ProbabilityLevel, j.LowerTailLife, j.ScalingFactorMean,
            j.McsSpareValue);
  io.Record(32, "simulation options", j.RandomStart, j.NeglectFatigueLimit,
            j.NeglectFatigueLimitCopy, j.SimulationOptionN, j.FastSimulation);
  // Kept after the records that files have always held, so that a file of
  // 32 records still reads and the first 32 stay as they were; what follows
  // record 32 is the job's only where it has the form the program writes.
  io.BeginTail();
  io.Trailing(33, "notch radius", j.NotchRadius);
  io.Trailing(34, "endurance limit ends", j.EnduranceLimitEnds);
  io.Group(35, kDistributionDataHeader, 36, "loading distribution", j.Distribution);
}

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

class RecordWriter {
 public:
  void Header(int, const char* text) { out_.PrintLine(text); }

  template <typename... Items>
  void Record(int, const char*, Items&&... items) {
    (Put(items), ...);
    out_.EndLine();
  }

  void BeginTail() {}

  template <typename T>
  void Trailing(int record, const char* what, const std::optional<T>& item) {
    if (item) Record(record, what, *item);
  }

  // A header and the record after it, written where the record is held.
  template <typename T>
  void Group(int header, const char* text, int record, const char* what, const std::optional<T>& item) {
    if (!item) return;
    Header(header, text);
    Record(record, what, *item);
  }

  const SeqWriter& Writer() const { return out_; }

 private:
  template <typename T>
  void Put(const T& number) { out_.Print(number); }
  // A job opened again holds every Single as it was saved: a value derived
  // by a unit conversion or a log often needs more than 7 digits for that.
  void Put(float number) { out_.Print(ExactSingle{number}); }
  void Put(UnitFactor<const float> factor) { out_.Print(factor.value); }
  void Put(const std::string& text) { out_.PrintText(text); }
  void Put(const JobRange& range) {
    Put(range.from);
    Put(range.to);
  }
  void Put(const JobDistribution& d) { out_.Print(d.DistributionType).Print(d.BlockVolumeEntry); }
  void Put(LoneCr) { out_.Print("\r"); }
  // Written without its outer blanks and with the one blank that the reader
  // adds back, as files always held it ("Stress ").
  void Put(TrailingBlank<const std::string> quantity) { out_.PrintText(TrimBlanks(quantity.text)).Print(" "); }
  // The start text keeps its two blanks unquoted, as files always held it.
  void Put(WholeLine<const std::string> line) {
    if (line.text == kNoBatchMseTextHeld) out_.Print(line.text);
    else out_.PrintText(line.text);
  }

  SeqWriter out_;
};

// The number items on a line of the file (a number too large for any field
// is one too), or -1 when the line holds anything else.
int NumbersOnLine(std::string_view line) {
  int count = 0;
  std::size_t at = 0;
  while (at < line.size()) {
    if (IsBlank(line[at]) || line[at] == ',') {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < line.size() && !IsBlank(line[end]) && line[end] != ',') ++end;
    try {
      SeqNumberValue(line.substr(at, end - at));
    } catch (const RuntimeError& e) {
      if (e.code() == kErrTypeMismatch) return -1;
    }
    ++count;
    at = end;
  }
  return count;
}

// What follows record 32 (ParseJobFile, job_file_format.h).
enum class Tail {
  kNone,     // nothing, or text that is not the job's
  kEarlier,  // records 33 and 34, written before the distribution data were kept
  kWhole,    // records 33 on, written since the distribution data are kept
};

bool IsTheHeader(const std::string& text) { return TrimBlanks(text) == kDistributionDataHeader; }

// Whether records 33 and 34 read as numbers and the header follows them,
// whatever the line breaks.
bool HeaderAfterThreeNumbers(SeqReader& in) {
  try {
    for (int i = 0; i < 3; ++i) in.ReadNumber();
    return IsTheHeader(in.ReadString());
  } catch (const RuntimeError&) {
    return false;
  }
}

Tail TailOf(SeqReader& in) {
  if (in.NoItemsLeft()) return Tail::kNone;
  const std::size_t start = in.Tell();
  const bool whole = HeaderAfterThreeNumbers(in);
  in.Seek(start);
  if (whole) return Tail::kWhole;
  // Else by lines: how many numbers the first two hold, the third, and the
  // first that is not numbers only (a file whose record 33 or 34 does not
  // read still has the header on its third line).
  std::string third, other;
  int numbers[2] = {0, 0};
  bool found = false;
  for (int line = 0; !in.Eof() && (!found || line < 3); ++line) {
    const std::string text = in.LineInput();
    const int count = NumbersOnLine(text);
    if (line < 2) numbers[line] = count;
    if (line == 2) third = text;
    if (!found && count < 0) {
      found = true;
      other = text;
    }
  }
  in.Seek(start);
  if (!found) return Tail::kEarlier;
  if (IsTheHeader(other) || IsTheHeader(third)) return Tail::kWhole;
  if (numbers[0] == 1 && numbers[1] == 2) return Tail::kEarlier;
  return Tail::kNone;
}

class RecordReader {
 public:
  explicit RecordReader(SeqReader& in) : in_(in) {}

  void Header(int record, const char* what) {
    At(record, what);
    in_.ReadString();
  }

  template <typename... Items>
  void Record(int record, const char* what, Items&&... items) {
    At(record, what);
    (Get(items), ...);
  }

  // Finds what follows record 32 (TailOf).
  void BeginTail() { tail_ = TailOf(in_); }

  // Records 33 and 34: in full in a file that holds the distribution data;
  // in a file written before they were kept, where the file goes on.
  template <typename T>
  void Trailing(int record, const char* what, std::optional<T>& item) {
    if (tail_ == Tail::kNone || (tail_ == Tail::kEarlier && in_.NoItemsLeft())) return;
    T value{};
    Record(record, what, value);
    item = value;
  }

  // Records 35 and 36, in a file that holds them only: the header must read
  // as written.
  template <typename T>
  void Group(int header, const char* text, int record, const char* what, std::optional<T>& item) {
    if (tail_ != Tail::kWhole) return;
    At(header, text);
    if (TrimBlanks(in_.ReadString()) != text) throw RuntimeError(kErrTypeMismatch);
    T value{};
    Record(record, what, value);
    item = value;
  }

  // Runs `read`, turning a runtime error into a message that names the record.
  template <typename F>
  void Guard(F read) {
    try {
      read();
    } catch (const RuntimeError& e) {
      throw JobFileError(RuntimeErrorText(e.code()) + "\r(reading record " +
                         std::to_string(record_) + ": " + what_ + ")");
    }
  }

 private:
  void At(int record, const char* what) {
    record_ = record;
    what_ = what;
  }

  void Get(int16_t& v) { v = in_.ReadInteger(); }
  void Get(int32_t& v) { v = in_.ReadLong(); }
  void Get(float& v) { v = in_.ReadSingle(); }
  void Get(UnitFactor<float>& factor) { factor.value = in_.ReadSingle(); }
  void Get(double& v) { v = in_.ReadDouble(); }
  void Get(std::string& v) { v = in_.ReadString(); }
  void Get(JobRange& range) {
    range.from = in_.ReadSingle();
    range.to = in_.ReadSingle();
  }
  void Get(JobDistribution& d) {
    d.DistributionType = in_.ReadInteger();
    d.BlockVolumeEntry = in_.ReadLong();
  }
  void Get(const LoneCr&) {}
  void Get(TrailingBlank<std::string>& quantity) { quantity.text = TrimBlanks(in_.ReadString()) + " "; }
  // The whole line, quoted or (in older files) not; taken by the rule of the
  // file's texts, as the writer would keep it.
  void Get(WholeLine<std::string>& line) {
    std::string text = TrimBlanks(in_.LineInput());
    if (text.size() >= 2 && text.front() == '"') {
      const auto close = text.find('"', 1);
      text = close == std::string::npos ? text.substr(1) : text.substr(1, close - 1);
    }
    line.text = StorableText(text);
  }

  SeqReader& in_;
  int record_ = 0;
  std::string what_;
  Tail tail_ = Tail::kNone;
};

// The loading batch that record 15 names and the folder of its database
// (record 6). A typed-in loading keeps the number of the batch browsed last
// (that of a job whose batch could not be taken back). A database loading
// names the batch in use, not the one browsed last; where a database read
// has given up the selection since (the loading still holds the batch's
// data), the batch taken last, in the folder it was taken from, so that the
// job opens again with the loading it was saved with.
struct LoadingOrigin {
  int16_t batch;
  std::string folder;
};
LoadingOrigin LoadingOriginOf(const ProgramState& s) {
  const LoadingDbState& st = s.loadingDbState;
  const std::string& folder = s.fatigueDbState.DataDirectory[1];
  if (st.LoadingSource != 1) return {st.BrowsedLoadingBatch, folder};
  if (st.SelectedLoadingBatch > 0 || st.TakenLoadingBatch == 0) return {st.SelectedLoadingBatch, folder};
  return {st.TakenLoadingBatch, st.TakenLoadingFolder};
}

}  // namespace

JobFile JobFileOf(const ProgramState& s) {
  const AnalysisOptions& a = s.analysisOptions;
  const MaterialData& m = s.materialData;
  const LoadingData& l = s.loadingData;
  const ComponentData& c = s.componentData;
  JobFile j;
  j.JobSubject = s.jobTexts.JobSubject;
  j.AnalysisMode = a.AnalysisMode;
  j.MasterCurveParameter = a.MasterCurveParameter;
  j.LoadingType = a.LoadingType;
  j.RelOption = a.RelOption;
  j.MeanStressOption = a.MeanStressOption;
  j.SNDataSpecimen = a.SNDataSpecimen;
  j.JobStressApproach = a.JobStressApproach;
  j.JobNotchSensitivity = a.JobNotchSensitivity;
  j.DamageToFailure = a.DamageToFailure;
  j.LengthUnitFactor = s.unitSettings.LengthUnitFactor;
  j.LifeUnit = a.LifeUnit;
  j.DamageDisplayMode = s.resultsDisplay.DamageDisplayMode;
  j.LoadUnitBracket = s.loadingUnits.LoadUnitBracket;
  j.LoadUnit = s.loadingUnits.LoadUnit;
  j.LoadQuantity = s.loadingUnits.LoadQuantity;
  j.LoadToStressFactor = s.loadingUnits.LoadToStressFactor;
  j.LoadUnitFactor = s.loadingUnits.LoadUnitFactor;
  LoadingOrigin origin = LoadingOriginOf(s);
  j.LoadingDbFolder = std::move(origin.folder);
  j.FatigueDbFolder = s.fatigueDbState.DataDirectory[2];
  j.MaterialName = s.jobTexts.MaterialName;
  j.MaterialSource = m.MaterialSource;
  j.UsedFatigueBatch = s.fatigueDbState.UsedFatigueBatch;
  j.UsedFatigueSet = s.fatigueDbState.UsedFatigueSet;
  j.Se = m.Se;
  j.SNExponent = m.SNExponent;
  j.SNExtensionExponent = m.SNExtensionExponent;
  j.SNStressRatio = m.SNStressRatio;
  j.SNExtensionRatio = m.SNExtensionRatio;
  j.SNExtensionDisplay = m.SNExtensionDisplay;
  j.Thickness = m.Thickness;
  j.ThicknessExponent = m.ThicknessExponent;
  j.ThicknessFactor = m.ThicknessFactor;
  j.YoungModulus = m.YoungModulus;
  j.Su = m.Su;
  j.Sy = m.Sy;
  j.DataSu = m.DataSu;
  j.DataSy = m.DataSy;
  j.EnduranceCycles = m.EnduranceCycles;
  j.MaterialSpareValue = m.MaterialSpareValue;
  j.LoadingName = s.jobTexts.LoadingName;
  j.LoadingSource = s.loadingDbState.LoadingSource;
  j.LoadingBatch = origin.batch;
  j.MaxStressInput = l.MaxStressInput;
  j.StressRange = l.StressRange;
  j.StressMinOrMean = l.StressMinOrMean;
  j.StressRangeFrom = l.StressRangeFrom;
  j.StressRangeTo = l.StressRangeTo;
  j.StressInputMode = l.StressInputMode;
  j.MeanStressOptionCopy = a.MeanStressOption;
  j.Kt = c.Kt;
  j.KtFrom = c.KtFrom;
  j.KtTo = c.KtTo;
  j.KtInput = m.KtInput;
  j.DistQInput = l.DistQInput;
  j.DistRInput = l.DistRInput;
  j.ScalingFactor = l.ScalingFactor;
  j.ScalingFactorMin = l.ScalingFactorMin;
  j.ScalingFactorMax = l.ScalingFactorMax;
  j.BatchMseText = l.BatchMseText;
  j.FastSimulationTag = s.mcsSettings.FastSimulationTag;
  j.FatigueLimitTag = s.mcsSettings.FatigueLimitTag;
  const RandomVariableTable& t = s.randomVariableTable;
  for (int i = 1; i <= kRandomVarMax; ++i) {
    j.RandomVariables[i] = {t.RvType[i], t.RvCov[i], t.RvXmin[i], t.RvXmax[i], t.RvParA[i], t.RvParB[i]};
  }
  j.AnalysisKind = a.AnalysisKind;
  j.SimulationCount = s.mcsSettings.SimulationCount;
  j.McsPlotKind = s.mcsDisplay.McsPlotKind;
  j.LifeFitKind = s.mcsResults.LifeFitKind;
  j.ProbabilityLevel = s.mcsResults.ProbabilityLevel;
  j.LowerTailLife = s.mcsResults.LowerTailLife;
  j.ScalingFactorMean = l.ScalingFactorMean;
  j.McsSpareValue = s.mcsSettings.McsSpareValue;
  j.RandomStart = s.mcsSettings.RandomStart;
  j.NeglectFatigueLimit = s.mcsSettings.NeglectFatigueLimit;
  j.NeglectFatigueLimitCopy = s.mcsSettings.McsNeglectFLCopy;
  j.SimulationOptionN = s.mcsSettings.OptionN;
  j.FastSimulation = s.mcsSettings.FastSimulation;
  j.NotchRadius = c.NotchRadius;
  j.EnduranceLimitEnds = JobRange{m.SeFrom, m.SeTo};
  j.Distribution = JobDistribution{l.DistributionType, l.BlockVolumeEntry};
  return j;
}

SeqWriter JobFileWriter(const JobFile& job) {
  RecordWriter out;
  VisitRecords(out, job);
  return out.Writer();
}

std::string JobFileBytes(const JobFile& job) { return JobFileWriter(job).Bytes(); }

JobFile ParseJobFile(SeqReader& in) {
  JobFile job;
  RecordReader reader(in);
  reader.Guard([&] { VisitRecords(reader, job); });
  // the reader drops the trailing blanks that the start text carries in memory
  if (job.BatchMseText == kNoBatchMseText) job.BatchMseText = kNoBatchMseTextHeld;
  return job;
}
