#include "shell/ui/main_window_tables.h"

#include "component/ui/data_box_controls.h"
#include "diagrams/ui/result_frames_controls.h"
#include "engine/ui/problem_definition_controls.h"
#include "loading/ui/loading_controls.h"
#include "material/ui/material_controls.h"
#include "montecarlo/ui/mcs_options_controls.h"
#include "shell/ui/shell_controls.h"

std::vector<std::span<const ControlDef>> MainWindowTables() {
  // The diagram frames first (they lie under the working frames), then the
  // working frames, which cover them when open.
  return {TitleLabelControls(),    DataBoxControls(),     SnFrameControls(),       LoadingFrameControls(),
          ResultFrameControls(),   ProblemDefinitionControls(), DataServiceControls(), LoadingDbControls(),
          FatigueDbControls(),     McsOptionsControls(),  SettingsFrameControls(), AboutFrameControls()};
}
