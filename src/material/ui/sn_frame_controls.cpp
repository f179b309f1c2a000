#include "material/ui/material_controls.h"
#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

// The material frame: the S-N diagram with its labels and edit boxes lying on
// the picture. The diagram drawing places them at run time; the design places
// below are chosen so that the empty view looks orderly.
constexpr ControlDef kSnFrame[] = {
    Font(FrameDef("frm_SN", "", 4800, 120, 7080, 4080, "Material:  Fatigue Data", false), 10, true, true),  // chosen geometry
    PictureDef("Pic_SN", "frm_SN", 120, 240, 6840, 3720),                                                      // chosen
    AutoSize(Font(LabelDef("SNSe", 0, "Pic_SN", 240, 240, 1095, 216, "Se = "), 9)),                // chosen
    AutoSize(Font(LabelDef("SNSe", 1, "Pic_SN", 240, 540, 1095, 216, "Max. Se = ", false), 9)),    // chosen
    Font(BoxDef("SNset", 0, "Pic_SN", 1380, 210, 615, 255, ""), 9),                      // chosen
    Font(BoxDef("SNset", 1, "Pic_SN", 1380, 510, 615, 255, "", false), 9),               // chosen
    Font(LabelDef("dN_distr", 0, "Pic_SN", 2100, 240, 495, 216, "{--}", false), 9),      // chosen geometry
    AutoSize(Font(LabelDef("SNNo", -1, "Pic_SN", 4920, 3120, 615, 216, "No = "), 9)),              // chosen
    Font(BoxDef("SNNot", -1, "Pic_SN", 5580, 3090, 855, 255, ""), 9),                    // chosen
    AutoSize(Font(LabelDef("SNm", -1, "Pic_SN", 3240, 1200, 495, 216, "m = "), 9)),                // chosen
    Font(BoxDef("SNmt", -1, "Pic_SN", 3780, 1170, 615, 255, ""), 9),                     // chosen
    AutoSize(Font(LabelDef("SNPn", -1, "Pic_SN", 4920, 240, 735, 216, "Pn = "), 9)),               // chosen
    Font(BoxDef("SNPnt", -1, "Pic_SN", 5700, 210, 615, 255, ""), 9),                     // chosen
    AutoSize(Font(LabelDef("SNr", -1, "Pic_SN", 4920, 540, 735, 216, "r = "), 9)),                 // chosen
    Font(BoxDef("SNrt", -1, "Pic_SN", 5700, 510, 615, 255, ""), 9),                      // chosen
    AutoSize(Font(LabelDef("SNth", 2, "Pic_SN", 4920, 840, 735, 216, "Sy = "), 9)),                // chosen
    Font(BoxDef("SNtht", 2, "Pic_SN", 5700, 810, 615, 255, ""), 9),                      // chosen
    AutoSize(Font(LabelDef("SNth", 3, "Pic_SN", 4920, 1140, 735, 216, "Su = "), 9)),               // chosen
    Font(BoxDef("SNtht", 3, "Pic_SN", 5700, 1110, 615, 255, ""), 9),                     // chosen
    AutoSize(Font(LabelDef("SNE", -1, "Pic_SN", 4920, 1440, 735, 216, "E = ", false), 9)),         // chosen
    Font(BoxDef("SNEt", -1, "Pic_SN", 5700, 1410, 855, 255, "", false), 9),              // chosen
};
}  // namespace

std::span<const ControlDef> SnFrameControls() { return kSnFrame; }
