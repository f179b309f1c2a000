#pragma once

#include <string>

#include "diagrams/diagram_surface.h"

struct ProgramState;
class Surface;

// What the damage diagram takes from the main window: which surface it draws
// on, which loading frame shows (the bars follow the spectrum's cycles or
// the distribution's stresses), the caption of `frm_Dam` (the title on
// paper) and the frame's size (the diagram's size on the screen).
struct DamageDiagramView {
  SurfaceKind kind = SurfaceKind::Screen;
  bool spectrumShown = false;
  bool distributionShown = false;
  std::string title;
  float frameWidth = 0, frameHeight = 0;
};

// Draws the damage of the last analysis as bars, one per spectrum level or
// per rainflow cycle, each bar's own damage or the cumulative damage by
// `DamageDisplayMode`. The screen picture is cleared first; on paper the
// diagram draws its own frame and title. Records that cannot form a bar
// width (no cycles, no upper stress, one level of a distribution) give the
// frame and the axis titles only. `BatchLevelCycles` of the first level is
// the same afterwards; `CaptionBuf` keeps the axis title.
void DrawDamageBars(ProgramState& s, Surface& target, const DamageDiagramView& view);
