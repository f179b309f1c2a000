// Counted cycles of a stress history kept for many damage passes, and the
// damage of one pass from the kept powers of the ranges.

#include "engine/counted_cycles.h"

#include <algorithm>
#include <cmath>

#include "engine/rainflow.h"
#include "platform/event_pump.h"
#include "program_state.h"

void CountedCycles::Count(const ProgramState& s, Host& host) {
  EventPump pump(host, 1);
  {
    std::vector<float> stack;
    cycles_ = CountRainflow(s.loadingData.HistoryPoints, HistoryPointsInUse(s), stack, ranges_, means_, pump);
  }
  CountedRangeExtremes(ranges_.data(), cycles_, rangeMax_, rangeMin_);
  m_ = s.materialData.SNExponent;
  mExt_ = s.materialData.SNExtensionExponent;
  KeepPowers(powM_, m_, pump);
  if (mExt_ == m_) {
    powExt_ = powM_;
  } else {
    KeepPowers(powExt_, mExt_, pump);
  }
}

void CountedCycles::KeepPowers(std::vector<double>& powers, double e, EventPump& pump) const {
  constexpr int32_t kStretch = 1 << 16;
  powers.clear();
  GrowInPieces(powers, static_cast<std::size_t>(cycles_) + 1, pump);
  for (int32_t first = 1; first <= cycles_; first += kStretch) {
    if (first > 1) pump.Tick();
    const int32_t last = std::min(cycles_, first + (kStretch - 1));
    for (int32_t j = first; j <= last; ++j) powers[j] = std::pow(static_cast<double>(ranges_[j]), e);
  }
}

bool CountedCycles::SumDamage(const HistoryPoint& hp, double no, Scratch& batch, LoopTotals& t) const {
  if (hp.belowLimit) {
    t = BelowLimitTotals();
    return true;
  }
  const CycleRule& rule = hp.rule;
  // The kept powers serve passes whose mean-stress factor is 1 and whose
  // exponents they were taken for; any other pass takes its powers itself.
  PowerFactors f;
  const bool fromPowers = !rule.accountMean && rule.m == m_ && rule.mExt == mExt_ && PowerFactorsOf(rule, no, f);
  float D = 0.0f, largest = 0.0f;
  bool damaged = false;
  bool overload = false;
  for (int32_t first = 1; first <= cycles_ && !overload; first += kCycleBatch) {
    const int count = static_cast<int>(std::min<int32_t>(kCycleBatch, cycles_ - first + 1));
    const float* ranges = ranges_.data() + first;
    DecideCycleBatch(rule, ranges, means_.data() + first, count, batch.base, batch.e, batch.verdict);
    if (fromPowers) {
      InverseLivesFromPowers(f, batch.base, batch.e, ranges, powM_.data() + first, powExt_.data() + first, batch.t,
                             count);
    } else {
      ApproxInverseLives(batch.base, batch.e, no, batch.t, count);
    }
    overload = SumCycleBatch(batch, count, no, D, largest, damaged, [](int, uint8_t, float) {}) < count;
  }
  t.damage = D;
  t.largest = largest;
  t.damaged = damaged;
  return !overload;
}
