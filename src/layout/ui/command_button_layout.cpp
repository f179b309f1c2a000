// The command buttons of the working frames on the screen at hand. The
// frame layout has already placed the three buttons of the problem
// definition and of the data services across their frame, so these keep
// their Left.
#include "layout/layout_scales.h"
#include "layout/ui/layout_services.h"
#include "layout/ui/layout_tables.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {
using namespace layout_steps;

constexpr LayoutSteps kPlacedByFrameLayout = Steps(F, W, T, H);

constexpr LayoutRow kRows[] = {
    Row("cmd_about", kRule),
    Row("cmd_analysis_cancel", kPlacedByFrameLayout),
    Row("cmd_analysis_done", kPlacedByFrameLayout),
    Row("Cmd_analysis_next", kPlacedByFrameLayout),
    Row("cmd_data_cancel", kPlacedByFrameLayout),
    Row("cmd_data_do", kPlacedByFrameLayout),
    Row("cmd_data_next", kPlacedByFrameLayout),
    Row("Cmd_Load_Db_Cancel", kRule),
    Row("Cmd_Load_Db_Next", kRule),
    Row("Cmd_Load_Db_Prev", kRule),
    Row("Cmd_Load_Db_Show", kRule),
    Row("Cmd_Load_Db_OK", kRule),
    Row("cmd_Fatigue_Db_Cancel", kRule),
    Row("cmd_fatigue_Db_Next", kRule),
    Row("cmd_Fatigue_Db_Prev", kRule),
    Row("cmd_Fatigue_Db_Del", kRule),
    Row("cmd_fatigue_Db_OK", kRule),
    Row("cmd_fatigue_Db_Test", kRule),
    Row("cmd_settings_done", kRule),
    Row("cmd_settings_cancel", kRule),
};

}  // namespace

std::span<const LayoutRow> CommandButtonLayoutRows() { return kRows; }

void LayoutCommandButtons(FormMain& main) {
  RunLayoutPass(main, "LayoutCommandButtons", main.state().layoutScales, kRows);
}
