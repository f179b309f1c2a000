#include "engine/ui/problem_definition_controls.h"

#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

// The problem definition: its option groups and their buttons.
constexpr ControlDef kProblemDefinitionFrame[] = {
    TitleFont(FrameDef("frm_analysis", "", 360, 3840, 3612, 372, "Analysis Options", false)),
    SansSerif(FrameDef("frm_anal_target", "frm_analysis", 360, 600, 2005, 1215, "Target"), 9.6f, true),
    SansSerif(FrameDef("frm_anal_parameter", "frm_analysis", 360, 1920, 2005, 1215, "Parameter"), 9.6f, true),
    SansSerif(FrameDef("frm_anal_loading", "frm_analysis", 2520, 600, 1575, 1932, "Loading"), 9.6f, true),
    SansSerif(FrameDef("frm_anal_data", "frm_analysis", 4320, 1920, 1935, 1215, "S-N Data"), 9.6f, true),
    SansSerif(FrameDef("frm_anal_load_param", "frm_analysis", 4320, 600, 1935, 1215, "Load Param."), 9.6f, true),
    SansSerif(FrameDef("frm_anal_mean_stress", "frm_analysis", 6480, 600, 1575, 1212, "Mean Stress"), 9.6f, true),
    SansSerif(FrameDef("frm_anal_ns", "frm_analysis", 6480, 1920, 1572, 1212, "Notch Sens."), 9.6f, true),
    SansSerif(OptionDef("chk_single", "frm_anal_target", 120, 360, 1455, 255, "Single Case", true), 9),
    SansSerif(OptionDef("chk_master", "frm_anal_target", 120, 720, 1575, 255, "Master Curve"), 9),
    SansSerif(OptionDef("chk_load", "frm_anal_parameter", 120, 360, 1815, 255, "Load Level", true), 9),
    SansSerif(OptionDef("chk_end_limit", "frm_anal_parameter", 120, 720, 1815, 255, "Endurance Limit"), 9),
    SansSerif(OptionDef("chk_history", "frm_anal_loading", 120, 360, 1215, 255, "History", true), 9),
    SansSerif(OptionDef("chk_spectrum", "frm_anal_loading", 120, 720, 1215, 255, "Spectrum"), 9),
    SansSerif(OptionDef("chk_constant", "frm_anal_loading", 120, 1080, 1215, 255, "Constant"), 9),
    SansSerif(OptionDef("chk_beta_distrib", "frm_anal_loading", 120, 1440, 1375, 255, "Distribution"), 9),
    SansSerif(OptionDef("chk_nominal", "frm_anal_load_param", 120, 360, 1695, 255, "Nominal Strs/Strn", true), 9),
    SansSerif(OptionDef("chk_local", "frm_anal_load_param", 120, 720, 1740, 255, "Local Strs/Strn"), 9),
    SansSerif(OptionDef("chk_notched", "frm_anal_data", 120, 360, 1695, 255, "Feature Specimen", true), 9),
    SansSerif(OptionDef("chk_unnotch", "frm_anal_data", 120, 720, 1740, 255, "Plain Specimen"), 9),
    SansSerif(OptionDef("chk_neglect", "frm_anal_mean_stress", 120, 360, 1095, 255, "Neglect", true), 9),
    SansSerif(OptionDef("chk_account", "frm_anal_mean_stress", 120, 720, 1095, 255, "Account"), 9),
    SansSerif(OptionDef("chk_ns_neglect", "frm_anal_ns", 120, 360, 1095, 255, "Neglect", true), 9),
    SansSerif(OptionDef("chk_ns_account", "frm_anal_ns", 120, 720, 1095, 255, "Account"), 9),
    SansSerif(LabelDef("Select_anal_option", -1, "frm_analysis", 1920, 3360, 4935, 270,
                       "Select the desired option for fatigue life calculation ..."), 7.8f),
    SansSerif(ButtonDef("Cmd_analysis_next", -1, "frm_analysis", 3240, 3960, 1095, 375, "&Next "), 7.8f),
    SansSerif(ButtonDef("cmd_analysis_done", -1, "frm_analysis", 4680, 3960, 1095, 375, "&OK"), 7.8f),
    SansSerif(ButtonDef("cmd_analysis_cancel", -1, "frm_analysis", 6120, 3960, 1095, 375, "&Cancel"), 7.8f),
};
}  // namespace

std::span<const ControlDef> ProblemDefinitionControls() { return kProblemDefinitionFrame; }
