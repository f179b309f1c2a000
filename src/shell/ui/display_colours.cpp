#include "shell/ui/display_colours.h"

#include <cstdint>

#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/numeric_box.h"
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

// The input boxes at rest take the colour of the frame or box they stand on.
struct BoxColour {
  const char* box;
  int index;
  int32_t ColourSettings::*colour;
};

constexpr BoxColour kBoxes[] = {
    {"SNmt", -1, &ColourSettings::ColourSN},        {"SNNot", -1, &ColourSettings::ColourSN},
    {"SNPnt", -1, &ColourSettings::ColourSN},       {"SNrt", -1, &ColourSettings::ColourSN},
    {"SNset", 0, &ColourSettings::ColourSN},        {"SNset", 1, &ColourSettings::ColourSN},
    {"SNtht", 2, &ColourSettings::ColourSN},        {"SNtht", 3, &ColourSettings::ColourSN},
    {"SNEt", -1, &ColourSettings::ColourSN},        {"SNtht", 0, &ColourSettings::ColourDataBox},
    {"SNtht", 1, &ColourSettings::ColourDataBox},   {"ExtSNt", 0, &ColourSettings::ColourDataBox},
    {"ExtSNt", 1, &ColourSettings::ColourDataBox},  {"DTFft", -1, &ColourSettings::ColourDataBox},
    {"Subjt", -1, &ColourSettings::ColourDataBox},  {"Loadt", -1, &ColourSettings::ColourDataBox},
    {"Materialt", -1, &ColourSettings::ColourDataBox}, {"DBmset", 2, &ColourSettings::ColourDataBox},
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
  // A box being edited keeps its editing colours; it takes the new one when left.
  for (Control* control : main.Controls()) {
    auto* box = dynamic_cast<TextBox*>(control);
    if (!box || IsBeingEdited(*box)) continue;
    for (const BoxColour& b : kBoxes)
      if (box->Name() == b.box && box->Index() == b.index) box->SetBackColor(c.*(b.colour));
  }
}

void PaintColourLabels(FormMain& main) {
  const ColourSettings& c = main.state().colourSettings;
  for (const LabelColour& l : kLabels) main.settings().Graphics(l.index).SetBackColor(c.*(l.colour));
}
