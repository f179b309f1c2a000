// Procedures not built yet; each is replaced by its real body in the file of
// its command.
#include "shell/ui/shell_commands.h"

void UpdateStepButtons(FormMain&) {}
