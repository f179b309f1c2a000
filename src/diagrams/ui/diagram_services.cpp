#include "diagrams/ui/diagram_services.h"

void DrawDamageDiagram(FormMain&, Surface&) {}
void DrawMasterCurve(FormMain&, Surface&, Surface&) {}
void RedrawDiagrams(FormMain&) {}
