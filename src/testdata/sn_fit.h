#pragma once

#include "testdata/test_data_records.h"

// Least-squares fit of ln S = a + b ln N over the points 1 .. TestPointCount
// whose flag is positive (the residual sum takes only the flag 1), worked in
// double and stored in single precision at every step. Stores the slope b,
// the residual standard deviation s, the coefficient exp(a + s^2/2) of the
// mean line, the coefficient of variation sqrt(exp(s^2) - 1) (twice) and the
// fitted stress exp(a) x TestRefLife^b.
//
// No line can be fitted through fewer than two used points, through used
// points that all have one life, through a used point whose stress or life is
// not positive, or when a result does not fit a Single: then only
// TestFitCoeff becomes 0 and every other fit field keeps its value.
void FitTestDataSNCurve(TestDataSet& set);
