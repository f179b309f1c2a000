#include "testdata/ui/test_data_services.h"

// The test data diagram does not draw yet: nothing goes on paper.
void DrawTestDataDiagram(FormMain&, Surface&) {}
