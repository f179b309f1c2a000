#pragma once

#include <cstdint>
#include <string>

// The short tag of a random variable's distribution as the labels show it
// (UTF-8): "{C}" for a correlated variable (-1), "{–}" for none (0), and for
// the types 1 normal, 2 log-normal, 3 Weibull, 4 exponential, 5 uniform the
// letter N, L, W, E or U followed by the coefficient of variation in per cent,
// rounded to a whole number with halves to even ("{N10}" for 1 and 0.1). Any
// other type gives an empty text.
std::string FormatDistributionTag(int16_t type, float cov);
