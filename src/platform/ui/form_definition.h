#pragma once

#include <cstdint>

#include "platform/ui/control_types.h"

// One row of a window's form definition table: a control with its design
// values. Panels keep their tables as data and let Form::Build create the
// controls. Geometry is in twips relative to the container; an empty parent
// means the form itself.
struct ControlDef {
  const char* name = "";
  int index = -1;  // element of a control array when >= 0
  ControlKind kind = ControlKind::Label;
  const char* parent = "";  // frame or picture holding the control
  int parentIndex = -1;
  float left = 0, top = 0, width = 0, height = 0;
  const char* caption = "";    // caption, or the text of a text box
  const char* fontName = "";   // "" = the form's font
  float fontSize = 0;          // 0 = the form's font size
  bool bold = false, italic = false;
  int32_t foreColor = kDefaultColour, backColor = kDefaultColour;
  bool visible = true, enabled = true;
  int tabIndex = 0;
  const char* toolTip = "";
  int alignment = kAlignLeft;
  int borderStyle = -1;  // -1 = the kind's usual border
  bool autoSize = false;
  bool multiLine = false, locked = false;
  int maxLength = 0;
  bool isDefault = false, isCancel = false;
  int value = 0;  // option button (0/1), check box, scroll bar
  int min = 0, max = 32767, smallChange = 1, largeChange = 1;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line end points
  int borderWidth = 1;
};

// One row of a window's menu table. An empty parent puts the item on the
// menu bar (a top-level item that is not visible serves as a popup menu).
struct MenuDef {
  const char* name = "";
  int index = -1;
  const char* parent = "";
  int parentIndex = -1;
  const char* caption = "";
  bool checked = false, enabled = true, visible = true;
};
