#include "shell/ui/shell_controls.h"

namespace {
using K = ControlKind;

// The About box: a frame of the main window that covers the working frame.
// Its six text lines are chosen.
constexpr ControlDef kAboutFrame[] = {
    {.name = "frm_about", .kind = K::Frame, .left = 240, .top = 240, .width = 3015, .height = 360,
     .caption = "About DUVAK", .fontName = "Arial", .fontSize = 12, .bold = true, .italic = true, .visible = false},
    {.name = "info_about", .index = 0, .kind = K::Label, .parent = "frm_about", .left = 240, .top = 480,
     .width = 4815, .height = 480, .caption = "DUVAK", .fontName = "Arial", .fontSize = 18, .bold = true,
     .italic = true, .alignment = kAlignCenter},
    {.name = "info_about", .index = 1, .kind = K::Label, .parent = "frm_about", .left = 240, .top = 1080,
     .width = 4815, .height = 255, .caption = "Fatigue Life Analysis Software", .alignment = kAlignCenter},
    {.name = "info_about", .index = 2, .kind = K::Label, .parent = "frm_about", .left = 240, .top = 1380,
     .width = 4815, .height = 255, .caption = "ver. 6.7", .alignment = kAlignCenter},
    {.name = "info_about", .index = 3, .kind = K::Label, .parent = "frm_about", .left = 240, .top = 1920,
     .width = 4815, .height = 255, .caption = "Nominal-stress approach, Miner's rule", .alignment = kAlignCenter},
    {.name = "info_about", .index = 4, .kind = K::Label, .parent = "frm_about", .left = 240, .top = 2220,
     .width = 4815, .height = 255, .caption = "Deterministic and Monte Carlo analyses", .alignment = kAlignCenter},
    {.name = "info_about", .index = 5, .kind = K::Label, .parent = "frm_about", .left = 240, .top = 2520,
     .width = 4815, .height = 255, .caption = "SI and US units", .alignment = kAlignCenter},
    {.name = "cmd_about", .kind = K::CommandButton, .parent = "frm_about", .left = 3960, .top = 3360,
     .width = 1095, .height = 375, .caption = "&OK", .fontName = "Microsoft Sans Serif", .fontSize = 7.8f},
};
}  // namespace

std::span<const ControlDef> AboutFrameControls() { return kAboutFrame; }
