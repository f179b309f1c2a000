#pragma once

#include "real_input/real_user.h"

class OptionButton;

namespace real_input {

// From the problem definition to the loading database's browser: the
// loading type chosen, Next, and the database of the current folder read
// and browsed (batch 1 on show).
void BrowseTheLoadingDatabase(RealProgram& p, OptionButton& loadingType);

// The block spectrum of the roads' three batches (batch 2, "Gust spectrum",
// of ldb_fixture::PutThreeBatches) taken for a spectrum loading, and the
// input view reached by the data services' Next.
void TakeTheGustSpectrum(RealProgram& p);

}  // namespace real_input
