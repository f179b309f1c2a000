#include "diagrams/ui/diagram_services.h"

void DrawSNCurve(FormMain&, Surface&) {}
void DrawDamageDiagram(FormMain&, Surface&) {}
void DrawMasterCurve(FormMain&, Surface&, Surface&) {}
void RedrawDiagrams(FormMain&) {}
