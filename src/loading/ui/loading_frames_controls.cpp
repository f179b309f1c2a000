#include "loading/ui/loading_controls.h"
#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

// The three loading frames share one place (the lower middle of the window);
// the loading type decides which one shows. Frame places chosen; controls on
// the pictures from the design where given, else chosen. The diagrams place
// the controls on the pictures at every drawing; a label that a value box
// follows fits its caption (AutoSize), so that the box lies over the number.
constexpr ControlDef kLoadingFrames[] = {
    Font(FrameDef("frm_Hist", "", 4800, 4320, 3480, 3840, "Loading:  History", false), 10, true, true),      // chosen geometry
    PictureDef("Pic_Hist", "frm_Hist", 120, 240, 3240, 3480),                                                  // chosen
    Font(LabelDef("SHSmax", -1, "Pic_Hist", 120, 120, 4095, 255, ""), 9),
    AutoSize(Font(LabelDef("SHscal", 0, "Pic_Hist", 240, 600, 2175, 255, "Scaling Factor  k = ", false), 9)),        // chosen
    AutoSize(Font(LabelDef("SHscal", 1, "Pic_Hist", 240, 840, 2175, 255, "Min. k = ", false), 9)),                  // chosen
    Font(BoxDef("SHscalt", 0, "Pic_Hist", 2520, 600, 495, 255, "", false), 9),
    Font(BoxDef("SHscalt", 1, "Pic_Hist", 2520, 840, 495, 255, "", false), 9),
    Font(LabelDef("load_distr", 0, "Pic_Hist", 3060, 600, 495, 255, "{--}", false), 9),                   // chosen

    Font(FrameDef("frm_Spectr", "", 4800, 4320, 3480, 3840, "Loading:  Spectrum", false), 10, true, true),   // chosen geometry
    PictureDef("Pic_Spectr", "frm_Spectr", 120, 240, 3240, 3480),                                              // chosen
    AutoSize(Font(LabelDef("SSmax", 0, "Pic_Spectr", 600, 360, 948, 216, ""), 9)),
    AutoSize(Font(LabelDef("SSmax", 1, "Pic_Spectr", 600, 720, 948, 216, ""), 9)),
    Font(BoxDef("SSmaxt", 0, "Pic_Spectr", 1080, 360, 495, 240, "", false), 9),
    Font(BoxDef("SSmaxt", 1, "Pic_Spectr", 1080, 720, 495, 240, "", false), 9),
    AutoSize(Font(LabelDef("SSrng", 0, "Pic_Spectr", 2040, 360, 564, 216, "(range)"), 9)),
    AutoSize(Font(LabelDef("SSrng", 1, "Pic_Spectr", 1920, 720, 948, 216, "(Min. range)"), 9)),
    AutoSize(Font(LabelDef("SSmean", -1, "Pic_Spectr", 2160, 1440, 2064, 216, ""), 9)),
    Font(BoxDef("SSmeant", -1, "Pic_Spectr", 3480, 1200, 615, 240, "", false), 9),
    // The batch's mean-stress tag: shown by the drawing for a database batch only.
    AutoSize(Font(LabelDef("SSmse", -1, "Pic_Spectr", 3120, 120, 612, 192, "DMSE(-)", false), 7.8f)),
    AutoSize(Font(LabelDef("SHscal", 2, "Pic_Spectr", 240, 2880, 2175, 255, "Scaling Factor  k = 1.0   ", false), 9)),  // chosen
    Font(LabelDef("load_distr", 1, "Pic_Spectr", 2420, 2880, 495, 255, "{--}", false), 9),                // chosen

    Font(FrameDef("frm_Distr", "", 4800, 4320, 3480, 3840, "Loading:  Distribution", false), 10, true, true),  // chosen geometry
    PictureDef("Pic_Distr", "frm_Distr", 120, 240, 3240, 3480),                                                  // chosen
    AutoSize(Font(LabelDef("DT", 0, "Pic_Distr", 240, 240, 1215, 216, "Q = "), 9)),                        // chosen
    AutoSize(Font(LabelDef("DT", 1, "Pic_Distr", 240, 540, 1215, 216, "R = "), 9)),                        // chosen
    Font(BoxDef("DTt", 0, "Pic_Distr", 1500, 210, 615, 255, "", false), 9),                      // chosen
    Font(BoxDef("DTt", 1, "Pic_Distr", 1500, 510, 615, 255, "", false), 9),                      // chosen
    Font(LabelDef("DTrng", 0, "Pic_Distr", 240, 900, 1695, 216, "Max. Stress  (range) "), 9),    // chosen geometry
    Font(LabelDef("DTrng", 1, "Pic_Distr", 240, 1200, 1695, 216, "Stress  (range) "), 9),        // chosen geometry
    AutoSize(Font(LabelDef("DTSmax", 0, "Pic_Distr", 1980, 900, 1095, 216, ""), 9)),                       // chosen
    AutoSize(Font(LabelDef("DTSmax", 1, "Pic_Distr", 1980, 1200, 1095, 216, ""), 9)),                      // chosen
    Font(BoxDef("DTSmaxt", 0, "Pic_Distr", 1980, 870, 615, 255, "", false), 9),                  // chosen
    Font(BoxDef("DTSmaxt", 1, "Pic_Distr", 1980, 1170, 615, 255, "", false), 9),                 // chosen
    AutoSize(Font(LabelDef("DTmean", -1, "Pic_Distr", 240, 1500, 2295, 216, "", false), 9)),                      // chosen
    Font(BoxDef("DTmeant", -1, "Pic_Distr", 2580, 1470, 615, 255, "", false), 9),                // chosen
    Font(LabelDef("DTmse", -1, "Pic_Distr", 240, 1800, 1095, 216, "DMSE(-)"), 7.8f),             // chosen
    AutoSize(Font(LabelDef("DTvolume", -1, "Pic_Distr", 240, 2100, 2295, 216, "Block volume  = 1000  cyc"), 9)),  // chosen geometry
    Font(BoxDef("DTvolumet", -1, "Pic_Distr", 2580, 2070, 615, 255, ""), 9),                     // chosen
    AutoSize(Font(LabelDef("SHscal", 3, "Pic_Distr", 240, 2880, 2175, 255, "Scaling Factor  k = 1.0   ", false), 9)),  // chosen
    Font(LabelDef("load_distr", 2, "Pic_Distr", 2420, 2880, 495, 255, "{--}", false), 9),       // chosen
};
}  // namespace

std::span<const ControlDef> LoadingFrameControls() { return kLoadingFrames; }
