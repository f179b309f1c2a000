#pragma once

// Single precision: the program holds stresses, factors, damages and lives as
// 32-bit floats and evaluates powers and logarithms in double. Sng marks the
// points where a double result is stored as a Single.
inline float Sng(double x) { return static_cast<float>(x); }
