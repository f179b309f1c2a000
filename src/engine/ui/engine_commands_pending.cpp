// Procedures not built yet; each is replaced by its real body in the file of
// its command.
#include "engine/ui/engine_commands.h"

void mnu_target_Click(FormMain&) {}
void ApplyAnalysisOptions(FormMain&) {}
void mnu_calculate_Click(FormMain&) {}
void ShowFatigueLife(FormMain&, int) {}
void DTFf_Click(FormMain&) {}
