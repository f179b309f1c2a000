#include "montecarlo/mcs_run_inputs.h"

#include <string>

#include "montecarlo/mcs_results_messages.h"
#include "montecarlo/random_variate.h"
#include "platform/runtime/sng.h"
#include "program_state.h"
#include "shell/user_messages.h"

namespace {

constexpr int16_t kSlotSe = 1, kSlotK = 2, kSlotKt = 3;

// The names of the drawn slots in the refusal messages.
const char* SlotName(int slot) {
  switch (slot) {
    case kSlotSe: return "the Endurance Limit (Se)";
    case kSlotK: return "the Loading Scaling Factor (k)";
    default: return "the Stress Concentration Factor (Kt)";
  }
}

// Why a drawn slot cannot be drawn; empty when it can.
std::string UndrawableReason(const RandomVariableTable& t, int slot) {
  const int16_t type = t.RvType[slot];
  const std::string name = SlotName(slot);
  if (type < 1 || type > 5) {
    return "Sorry, the distribution of " + name + " is not defined (type code " + std::to_string(type) +
           ")!\rDefine it before the simulation.";
  }
  // The uniform law draws within its bounds; the others need room between them.
  if (type != 5 && !(t.RvXmin[slot] < t.RvXmax[slot])) {
    return "Sorry, the bounds of " + name + " leave no value to draw!\rXmin must be below Xmax.";
  }
  return {};
}

// One drawn multiplier of a nominal value, as Single.
float Drawn(ProgramState& s, int16_t slot, double& seed, float nominal) {
  RandomVariableTable& t = s.randomVariableTable;
  return Sng(GenerateRandomVariate(t, t.RvType[slot], slot, seed) * nominal);
}

}  // namespace

bool DrawsKt(const ProgramState& s) {
  return s.analysisOptions.SNDataSpecimen == sn_data_specimen::kPlain && s.randomVariableTable.RvType[kSlotKt] != 0;
}

bool RefuseUndrawableVariables(const ProgramState& s, Host& host) {
  const RandomVariableTable& t = s.randomVariableTable;
  for (const int slot : {kSlotKt, kSlotSe, kSlotK}) {
    if (t.RvType[slot] == 0 || (slot == kSlotKt && !DrawsKt(s))) continue;
    const std::string reason = UndrawableReason(t, slot);
    if (reason.empty()) continue;
    AlertBox(s.shellState, host, reason, MsgButtons::OKOnly, MsgIcon::Exclamation, 1, kMcsTitle);
    return true;
  }
  return false;
}

McsRunInputs DrawRunInputs(ProgramState& s, bool firstRun) {
  RandomVariableTable& t = s.randomVariableTable;
  McsSettings& mcs = s.mcsSettings;
  const float kt = s.componentData.Kt;
  McsRunInputs in;
  t.CurrentRandomVar = kSlotKt;
  if (s.analysisOptions.SNDataSpecimen == sn_data_specimen::kPlain) {
    if (t.RvType[kSlotKt] == 0 || firstRun) {
      in.specimenNotchFactor = kt;
      if (firstRun && t.RvType[kSlotKt] != 0) ++mcs.NumRandomVars;
    } else {
      in.specimenNotchFactor = Drawn(s, kSlotKt, mcs.SeedKt, kt);
      if (in.specimenNotchFactor < 1.0f) in.specimenNotchFactor = 1.0f;
    }
  }
  mcs.SeNotched = s.materialData.SeFrom / in.specimenNotchFactor;
  t.CurrentRandomVar = kSlotSe;
  if (t.RvType[kSlotSe] == 0 || firstRun) {
    in.notchedEnduranceRange = mcs.SeNotched;
    if (firstRun && t.RvType[kSlotSe] != 0) ++mcs.NumRandomVars;
  } else {
    in.notchedEnduranceRange = Drawn(s, kSlotSe, mcs.SeedSe, mcs.SeNotched);
  }
  t.CurrentRandomVar = kSlotK;
  const float k = s.loadingData.ScalingFactorMean;
  if (t.RvType[kSlotK] == 0 || firstRun) {
    in.scalingFactorApplied = k;
    if (firstRun && t.RvType[kSlotK] != 0) ++mcs.NumRandomVars;
  } else {
    in.scalingFactorApplied = Drawn(s, kSlotK, mcs.SeedK, k);
  }
  return in;
}

void ApplyRunInputs(ProgramState& s, const McsRunInputs& in) {
  s.componentData.SpecimenNotchFactor = in.specimenNotchFactor;
  s.results.NotchedEnduranceRange = in.notchedEnduranceRange;
  s.loadingData.ScalingFactorApplied = in.scalingFactorApplied;
}
