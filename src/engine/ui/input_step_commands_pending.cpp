// Procedures not built yet; each is replaced by its real body in the file of
// its command.
#include "engine/ui/input_step_commands.h"

void mnu_calculations_Click(FormMain&) {}
void mnu_loading_Click(FormMain&) {}
void mnu_fatigue_Click(FormMain&) {}
