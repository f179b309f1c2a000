#include "material/ui/material_controls.h"
#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

// The material-database frame: header, the grid of six data sets by eight
// fields, the reference box and the buttons.
constexpr ControlDef kFatigueDb[] = {
    TitleFont(FrameDef("frm_Fatigue_Dbase", "", 480, 6360, 3795, 495, "Material Database", false)),
    Font(LabelDef("Label20", 0, "frm_Fatigue_Dbase", 150, 840, 945, 330, "Batch No."), 9),
    Font(LabelDef("Label20", 1, "frm_Fatigue_Dbase", 2040, 840, 375, 330, ""), 9, true),
    Font(LabelDef("Label20", 2, "frm_Fatigue_Dbase", 1560, 840, 345, 330, "of"), 9),
    Font(LabelDef("Label20", 3, "frm_Fatigue_Dbase", 1200, 840, 375, 330, ""), 9.6f, true),
    Font(BoxDef("txt_Fatigue_Db", -1, "frm_Fatigue_Dbase", 1200, 840, 375, 255, "", false), 9),
    Font(Align(LabelDef("Lab1_fatigue_DB", -1, "frm_Fatigue_Dbase", 6600, 840, 2775, 360, "Description"), kAlignRight), 9),
    Font(BoxDef("Txt1_Fatigue_DB", -1, "frm_Fatigue_Dbase", 6840, 840, 2775, 255, "Description", false), 9),
    Font(LabelDef("Label22", -1, "frm_Fatigue_Dbase", 240, 1400, 2550, 285, "Material  or  SN-Class"), 8.4f),
    Tip(Font(LabelDef("Label23", -1, "frm_Fatigue_Dbase", 240, 1764, 1932, 336, "Endurance Limit  (Se)"), 8.4f),
        "Endurance limit is considered as the maximum stress"),
    Font(LabelDef("Label24", -1, "frm_Fatigue_Dbase", 240, 2100, 2652, 288, "at Number of Cycles  (No)"), 8.4f),
    Font(LabelDef("Label25", -1, "frm_Fatigue_Dbase", 240, 2820, 2175, 255, "Stress ratio  (r)"), 8.4f),
    Font(LabelDef("Label26", -1, "frm_Fatigue_Dbase", 240, 3560, 2085, 255, "Yield Strength  (Sy)"), 8.4f),
    Font(LabelDef("Label27", -1, "frm_Fatigue_Dbase", 240, 3920, 2085, 255, "Ultimate Strength  (Su)"), 8.4f),
    Font(LabelDef("Label29", -1, "frm_Fatigue_Dbase", 240, 2440, 2535, 285, "Exponent  (m)"), 8.4f),
    Font(LabelDef("Label30", -1, "frm_Fatigue_Dbase", 240, 3180, 2535, 285, "Survival Probability (Pn)  [%]"), 8.4f),
    Font(LabelDef("Label28", 0, "frm_Fatigue_Dbase", 2280, 1760, 615, 330, "[MPa]"), 8.4f),
    Font(LabelDef("Label28", 1, "frm_Fatigue_Dbase", 2280, 3560, 615, 255, "[MPa]"), 8.4f),
    Font(LabelDef("Label28", 2, "frm_Fatigue_Dbase", 2280, 3920, 615, 195, "[MPa]"), 8.4f),
    // Right-aligned: a tag wider than its place grows away from the unit label.
    Align(Font(LabelDef("dN_distr", 3, "frm_Fatigue_Dbase", 1800, 1760, 435, 216, "{--}"), 8.4f),  // chosen geometry
          kAlignRight),
    Font(Align(BoxDef("Text2", 0, "frm_Fatigue_Dbase", 2880, 1320, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text2", 1, "frm_Fatigue_Dbase", 3960, 1320, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text2", 2, "frm_Fatigue_Dbase", 5040, 1320, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text2", 3, "frm_Fatigue_Dbase", 6120, 1320, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text2", 4, "frm_Fatigue_Dbase", 7200, 1320, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text2", 5, "frm_Fatigue_Dbase", 8280, 1320, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text3", 0, "frm_Fatigue_Dbase", 2880, 1680, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text3", 1, "frm_Fatigue_Dbase", 3960, 1680, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text3", 2, "frm_Fatigue_Dbase", 5040, 1680, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text3", 3, "frm_Fatigue_Dbase", 6120, 1680, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text3", 4, "frm_Fatigue_Dbase", 7200, 1680, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text3", 5, "frm_Fatigue_Dbase", 8280, 1680, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text4", 0, "frm_Fatigue_Dbase", 2880, 2040, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text4", 1, "frm_Fatigue_Dbase", 3960, 2040, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text4", 2, "frm_Fatigue_Dbase", 5040, 2040, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text4", 3, "frm_Fatigue_Dbase", 6120, 2040, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text4", 4, "frm_Fatigue_Dbase", 7200, 2040, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text4", 5, "frm_Fatigue_Dbase", 8280, 2040, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text5", 0, "frm_Fatigue_Dbase", 2880, 2400, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text5", 1, "frm_Fatigue_Dbase", 3960, 2400, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text5", 2, "frm_Fatigue_Dbase", 5040, 2400, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text5", 3, "frm_Fatigue_Dbase", 6120, 2400, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text5", 4, "frm_Fatigue_Dbase", 7200, 2400, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text5", 5, "frm_Fatigue_Dbase", 8280, 2400, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text6", 0, "frm_Fatigue_Dbase", 2880, 2760, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text6", 1, "frm_Fatigue_Dbase", 3960, 2760, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text6", 2, "frm_Fatigue_Dbase", 5040, 2760, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text6", 3, "frm_Fatigue_Dbase", 6120, 2760, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text6", 4, "frm_Fatigue_Dbase", 7200, 2760, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text6", 5, "frm_Fatigue_Dbase", 8280, 2760, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text8", 0, "frm_Fatigue_Dbase", 2880, 3120, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text8", 1, "frm_Fatigue_Dbase", 3960, 3120, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text8", 2, "frm_Fatigue_Dbase", 5040, 3120, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text8", 3, "frm_Fatigue_Dbase", 6120, 3120, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text8", 4, "frm_Fatigue_Dbase", 7200, 3120, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text8", 5, "frm_Fatigue_Dbase", 8280, 3120, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text7", 0, "frm_Fatigue_Dbase", 2880, 3480, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text7", 1, "frm_Fatigue_Dbase", 3960, 3480, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text7", 2, "frm_Fatigue_Dbase", 5040, 3480, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text7", 3, "frm_Fatigue_Dbase", 6120, 3480, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text7", 4, "frm_Fatigue_Dbase", 7200, 3480, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text7", 5, "frm_Fatigue_Dbase", 8280, 3480, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text9", 0, "frm_Fatigue_Dbase", 2880, 3840, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text9", 1, "frm_Fatigue_Dbase", 3960, 3840, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text9", 2, "frm_Fatigue_Dbase", 5040, 3840, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text9", 3, "frm_Fatigue_Dbase", 6120, 3840, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text9", 4, "frm_Fatigue_Dbase", 7200, 3840, 1095, 375, ""), kAlignCenter), 8.4f),
    Font(Align(BoxDef("Text9", 5, "frm_Fatigue_Dbase", 8280, 3840, 1095, 375, ""), kAlignCenter), 8.4f),
    Make(ControlKind::PictureBox, "refer_pic", 0, "frm_Fatigue_Dbase", 3735, 1000, 180, 180, "", false),  // chosen
    Make(ControlKind::PictureBox, "refer_pic", 1, "frm_Fatigue_Dbase", 4815, 1000, 180, 180, "", false),  // chosen
    Make(ControlKind::PictureBox, "refer_pic", 2, "frm_Fatigue_Dbase", 5895, 1000, 180, 180, "", false),  // chosen
    Make(ControlKind::PictureBox, "refer_pic", 3, "frm_Fatigue_Dbase", 6975, 1000, 180, 180, "", false),  // chosen
    Make(ControlKind::PictureBox, "refer_pic", 4, "frm_Fatigue_Dbase", 8055, 1000, 180, 180, "", false),  // chosen
    Make(ControlKind::PictureBox, "refer_pic", 5, "frm_Fatigue_Dbase", 9135, 1000, 180, 180, "", false),  // chosen
    // The description and reference: several lines.
    MultiLine(Font(BoxDef("refer_txt", -1, "frm_Fatigue_Dbase", 2760, 360, 3615, 855, "References", false), 8.4f)),
    LineDef("Line6", -1, "frm_Fatigue_Dbase", 120, 1260, 9360, 1260),
    LineDef("Line7", -1, "frm_Fatigue_Dbase", 120, 4260, 9360, 4260),
    LineDef("Line3", 0, "frm_Fatigue_Dbase", 120, 1320, 9360, 1320),
    LineDef("Line3", 1, "frm_Fatigue_Dbase", 120, 1680, 9360, 1680),
    LineDef("Line3", 2, "frm_Fatigue_Dbase", 120, 2040, 9360, 2040),
    LineDef("Line3", 3, "frm_Fatigue_Dbase", 120, 2400, 9360, 2400),
    LineDef("Line3", 4, "frm_Fatigue_Dbase", 120, 2760, 9360, 2760),
    LineDef("Line3", 5, "frm_Fatigue_Dbase", 120, 3120, 9360, 3120),
    LineDef("Line3", 6, "frm_Fatigue_Dbase", 120, 3480, 9360, 3480),
    LineDef("Line3", 7, "frm_Fatigue_Dbase", 120, 3840, 9360, 3840),
    LineDef("Line3", 8, "frm_Fatigue_Dbase", 120, 4200, 9360, 4200),
    Colours(LineDef("Line5", 0, "frm_Fatigue_Dbase", 120, 1320, 120, 4200), 0x00808080),
    SansSerif(ButtonDef("cmd_Fatigue_Db_Prev", -1, "frm_Fatigue_Dbase", 2040, 4800, 975, 375, "&Previous"), 7.8f),
    SansSerif(ButtonDef("cmd_fatigue_Db_Next", -1, "frm_Fatigue_Dbase", 3240, 4800, 975, 375, "&Next"), 7.8f),
    SansSerif(ButtonDef("cmd_Fatigue_Db_Del", -1, "frm_Fatigue_Dbase", 5520, 4800, 975, 375, "&Delete"), 7.8f),
    SansSerif(ButtonDef("cmd_fatigue_Db_Test", -1, "frm_Fatigue_Dbase", 4440, 4800, 852, 372, "&Test Data"), 7.8f),
    Font(ButtonDef("cmd_fatigue_Db_OK", -1, "frm_Fatigue_Dbase", 5520, 4800, 975, 375, "&Select"), 8.4f, false, false,
         "Arial"),
    SansSerif(ButtonDef("cmd_Fatigue_Db_Cancel", -1, "frm_Fatigue_Dbase", 6720, 4800, 975, 375, "&Close"), 7.8f),
};
}  // namespace

std::span<const ControlDef> FatigueDbControls() { return kFatigueDb; }
