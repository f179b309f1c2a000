// Which handler each item of the main window's menus runs: one row per item
// or menu control array, beside the menu definitions (main_menus.cpp). An
// item without a row runs nothing (the headings open their submenus).

#include <algorithm>
#include <string>

#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/engine_commands.h"
#include "engine/ui/input_step_commands.h"
#include "montecarlo/ui/mcs_results_view.h"
#include "program_state.h"
#include "report/ui/report_commands.h"
#include "shell/job_file_work.h"
#include "shell/ui/about_frame_panel.h"
#include "shell/ui/form_main.h"
#include "shell/ui/job_file_commands.h"
#include "shell/ui/main_menus.h"
#include "shell/ui/settings_frame_panel.h"
#include "shell/ui/shell_commands.h"

namespace {

// `index` is the element's index for a menu control array, -1 for a single item.
struct MenuHandler {
  const char* menu;
  void (*run)(FormMain& main, int index);
};

constexpr MenuHandler kMainMenuHandlers[] = {
    // File
    {"mnu_start", [](FormMain& m, int i) { mnu_start_Click(m, i); }},
    // Settings
    {"mnu_SI", [](FormMain& m, int) { mnu_SI_Click(m); }},
    {"mnu_US", [](FormMain& m, int) { mnu_US_Click(m); }},
    {"mnu_settings", [](FormMain& m, int) { m.settings().mnu_settings_Click(); }},
    {"mnu_tool", [](FormMain& m, int i) { m.settings().mnu_tool_Click(i); }},
    {"mnu_Settings_save", [](FormMain& m, int) { m.settings().mnu_Settings_save_Click(); }},
    // Analysis
    {"mnu_target", [](FormMain& m, int) { mnu_target_Click(m); }},
    {"mnu_loading", [](FormMain& m, int) { mnu_loading_Click(m); }},
    {"mnu_fatigue", [](FormMain& m, int) { mnu_fatigue_Click(m); }},
    // Run
    {"mnu_calculations", [](FormMain& m, int) { mnu_calculations_Click(m); }},
    {"mnu_calculate", [](FormMain& m, int) { mnu_calculate_Click(m); }},
    // Results
    {"mnu_MCSres_L", [](FormMain& m, int) { mnu_MCSres_L_Click(m); }},
    {"mnu_MCSres_O", [](FormMain& m, int) { mnu_MCSres_O_Click(m); }},
    {"mnu_propt", [](FormMain& m, int) { mnu_propt_Click(m); }},
    {"mnu_pform", [](FormMain& m, int) { mnu_pform_Click(m); }},
    {"mnu_tobmp", [](FormMain& m, int) { mnu_tobmp_Click(m); }},
    {"mnu_pdoc", [](FormMain& m, int) { mnu_pdoc_Click(m); }},
    {"mnu_pfile", [](FormMain& m, int) { mnu_pfile_Click(m); }},
    // Screen
    {"mnu_CopyScreen", [](FormMain& m, int) { mnu_CopyScreen_Click(m); }},
    // Help
    {"mnu_hlp_ind", [](FormMain& m, int) { m.about().mnu_hlp_ind_Click(); }},
    {"mnu_about", [](FormMain& m, int) { m.about().mnu_about_Click(); }},
    // Popup menus
    {"pop_disp1", [](FormMain& m, int i) { m.results().pop_disp1_Click(i); }},
    {"pop_res1", [](FormMain& m, int i) { m.results().pop_res1_Click(i); }},
    {"pop_SN1", [](FormMain& m, int i) { m.results().pop_SN1_Click(i); }},
};

// Whether the menu definitions make `name` a control array.
bool IsMenuArray(const std::string& name) {
  const auto defs = MainMenuDefs();
  return std::any_of(defs.begin(), defs.end(), [&](const MenuDef& d) { return name == d.name && d.index >= 0; });
}

}  // namespace

void WireMainMenus(FormMain& main) {
  FormMain* m = &main;
  // Every command waits for the job file work it would arrive in.
  const auto dispatch = [m](void (*run)(FormMain&, int), int index) {
    if (!RefusedDuringJobFileWork(m->state().shellState, m->host())) run(*m, index);
  };
  for (const MenuHandler& h : kMainMenuHandlers) {
    if (IsMenuArray(h.menu))
      main.menuArray(h.menu).onClick = [dispatch, run = h.run](int index) { dispatch(run, index); };
    else
      main.menu(h.menu).onClick = [dispatch, run = h.run] { dispatch(run, -1); };
  }
}
