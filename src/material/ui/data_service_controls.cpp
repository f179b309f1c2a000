#include "material/ui/material_controls.h"
#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

// The data-service dialog: a working frame of the main window.
constexpr ControlDef kDataService[] = {
    FrameDef("frm_data_serv", "", 360, 5400, 2856, 468, "Data Services", false),
    FrameDef("frm_data_do", "frm_data_serv", 1410, 630, 3135, 2535, "Action"),
    OptionDef("chk_Input_Dbase", "frm_data_do", 240, 360, 2655, 300, "Browse the Data-Base", true),  // chosen geometry
    OptionDef("chk_Read_Dbase", "frm_data_do", 240, 780, 2655, 300, "Open the Data-Base"),            // chosen geometry
    OptionDef("chk_Edit_Dbase", "frm_data_do", 240, 1200, 2655, 300, "Edit the Data-Base"),           // chosen geometry
    OptionDef("chk_Save_Dbase", "frm_data_do", 240, 1620, 2655, 300, "Save the Data-Base"),           // chosen geometry
    CheckDef("chk_new_Dbase", -1, "frm_data_do", 240, 2040, 1215, 300, "New"),                        // chosen geometry
    FrameDef("frm_data_path", "frm_data_serv", 4920, 630, 2535, 2535, "Path"),
    Make(ControlKind::DriveList, "Drive1", -1, "frm_data_path", 120, 300, 2295, 315, "", true),    // chosen
    Make(ControlKind::DirList, "Dir1", -1, "frm_data_path", 120, 720, 2295, 1695, "", true),       // chosen
    LabelDef("Select_data_option", -1, "frm_data_serv", 2760, 3600, 3495, 270, "Select the desired operation ..."),
    ButtonDef("cmd_data_next", -1, "frm_data_serv", 2760, 4095, 975, 375, "&Next / Run"),
    ButtonDef("cmd_data_do", -1, "frm_data_serv", 4030, 4095, 975, 375, "&OK"),
    ButtonDef("cmd_data_cancel", -1, "frm_data_serv", 5280, 4095, 975, 375, "&Cancel"),
};
}  // namespace

std::span<const ControlDef> DataServiceControls() { return kDataService; }
