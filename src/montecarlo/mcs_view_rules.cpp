#include "montecarlo/mcs_view_rules.h"

#include <cmath>
#include <utility>

#include "montecarlo/life_statistics.h"
#include "montecarlo/mcs_results_file.h"
#include "montecarlo/mcs_results_messages.h"
#include "platform/runtime/format.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kPfMask = "0.00#E+##";
constexpr const char* kLifeMask = "0.0##E+##";
constexpr int32_t kFittedColour = 0xC00000;
constexpr const char* kOutOfRange = "Data out-of-range!\rInput corrected. ";

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

ResultsBoxEntry Accepted(const std::string& text, int32_t colour) {
  ResultsBoxEntry e;
  e.accepted = true;
  e.text = text;
  e.textColour = colour;
  return e;
}

// A refusal: "Sorry, Data Incorrect!" and the reason, critical, after a beep;
// the box shows the corrected value (a text through a mask) as a Single.
ResultsBoxEntry Refused(const std::string& reason, const std::string& correctedThroughMask, const char* title) {
  ResultsBoxEntry e;
  e.text = SingleBoxText(TypedSingle(correctedThroughMask).value_or(0.0f));
  e.message = kDataIncorrect + reason;
  e.title = title;
  e.icon = MsgIcon::Critical;
  e.beep = true;
  return e;
}

// The law's lives: with no fit the usable lives up to the largest finite one,
// with a fit the tail up to SampleMax.
struct LawLives {
  int32_t n;
  float largest;
};
LawLives LawLivesOf(const McsResults& r) {
  return r.LifeFitKind == 1 ? LawLives{r.UsableLifeCount, r.MaxFiniteLife} : LawLives{r.TailLifeCount, r.SampleMax};
}

}  // namespace

bool OpenMcsResults(ProgramState& s, Host& host, const std::string& path) {
  const McsResults keptResults = s.mcsResults;
  const McsDisplay keptDisplay = s.mcsDisplay;
  const McsSettings keptSettings = s.mcsSettings;
  McsResults& r = s.mcsResults;
  r.ResultsPath = path;
  r.ProbabilityLevel = 0.999;
  s.mcsDisplay.ReliabilityInputMode = 0;
  r.LifeFitKind = 1;
  r.LowerTailLife = 1.0e30f;
  r.SummaryShown = 0;
  r.LivesSorted = 1;
  s.mcsSettings.SimulationsDone = 0;
  ReadMCSResults(s, host);
  if (r.ResultsReadStatus >= 0) return true;
  s.mcsResults = keptResults;
  s.mcsDisplay = keptDisplay;
  s.mcsSettings = keptSettings;
  return false;
}

bool ChooseResultsLifeUnit(ProgramState& s, int item) {
  const McsResults& r = s.mcsResults;
  const int offered = r.ResultBlockTime > 0.0f ? 3 : 2;
  if (r.ResultLoadingType == 3 || item < 0 || item >= offered) return false;
  s.analysisOptions.LifeUnit = static_cast<int16_t>(item + 1);
  return true;
}

bool ChooseLifeFit(ProgramState& s, Host& host, int item) {
  McsResults& r = s.mcsResults;
  if (item < 0 || item > 2) return false;
  const auto kind = static_cast<int16_t>(item + 1);
  if (item > 0 && kind != r.LifeFitKind) r.LowerTailLife = item == 1 ? r.MaxFiniteLife : Sng(r.SampleMean);
  r.LifeFitKind = kind;
  if (kind == 1) {
    const double n = s.mcsSettings.SimulationsDone;
    if (s.mcsDisplay.ReliabilityInputMode == 0) {
      const double largest = n > 1 ? 1.0 - 1.0 / (n - 1.0) : 0.0;
      if (r.ProbabilityLevel > largest) {
        InformMcs(host, kOutOfRange);
        r.ProbabilityLevel = largest;
      }
    } else if (r.LifeAtReliability < r.SampleMin) {
      InformMcs(host, kOutOfRange);
      r.LifeAtReliability = Sng(r.SampleMin * 1.001);
    }
  }
  return s.analysisOptions.AnalysisMode == 1 && kind > 1;
}

