#pragma once

#include <cstdint>

#include "engine/cycle_damage.h"

struct LoadingData;
struct ProgramState;

// The points of the selected batch's history that are counted: its point
// count, within the points held.
int32_t HistoryPointsInUse(const ProgramState& s);

// The history's scaling value of a single case: the scaling factor times the
// applied (in a simulation, the drawn) factor, as Single.
float SingleCaseHistoryScale(const LoadingData& ld);

// The largest and smallest of the counted ranges 1 .. c (0 and 10000 when
// there are none).
void CountedRangeExtremes(const float* ranges, int32_t c, float& largest, float& smallest);

// One point of a stress history's damage calculation: what its cycle loop
// works with, taken from the records (the scaling value HistoryScaleUsed, the
// notched endurance range, the strengths, the notch factor in use, the S-N
// curve and its extension).
struct HistoryPoint {
  CycleRule rule;
  float seN = 0.0f;
  float fR = 1.0f, fM = 1.0f;  // mean-stress factors of the S-N data and of the whole history
  bool lastPoint = true;       // the cycle loop of the last point marks the cycles below the cut-off
  bool belowLimit = false;     // the whole loading lies below the fatigue limit (taken as harmless)
};

// The damage sum of one pass over the cycles, its largest cycle damage, and
// whether any cycle did damage.
struct LoopTotals {
  float damage = 0.0f;
  float largest = 0.0f;
  bool damaged = false;
};

// The totals of a point whose whole loading lies below the fatigue limit:
// the damage 1E-30 (an infinite life), no cycle evaluated.
LoopTotals BelowLimitTotals();

// Sets up a point for the counted cycles ranges / means (1 .. c; the last
// one gives the whole-history mean-stress factor) whose largest range is
// `rangeMax`. False when the last cycle overloads the material (its
// mean-stress factor would not be positive).
bool SetUpHistoryPoint(const ProgramState& s, const float* ranges, const float* means, int32_t c, float rangeMax,
                       bool lastPoint, HistoryPoint& hp);

// The life of one pass from its damage: LifeBlocks = d / D (the infinite life
// when no cycle did damage, also below the limit where D is 1E-30, or when
// the quotient is beyond Single), LifeCycles and InfiniteLifeFlag (cleared
// when a cycle did damage).
void StoreHistoryLife(ProgramState& s, int32_t c, const LoopTotals& t);
