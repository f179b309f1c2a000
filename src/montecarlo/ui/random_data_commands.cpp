// The random data file's open and save on the main window. No menu item runs
// them; the procedure is there for a command that keeps a set of
// distributions apart from the job.

#include "montecarlo/random_data_file.h"
#include "montecarlo/ui/montecarlo_services.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kRandomDataTitle = "Random Data";  // chosen

// The second window's common dialog as these commands use it: overwrite
// prompt and no read-only box (flags 6), no file name, no title.
FileDialogRequest RandomDataRequest() {
  FileDialogRequest r;
  r.filter = kRandomDataFilter;
  r.flags = 6;
  return r;
}

void ReportFailure(FormMain& main, const std::string& message) {
  AlertBox(main.state().shellState, main.host(), message, MsgButtons::OKOnly, MsgIcon::Critical, 1,
           kRandomDataTitle);
}

}  // namespace

void OpenSaveRandomData(FormMain& main, int16_t index) {
  ProgramState& s = main.state();
  if (s.shellState.UiState != ui_state::kIdle) return;
  Host& host = main.host();
  std::string message;
  if (index != 0) {
    const std::string path = host.ShowSave(RandomDataRequest());
    if (!path.empty() && !WriteRandomDataFile(s.randomVariableTable, path, message)) ReportFailure(main, message);
    return;
  }
  const std::string path = host.ShowOpen(RandomDataRequest());
  if (path.empty()) return;
  // A file that cannot be read whole leaves the table as it was.
  if (!ReadRandomDataFile(s.randomVariableTable, path, message)) ReportFailure(main, message);
  ShowRandomVariableTags(main);
}
