#include "diagrams/ui/diagram_services.h"

void DrawSNCurve(FormMain&, Surface&) {}
