#include "engine/ui/problem_definition_controls.h"

#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

// Option buttons in the sub-frames: geometry chosen (120 twips in, 360 apart).
constexpr ControlDef kProblemDefinitionFrame[] = {
    FrameDef("frm_analysis", "", 360, 3840, 3612, 372, "Analysis Options", false),
    FrameDef("frm_anal_target", "frm_analysis", 360, 600, 2005, 1215, "Target"),
    FrameDef("frm_anal_parameter", "frm_analysis", 360, 1920, 2005, 1215, "Parameter"),
    FrameDef("frm_anal_loading", "frm_analysis", 2520, 600, 1575, 1932, "Loading"),
    FrameDef("frm_anal_data", "frm_analysis", 4320, 1920, 1935, 1215, "S-N Data"),
    FrameDef("frm_anal_load_param", "frm_analysis", 4320, 600, 1935, 1215, "Load Param."),
    FrameDef("frm_anal_mean_stress", "frm_analysis", 6480, 600, 1575, 1212, "Mean Stress"),
    FrameDef("frm_anal_ns", "frm_analysis", 6480, 1920, 1572, 1212, "Notch Sens."),
    OptionDef("chk_single", "frm_anal_target", 120, 360, 1755, 300, "Single Case", true),           // chosen geometry
    OptionDef("chk_master", "frm_anal_target", 120, 720, 1755, 300, "Master Curve"),                // chosen geometry
    OptionDef("chk_load", "frm_anal_parameter", 120, 360, 1755, 300, "Load Level", true),           // chosen geometry
    OptionDef("chk_end_limit", "frm_anal_parameter", 120, 720, 1755, 300, "Endurance Limit"),       // chosen geometry
    OptionDef("chk_history", "frm_anal_loading", 120, 360, 1335, 300, "History", true),             // chosen geometry
    OptionDef("chk_spectrum", "frm_anal_loading", 120, 720, 1335, 300, "Spectrum"),                 // chosen geometry
    OptionDef("chk_constant", "frm_anal_loading", 120, 1080, 1335, 300, "Constant"),                // chosen geometry
    OptionDef("chk_beta_distrib", "frm_anal_loading", 120, 1440, 1335, 300, "Distribution"),        // chosen geometry
    OptionDef("chk_nominal", "frm_anal_load_param", 120, 360, 1695, 300, "Nominal Strs/Strn", true),  // chosen geometry
    OptionDef("chk_local", "frm_anal_load_param", 120, 720, 1695, 300, "Local Strs/Strn"),          // chosen geometry
    OptionDef("chk_notched", "frm_anal_data", 120, 360, 1695, 300, "Feature Specimen", true),       // chosen geometry
    OptionDef("chk_unnotch", "frm_anal_data", 120, 720, 1695, 300, "Plain Specimen"),               // chosen geometry
    OptionDef("chk_neglect", "frm_anal_mean_stress", 120, 360, 1335, 300, "Neglect", true),         // chosen geometry
    OptionDef("chk_account", "frm_anal_mean_stress", 120, 720, 1335, 300, "Account"),               // chosen geometry
    OptionDef("chk_ns_neglect", "frm_anal_ns", 120, 360, 1335, 300, "Neglect", true),               // chosen geometry
    OptionDef("chk_ns_account", "frm_anal_ns", 120, 720, 1335, 300, "Account"),                     // chosen geometry
    LabelDef("Select_anal_option", -1, "frm_analysis", 1920, 3360, 4935, 270,
          "Select the desired option for fatigue life calculation ..."),
    ButtonDef("Cmd_analysis_next", -1, "frm_analysis", 3240, 3960, 1095, 375, "&Next "),
    ButtonDef("cmd_analysis_done", -1, "frm_analysis", 4680, 3960, 1095, 375, "&OK"),
    ButtonDef("cmd_analysis_cancel", -1, "frm_analysis", 6120, 3960, 1095, 375, "&Cancel"),
};
}  // namespace

std::span<const ControlDef> ProblemDefinitionControls() { return kProblemDefinitionFrame; }
