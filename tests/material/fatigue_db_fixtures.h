#pragma once

#include <string>

#include "material/fatigue_db_records.h"

// Small databases and their file texts, built by hand from the file layout.
namespace fdb_fixture {

// One batch "Steels" with two sets: a welded detail with a two-line reference
// and a distributed endurance limit, and a set with empty reference and
// test-data name (saved with the texts the file stores for them).
FatigueDatabase TwoSetBatch();
// The file text of TwoSetBatch() (version -2), byte for byte.
std::string TwoSetBatchText();

// Three batches: TwoSetBatch's batch, an empty batch with an empty name, and
// a full batch of six sets whose last set is linked to fatigue test data and
// whose fourth set's name holds characters beyond ASCII.
FatigueDatabase ThreeBatches();

// The version marker line: -2, then the batch count in the second print zone.
std::string VersionLine(int batchCount);

}  // namespace fdb_fixture
