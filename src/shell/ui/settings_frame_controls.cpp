#include "shell/ui/shell_controls.h"

namespace {
using K = ControlKind;
constexpr int32_t kGrey = 0x00808080;
constexpr int32_t kWhite = 0x00FFFFFF;

// The colour settings frame. At design time the working frames are parked as
// narrow strips; the frame layout gives them their working size.
constexpr ControlDef kSettingsFrame[] = {
    {.name = "frm_settings", .kind = K::Frame, .left = 360, .top = 1920, .width = 2160, .height = 372,
     .caption = "Colors", .fontName = "Arial", .fontSize = 12, .bold = true, .italic = true, .visible = false},
    {.name = "frm_set_graphics", .kind = K::Frame, .parent = "frm_settings", .left = 1320, .top = 735,
     .width = 2775, .height = 1905, .caption = "Windows ", .fontName = "Microsoft Sans Serif", .fontSize = 10.8f,
     .bold = true},
    // chosen: the six colour labels stacked in the sub-frame
    {.name = "Graphics", .index = 1, .kind = K::Label, .parent = "frm_set_graphics", .left = 240, .top = 300,
     .width = 2295, .height = 225, .caption = "Material", .foreColor = 0, .alignment = kAlignCenter,
     .borderStyle = kBorderFixedSingle},
    {.name = "Graphics", .index = 2, .kind = K::Label, .parent = "frm_set_graphics", .left = 240, .top = 555,
     .width = 2295, .height = 225, .caption = "Results", .foreColor = 0, .alignment = kAlignCenter,
     .borderStyle = kBorderFixedSingle},  // chosen geometry
    {.name = "Graphics", .index = 3, .kind = K::Label, .parent = "frm_set_graphics", .left = 240, .top = 810,
     .width = 2295, .height = 225, .caption = "Loading", .foreColor = 0, .alignment = kAlignCenter,
     .borderStyle = kBorderFixedSingle},  // chosen geometry
    {.name = "Graphics", .index = 4, .kind = K::Label, .parent = "frm_set_graphics", .left = 240, .top = 1065,
     .width = 2295, .height = 225, .caption = "Miscelanea", .foreColor = 0, .alignment = kAlignCenter,
     .borderStyle = kBorderFixedSingle},  // chosen geometry
    {.name = "Graphics", .index = 5, .kind = K::Label, .parent = "frm_set_graphics", .left = 240, .top = 1575,
     .width = 2295, .height = 225, .caption = "Restore Factory Colors", .foreColor = kWhite, .backColor = kGrey,
     .alignment = kAlignCenter, .borderStyle = kBorderFixedSingle},  // chosen geometry
    {.name = "Graphics", .index = 6, .kind = K::Label, .parent = "frm_set_graphics", .left = 240, .top = 1320,
     .width = 2295, .height = 225, .caption = "Diagrams", .foreColor = 0, .alignment = kAlignCenter,
     .borderStyle = kBorderFixedSingle},  // chosen geometry
    {.name = "Select_settings_option", .kind = K::Label, .parent = "frm_settings", .left = 960, .top = 3120,
     .width = 3495, .height = 270, .caption = "Select the desired color ...", .fontName = "Microsoft Sans Serif",
     .fontSize = 7.8f, .alignment = kAlignCenter},
    {.name = "cmd_settings_done", .kind = K::CommandButton, .parent = "frm_settings", .left = 1500, .top = 3720,
     .width = 1095, .height = 375, .caption = "&OK", .fontName = "Microsoft Sans Serif", .fontSize = 7.8f},
    {.name = "cmd_settings_cancel", .kind = K::CommandButton, .parent = "frm_settings", .left = 2800, .top = 3720,
     .width = 1095, .height = 375, .caption = "&Cancel", .fontName = "Microsoft Sans Serif", .fontSize = 7.8f},
};
}  // namespace

std::span<const ControlDef> SettingsFrameControls() { return kSettingsFrame; }
