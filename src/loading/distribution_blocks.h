#pragma once

struct ProgramState;

// The conversion of a loading distribution from one law to another goes
// through a work area of blocks (`LoadingDistributionBlocks`): the law
// `DistKindCode` (1 Beta, 2 Weibull, any other value log-normal) with `DistQ`
// and `DistR`, both relative to s = S / Smax, is cut into `DistBlockCount`
// blocks of equal width down to the lowest level `DistLowestLevel`, and the
// law `DistributionType` is fitted to them. The caller sets the count (10)
// and the lowest level (0.1) before each conversion.

// Fills `DistBlockLevel` (block k's upper edge, block 1 at s = 1) and
// `DistBlockWeight` (the density at the block's midpoint, normalised so that
// the weights add up to 1, the last block taking the remainder). Empty
// blocks at the low end are dropped: the count falls and the lowest level
// rises with it, so that (1 - lowest) / (count - 1) stays the block width.
// Fewer than 2 blocks left: the count becomes 0.
void DiscretizeLoadingDistribution(ProgramState& s);

// Sets `DistQ` and `DistR` (relative to s) of the law `DistributionType`
// fitted to the blocks: Weibull by least squares on its exceedance law,
// Beta and log-normal by the mean and variance of the block midpoints.
// False, with `DistQ` and `DistR` as they were, when no fit can be made:
// fewer than 2 blocks, no spread to fit (zero variance, or equal levels on
// the log scale), or a fitted parameter that is not a finite number, not
// above 0 where the law needs it, or beyond what the distribution inputs
// take (R of 100 or more, a Beta's Q of 1000 or more).
bool FitLoadingDistribution(ProgramState& s);
