#include "material/fatigue_db_edit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"

void ClearFatigueDbSet(FatigueDatabase& db, int b, int s) {
  db.FdbReference[b][s] = "";
  db.FdbSetName[b][s] = "";
  db.FdbSe[b][s] = 0;
  db.FdbNo[b][s] = 0;
  db.FdbM[b][s] = 0;
  db.FdbR[b][s] = 0;
  db.FdbPn[b][s] = 0;
  db.FdbSy[b][s] = 0;
  db.FdbSu[b][s] = 0;
  db.FdbTestDataName[b][s] = kNoFatigueData;
  if (s <= kFdbMaxSets) {
    db.FdbSeDistType[b][s] = 0;
    db.FdbSeCov[b][s] = 0.1f;
    db.FdbSeParA[b][s] = 0;
    db.FdbSeParB[b][s] = 0;
    db.FdbSeXmin[b][s] = 1;
    db.FdbSeXmax[b][s] = 1;
  }
}

void CopyFatigueDbSet(FatigueDatabase& db, int fb, int fs, int tb, int ts) {
  db.FdbReference[tb][ts] = db.FdbReference[fb][fs];
  db.FdbSetName[tb][ts] = db.FdbSetName[fb][fs];
  db.FdbSe[tb][ts] = db.FdbSe[fb][fs];
  db.FdbNo[tb][ts] = db.FdbNo[fb][fs];
  db.FdbM[tb][ts] = db.FdbM[fb][fs];
  db.FdbR[tb][ts] = db.FdbR[fb][fs];
  db.FdbPn[tb][ts] = db.FdbPn[fb][fs];
  db.FdbSy[tb][ts] = db.FdbSy[fb][fs];
  db.FdbSu[tb][ts] = db.FdbSu[fb][fs];
  db.FdbTestDataName[tb][ts] = db.FdbTestDataName[fb][fs];
  db.FdbSeDistType[tb][ts] = db.FdbSeDistType[fb][fs];
  db.FdbSeCov[tb][ts] = db.FdbSeCov[fb][fs];
  db.FdbSeParA[tb][ts] = db.FdbSeParA[fb][fs];
  db.FdbSeParB[tb][ts] = db.FdbSeParB[fb][fs];
  db.FdbSeXmin[tb][ts] = db.FdbSeXmin[fb][fs];
  db.FdbSeXmax[tb][ts] = db.FdbSeXmax[fb][fs];
}

namespace {
int SetCountOf(const FatigueDatabase& db, int b) {
  return std::clamp(static_cast<int>(std::lround(db.FdbSetCount[b])), 0, kFdbMaxSets);
}
}  // namespace

void RemoveFatigueDbSet(FatigueDatabase& db, int b, int k) {
  const int count = SetCountOf(db, b);
  if (k < 1 || k > kFdbMaxSets) return;
  for (int s = k; s < count; ++s) CopyFatigueDbSet(db, b, s + 1, b, s);
  const int last = std::max(count, k);
  ClearFatigueDbSet(db, b, last);
  if (count >= k) db.FdbSetCount[b] = static_cast<float>(count - 1);
}

void RemoveFatigueDbBatch(FatigueDatabase& db, int16_t& batchCount, int i) {
  if (i < 1 || i > kFdbMaxBatches) return;
  auto clearBatch = [&db](int b) {
    for (int s = 1; s <= kFdbMaxSets; ++s) ClearFatigueDbSet(db, b, s);
    db.FdbBatchName[b] = "";
    db.FdbSetCount[b] = 0;
  };
  if (i > batchCount) {
    clearBatch(i);
    return;
  }
  for (int j = i; j < batchCount; ++j) {
    db.FdbBatchName[j] = db.FdbBatchName[j + 1];
    db.FdbSetCount[j] = db.FdbSetCount[j + 1];
    const int count = SetCountOf(db, j);
    for (int s = 1; s <= kFdbMaxSets; ++s) {
      if (s <= count)
        CopyFatigueDbSet(db, j + 1, s, j, s);
      else
        ClearFatigueDbSet(db, j, s);
    }
  }
  clearBatch(batchCount);
  --batchCount;
}

