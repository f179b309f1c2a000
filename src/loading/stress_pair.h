#pragma once

struct LoadingData;

// The stress pair of a loading typed without batch levels: SpectrumSmax =
// StressRangeTo / StressInputMode + StressMinOrMeanInput and SpectrumSmin =
// StressRangeTo / StressInputMode x (1 - StressInputMode) +
// StressMinOrMeanInput (range and minimum, or amplitude and mean),
// exchanged so that the maximum is not below the minimum.
void DeriveTypedStressPair(LoadingData& loading);
