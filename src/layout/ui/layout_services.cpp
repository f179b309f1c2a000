#include "layout/ui/layout_services.h"

void LayoutDataBoxLabels(FormMain&) {}
void LayoutCommandButtons(FormMain&) {}
void LayoutOptionControls(FormMain&) {}
void LayoutDataEntryControls(FormMain&) {}
void ScaleFrameFonts(FormMain&) {}
void LayoutShowForm(FormShow&) {}
