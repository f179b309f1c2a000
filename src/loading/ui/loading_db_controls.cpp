#include "loading/ui/loading_controls.h"
#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

// The loading-database browser frame and the three small loading previews.
// Only the controls the material and shell handlers use are here so far; the
// browser's value labels come with the loading database's handlers.
constexpr ControlDef kLoadingDb[] = {
    FrameDef("frm_Load_Dbase", "", 360, 2880, 3432, 372, "Loading Database", false),
    Font(LabelDef("Label5", 0, "frm_Load_Dbase", 360, 600, 975, 345, "Batch No."), 9),
    Font(LabelDef("Label5", 1, "frm_Load_Dbase", 2040, 600, 495, 345, ""), 9, true),
    Font(LabelDef("Label5", 2, "frm_Load_Dbase", 1680, 600, 255, 345, "of"), 9),
    Font(BoxDef("txt_Load_Db", -1, "frm_Load_Dbase", 1320, 600, 375, 345, ""), 9),
    Font(Align(LabelDef("Label6", -1, "frm_Load_Dbase", 3120, 630, 3975, 345, ""), kAlignRight), 9),
    LineDef("Line1", -1, "frm_Load_Dbase", 360, 960, 7080, 960),
    LineDef("Line2", -1, "frm_Load_Dbase", 360, 5400, 7080, 5400),
    ButtonDef("Cmd_Load_Db_Show", -1, "frm_Load_Dbase", 840, 5640, 1335, 375, "S&how"),     // chosen geometry
    ButtonDef("Cmd_Load_Db_OK", -1, "frm_Load_Dbase", 3000, 5640, 1335, 375, "&Select"),    // chosen
    ButtonDef("Cmd_Load_Db_Cancel", -1, "frm_Load_Dbase", 5160, 5640, 1335, 375, "&Cancel"),  // chosen geometry
    Font(FrameDef("frm_HistSH", "", 7320, 1200, 4440, 2895, "History", false), 8, true, true),        // chosen
    Font(FrameDef("frm_SpectrSH", "", 7320, 1200, 4440, 2895, "Spectrum", false), 8, true, true),     // chosen
    Font(FrameDef("frm_DistrSH", "", 7320, 1200, 4440, 2895, "Distribution", false), 8, true, true),  // chosen
};
}  // namespace

std::span<const ControlDef> LoadingDbControls() { return kLoadingDb; }
