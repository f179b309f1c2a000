#include "report/ui/report_services.h"

void PrintSummaryReport(FormMain&) {}
void SaveSummaryReport(FormMain&) {}
void PrintMainScreen(FormMain&) {}
void SaveMainScreenBitmap(FormMain&) {}
