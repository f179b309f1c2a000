// Reading the simulation results back: the file into a staging copy, the
// classification of the lives, the summary, the sort with the in-place
// rewrite, and the lower tail.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "montecarlo/mcs_results_file.h"
#include "montecarlo/mcs_results_messages.h"
#include "platform/host.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/sng.h"
#include "program_state.h"

namespace {

constexpr int32_t kMinSimulations = 10;  // fewer lives (or finite tail lives) give no statistics
constexpr int32_t kTailFloor = 30;       // the tail holds at least this many lives
constexpr std::size_t kReserveLives = std::size_t{1} << 20;

// A results file as read, before it replaces the result in memory.
struct StagedResults {
  McsResultsHeader header;
  std::vector<float> lives;  // 1 .. count
  int32_t finite = 0;
  int32_t oneCycle = 0;
  float maxFinite = 0.0f;
  float reference = 0.0f;
};

// The lives and the reference life after the header. The lives are kept as
// they come, so that a count line beyond what the file holds fails at the
// file's end rather than allocating for the count.
void ReadLives(SeqReader& in, StagedResults& f) {
  const int64_t count = f.header.SimulationCount;
  f.lives.reserve(static_cast<std::size_t>(std::min<int64_t>(count + 1, kReserveLives)));
  f.lives.push_back(0.0f);
  for (int64_t k = 1; k <= count; ++k) {
    const float v = in.ReadSingle();
    float kept = 0.0f;  // 1-cycle lives, and negative values, are held as 0
    if (v > 0.0f) {
      kept = v;
      if (v < kInfiniteLifeFrom) {
        ++f.finite;
        f.maxFinite = std::max(f.maxFinite, v);
      }
    } else if (v == 0.0f) {
      ++f.oneCycle;
    }
    f.lives.push_back(kept);
  }
  f.reference = in.ReadSingle();
}

void Commit(ProgramState& s, StagedResults& f) {
  McsResults& r = s.mcsResults;
  McsSettings& m = s.mcsSettings;
  m.SimulationsDone = f.header.SimulationCount;
  m.SimulationsTarget = f.finite;  // reused as the count of finite lives
  r.OneCycleLifeCount = f.oneCycle;
  r.MaxFiniteLife = f.maxFinite;
  r.ResultsReadStatus = 0;
  r.ResultLoadingType = f.header.LoadingType;
  r.ResultRvType = f.header.RvType;
  r.ResultRvCov = f.header.RvCov;
  r.ResultBlockTime = f.header.BlockTime;
  r.ReferenceLife = f.reference;
  r.SimulatedLives = std::move(f.lives);
  // A saved copy is taken as sorted; one that is not (edited by hand) is
  // sorted in memory, so that the tail and the statistics hold.
  if (r.LivesSorted == 1 && !std::is_sorted(r.SimulatedLives.begin() + 1, r.SimulatedLives.end())) {
    SortLives(r.SimulatedLives, m.SimulationsDone);
  }
}

// Reads the file into the result; false (reported, ResultsReadStatus -3) when
// it gives no result. A file that cannot be read leaves the result as it was.
bool ReadResultsFile(ProgramState& s, Host& host) {
  McsResults& r = s.mcsResults;
  StagedResults f;
  try {
    SeqReader in = SeqReader::Open(r.ResultsPath);
    f.header = ReadMcsResultsHeader(in);
    if (f.header.SimulationCount < kMinSimulations) {
      InformMcs(host, kInsufficientSimulationsText);
      r.ResultsReadStatus = -3;
      host.SetMousePointer(kPointerDefault);
      return false;
    }
    ReadLives(in, f);
  } catch (const RuntimeError& e) {
    ReportMcsFileFailure(s.shellState, host, "read", r.ResultsPath, RuntimeErrorText(e.code()));
    r.ResultsReadStatus = -3;
    host.SetMousePointer(kPointerDefault);
    return false;
  }
  Commit(s, f);
  return true;
}

// Whether the lives of the result are in memory and sorted: the file is not
// read again.
bool LivesInMemory(const ProgramState& s) {
  const int32_t n = s.mcsSettings.SimulationsDone;
  return s.mcsResults.LivesSorted == 1 && n > 0 && s.mcsResults.SimulatedLives.size() > static_cast<std::size_t>(n);
}

void CountLives(ProgramState& s) {
  McsResults& r = s.mcsResults;
  const double n = s.mcsSettings.SimulationsDone;
  if (!(r.MaxFiniteLife > r.LowerTailLife)) r.LowerTailLife = r.MaxFiniteLife;
  r.UsableLifeCount = r.OneCycleLifeCount + s.mcsSettings.SimulationsTarget;
  r.OneCycleFraction = Sng(r.OneCycleLifeCount / n);
  r.TailFraction = Sng(1.0 - s.mcsSettings.SimulationsTarget / n - r.OneCycleFraction);
}

// The summary of the lives, once per result; lowers the probability level to
// the share of finite lives where that is smaller.
void ShowSummary(ProgramState& s, Host& host) {
  McsResults& r = s.mcsResults;
  const int32_t n = s.mcsSettings.SimulationsDone, finite = s.mcsSettings.SimulationsTarget;
  if (r.SummaryShown != 0) return;
  InformMcs(host,
            " - No of Simulations: " + std::to_string(n) + "\r - 1 cycle Life:      " +
                std::to_string(r.OneCycleLifeCount) + "\r - Infinite Life:     " +
                std::to_string(static_cast<int64_t>(n) - r.OneCycleLifeCount - finite),
            kMcsSummaryTitle);
  const double share = static_cast<double>(finite) / n;
  if (finite > 0 && 1.0 - r.ProbabilityLevel > share) r.ProbabilityLevel = 1.0 - share;
  r.PfStar = Sng(share);
  r.SummaryShown = 1;
}

// False (ResultsReadStatus -3) when every life is a 1-cycle life, every life
// is infinite, or at most one life is usable.
bool UsableSample(McsResults& r, Host& host) {
  if (r.OneCycleFraction == 1.0f) {
    InformMcs(host, "Fatigue Life = 1 cycle!");
    r.LifeAtReliability = 1.0f;
  } else if (r.TailFraction == 1.0f) {
    InformMcs(host, "No Fatigue Failure!");
    r.LifeAtReliability = 1.0e30f;
  } else if (r.UsableLifeCount > 1) {
    return true;
  }
  r.ResultsReadStatus = -3;
  return false;
}

// The lower tail: SampleMin is the smallest positive life; SampleMax the
// largest life not above the tail bound, found from the top, and
// TailLifeCount its index; but the tail never holds fewer than 30 lives, nor
// reaches beyond the usable (1-cycle and finite) lives.
void SelectTail(ProgramState& s) {
  McsResults& r = s.mcsResults;
  const std::vector<float>& life = r.SimulatedLives;
  const int32_t n = s.mcsSettings.SimulationsDone;
  const float bound = Sng(static_cast<double>(r.LowerTailLife) * 1.001);
  const int32_t fewest = std::min(kTailFloor, r.UsableLifeCount);
  r.SampleMin = 1.0e30f;
  r.SampleMax = 0.0f;
  r.TailLifeCount = 0;
  for (int32_t i = 1; i <= n; ++i) {
    const int32_t j = n - i + 1;
    if (life[i] > 0.0f && life[i] < r.SampleMin) r.SampleMin = life[i];
    const bool withinBound = life[j] > r.SampleMax && life[j] <= bound;
    if (withinBound || (j == fewest && r.TailLifeCount < fewest)) {
      r.SampleMax = life[j];
      r.TailLifeCount = j;
      if (r.SampleMin < 1.0e30f) break;
    }
  }
}

// Mean and population standard deviation of the usable lives (1-cycle lives
// count as 0).
void SampleMoments(McsResults& r) {
  const std::vector<float>& life = r.SimulatedLives;
  double sum = 0.0;
  int64_t count = 0;
  for (int32_t i = 1; i <= r.UsableLifeCount; ++i) {
    if (life[i] < kInfiniteLifeFrom) {
      sum += life[i];
      ++count;
    }
  }
  const double mean = count > 0 ? sum / count : 0.0;
  double squares = 0.0;
  for (int32_t i = 1; i <= r.UsableLifeCount; ++i) {
    if (life[i] < kInfiniteLifeFrom) squares += (life[i] - mean) * (life[i] - mean);
  }
  r.SampleMean = mean;
  r.SampleStdDev = count > 0 ? std::sqrt(squares / count) : 0.0;
}

}  // namespace

void ReadMCSResults(ProgramState& s, Host& host) {
  McsResults& r = s.mcsResults;
  for (;;) {
    host.SetMousePointer(kPointerHourglass);
    s.mcsDisplay.ResultsBoxBusy = 0;
    if (!LivesInMemory(s) && !ReadResultsFile(s, host)) return;
    CountLives(s);
    ShowSummary(s, host);
    if (!UsableSample(r, host)) return;
    if (r.LivesSorted == 0) {
      SortLives(r.SimulatedLives, s.mcsSettings.SimulationsDone);
      r.LivesSorted = 1;
      r.SaveAsPath = r.ResultsPath;
      SaveMCSResultsAs(s, host);
    }
    SelectTail(s);
    if (r.TailLifeCount - r.OneCycleLifeCount >= kMinSimulations) break;
    if (!(r.LowerTailLife < r.MaxFiniteLife)) {
      InformMcs(host, kInsufficientSimulationsText);
      r.ResultsReadStatus = -3;
      return;
    }
    r.LowerTailLife = Sng(static_cast<double>(r.LowerTailLife) * 1.1);
  }
  SampleMoments(r);
}
