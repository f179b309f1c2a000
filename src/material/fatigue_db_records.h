#pragma once

#include <array>
#include <cstdint>
#include <string>

// The fatigue (material) database: up to 20 batches of up to 6 S-N data sets,
// held in parallel fixed arrays. Batch index i runs 1..20 and set index j
// runs 1..6; index 0 (and set indices 7..10 of the wider arrays) are never
// used. Stresses are in MPa whatever unit the screen shows.

inline constexpr int kFdbMaxBatches = 20;
inline constexpr int kFdbMaxSets = 6;

// Text of a set without linked fatigue test data.
inline constexpr const char* kNoFatigueData = "No fatigue data";

// The lowest yield strength (MPa) a set keeps in the file: one below it
// reads back as 0.6 x Su, so that files without a yield strength get one.
inline constexpr float kFdbLowestSy = 10.0f;

template <typename T>
using FdbPerBatch = std::array<T, kFdbMaxBatches + 1>;  // 0..20
template <typename T>
using FdbPerSet = std::array<std::array<T, 11>, kFdbMaxBatches + 1>;  // (0..20, 0..10)
template <typename T>
using FdbPerSetRv = std::array<std::array<T, kFdbMaxSets + 1>, kFdbMaxBatches + 1>;  // (0..20, 0..6)

// Fills every element of a per-set array with one value.
template <typename Outer, typename T>
Outer FdbFilled(const T& value) {
  Outer out;
  for (auto& row : out) row.fill(value);
  return out;
}

struct FatigueDatabase {
  // Per batch.
  FdbPerBatch<float> FdbSetCount{};                            // 0..6 sets; 0 = empty batch
  std::array<std::string, kFdbMaxBatches + 2> FdbBatchName{};  // 0..21

  // Per data set (batch, set).
  FdbPerSet<std::string> FdbSetName{};  // "" marks an empty slot
  FdbPerSet<float> FdbSe{};             // endurance limit, amplitude, MPa
  FdbPerSet<int32_t> FdbNo{};           // life at the endurance limit, cycles
  FdbPerSet<float> FdbM{};              // S-N exponent
  FdbPerSet<float> FdbPn{};             // survival probability, %
  FdbPerSet<float> FdbR{};              // stress ratio
  FdbPerSet<float> FdbSu{};             // ultimate strength, MPa
  FdbPerSet<float> FdbSy{};             // yield strength, MPa
  FdbPerSet<std::string> FdbReference{};  // description and reference; lines joined by CR
  FdbPerSet<std::string> FdbTestDataName =
      FdbFilled<FdbPerSet<std::string>>(std::string(kNoFatigueData));

  // The endurance limit's random variable, per (batch, set 0..6).
  FdbPerSetRv<float> FdbSeDistType{};
  FdbPerSetRv<float> FdbSeCov = FdbFilled<FdbPerSetRv<float>>(0.1f);
  FdbPerSetRv<float> FdbSeParA{};
  FdbPerSetRv<float> FdbSeParB{};
  FdbPerSetRv<float> FdbSeXmin{};
  FdbPerSetRv<float> FdbSeXmax{};

  bool operator==(const FatigueDatabase&) const = default;
};

// Browsing and editing state of the fatigue database, with the fields of the
// data-service dialog.
struct FatigueDbState {
  int16_t DataServiceMode = 1;  // 1 loading database, 2 fatigue database
  // The folders of the job, (1) loading and (2) fatigue database (index 0
  // unused): those a job opened names, or those of the databases read,
  // edited, saved or taken from since. The job file keeps them, and the data
  // services open on them.
  std::array<std::string, 3> DataDirectory{};
  std::string DatabaseDir;  // the folder the data services show: the reader and writer use it
  // The folder the fatigue database in memory was read from, saved to or
  // made in; a job opened does not change it.
  std::string FatigueDbOwnFolder;
  bool DbEditStarted = false;                  // the Edit action has opened the editor in this run

  int16_t FatigueBatchCount = 0;     // 0..20; 0 = no database
  int16_t CurrentFatigueBatch = 0;   // batch on show in the browser
  int16_t MarkedFatigueSet = -1;     // marked 0-based column; -1 = none (chosen start value)
  int16_t CurrentFatigueSet = 0;     // column last picked in the grid
  int16_t CurrentSetBatch = 0;       // batch in which CurrentFatigueSet was picked
  int16_t UsedFatigueSet = 0;        // column of the set in use by the analysis
  int16_t UsedFatigueBatch = 0;      // batch in use by the analysis; 0 = none
  int16_t ShownBatchSetCount = 0;    // sets of the batch on show
  int16_t FatigueDbModified = 0;     // 1 = changed since last read or written
  int16_t OverwriteConfirmed = 0;    // 1 = replacing "duvak.dat" in FatigueDbOwnFolder needs no question

  bool operator==(const FatigueDbState&) const = default;
};

// The table editor's state.
struct FatigueDbEditState {
  int16_t NewSetAnswer = 0;   // 7 stay, 0 go on, -1 after a refused cell
  int16_t CellPairCheck = 0;  // focus counter of the yield and ultimate strength cells
  std::string CellOldText;    // text of the cell clicked last

  bool operator==(const FatigueDbEditState&) const = default;
};
