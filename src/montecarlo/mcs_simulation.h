#pragma once

#include <cstdint>
#include <string>

class Host;
struct ProgramState;

// What the simulation shows on controls while it runs. Every call comes on
// the calling thread, in run order.
class McsProgress {
 public:
  virtual ~McsProgress() = default;
  // The first (deterministic) run has its life: LifeByUnit and LifeUnitLabel
  // hold the reference life (unless InfiniteLifeFlag is 1); time to draw the
  // damage diagram and show the reference life.
  virtual void FirstRunDone() {}
  // At each progress tick, just before Host::DoEvents shows it: the runs
  // still to go.
  virtual void ShowRunsToGo(int32_t /*toGo*/) {}
  // The runs are over (all done, braked or stopped) and the work file is
  // written; the lives are not read back yet: time to show the number of
  // simulations again and to hide the simulation options.
  virtual void RunsEnded() {}
  // The captions of the job summary's notch-factor label ("Stress Conc.
  // Factor:  Kt = " or "Notch Factor:         Kf = ") and of its label of the
  // mean-stress notch factor ("Kt = " or "Kf = "), which the results file
  // keeps.
  virtual std::string NotchFactorCaption() { return "Stress Conc. Factor:  Kt = "; }
  virtual std::string MeanStressNotchCaption() { return "Kt = "; }
};

enum class McsOutcome {
  Completed,          // every run done and the lives read back: the results view shows them (without
                      // statistics when ResultsReadStatus is negative: a lower tail without spread)
  NoResult,           // every run done, but the lives read back give no result (the reader has said why)
  Braked,             // "&Brake": the lives of the runs before it are in the work file
  Aborted,            // the damage calculation or the work file stopped the simulation
  NoRandomVariables,  // no random input: the work file holds the header only
  Refused,            // not a probabilistic job, or a random variable that cannot be drawn
};

// The Monte Carlo simulation of the job: resets the results state, seeds the
// three streams, writes the work file WorkDir + "zp1pl.res" (header, one life
// per run, the reference life), runs the first run with the nominal inputs
// and every further run with drawn inputs (one damage calculation per run, or
// over a stress history the counted cycles summed on every core), keeps the
// window responsive (Host::DoEvents and the countdown every progress step)
// and stops at "&Brake" (McsSettings::BrakeRequested, set while events are
// processed). When the runs end, braked or not, the working values of the
// damage calculation go back to those of the first run (FirstRunValues), so
// that the records hold the job's inputs and its deterministic result. After
// a complete run it reads the lives back (ReadMCSResults)
// and, when they are usable, computes their statistics. The panel state is
// idle again at the end whatever the outcome.
McsOutcome RunMonteCarloCore(ProgramState& s, Host& host, McsProgress& progress);

// What a simulation sets before its first run: the option tags matched to
// the options (MatchSimulationTags), the results state reset (no
// fit, no lower tail, the required reliability for SimulationCount runs),
// the seeds of the three streams (moved by the clock for a random start) with
// the antithetic memory cleared, the run counters, and the loading's extremes
// and cycles per block that the results file keeps.
void PrepareSimulationRuns(ProgramState& s);

// The required reliability of a simulation of `simulations` runs: 0.999, or
// 1 - 1 / simulations when that is smaller (fewer than 1000 runs).
double SimulationProbabilityLevel(int32_t simulations);

// The runs between two progress ticks: 10, or SimulationsTarget / 1000 for
// more than 2000 runs of the faster kinds (the fast simulation algorithm, or
// a loading other than a stress history).
int32_t ProgressStep(const ProgramState& s);

// The caption of the result label after the first run: "Reference Life   To =
// " with the life in the life unit (mask "0.0###E+##") and its unit label, or
// "Reference Life   To = Infinite...".
std::string ReferenceLifeCaption(const ProgramState& s);
