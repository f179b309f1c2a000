#include "montecarlo/fatigue_set_variable.h"

#include "material/fatigue_db_records.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

FatigueSetRef FatigueSetOf(const ProgramState& s, bool browseOption) {
  const FatigueDbState& st = s.fatigueDbState;
  FatigueSetRef ref;
  ref.batch = st.CurrentFatigueBatch;
  ref.column = browseOption ? st.CurrentFatigueSet : st.MarkedFatigueSet;
  ref.set = ref.column + 1;
  ref.valid = ref.batch >= 0 && ref.batch <= kFdbMaxBatches && ref.column >= 0 && ref.column < kFdbMaxSets;
  return ref;
}

int16_t FatigueSetDistType(const ProgramState& s, const FatigueSetRef& set) {
  int16_t type = 0;
  if (set.valid) TryCInt(s.fatigueDatabase.FdbSeDistType[set.batch][set.set], type);
  return type;
}

bool FatigueSetWithoutTestData(const ProgramState& s, const FatigueSetRef& set) {
  return set.valid && s.fatigueDatabase.FdbTestDataName[set.batch][set.set] == kNoFatigueData;
}

bool CopyFatigueSetVariableIn(ProgramState& s, const FatigueSetRef& set, float yieldStrength) {
  if (!set.valid) return false;
  const int16_t type = FatigueSetDistType(s, set);
  if (type <= 0 && !(yieldStrength > 0.0f)) return false;
  const FatigueDatabase& db = s.fatigueDatabase;
  RandomVariableTable& t = s.randomVariableTable;
  const int b = set.batch, j = set.set;
  t.RvType[kFatigueSetSlot] = type;
  t.RvCov[kFatigueSetSlot] = type > 0 ? db.FdbSeCov[b][j] : 0.1f;
  t.RvParA[kFatigueSetSlot] = db.FdbSeParA[b][j];
  t.RvParB[kFatigueSetSlot] = db.FdbSeParB[b][j];
  t.RvXmin[kFatigueSetSlot] = db.FdbSeXmin[b][j];
  t.RvXmax[kFatigueSetSlot] = db.FdbSeXmax[b][j];
  return true;
}

void CopyFatigueSetVariableBack(ProgramState& s, const FatigueSetRef& set, int16_t slot) {
  if (!set.valid || slot < 0 || slot > kRandomVarMax) return;
  FatigueDatabase& db = s.fatigueDatabase;
  const RandomVariableTable& t = s.randomVariableTable;
  const int b = set.batch, j = set.set;
  db.FdbSeDistType[b][j] = t.RvType[slot];
  db.FdbSeCov[b][j] = t.RvCov[slot];
  db.FdbSeParA[b][j] = t.RvParA[slot];
  db.FdbSeParB[b][j] = t.RvParB[slot];
  db.FdbSeXmin[b][j] = t.RvXmin[slot];
  db.FdbSeXmax[b][j] = t.RvXmax[slot];
  s.fatigueDbState.FatigueDbModified = 1;
}

bool SeVariableEditable(const ProgramState& s, const FatigueSetRef& set, bool browserShown, bool editOption) {
  if (browserShown) return editOption && FatigueSetWithoutTestData(s, set);
  return !(FatigueSetDistType(s, set) > 0 && s.materialData.MaterialSource == 1);
}
