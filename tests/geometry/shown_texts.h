#pragma once

// What a window shows, measured on its real widgets with their real fonts:
// where each visible control draws its text, how much of it the control, its
// containers and the controls lying over it leave in sight, and whether the
// control stays inside its frame.

#include <string>
#include <vector>

class Control;
class Form;

// One fault on screen: the control, its text and what is wrong, in words
// and pixels.
struct ShownFault {
  std::string control;
  std::string text;
  std::string fault;
};

// Every visible label, text box, command button, option button and check box
// of the form whose text does not show whole (or a one-line text box taller
// than its text needs; a multi-line box shows all of its lines, laid out in
// its width, without scrolling): cut by its own edges, clipped
// by a container, or covered by a control lying over it. A value box may lie
// over the number in a caption, or over the whole of a label it stands in
// for; the window's own controls lie over each other on purpose (the working
// frames over the main view) and are left out.
std::vector<ShownFault> CutTexts(const Form& form);

// Every visible control inside a frame or picture that reaches past its
// container's inner edge (a frame's border and caption band, a picture's
// border).
std::vector<ShownFault> ControlsOutsideTheirFrames(const Form& form);

// The window's own labels whose text a frame on show covers.
std::vector<ShownFault> TextsUnderFrames(const Form& form);

// The name of a control as the program writes it: Name or Name(index).
std::string ControlName(const Control& c);
