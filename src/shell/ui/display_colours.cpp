#include "shell/ui/display_colours.h"

#include <cstdint>

#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/settings_frame_panel.h"

namespace {

struct PictureColour {
  const char* picture;
  int32_t ColourSettings::*colour;
};

constexpr PictureColour kPictures[] = {
    {"Pic_SN", &ColourSettings::ColourSN},          {"Pic_Rel", &ColourSettings::ColourResults},
    {"Pic_Dam", &ColourSettings::ColourResults},    {"Pic_Hist", &ColourSettings::ColourLoading},
    {"Pic_Spectr", &ColourSettings::ColourLoading}, {"Pic_Distr", &ColourSettings::ColourLoading},
    {"pic_master", &ColourSettings::ColourDiagrams}, {"pic_master1", &ColourSettings::ColourDiagrams},
    {"pic_DBox", &ColourSettings::ColourDataBox},
};

struct LabelColour {
  int index;
  int32_t ColourSettings::*colour;
};

constexpr LabelColour kLabels[] = {
    {1, &ColourSettings::ColourSN},      {2, &ColourSettings::ColourResults},
    {3, &ColourSettings::ColourLoading}, {4, &ColourSettings::ColourDataBox},
    {6, &ColourSettings::ColourDiagrams},
};

}  // namespace

void ApplyPictureColours(FormMain& main) {
  const ColourSettings& c = main.state().colourSettings;
  for (const PictureColour& p : kPictures) main.picture(p.picture).SetBackColor(c.*(p.colour));
}

void PaintColourLabels(FormMain& main) {
  const ColourSettings& c = main.state().colourSettings;
  for (const LabelColour& l : kLabels) main.settings().Graphics(l.index).SetBackColor(c.*(l.colour));
}
