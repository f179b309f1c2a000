#pragma once

#include <cstdint>

#include "montecarlo/random_variables.h"

// Parameters A and B of a random multiplier of mean 1 with the coefficient of
// variation `cov`, into panel.PanelParA and PanelParB: normal and uniform
// (1, cov); log-normal (-cov^2/2, sqrt(ln(1 + cov^2))); exponential
// (1 - 1/B, 1/cov); Weibull (1/Gamma(1 + 1/B), the shape B found by
// iteration); none and correlated (1, 0). A COV of 0 gives B = 0 and A = 1 for
// the Weibull and exponential types instead of a division by zero.
void CalcDistributionParams(RandomVariablePanel& panel, int16_t distType, float cov);

// The x range of the density plot of that variable from panel.PanelParA and
// PanelParB, into PanelXmin and PanelXmax: four standard deviations either
// side (the uniform: its support), a lower end below 0 taken as 0.01 and an
// upper end above 3 taken as 3.
void CalcDistributionPlotRange(RandomVariablePanel& panel, int16_t distType);
