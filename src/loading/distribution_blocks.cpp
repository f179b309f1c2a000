#include "loading/distribution_blocks.h"

// The loading inputs will fill these in: until then no block is cut and no
// fit is made, so a change of law keeps the parameters as they were.
void DiscretizeLoadingDistribution(ProgramState&) {}
bool FitLoadingDistribution(ProgramState&) { return false; }
