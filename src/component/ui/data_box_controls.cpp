#include "component/ui/data_box_controls.h"

#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

// The job summary: label and box pairs on the picture `pic_DBox`. The frame is
// hidden until the input view is built, which fills it first. The summary
// refresh places the pairs at run time; the design places are chosen, one row
// of 300 twips each. The boxes and the tags beside them are 240 twips high:
// the closest rows of the summary (m' under Se'/Se, the strength rows) stand
// 240 twips apart, and heights and row steps grow alike with the screen.
constexpr ControlDef kDataBox[] = {
    Font(FrameDef("frm_DBox", "", 120, 120, 4560, 8040, "Miscellanea", false), 10, true, true),    // chosen geometry
    PictureDef("pic_DBox", "frm_DBox", 120, 240, 4320, 7680),                                // chosen
    AutoSize(Font(LabelDef("wait", -1, "pic_DBox", 0, 0, 1092, 216, "Please wait ...", false), 9)),
    // The job texts: a click on the label opens its box over the label's text.
    AutoSize(LabelDef("Subj", -1, "pic_DBox", 120, 120, 4080, 255, "SUBJECT:           ???  ")),         // chosen geometry
    BoxDef("Subjt", -1, "pic_DBox", 1560, 120, 2640, 240, "", false),                        // chosen
    AutoSize(LabelDef("Load", -1, "pic_DBox", 120, 420, 4080, 255, "Loading Data:              ???")),    // chosen geometry
    BoxDef("Loadt", -1, "pic_DBox", 1560, 420, 2640, 240, "", false),                        // chosen
    AutoSize(LabelDef("Material", -1, "pic_DBox", 120, 720, 4080, 255, "Material Data:              ???")),  // chosen geometry
    BoxDef("Materialt", -1, "pic_DBox", 1560, 720, 2640, 240, "", false),                    // chosen
    AutoSize(LabelDef("SNth", 0, "pic_DBox", 120, 1080, 2295, 255, "Thickness:              t = ")),   // chosen
    BoxDef("SNtht", 0, "pic_DBox", 2520, 1080, 735, 240, ""),                                // chosen
    AutoSize(LabelDef("SNth", 1, "pic_DBox", 120, 1380, 2295, 255, "Thickness exp.:       k = ")),     // chosen
    BoxDef("SNtht", 1, "pic_DBox", 2520, 1380, 735, 240, ""),                                // chosen
    AutoSize(LabelDef("ExtSN", 0, "pic_DBox", 120, 1740, 2295, 255, "SN-Extension:      Se'/Se = ")),
    BoxDef("ExtSNt", 0, "pic_DBox", 2520, 1740, 735, 240, ""),                               // chosen
    AutoSize(LabelDef("ExtSN", 1, "pic_DBox", 3300, 1740, 495, 255, " m' = ")),
    BoxDef("ExtSNt", 1, "pic_DBox", 3780, 1740, 495, 240, ""),                               // chosen
    LabelDef("dN_distr", 1, "pic_DBox", 3360, 1080, 495, 240, "{--}", false),                // chosen
    AutoSize(LabelDef("SCF", 0, "pic_DBox", 120, 2100, 2295, 255, "Stress Conc. Factor:  Kf = 2.0")),
    BoxDef("SCFt", 0, "pic_DBox", 2520, 2100, 735, 240, "", false),                          // chosen
    LabelDef("SCF_distr", -1, "pic_DBox", 3360, 2100, 495, 240, "{C}"),                      // chosen geometry
    AutoSize(LabelDef("Reliab", -1, "pic_DBox", 120, 2400, 2295, 255, "Notch radius =         0.8", false)),
    BoxDef("Reliabt", -1, "pic_DBox", 2520, 2400, 735, 240, "", false),                      // chosen
    AutoSize(LabelDef("DBmse", 0, "pic_DBox", 120, 2760, 2295, 255, "Mean stress effect:")),
    AutoSize(LabelDef("DBmse", 1, "pic_DBox", 2520, 2760, 1335, 255, "CMSE(-)")),
    AutoSize(LabelDef("DDBmse", 0, "pic_DBox", 120, 3060, 2295, 255, "Ultimate Strength", false)),
    BoxDef("DBmset", 0, "pic_DBox", 2520, 3060, 1095, 240, "500 MPa", false),                // chosen geometry
    AutoSize(LabelDef("DDBmse", 1, "pic_DBox", 120, 3360, 2295, 255, "Yield Strength", false)),
    BoxDef("DBmset", 1, "pic_DBox", 2520, 3360, 1095, 240, "300 MPa", false),                // chosen geometry
    AutoSize(LabelDef("DDBmse", 2, "pic_DBox", 120, 3660, 2295, 255, "Stress Conc. Factor", false)),
    BoxDef("DBmset", 2, "pic_DBox", 2520, 3660, 1095, 240, "1.0", false),                    // chosen geometry
    AutoSize(LabelDef("DTFf", -1, "pic_DBox", 120, 4020, 2295, 255, "Damage to Failure:     D = ")),   // chosen caption
    BoxDef("DTFft", -1, "pic_DBox", 2520, 4020, 735, 240, ""),                               // chosen
    Font(LabelDef("Result", -1, "pic_DBox", 120, 4560, 4095, 1215, "", false), 9.75f, true),  // chosen
    Font(LabelDef("ScattFact", -1, "pic_DBox", 120, 5880, 4095, 495, "", false), 9),         // chosen
};
}  // namespace

std::span<const ControlDef> DataBoxControls() { return kDataBox; }
