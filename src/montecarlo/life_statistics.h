#pragma once

#include <cstdint>

class Host;
struct McsResults;
struct ProgramState;

// What the class histogram of the lower tail gives besides the records.
struct LifeStatistics {
  float maxCount = 0.0f;     // the largest class count
  int16_t classCount = 0;    // the number of classes (15 .. 30)
  int32_t total = 0;         // the lives counted in the classes
  float classWidth = 0.0f;
  float meanLife = 0.0f;     // the mean of the positive tail lives
};

// The statistics of the tail lives 1 .. TailLifeCount (ReadMCSResults selects
// them): the class histogram from SampleMax down (ClassMid, ClassCount,
// ClassSurvival, TailFraction) and the law of LifeFitKind in x = T / SampleMax
// (LifeFitPar1, LifeFitPar2): 1 no fit, a Beta law by the moments of the
// classes; 2 log-normal, the mean and deviation of ln x; 3 Weibull, least
// squares on probability paper, scale LifeFitPar1 and shape LifeFitPar2 of
// F(x) = 1 - exp(-(x / scale)^shape). A tail without spread shows
// "Deterministic Fatigue Life!" with the life in cycles and sets
// ResultsReadStatus to -3 (the parameters are then 0).
LifeStatistics CalcLifeStatistics(ProgramState& s, Host& host);

// How well the current law fits the tail below meanLife: the sum of (o - e)^2
// / e over the classes (log-normal; n classes) or the tail lives (n lives),
// with e the fitted density scaled to the tail. Terms whose e is 0 add
// nothing; 0 when the densities sum to 0.
float CalcFitResidual(ProgramState& s, int32_t n, float meanLife);

// Moves LowerTailLife to the tail that the current law fits best: from the
// largest finite life down in tenths, then hundredths, while the residual
// falls. A law whose densities sum to 0 over the tail ends the search where
// it stands.
void FitLowerTail(ProgramState& s, Host& host);

// With ReliabilityInputMode 0 the life at the probability level,
// LifeAtReliability ("Tr"), from the probability level; with 1 the
// probability level from LifeAtReliability. The mode becomes 0 when
// LifeAtReliability is 0.
void CalcReliabilityMeasures(ProgramState& s);

// The density of the fitted law (kind LifeFitKind, parameters LifeFitPar1
// and LifeFitPar2) at the normalised life t = T / SampleMax.
double FittedDensity(const McsResults& r, float t);

// Its area over 0 .. 1: the trapezoid rule in steps of 1E-04, the density at
// 0 taken as 0, summed as Single.
float FittedDensityArea(const McsResults& r);

// The standard-normal quantile of p by interpolation in the program's table
// of 51 rows (0.0001 .. 0.99999); p outside the table takes its end rows.
float CalcNormalQuantile(float p);

// The scatter factor: ReferenceLife / LifeAtReliability, 0 when that life is
// not above 0.
float ScatterFactor(const McsResults& r);
