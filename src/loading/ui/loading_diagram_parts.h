#pragma once

#include <cstdint>
#include <string>

#include "loading/diagram_placement.h"

class FormMain;
class Frame;
class PictureBox;
class Surface;
class TextBox;
class Control;
class Label;
struct ProgramState;
struct AnalysisOptions;

// Pieces the three loading diagrams share on the main window.

// The loading frame in the upper right quarter of the window's inner area.
void PlaceLoadingFrame(FormMain& main, Frame& frame);

// Works out the diagram's place on `surface`. On the screen picture (after
// the frame has been placed) the picture gets the plot's size (Height H,
// Width W) inside it (Left 0.02, Top 0.07 / ScaleY of the frame's size).
// `width` and `height` receive the surface size the diagram's scale spans:
// the picture's on the screen, the surface's own on paper.
DiagramPlace PlaceLoadingDiagram(FormMain& main, Surface& surface, const PlacementTable& table, Frame& frame,
                                 PictureBox& picture, double& width, double& height);

// A single case or a master curve over the endurance limit: the loading has
// one stress range, no lower end.
bool OneStressRange(const AnalysisOptions& a);

// A database row: `batch` when it names one (0 .. 20), else 0 (typed in).
int BatchRow(int batch);

// Where the controls lying on a diagram picture go. Controls inside a
// picture are placed in twips from its top left corner; the diagram's places
// are points of its scale (y upward), spanning the picture's width x height.
struct PictureSpot {
  const Surface& surface;
  double width, height;

  float Left(double x) const;  // the Left of a control whose left edge is at x
  float Top(double y) const;   // the Top of a control whose upper edge is at y
  double X(float left) const;  // and back
  double Y(float top) const;
};

// A value box lying on a diagram takes the colour of the diagram at its upper
// left corner, or the picture's back colour where that corner lies outside it.
void TakeDiagramColour(TextBox& box, const PictureSpot& spot);
int32_t DiagramColourUnder(const TextBox& box, const PictureSpot& spot);

// The tool tip, emptied while tool tips are hidden (ToolTipMode 1).
void SetTip(Control& control, const std::string& tip, const ProgramState& s);

// Width of a value box sized to its text: 100 x FontScale twips a character.
float ValueBoxWidth(const std::string& text, const ProgramState& s);

// A stress as the value rows show it: the number alone ("####0.0#") in a
// box, with two blanks and the loading unit in a label.
std::string StressValueText(float v);
std::string StressCaption(const ProgramState& s, float v);
// The mean row's label before its value: "Mean " (amplitude and mean) or
// "Min. " (range and minimum), the loading quantity and "=  ".
std::string MeanRowPrefix(const ProgramState& s);

// A stress value lying on a diagram: the label shows it with its unit, the
// box the number alone over the label's number and as wide as it, both with
// their upper left corner at the diagram's point (x, y). The box's back
// colour is the caller's.
void FillValueRow(const ProgramState& s, const PictureSpot& spot, Label& label, TextBox& box, float value, float x,
                  float y);

// The mean or minimum stress row: the label "Mean Stress =  " (or "Min. ")
// at the diagram's point (x, y), the box with the value right after it in the
// diagram's colour under its corner, then the value and unit appended to the
// label.
void FillMeanRow(const ProgramState& s, const PictureSpot& spot, Label& label, TextBox& box, float x, float y);
