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

// Every frame of the window itself on show that does not stand whole in the
// window's inner area (where its controls sit, below the menu bar): one that
// reaches past it, its border or caption cut by the window's edge, and one
// of the `floating` frames (those that stand over the main view, apart from
// its edges) that leaves less than a few pixels of the window beneath its
// lower border, which then shows as the window's edge rather than its own.
std::vector<ShownFault> FramesNotWholeInTheWindow(const Form& form, const std::vector<std::string>& floating);

// The window's own labels whose text a frame on show covers.
std::vector<ShownFault> TextsUnderFrames(const Form& form);

// The name of a control as the program writes it: Name or Name(index).
std::string ControlName(const Control& c);
