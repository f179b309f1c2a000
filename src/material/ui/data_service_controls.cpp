#include "material/ui/material_controls.h"
#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

// The data-service dialog: a working frame of the main window.
constexpr ControlDef kDataService[] = {
    TitleFont(FrameDef("frm_data_serv", "", 360, 5400, 2856, 468, "Data Services", false)),
    SansSerif(FrameDef("frm_data_do", "frm_data_serv", 1410, 630, 3135, 2535, "Action"), 10.8f, true),
    SansSerif(OptionDef("chk_Input_Dbase", "frm_data_do", 240, 945, 2655, 375, "Browse the Data-Base", true), 9),
    SansSerif(OptionDef("chk_Read_Dbase", "frm_data_do", 240, 525, 2295, 375, "Open the Data-Base"), 9),
    SansSerif(OptionDef("chk_Edit_Dbase", "frm_data_do", 240, 1365, 2175, 375, "Edit the Data-Base"), 9),
    SansSerif(OptionDef("chk_Save_Dbase", "frm_data_do", 240, 1800, 2415, 375, "Save the Data-Base"), 9),
    SansSerif(CheckDef("chk_new_Dbase", -1, "frm_data_do", 2265, 1410, 820, 255, "New"), 9),
    SansSerif(FrameDef("frm_data_path", "frm_data_serv", 4920, 630, 2535, 2535, "Path"), 10.8f, true),
    SansSerif(Make(ControlKind::DriveList, "Drive1", -1, "frm_data_path", 240, 2040, 2055, 288, "", true), 7.8f),
    SansSerif(Make(ControlKind::DirList, "Dir1", -1, "frm_data_path", 240, 360, 2052, 1584, "", true), 7.8f),
    SansSerif(LabelDef("Select_data_option", -1, "frm_data_serv", 2760, 3600, 3495, 270,
                       "Select the desired operation ..."), 7.8f),
    SansSerif(ButtonDef("cmd_data_next", -1, "frm_data_serv", 2760, 4095, 975, 375, "&Next / Run"), 7.8f),
    SansSerif(ButtonDef("cmd_data_do", -1, "frm_data_serv", 4030, 4095, 975, 375, "&OK"), 7.8f),
    SansSerif(ButtonDef("cmd_data_cancel", -1, "frm_data_serv", 5280, 4095, 975, 375, "&Cancel"), 7.8f),
};
}  // namespace

std::span<const ControlDef> DataServiceControls() { return kDataService; }
