#pragma once

#include "program_state.h"
#include "shell/ui/form_main.h"
#include "support/fake_host.h"
#include "support/message_trace.h"

// A fresh program with its main window, driven headless.
struct DiagramUi {
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
  MessagesOnFailure trace{host};
};

// A block spectrum of three levels as the loading database's batch 1 (the
// levels at 1, 0.8 and 0.6 of the range, 10, 100 and 1000 cycles a block)
// and the job's loading as the batch selection would leave it. The loading
// inputs are not part of these tests, so the records are set directly.
inline void PutSpectrumBatch(ProgramState& s) {
  LoadingDatabase& db = s.loadingDatabase;
  const float stress[] = {200, 160, 120}, cycles[] = {10, 100, 1000};
  db.BatchLevelCount[1] = 3;
  db.BatchBlockCycles[1] = 1110;
  db.BatchUpper[1] = 200;
  db.BatchLower[1] = 120;
  LoadingData& ld = s.loadingData;
  for (int k = 1; k <= 3; ++k) {
    db.BatchLevelStress[1][k] = stress[k - 1];
    db.BatchLevelCycles[1][k] = cycles[k - 1];
    ld.LevelStress[k] = stress[k - 1];
    ld.LevelCycles[k] = cycles[k - 1];
  }
  ld.SpectrumLevelCount = 3;
  ld.LevelCount = 3;
  ld.StressRange = 200;
  ld.StressRangeTo = 200;
  ld.StressRangeFrom = 200;
  s.loadingDbState.SelectedLoadingBatch = 1;
  s.loadingDbState.LoadingSource = 1;
  s.loadingDbState.LoadingBatchCount = 1;
  s.jobTexts.LoadingName = "Crane";
}

// The damages of that spectrum as a calculation would leave them.
inline void PutSpectrumDamage(ProgramState& s) {
  s.analysisOptions.LoadingType = 2;
  s.results.LevelDamage = {0, 4e-4f, 1e-30f, 2e-4f};
  s.results.MaxLevelDamage = 4e-4f;
  s.results.TotalDamage = 6e-4f;
}
