#pragma once

struct ProgramState;

// The conversion of a loading distribution from one law to another goes
// through a work area of blocks (`LoadingDistributionBlocks`): the law
// `DistKindCode` with `DistQ` and `DistR` is cut into `DistBlockCount`
// blocks from the lowest normalised level `DistLowestLevel` on, and the law
// `DistributionType` is fitted to them.

// Fills `DistBlockLevel` and `DistBlockWeight` from the law being converted.
void DiscretizeLoadingDistribution(ProgramState& s);
// Sets `DistQ` and `DistR` of the law `DistributionType` fitted to the
// blocks; false when no fit was made (`DistQ` and `DistR` as they were).
bool FitLoadingDistribution(ProgramState& s);
