#include "montecarlo/ui/mcs_print_services.h"

// The random-variable panel does not draw yet: nothing goes on paper.
void DrawProbabilityDensity(FormMain&, Surface&, int16_t, float, float) {}
