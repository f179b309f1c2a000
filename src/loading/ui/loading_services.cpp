#include "loading/ui/loading_services.h"

void ReadLoadingDatabase(FormMain&) {}
void DrawSpectrumDiagram(FormMain&, Surface&, int) {}
void DrawHistoryDiagram(FormMain&, Surface&, int) {}
void DrawDistributionDiagram(FormMain&, Surface&, int) {}
