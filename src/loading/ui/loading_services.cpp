#include "loading/ui/loading_services.h"

#include "loading/loading_db_file.h"
#include "material/ui/data_service_panel.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"

void ReadLoadingDatabase(FormMain& main) {
  ProgramState& s = main.state();
  const bool selected = s.loadingDbState.SelectedLoadingBatch > 0;
  ReadLoadingDatabase(s, main.host());
  if (!selected) return;  // the read has given up the selection
  DisableControl(main.menus().mnu_Run);
  DisableControl(main.dataService().cmd_data_next);
}
