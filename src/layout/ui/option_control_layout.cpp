// The option buttons of the problem definition and the data services, the
// new-database check box, the three prompt labels and the folder and drive
// lists on the screen at hand.
#include "layout/layout_scales.h"
#include "layout/ui/layout_services.h"
#include "layout/ui/layout_tables.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {
using namespace layout_steps;

// The prompt labels keep their Left: the frame layout centres two of them in
// their frame, the settings prompt stays where it was designed.
constexpr LayoutSteps kPrompt = Steps(F, W, T, H);

constexpr LayoutRow kRows[] = {
    Row("chk_single", kRule),
    Row("chk_master", kRule),
    Row("chk_notched", kRule),
    Row("chk_unnotch", kRule),
    Row("chk_end_limit", kRule),
    Row("chk_load", kRule),
    Row("chk_history", kRule),
    Row("chk_spectrum", kRule),
    Row("chk_constant", kRule),
    Row("chk_beta_distrib", kRule),
    Row("chk_nominal", kRule),
    Row("chk_local", kRule),
    Row("chk_account", kRule),
    Row("chk_neglect", kRule),
    Row("chk_ns_account", kRule),
    Row("chk_ns_neglect", kRule),
    Row("chk_Edit_Dbase", kRule),
    Row("chk_new_Dbase", kRule),
    Row("chk_Input_Dbase", kRule),
    Row("chk_Save_Dbase", kRule),
    Row("chk_Read_Dbase", kRule),
    Row("Select_data_option", kPrompt),
    Row("Select_anal_option", kPrompt),
    Row("Select_settings_option", kPrompt),
    // The folder list takes its height before its font; the drive list's
    // height follows its font.
    Row("Dir1", Steps(H, F, W, T, L)),
    Row("Drive1", Steps(F, W, T, L)),
};

}  // namespace

std::span<const LayoutRow> OptionControlLayoutRows() { return kRows; }

void LayoutOptionControls(FormMain& main) {
  RunLayoutPass(main, "LayoutOptionControls", main.state().layoutScales, kRows);
}