ResultsBoxEntry EnterFailureProbability(ProgramState& s, float x) {
  constexpr const char* kTitle = "Reliability";
  McsResults& r = s.mcsResults;
  double& R = r.ProbabilityLevel;
  if (R == 1.0) R = 1.0 - 1e-6;
  const double n = s.mcsSettings.SimulationsDone;
  const LawLives law = LawLivesOf(r);
  if (!(n > 0)) return Refused("", Format(1.0 - R, kPfMask), kTitle);
  const bool noFit = r.LifeFitKind == 1;
  const float least = noFit ? Sng(1.0 / n) : 1e-6f;
  const float share = Sng(law.n / n);
  if (x >= least && x <= 0.9991f && x <= share) {
    R = 1.0 - x;
    s.mcsDisplay.ReliabilityInputMode = 0;
    return Accepted(Format(1.0 - R, kPfMask), kFittedColour);
  }
  // The refusals in order; a number that does not fit (NaN) takes the first.
  if (noFit && !(x >= least)) {
    R = 1.0 - 1.0 / n;
    ResultsBoxEntry e;
    e.text = Format(1.0 - R, kPfMask);
    e.message = "Sorry, Insufficient sampling!\rInput corrected.";
    e.title = kTitle;
    e.icon = MsgIcon::Exclamation;
    return e;
  }
  if (!(x <= share)) {
    std::string reason = " (Pf > " + Format(law.n / n, "0.00#E+##)");
    if (law.n < r.UsableLifeCount) reason += "\rChange input or increase Le.Tail ...";
    // A little below the share; a share too small for that (a result whose
    // lives nearly all never fail) is itself the corrected Pf, so that the
    // correction stays a Pf the box takes and the level stays below 1.
    const double below = law.n / n - 0.001;
    R = 1.0 - (below >= least ? below : law.n / n);
    return Refused(reason, Format(1.0 - R, kPfMask), kTitle);
  }
  if (!(x >= 1e-6f)) {
    R = 1.0 - 1e-6;
    return Refused(" (Pf < 1E-6)", "1E-6", kTitle);
  }
  if (x == 1.0f) {
    R = 0.001;
    return Refused(" ", "0.999", kTitle);
  }
  // Above 0.9991 and within the share: the stored value stands.
  s.mcsDisplay.ReliabilityInputMode = 0;
  return Accepted(Format(1.0 - R, kPfMask), kFittedColour);
}

ResultsBoxEntry EnterReliableLife(ProgramState& s, float x) {
  constexpr const char* kTitle = "Fatigue Life";
  McsResults& r = s.mcsResults;
  const double f = s.resultsDisplay.LifeUnitFactor;
  const float previous = r.LifeAtReliability;
  if (!(x > 0.0f) || !(f > 0)) return Refused("", Format(previous * f, kLifeMask), kTitle);
  const float least = Sng(r.SampleMin * f);
  const float largest = Sng(LawLivesOf(r).largest * 0.999 * f);
  if (!(x >= least)) return Refused(" (Tr < " + Format(least, kLifeMask) + ")", Format(r.SampleMin * 1.001 * f, kLifeMask), kTitle);
  if (!(x <= largest)) {
    return Refused(" (Tr > " + Format(largest, kLifeMask) + ")",
                   Format(LawLivesOf(r).largest * 0.998 * f, kLifeMask), kTitle);
  }
  r.LifeAtReliability = Sng(x / f);
  s.mcsDisplay.ReliabilityInputMode = 1;
  return Accepted(Format(r.LifeAtReliability * f, kLifeMask), kFittedColour);
}

ResultsBoxEntry EnterLowerTailLife(ProgramState& s, Host& host, float x) {
  constexpr const char* kTitle = "Fatigue Life";
  McsResults& r = s.mcsResults;
  const double f = s.resultsDisplay.LifeUnitFactor;
  const float least = Sng(r.SampleMin * 1.299 * f);
  const float largest = Sng(r.MaxFiniteLife * f);
  if (x >= least && x <= largest && f > 0) {
    r.LowerTailLife = Sng(x / f);
    const std::string text = Format(r.LowerTailLife * f, kLifeMask);
    ReadMCSResults(s, host);
    CalcLifeStatistics(s, host);
    return Accepted(text, 0);
  }
  if (!(x >= least)) {
    return Refused(" (Le.Teil < Min * 130% = " + Format(least, kLifeMask) + ")",
                   Format(r.SampleMin * 1.3 * f, kLifeMask), kTitle);
  }
  const std::string upper = Format(r.MaxFiniteLife * 0.999 * f, kLifeMask);
  return Refused(" (Le.Teil > " + upper + ")", upper, kTitle);
}

std::optional<int32_t> TypedSimulationCount(std::string_view text, std::string& refusal) {
  refusal = "Sorry, Data is Incorrect! ";
  double value = 0;
  if (!ParseWholeNumber(Trimmed(text), value)) return std::nullopt;
  if (value < 100) {
    refusal += "(No<100)";
    return std::nullopt;
  }
  const std::optional<int32_t> count = TypedLong(text);  // nothing beyond the Long range
  if (!count) {
    refusal += "(No>2147483647)";
    return std::nullopt;
  }
  refusal.clear();
  return count;
}

void SetSimulationOption(McsSettings& m, int index, int16_t value) {
  switch (index) {
    case 0:
      m.RandomStart = value;
      break;
    case 1:
      m.NeglectFatigueLimit = m.McsNeglectFLCopy = value;
      break;
    case 2:
      m.OptionN = value;
      break;
    case 3:
      m.FastSimulation = value;
      break;
    default:
      break;
  }
  MatchSimulationTags(m);
}

void MatchSimulationTags(McsSettings& m) {
  // As the damage calculation reads the options: the fatigue limit counts
  // only at 0, the fast algorithm runs only at 1.
  m.FatigueLimitTag = m.NeglectFatigueLimit != 0 ? "NoFL" : "FL";
  m.FastSimulationTag = m.FastSimulation == 1 ? "/FSA" : "/NSA";
}
