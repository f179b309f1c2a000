// The captions of the working frames on the screen at hand: their own font
// size times FontScale. The frame layout gave the diagram frames and the
// simulation options an absolute size; those are not named here.
#include "layout/layout_scales.h"
#include "layout/ui/layout_services.h"
#include "layout/ui/layout_tables.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {
using namespace layout_steps;

constexpr LayoutRow kRows[] = {
    Row("frm_about", Steps(S)),
    Row("frm_Load_Dbase", Steps(S)),
    Row("frm_Fatigue_Dbase", Steps(S)),
    Row("frm_data_serv", Steps(S)),
    Row("frm_data_path", Steps(S)),
    Row("frm_data_do", Steps(S)),
    Row("frm_master", Steps(S)),
    Row("frm_master1", Steps(S)),
    Row("frm_analysis", Steps(S)),
    Row("frm_anal_loading", Steps(S)),
    Row("frm_anal_mean_stress", Steps(S)),
    Row("frm_anal_parameter", Steps(S)),
    Row("frm_anal_target", Steps(S)),
    Row("frm_anal_load_param", Steps(S)),
    Row("frm_anal_ns", Steps(S)),
    Row("frm_anal_data", Steps(S)),
    Row("frm_settings", Steps(S)),
    Row("frm_set_graphics", Steps(S)),
};

}  // namespace

std::span<const LayoutRow> FrameFontLayoutRows() { return kRows; }

void ScaleFrameFonts(FormMain& main) { RunLayoutPass(main, "ScaleFrameFonts", main.state().layoutScales, kRows); }
