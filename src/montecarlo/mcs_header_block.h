#pragma once

#include <string>

class Surface;
struct McsDiagramGeometry;
struct McsResultsHeader;
struct ProgramState;

// Texts of the windows that the header block prints: the plot's title, the
// caption of the side frame, and the job summary's label of the mean-stress
// notch factor with the text of its box.
struct McsHeaderTexts {
  std::string title;
  std::string sideCaption = "Input Data";
  std::string notchFactorLabel;
  std::string notchFactorValue;
};

// The header block of the simulation results diagram, in the surfaces'
// upward scale of the geometry: on paper the boxes of the plot and of the
// side column with their titles on the top edges; on `side` the column of the
// loading, the material properties, the analysis options and the simulation,
// from the results file's header `h` (and the current job's names, units and
// S-N extension), and the job subject at the bottom. Sets LoadUnitFactor and
// LoadUnit for the file's loading (a stress factor below 1 is a strain
// loading, shown in micro-strain).
void DrawMcsHeaderBlock(ProgramState& s, Surface& target, Surface& side, const McsDiagramGeometry& g,
                        const McsResultsHeader& h, const McsHeaderTexts& texts);
