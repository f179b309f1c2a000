#pragma once

struct LoadingData;

// The maximum and minimum stress of a stress pair given by a range and the
// input mode (1 range and minimum, 2 amplitude and mean): maximum = range /
// mode + minimum-or-mean, minimum = range / mode x (1 - mode) +
// minimum-or-mean, exchanged so that the maximum is not below the minimum.

// The pair of the loading in use, from StressRange and StressMinOrMean:
// SpectrumSmax and SpectrumSmin, and their copies LoadSmax and LoadSmin.
void DeriveStressPair(LoadingData& loading);

// The pair of a loading typed without batch levels, from StressRangeTo and
// StressMinOrMeanInput: SpectrumSmax and SpectrumSmin only.
void DeriveTypedStressPair(LoadingData& loading);
