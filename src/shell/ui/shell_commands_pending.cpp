// Procedures not built yet; each is replaced by its real body in the file of
// its command.
#include "shell/ui/shell_commands.h"

bool LoadingDataReady(FormMain&) { return false; }
void UpdateStepButtons(FormMain&) {}
void mnu_SI_Click(FormMain&) {}
void mnu_US_Click(FormMain&) {}
