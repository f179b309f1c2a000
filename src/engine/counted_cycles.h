#pragma once

#include <cstdint>
#include <vector>

#include "engine/history_point.h"

class EventPump;
class Host;
struct ProgramState;

// The counted cycles of the selected stress history, kept as counted over
// many passes that differ only in the scaling value, the endurance limit and
// the notch factor (the runs of a simulation). A pass gives exactly the
// damage of the history's own cycle loop over a fresh counting: the Single
// damage of every cycle, summed as a Single in counting order. Per cycle the
// powers of its range for the two S-N exponents are kept, so that with the
// mean stress neglected a pass costs a few operations per cycle.
//
// Passes never change what was counted (the cut-off of a cycle below Se' is
// a verdict of its pass): any number of threads may sum passes at once, each
// with its own scratch.
class CountedCycles {
 public:
  // Counts the selected batch's history of the records and keeps the powers
  // for the records' S-N exponents m and m'. A long history lets pending
  // events through while it is counted (Host::DoEvents, at most every few
  // milliseconds).
  void Count(const ProgramState& s, Host& host);

  int32_t Cycles() const { return cycles_; }
  const float* Ranges() const { return ranges_.data(); }  // 1 .. Cycles()
  const float* Means() const { return means_.data(); }
  float RangeMax() const { return rangeMax_; }
  float RangeMin() const { return rangeMin_; }

  // Working room of one pass (one per thread, reused pass after pass).
  using Scratch = CycleBatch;

  // The damage of one pass of `hp` over the cycles (a point below the fatigue
  // limit takes no cycle: BelowLimitTotals); false when a cycle overloads the
  // material (t then holds the cycles before it).
  bool SumDamage(const HistoryPoint& hp, double enduranceCycles, Scratch& scratch, LoopTotals& t) const;

 private:
  int32_t cycles_ = 0;
  std::vector<float> ranges_, means_;
  // Keeps range^e of every cycle in `powers`.
  void KeepPowers(std::vector<double>& powers, double e, EventPump& pump) const;

  float rangeMax_ = 0.0f, rangeMin_ = 0.0f;
  double m_ = 0.0, mExt_ = 0.0;
  std::vector<double> powM_, powExt_;  // range^m, range^m' per cycle (1 .. Cycles())
};
