#pragma once

#include <string>

#include "material/fatigue_db_records.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "support/fake_host.h"
#include "support/message_trace.h"

// A fresh program with its main window, driven headless.
struct MaterialUi {
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
  MessagesOnFailure trace{host};

  const FakeHost::Message& LastMessage() const { return host.messages.back(); }
};

// A complete data set in slot (b, s) of the database (stresses in MPa).
struct SetValues {
  std::string name;
  float se, m, r, pn, sy, su;
  int32_t no;
};

inline void PutSet(FatigueDatabase& db, int b, int s, const SetValues& v) {
  db.FdbSetName[b][s] = v.name;
  db.FdbSe[b][s] = v.se;
  db.FdbNo[b][s] = v.no;
  db.FdbM[b][s] = v.m;
  db.FdbR[b][s] = v.r;
  db.FdbPn[b][s] = v.pn;
  db.FdbSy[b][s] = v.sy;
  db.FdbSu[b][s] = v.su;
  db.FdbReference[b][s] = "Ref " + v.name;
  if (db.FdbSetCount[b] < s) db.FdbSetCount[b] = static_cast<float>(s);
}

// Three batches: "Steels" with two sets, "Welds" with one, "Cast" with three.
inline void PutThreeBatches(ProgramState& state) {
  FatigueDatabase& db = state.fatigueDatabase;
  PutSet(db, 1, 1, {"S355", 200, 3.5f, -1, 50, 355, 510, 2000000});
  PutSet(db, 1, 2, {"S235", 160, 4, -1, 97.7f, 235, 360, 500000});
  PutSet(db, 2, 1, {"FAT 90", 45, 3, 0.5f, 97.7f, 300, 500, 2345678});
  PutSet(db, 3, 1, {"GJS400", 140, 5, -1, 50, 250, 400, 10000000});
  PutSet(db, 3, 2, {"GJS600", 170, 5.5f, 0, 50, 370, 600, 10000000});
  PutSet(db, 3, 3, {"GJS700", 180, 6, 0.1f, 90, 420, 700, 10000000});
  db.FdbBatchName[1] = "Steels";
  db.FdbBatchName[2] = "Welds";
  db.FdbBatchName[3] = "Cast";
  db.FdbSeDistType[1][1] = 1;
  db.FdbSeCov[1][1] = 0.08f;
  db.FdbSeXmin[1][1] = 0.5f;
  db.FdbSeXmax[1][1] = 1.5f;
  state.fatigueDbState.FatigueBatchCount = 3;
}
