#include "diagrams/ui/result_frames_controls.h"

#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

// Frame places chosen: the damage and reliability frames right of the
// loading frame; the master-curve frames are sized by their drawing.
constexpr ControlDef kResultFrames[] = {
    Font(FrameDef("frm_Dam", "", 8400, 4320, 3480, 3840, "Results:  Damage", false), 10, true, true),  // chosen geometry
    PictureDef("Pic_Dam", "frm_Dam", 120, 240, 3240, 3480, false),                                       // chosen
    Font(FrameDef("frm_Rel", "", 8400, 4320, 3480, 3840, "Results:  Reliability", false), 10, true, true),  // chosen
    PictureDef("Pic_Rel", "frm_Rel", 120, 240, 3240, 3480, false),                                       // chosen
    TitleFont(FrameDef("frm_master", "", 0, 10, 9120, 8040, "Master Curve", false)),                  // chosen geometry
    PictureDef("pic_master", "frm_master", 120, 240, 8880, 7680),                                        // chosen
    Align(Font(LabelDef("Life_inf", -1, "pic_master", 1200, 1920, 3255, 255, "Fatigue Life  =  Infinite...", false),
               10.8f, true), kAlignCenter),
    AutoSize(Font(LabelDef("Lifelab", 0, "pic_master", 1440, 3600, 900, 216, "Fatigue Life"), 9)),
    TitleFont(FrameDef("frm_master1", "", 9120, 10, 2880, 8040, "Input Data", false)),                // chosen geometry
    PictureDef("pic_master1", "frm_master1", 120, 240, 2640, 7680),                                      // chosen
    Colours(LineDef("DMline", 0, "pic_master1", 0, 1920, 3000, 1920), kColourButtonFace),
    Colours(LineDef("DMline", 1, "pic_master1", 15, 4905, 3015, 4905), kColourButtonFace),
    Colours(LineDef("DMline", 2, "pic_master1", 0, 6720, 3000, 6720), kColourButtonFace),
};
}  // namespace

std::span<const ControlDef> ResultFrameControls() { return kResultFrames; }
