#include "montecarlo/ui/mcs_options_controls.h"

#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

constexpr ControlDef kMcsOptions[] = {
    Font(FrameDef("Frm_MCS_opt", "", 360, 2400, 2772, 372, "MCS Options", false), 10),
    Font(CheckDef("chk_StartNo", 0, "Frm_MCS_opt", 840, 480, 2535, 330, "Random Start"), 9),
    Font(CheckDef("chk_StartNo", 1, "Frm_MCS_opt", 840, 840, 2535, 330, "Neglect the Fatigue Limit"), 9),
    Font(CheckDef("chk_StartNo", 2, "Frm_MCS_opt", 840, 240, 2415, 330, "N ", false), 9),
    Font(CheckDef("chk_StartNo", 3, "Frm_MCS_opt", 840, 1200, 2415, 330, "Fast Simulation Algorithm"), 9),
    Font(LabelDef("No_simul", -1, "Frm_MCS_opt", 840, 1680, 1296, 216, "Sample Size  =  ", false), 9),
    Font(BoxDef("No_simult", -1, "Frm_MCS_opt", 2520, 1680, 735, 315, "", false), 9),
    ButtonDef("cmd_MCS_opt", 0, "Frm_MCS_opt", 720, 2400, 1095, 375, "O&K"),       // chosen geometry
    ButtonDef("cmd_MCS_opt", 1, "Frm_MCS_opt", 2280, 2400, 1095, 375, "&Cancel"),   // chosen geometry
};
}  // namespace

std::span<const ControlDef> McsOptionsControls() { return kMcsOptions; }
