#include "montecarlo/ui/mcs_print_services.h"

// The results view does not draw yet: nothing goes on paper.
void DrawMCSResultsDiagram(FormMain&, Surface&, Surface&) {}
