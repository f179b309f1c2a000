#pragma once

// The Gamma function by Stirling's series taken at x + 2 and brought back by
// 1 / (x (x + 1)), with the program's own second coefficient 1/463:
// Gamma(1) = 0.99995, Gamma(3) = 1.99994, Gamma(0.5) = 1.77239.
// Defined for x above 0; any other x gives NaN.
double CalcGamma(float x);
