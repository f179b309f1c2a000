#pragma once

#include <string>
#include <vector>

struct ProgramState;

// The job summary box as a framed block of text on the printer or on the
// hidden print picture: where the box stands and which lines it holds.

// The box in the surface's twips: width W, height H, its left side C from
// the surface's left edge, its lower side T above the lower edge, and the
// factor of its font sizes.
struct DataBoxGeometry {
  float W = 0, H = 0, C = 0, T = 0, fs = 1;
};

// On the printer the box takes one of three layouts by the page's
// height-to-width ratio; on the hidden picture it fills the lower right
// quarter and its fonts follow the screen's font scale. A distribution
// loading (no damage diagram beside it) moves the box to the left.
DataBoxGeometry DataBoxGeometryOf(bool printer, float width, float height, bool distribution, float fontScale);

// The captions and texts of the summary box as it shows them.
struct DataBoxTexts {
  std::string title;                    // frm_DBox
  std::string subject, load, material;  // Subj, Load, Material
  std::string extLabel[2], extText[2];  // ExtSN(0..1), ExtSNt(0..1)
  std::string notchLabel, notchText;    // SCF(0), SCFt(0)
  std::string notchTag;                 // SCF_distr
  std::string radiusLabel, radiusText;  // Reliab, Reliabt
  std::string thicknessLabel[2];        // SNth(0), SNth(1)
  std::string mseLabel;                 // DBmse(0)
  std::string notchQuantityLabel;       // DDBmse(2)
  std::string notchQuantityText;        // DBmset(2)
  std::string damageLabel, damageText;  // DTFf, DTFft
  std::string life;                     // Result
};

// One line of the box: its items printed one after the other from (x, y),
// the line's top, in the box's own coordinates (origin at the lower left
// corner, y upwards). A line that is not ended leaves the pen behind it.
struct DataBoxLine {
  float x = 0, y = 0;
  std::vector<std::string> items;
  bool ended = true;
  bool bold = false;
};

// The lines of the box in the order they are printed, chosen by the job's
// options as the box on the screen chooses its rows.
std::vector<DataBoxLine> DataBoxLines(const ProgramState& s, const DataBoxTexts& t, const DataBoxGeometry& g,
                                      bool printer);
