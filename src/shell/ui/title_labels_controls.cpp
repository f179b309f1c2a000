#include "shell/ui/shell_controls.h"

namespace {
using K = ControlKind;

// The title block of the empty main view: product name, version, owner notice.
constexpr ControlDef kTitleLabels[] = {
    {.name = "Label1", .kind = K::Label, .left = 3120, .top = 480, .width = 5352, .height = 1392,
     .caption = "DUVAK", .fontName = "Arial", .fontSize = 60, .italic = true,  // chosen italic
     .alignment = kAlignCenter},
    {.name = "Label2", .kind = K::Label, .left = 3480, .top = 1680, .width = 4005, .height = 255,
     .caption = "ver. 6.7", .fontSize = 7.8f, .bold = true, .alignment = kAlignCenter},
    {.name = "Label3", .kind = K::Label, .left = 3480, .top = 1920, .width = 4005, .height = 255,
     .caption = "Copyright (C) Quorz", .fontSize = 7.8f, .bold = true,  // chosen wording
     .alignment = kAlignCenter},
    {.name = "Label4", .kind = K::Label, .left = 3480, .top = 2160, .width = 4005, .height = 255,
     .caption = "All rights reserved", .fontSize = 7.8f, .bold = true,  // chosen wording
     .alignment = kAlignCenter},
};
}  // namespace

std::span<const ControlDef> TitleLabelControls() { return kTitleLabels; }
