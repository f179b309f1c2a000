#pragma once

// What the roads through the loading inputs start from: a history batch as
// the loading database's selection leaves it, and a saved job whose
// distribution no box would take, with what Calculate says of it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "loading/ui/loading_frames_panel.h"
#include "program_state.h"
#include "shell/job_file.h"
#include "support/fake_host.h"

// Batch 3, the last of the database, "Axle": a history of `points` taken into
// the job and its file read (the points stand between the history's zero
// ends; the diagram's start flag cleared).
inline void PutSelectedHistory(ProgramState& s, const std::vector<float>& points) {
  constexpr int kBatch = 3;
  const auto n = static_cast<int32_t>(points.size());
  LoadingDatabase& db = s.loadingDatabase;
  db.BatchPointCount[kBatch] = n;
  db.BatchHistoryMax[kBatch] = *std::max_element(points.begin(), points.end());
  db.BatchHistoryMin[kBatch] = *std::min_element(points.begin(), points.end());
  db.BatchName[kBatch] = "Axle";
  s.loadingDbState.LoadingBatchCount = kBatch;
  s.loadingDbState.SelectedLoadingBatch = kBatch;
  s.loadingDbState.LoadingSource = 1;
  LoadingData& ld = s.loadingData;
  ld.HistoryPoints.assign(points.size() + 2, 0.0f);
  std::copy(points.begin(), points.end(), ld.HistoryPoints.begin() + 1);
  ld.SelectedHistoryLength = n;
  ld.LoadedHistoryLength = n;
  ld.HistoryStartFlag = 0;
  s.jobTexts.LoadingName = "Axle";
}

// Saves a job whose distribution parameters no box would take (a loading
// kept as typed in after its batch, Q = R = 0); it opens as constant
// amplitude.
inline void SaveJobWithoutDistribution(const std::string& path) {
  ProgramState kept;
  kept.loadingData.DistQInput = 0;
  kept.loadingData.DistRInput = 0;
  FakeHost quiet;
  ASSERT_TRUE(SaveJobFile(path, kept, quiet)) << quiet.Transcript();
}

// What Calculate says of each such parameter of a distribution (text and
// title), the box it opens for typing, and a value the box takes.
struct DistributionRefusal {
  TextBox& box;
  const char* text;
  const char* title;
  const char* typed;
};
inline std::array<DistributionRefusal, 2> DistributionRefusals(LoadingFramesPanel& lf) {
  return {{{lf.DTt(0), "Sorry, Data Incorrect! (Q< 0)", " Distribution Parameter (Q)", "2"},
           {lf.DTt(1), "Sorry, Data Incorrect! (R< 0)", " Distribution Parameter (R)", "5"}}};
}
