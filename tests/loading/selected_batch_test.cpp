#include "loading/selected_batch.h"

#include <gtest/gtest.h>

#include "program_state.h"

namespace {

TEST(SelectedBatchOf, KeepsTheBatchWithinTheDatabaseRows) {
  struct Case {
    int16_t selected;
    int batch;
    bool inDatabase;
  };
  const Case cases[] = {{0, 0, true}, {7, 7, true}, {20, 20, true}, {21, 20, false}, {-1, 0, false}, {300, 20, false}};
  for (const Case& c : cases) {
    ProgramState s;
    s.loadingDbState.SelectedLoadingBatch = c.selected;
    EXPECT_EQ(SelectedBatchOf(s), c.batch) << c.selected;
    EXPECT_EQ(BatchInRecords(s.loadingDbState.SelectedLoadingBatch), c.inDatabase) << c.selected;
  }
}

}  // namespace
