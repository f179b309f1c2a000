#pragma once

// Simulation jobs for the tests and the benchmark: a random variable set as
// the random-variable dialog sets it, and the lives of a simulation's runs
// with one damage calculation each (the history counted again every run),
// the reference that the simulation's own runs are held to.

#include <cstdint>
#include <vector>

#include "engine/damage.h"
#include "montecarlo/mcs_run_inputs.h"
#include "montecarlo/mcs_simulation.h"
#include "montecarlo/random_math.h"
#include "platform/host.h"
#include "program_state.h"

// Slot `slot` of the table: `type` with coefficient of variation `cov`, its
// parameters, and the bounds xmin .. xmax.
inline void SetRandomVariable(RandomVariableTable& t, int slot, int16_t type, float cov, float xmin = 0.5f,
                              float xmax = 2.0f) {
  RandomVariablePanel p;
  CalcDistributionParams(p, type, cov);
  t.RvType[slot] = type;
  t.RvCov[slot] = cov;
  t.RvParA[slot] = p.PanelParA;
  t.RvParB[slot] = p.PanelParB;
  t.RvXmin[slot] = xmin;
  t.RvXmax[slot] = xmax;
}

// The lives of the first `runs` runs of the job's simulation (drawn as the
// simulation draws them), each from one damage calculation; they end before
// a run whose calculation stops. The first is the deterministic life.
inline std::vector<float> OneCalculationPerRun(ProgramState s, Host& host, int32_t runs) {
  s.mcsSettings.SimulationCount = runs;
  PrepareSimulationRuns(s);
  std::vector<float> lives;
  for (int32_t i = 0; i < runs; ++i) {
    ApplyRunInputs(s, DrawRunInputs(s, i == 0));
    CalcDamage(s, host);
    if (s.results.CalcAborted == 1) break;
    lives.push_back(i == 0 ? s.mcsResults.DeterministicLife : s.results.LifeBlocks);
    ++s.mcsSettings.SimulationsDone;
  }
  return lives;
}
