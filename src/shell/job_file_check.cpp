#include <cstdint>
#include <string>

#include "component/notch_inputs.h"
#include "loading/loading_records.h"
#include "material/fatigue_db_records.h"
#include "material/sn_input_rules.h"
#include "platform/runtime/number_text.h"
#include "shell/job_file_format.h"

// The ranges of the codes, numbers and counts a job file may hold. Everything
// here is used as an array index, a switch over known cases or a divisor, so a
// value outside refuses the whole file.

namespace {

struct Range {
  const char* what;
  long value;
  long min;
  long max;
};

[[noreturn]] void Refuse(const std::string& what) {
  throw JobFileError("The job file holds an invalid value:\r" + what);
}

void CheckRange(const Range& r) {
  if (r.value >= r.min && r.value <= r.max) return;
  Refuse(std::string(r.what) + " = " + std::to_string(r.value) + " (expected " +
         std::to_string(r.min) + " to " + std::to_string(r.max) + ")");
}

void CheckCodes(const JobFile& j) {
  const Range ranges[] = {
      {"analysis mode", j.AnalysisMode, 1, 2},
      {"master-curve parameter", j.MasterCurveParameter, 0, 3},
      {"loading type", j.LoadingType, 1, 4},
      {"REL option", j.RelOption, 1, 2},
      {"mean-stress option", j.MeanStressOption, 1, 2},
      {"S-N data specimen", j.SNDataSpecimen, 1, 2},
      {"stress approach", j.JobStressApproach, 0, 2},
      {"notch sensitivity", j.JobNotchSensitivity, 0, 2},
      {"life unit", j.LifeUnit, 1, 3},
      {"damage display", j.DamageDisplayMode, -1, 1},
      {"material source", j.MaterialSource, 1, 2},
      {"fatigue database batch", j.UsedFatigueBatch, j.MaterialSource == 1 ? 1 : 0, kFdbMaxBatches},
      {"fatigue database set", j.UsedFatigueSet, 0, kFdbMaxSets - 1},
      {"S-N extension display", j.SNExtensionDisplay, 0, 1},
      {"loading source", j.LoadingSource, 1, 2},
      // 0 with a database loading: a job saved after a database read had given
      // up the batch; it opens with its stresses as typed in.
      {"loading batch", j.LoadingBatch, 0, kLoadingBatchMax},
      {"stress input mode", j.StressInputMode, 1, 2},
      {"mean-stress option (second copy)", j.MeanStressOptionCopy, 1, 2},
      {"analysis kind", j.AnalysisKind, 1, 2},
      {"number of simulations", j.SimulationCount, 100, INT32_MAX},
      {"simulation plot", j.McsPlotKind, 0, 1},
      {"life fit", j.LifeFitKind, 1, 3},
      {"random start", j.RandomStart, 0, 1},
      {"neglect the fatigue limit", j.NeglectFatigueLimit, 0, 1},
      {"neglect the fatigue limit (second copy)", j.NeglectFatigueLimitCopy, 0, 1},
      {"simulation option N", j.SimulationOptionN, 0, 1},
      {"fast simulation", j.FastSimulation, 0, 1},
      {"loading distribution", j.Distribution ? j.Distribution->DistributionType : 1, 1, 3},
  };
  for (const Range& r : ranges) CheckRange(r);
  for (int i = 1; i <= kRandomVarMax; ++i) {
    const std::string what = "type of random variable " + std::to_string(i);
    CheckRange({what.c_str(), j.RandomVariables[i].RvType, -1, 5});
  }
}

void CheckNumbers(const JobFile& j) {
  // the S-N box's own rule: the strain units divide by it
  if (!YoungModulusRefusal(j.YoungModulus).empty())
    Refuse("Young's modulus = " + NumberText(j.YoungModulus) + " (expected 10000 or more)");
  // 0 is a level the results view leaves (every simulated life failed:
  // Pf = 1); 1 leaves no failure probability (the reliability measures
  // divide by 1 - R).
  if (!(j.ProbabilityLevel >= 0 && j.ProbabilityLevel < 1)) {
    Refuse("probability level = " + NumberText(j.ProbabilityLevel) + " (expected 0 or more and below 1)");
  }
  // the notch radius box's own rule: the notch sensitivity divides by it
  if (j.NotchRadius && !NotchRadiusRefusal(*j.NotchRadius).empty())
    Refuse("notch radius = " + NumberText(*j.NotchRadius) + " (expected above 0)");
  // the endurance limit as Open takes it, by the S-N box's own rule (the
  // calculation works with the lower end), and for a master curve over it
  // the ends as its boxes keep them
  const JobRange ends = EnduranceLimitEndsOf(j);
  const bool overIt = MasterCurveOverTheEnduranceLimit(j);
  const bool aboveZero = EnduranceLimitRefusal(ends.from, false, 0, 0, 0).empty() &&
                         EnduranceLimitRefusal(ends.to, false, 0, 0, 0).empty();
  if (!aboveZero || (overIt && !(ends.from <= ends.to)))
    Refuse("endurance limit from " + NumberText(ends.from) + " to " + NumberText(ends.to) +
           (overIt ? " (expected above 0, the lower end first)" : " (expected above 0)"));
  const std::string quantity = j.LoadQuantity.substr(0, 6);
  if (quantity != "Stress" && quantity != "Strain") {
    Refuse("loading quantity \"" + j.LoadQuantity + "\" (expected Stress or Strain)");
  }
}

}  // namespace

void CheckJobFile(const JobFile& job) {
  CheckCodes(job);
  CheckNumbers(job);
}
