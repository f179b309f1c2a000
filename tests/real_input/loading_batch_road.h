#pragma once

#include "real_input/real_user.h"

class OptionButton;

namespace real_input {

// From the problem definition to the loading database's browser: the
// loading type chosen, Next, and the database of the current folder read
// and browsed (batch 1 on show).
void BrowseTheLoadingDatabase(RealProgram& p, OptionButton& loadingType);

// The loading database of the folder the data services show read and
// browsed (batch 1 on show).
void ReadAndBrowseTheLoadingDatabase(RealProgram& p);

// Batch `batch` of the browser taken by its Select (after Next from batch
// 1), and the input view reached: by the data services' Next where they are
// still on show.
void TakeTheBrowsedBatch(RealProgram& p, int batch);

// The block spectrum of the roads' three batches (batch 2, "Gust spectrum",
// of ldb_fixture::PutThreeBatches) taken for a spectrum loading, and the
// input view reached by the data services' Next.
void TakeTheGustSpectrum(RealProgram& p);

}  // namespace real_input
