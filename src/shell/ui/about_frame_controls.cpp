#include "shell/ui/shell_controls.h"

namespace {
using K = ControlKind;

// The About box: a frame of the main window that covers the working frame.
constexpr ControlDef kAboutFrame[] = {
    {.name = "frm_about", .kind = K::Frame, .left = 240, .top = 240, .width = 3015, .height = 360,
     .caption = "About DUVAK", .visible = false},
    {.name = "lbl_about", .index = 0, .kind = K::Label, .parent = "frm_about", .left = 240, .top = 480,
     .width = 4815, .height = 480, .caption = "DUVAK", .fontName = "Arial", .fontSize = 18, .bold = true,
     .italic = true, .alignment = kAlignCenter},  // chosen
    {.name = "lbl_about", .index = 1, .kind = K::Label, .parent = "frm_about", .left = 240, .top = 1080,
     .width = 4815, .height = 255, .caption = "Fatigue Life Analysis Software", .alignment = kAlignCenter},  // chosen
    {.name = "lbl_about", .index = 2, .kind = K::Label, .parent = "frm_about", .left = 240, .top = 1380,
     .width = 4815, .height = 255, .caption = "ver. 6.7", .alignment = kAlignCenter},  // chosen
    {.name = "cmd_about", .kind = K::CommandButton, .parent = "frm_about", .left = 2100, .top = 3480,
     .width = 1095, .height = 375, .caption = "&OK"},  // chosen geometry
};
}  // namespace

std::span<const ControlDef> AboutFrameControls() { return kAboutFrame; }