int MissingFatigueDbValues(const FatigueDatabase& db, int b, int s) {
  return (db.FdbSe[b][s] == 0) + (db.FdbNo[b][s] == 0) + (db.FdbM[b][s] == 0) + (db.FdbSu[b][s] == 0) +
         (db.FdbPn[b][s] == 0) + (db.FdbSy[b][s] == 0);
}

std::string FatigueDbYieldStrengthRefusal(double sy) {
  if (!(sy > 0)) return "(Sy <= 0)";
  if (!(sy >= kFdbLowestSy)) return "(Sy < 10 MPa)";
  return "";
}

std::string FatigueDbCellRefusal(FdbRow row, double v, const FatigueDatabase& db, int b, int s) {
  const double su = db.FdbSu[b][s], sy = db.FdbSy[b][s], se = db.FdbSe[b][s];
  switch (row) {
    case FdbRow::Name:
      return "";
    case FdbRow::Se:
      if (!(v > 0) || (su > 0 && v > su)) return "(Se > Su)";
      return std::isinf(v) ? "(Se too big)" : "";
    case FdbRow::No:
      if (!(v >= 100000)) return " (No < 1e5)";
      // A count of cycles is held in 32 bits.
      if (std::nearbyint(v) > std::numeric_limits<int32_t>::max()) return " (No > 2147483647)";
      return "";
    case FdbRow::M:
      if (!(v > 1)) return " (m < 1) ";
      return std::isinf(v) ? " (m too big) " : "";
    case FdbRow::R:
      return (v >= -1 && v < 1) ? "" : "(|r| > 1)";
    case FdbRow::Pn:
      if (!(v > 0)) return "(Pn < 0)";
      return v < 100 ? "" : "(Pn > 100)";
    case FdbRow::Sy:
      if (const std::string bound = FatigueDbYieldStrengthRefusal(v); !bound.empty()) return bound;
      if (su != 0 && !(v < su)) return "(Sy >= Su)";
      return std::isinf(v) ? "(Sy too big)" : "";
    case FdbRow::Su: {
      const double bound = std::max(se > 0 ? se : 0.0, sy > 0 ? sy : 0.0);
      if (!(v > bound)) return "(Su <= Se)";
      return std::isinf(v) ? "(Su too big)" : "";
    }
  }
  return "";
}

const char* FatigueDbCellTitle(FdbRow row) {
  switch (row) {
    case FdbRow::Se: return " Endurance Limit (Se)";
    case FdbRow::No: return " Endurance Limit Life (No)";
    case FdbRow::M: return " S-N Curve Exponent (m)";
    case FdbRow::R: return " Stress Ratio (r)";
    case FdbRow::Pn: return " Survival Probability (Pn)";
    case FdbRow::Sy: return " Yield Strength (Sy)";
    case FdbRow::Su: return " Ultimate Strength (Su)";
    case FdbRow::Name: break;
  }
  return "";
}

void StoreFatigueDbCell(FdbRow row, double v, FatigueDatabase& db, int b, int s) {
  switch (row) {
    case FdbRow::Se: db.FdbSe[b][s] = Sng(v); break;
    case FdbRow::No: db.FdbNo[b][s] = CLng(v); break;
    case FdbRow::M: db.FdbM[b][s] = Sng(v); break;
    case FdbRow::R: db.FdbR[b][s] = Sng(v); break;
    case FdbRow::Pn: db.FdbPn[b][s] = Sng(v); break;
    case FdbRow::Sy: db.FdbSy[b][s] = Sng(v); break;
    case FdbRow::Su: db.FdbSu[b][s] = Sng(v); break;
    case FdbRow::Name: break;
  }
}

double FatigueDbCellValue(FdbRow row, const FatigueDatabase& db, int b, int s) {
  switch (row) {
    case FdbRow::Se: return db.FdbSe[b][s];
    case FdbRow::No: return db.FdbNo[b][s];
    case FdbRow::M: return db.FdbM[b][s];
    case FdbRow::R: return db.FdbR[b][s];
    case FdbRow::Pn: return db.FdbPn[b][s];
    case FdbRow::Sy: return db.FdbSy[b][s];
    case FdbRow::Su: return db.FdbSu[b][s];
    case FdbRow::Name: break;
  }
  return 0;
}
