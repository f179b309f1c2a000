#pragma once

#include <string>

struct ProgramState;
struct MasterCurveGeometry;
class Surface;

// Texts of the job summary box that the master-curve screen repeats: the
// notch factor's label ("Kt = " or "Kf = ") and value, and the caption of
// the stress concentration factor row.
struct JobSummaryTexts {
  std::string notchFactorLabel;
  std::string notchFactorValue;
  std::string notchFactorCaption;
};

// The text panel of the master-curve screen: the loading, the S-N data and
// the analysis options of the job under their headings, and the job's
// subject, from x = XT on `text`, moved by the vertical shift V. Leaves
// both surfaces in "Microsoft Sans Serif", regular. A stress history's
// extremes are shown scaled by the job's factor, unscaled over the load
// level, and the job's factor and extremes are left as they are; for a
// spectrum or constant amplitude it sets `LevelCount`.
void DrawMasterCurveTexts(ProgramState& s, Surface& text, Surface& graph, const MasterCurveGeometry& g, float V,
                          const JobSummaryTexts& summary);
