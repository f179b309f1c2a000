#pragma once

#include "platform/ui/form_definition.h"

// Short constructors of definition-table rows for the common kinds, so the
// tables read as one row per control. Every field not set here keeps its
// ControlDef default; a row can be adjusted further with designated fields
// where it needs more (fonts, colours, borders).
namespace rows {

constexpr ControlDef Make(ControlKind kind, const char* name, int index, const char* parent, float left, float top,
                          float width, float height, const char* caption, bool visible) {
  ControlDef d;
  d.name = name;
  d.index = index;
  d.kind = kind;
  d.parent = parent;
  d.left = left;
  d.top = top;
  d.width = width;
  d.height = height;
  d.caption = caption;
  d.visible = visible;
  return d;
}

constexpr ControlDef FrameDef(const char* name, const char* parent, float l, float t, float w, float h,
                           const char* caption, bool visible = true) {
  return Make(ControlKind::Frame, name, -1, parent, l, t, w, h, caption, visible);
}
constexpr ControlDef PictureDef(const char* name, const char* parent, float l, float t, float w, float h,
                             bool visible = true) {
  return Make(ControlKind::PictureBox, name, -1, parent, l, t, w, h, "", visible);
}
constexpr ControlDef LabelDef(const char* name, int index, const char* parent, float l, float t, float w, float h,
                           const char* caption, bool visible = true) {
  return Make(ControlKind::Label, name, index, parent, l, t, w, h, caption, visible);
}
constexpr ControlDef BoxDef(const char* name, int index, const char* parent, float l, float t, float w, float h,
                         const char* text, bool visible = true) {
  return Make(ControlKind::TextBox, name, index, parent, l, t, w, h, text, visible);
}
constexpr ControlDef ButtonDef(const char* name, int index, const char* parent, float l, float t, float w, float h,
                            const char* caption, bool visible = true) {
  return Make(ControlKind::CommandButton, name, index, parent, l, t, w, h, caption, visible);
}
constexpr ControlDef OptionDef(const char* name, const char* parent, float l, float t, float w, float h,
                            const char* caption, bool selected = false) {
  ControlDef d = Make(ControlKind::OptionButton, name, -1, parent, l, t, w, h, caption, true);
  d.value = selected ? 1 : 0;
  return d;
}
constexpr ControlDef CheckDef(const char* name, int index, const char* parent, float l, float t, float w, float h,
                           const char* caption, bool visible = true) {
  return Make(ControlKind::CheckBox, name, index, parent, l, t, w, h, caption, visible);
}
constexpr ControlDef LineDef(const char* name, int index, const char* parent, float x1, float y1, float x2, float y2) {
  ControlDef d = Make(ControlKind::Line, name, index, parent, 0, 0, 0, 0, "", true);
  d.x1 = x1;
  d.y1 = y1;
  d.x2 = x2;
  d.y2 = y2;
  return d;
}

// Row adjusters.
constexpr ControlDef Font(ControlDef d, float size, bool bold = false, bool italic = false, const char* name = "") {
  d.fontSize = size;
  d.bold = bold;
  d.italic = italic;
  d.fontName = name;
  return d;
}
// The design fonts of the working frames and of the controls in them.
constexpr ControlDef SansSerif(ControlDef d, float size, bool bold = false) {
  return Font(d, size, bold, false, "Microsoft Sans Serif");
}
constexpr ControlDef TitleFont(ControlDef d) { return Font(d, 12, true, true, "Arial"); }
constexpr ControlDef Colours(ControlDef d, int32_t fore, int32_t back = kDefaultColour) {
  d.foreColor = fore;
  d.backColor = back;
  return d;
}
constexpr ControlDef Align(ControlDef d, int alignment) {
  d.alignment = alignment;
  return d;
}
constexpr ControlDef AutoSize(ControlDef d) {
  d.autoSize = true;
  return d;
}
constexpr ControlDef Disabled(ControlDef d) {
  d.enabled = false;
  return d;
}
constexpr ControlDef Border(ControlDef d, int style) {
  d.borderStyle = style;
  return d;
}
constexpr ControlDef Tip(ControlDef d, const char* tip) {
  d.toolTip = tip;
  return d;
}
// A text box of several lines.
constexpr ControlDef MultiLine(ControlDef d) {
  d.multiLine = true;
  return d;
}

}  // namespace rows
