#include "loading/ui/loading_controls.h"
#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

// The loading-database browser frame and the three small loading previews
// (these lie in the window itself; their places are chosen).
constexpr ControlDef kLoadingDb[] = {
    TitleFont(FrameDef("frm_Load_Dbase", "", 360, 2880, 3432, 372, "Loading Database", false)),
    Font(LabelDef("Label5", 0, "frm_Load_Dbase", 360, 600, 975, 345, "Batch No."), 9),
    Font(LabelDef("Label5", 1, "frm_Load_Dbase", 2040, 600, 495, 345, ""), 9, true),
    Font(LabelDef("Label5", 2, "frm_Load_Dbase", 1680, 600, 255, 345, "of"), 9),
    Font(BoxDef("txt_Load_Db", -1, "frm_Load_Dbase", 1320, 600, 375, 345, ""), 9),
    Font(Align(LabelDef("Label6", -1, "frm_Load_Dbase", 3120, 630, 3975, 345, ""), kAlignRight), 9),
    Font(LabelDef("Label7", -1, "frm_Load_Dbase", 360, 1080, 1935, 255, "Stress History"), 9, true),
    Font(LabelDef("Label8", 0, "frm_Load_Dbase", 1200, 1320, 2295, 255, "Number of Data Points:"), 9),
    Font(LabelDef("Label8", 1, "frm_Load_Dbase", 1200, 1560, 2295, 255, "Maximum Stress:"), 9),
    Font(LabelDef("Label8", 2, "frm_Load_Dbase", 1200, 1800, 2295, 255, "Minimum Stress:"), 9),
    Font(LabelDef("Label8", 3, "frm_Load_Dbase", 1200, 2040, 2295, 255, "Record Time:"), 9),
    Font(Align(LabelDef("Label9", 0, "frm_Load_Dbase", 3480, 1320, 1455, 255, ""), kAlignRight), 9),
    Font(Align(LabelDef("Label9", 1, "frm_Load_Dbase", 3480, 1560, 1455, 255, ""), kAlignRight), 9),
    Font(Align(LabelDef("Label9", 2, "frm_Load_Dbase", 3480, 1800, 1455, 255, ""), kAlignRight), 9),
    Font(Align(LabelDef("Label9", 3, "frm_Load_Dbase", 3480, 2040, 1455, 255, ""), kAlignRight), 9),
    Font(LabelDef("Label10", 0, "frm_Load_Dbase", 5040, 2640, 615, 255, "[MPa]"), 9),
    Font(LabelDef("Label10", 1, "frm_Load_Dbase", 5040, 1560, 615, 255, "[MPa]"), 9),
    Font(LabelDef("Label10", 2, "frm_Load_Dbase", 5040, 1800, 615, 255, "[MPa]"), 9),
    Font(LabelDef("Label10", 3, "frm_Load_Dbase", 5040, 2880, 615, 255, "[MPa]"), 9),
    Font(LabelDef("Label11", -1, "frm_Load_Dbase", 360, 2400, 2055, 255, "Stress Spectrum"), 9, true),
    Font(LabelDef("Label12", 0, "frm_Load_Dbase", 1200, 2640, 2295, 255, "Maximum Stress Range:"), 9),
    Font(LabelDef("Label12", 1, "frm_Load_Dbase", 1200, 2880, 2295, 255, "Minimum Stress Range:"), 9),
    Font(LabelDef("Label12", 2, "frm_Load_Dbase", 1200, 3120, 2295, 255, "Number of Levels:"), 9),
    Font(LabelDef("Label12", 3, "frm_Load_Dbase", 1200, 3360, 2295, 255, "Spectrum Volume:"), 9),
    Font(LabelDef("Label12", 4, "frm_Load_Dbase", 1200, 3600, 2295, 255, "Record Time:"), 9),
    Font(Align(LabelDef("Label13", 0, "frm_Load_Dbase", 3480, 2640, 1455, 255, ""), kAlignRight), 9),
    Font(Align(LabelDef("Label13", 1, "frm_Load_Dbase", 3480, 2880, 1455, 255, ""), kAlignRight), 9),
    Font(Align(LabelDef("Label13", 2, "frm_Load_Dbase", 3480, 3120, 1455, 255, ""), kAlignRight), 9),
    Font(Align(LabelDef("Label13", 3, "frm_Load_Dbase", 3480, 3360, 1455, 255, ""), kAlignRight), 9),
    Font(Align(LabelDef("Label13", 4, "frm_Load_Dbase", 3480, 3600, 1455, 255, ""), kAlignRight), 9),
    Font(LabelDef("Label14", 0, "frm_Load_Dbase", 360, 3960, 2055, 255, "Stress Distribution"), 9, true),
    Font(LabelDef("Label14", 1, "frm_Load_Dbase", 2400, 3960, 1215, 255, ""), 9, true),
    Font(LabelDef("Label15", 0, "frm_Load_Dbase", 1200, 4200, 1245, 240, "Parameters: "), 9),
    Font(AutoSize(LabelDef("Label15", 1, "frm_Load_Dbase", 3156, 4440, 288, 216, "R =")), 9),
    Font(AutoSize(LabelDef("Label15", 2, "frm_Load_Dbase", 3156, 4200, 300, 216, "Q =")), 9),
    Font(Align(LabelDef("Label16", 0, "frm_Load_Dbase", 3825, 4200, 1110, 255, ""), kAlignRight), 9),
    Font(Align(LabelDef("Label16", 1, "frm_Load_Dbase", 3825, 4440, 1110, 255, ""), kAlignRight), 9),
    Font(LabelDef("Label17", 0, "frm_Load_Dbase", 5040, 2040, 615, 255, "min"), 9),
    Font(LabelDef("Label17", 1, "frm_Load_Dbase", 5040, 3600, 615, 255, "min"), 9),
    Font(LabelDef("Label17", 2, "frm_Load_Dbase", 5040, 3360, 735, 255, "cyc"), 9),
    Font(LabelDef("Label18", -1, "frm_Load_Dbase", 360, 5040, 1095, 255, "Remarks:"), 9, true),
    Font(Align(LabelDef("Label19", -1, "frm_Load_Dbase", 1560, 5040, 5415, 255, ""), kAlignRight), 9),
    LineDef("Line1", -1, "frm_Load_Dbase", 360, 960, 7080, 960),
    LineDef("Line2", -1, "frm_Load_Dbase", 360, 5400, 7080, 5400),
    SansSerif(ButtonDef("Cmd_Load_Db_Show", -1, "frm_Load_Dbase", 3255, 5640, 975, 375, "S&how"), 7.8f),
    SansSerif(ButtonDef("Cmd_Load_Db_Prev", -1, "frm_Load_Dbase", 480, 5640, 975, 375, "&Previous"), 7.8f),
    SansSerif(ButtonDef("Cmd_Load_Db_Next", -1, "frm_Load_Dbase", 1680, 5640, 975, 375, "&Next"), 7.8f),
    SansSerif(ButtonDef("Cmd_Load_Db_OK", -1, "frm_Load_Dbase", 4800, 5640, 975, 375, "&Select"), 7.8f),
    SansSerif(ButtonDef("Cmd_Load_Db_Cancel", -1, "frm_Load_Dbase", 6000, 5640, 975, 375, "&Close"), 7.8f),
    Font(FrameDef("frm_HistSH", "", 7320, 1200, 4440, 2895, "History", false), 8, true, true),         // chosen
    PictureDef("Pic_HistSH", "frm_HistSH", 120, 240, 4200, 2535),                                       // chosen
    Font(FrameDef("frm_SpectrSH", "", 7320, 1200, 4440, 2895, "Spectrum", false), 8, true, true),      // chosen
    PictureDef("Pic_SpectrSH", "frm_SpectrSH", 120, 240, 4200, 2535),                                   // chosen
    Font(FrameDef("frm_DistrSH", "", 7320, 1200, 4440, 2895, "Distribution", false), 8, true, true),   // chosen
    PictureDef("Pic_DistrSh", "frm_DistrSH", 120, 240, 4200, 2535),                                     // chosen
};
}  // namespace

std::span<const ControlDef> LoadingDbControls() { return kLoadingDb; }
