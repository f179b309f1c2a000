// Procedures not built yet; each is replaced by its real body in the file of
// its command.
#include "material/ui/material_commands.h"

void ShowFatigueDbBatch(FormMain&, int) {}
void cmd_fatigue_Db_OK_Click(FormMain&) {}
void SelectFatigueDbSet(FormMain&, int) {}
void ConfirmAbandonFatigueDbSet(FormMain&, int) {}
