#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/ui/control_types.h"

class QFont;
class QRect;
class QWidget;
class Form;
class ControlBridge;

// The common part of every control of a form: name and index, geometry in
// twips, visibility, enabled state, colours, font, tool tip, tab order, mouse
// pointer, and the events with their handlers.
//
// Properties keep exactly what the program wrote (a read returns the value
// written); the widget shows them converted (twips to pixels, 0x00BBGGRR to a
// colour). Every event can be raised from code as a user would raise it
// (click(), keyDown(), mouseDown(), ...), so forms can be driven headless.
class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  // Index within its control array, -1 for a control that is not an element.
  int Index() const { return index_; }
  Form& ParentForm() const { return form_; }
  // The frame or picture that holds the control; nullptr for the form itself.
  Control* Container() const { return container_; }

  // Geometry in twips, relative to the container.
  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  virtual void SetLeft(float twips);
  virtual void SetTop(float twips);
  virtual void SetWidth(float twips);
  virtual void SetHeight(float twips);
  void Move(float left, float top, float width, float height);

  // The control's own Visible flag, and whether it shows: its flag and the
  // flags of every container up to the form.
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  bool IsShowing() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  // Enabled and every container enabled: the user can reach it.
  bool IsEnabledInForm() const;

  // Colours as 0x00BBGGRR (system colours 0x800000nn allowed); kDefaultColour
  // (-1) until set.
  int32_t ForeColor() const { return foreColor_; }
  int32_t BackColor() const { return backColor_; }
  void SetForeColor(int32_t colour);
  void SetBackColor(int32_t colour);

  // Font. FontSize is the control's own single-precision size; FontObjectSize
  // is the size as the font object holds it: a fixed-point number with four
  // decimal places, read as a double.
  const std::string& FontName() const { return fontName_; }
  float FontSize() const { return static_cast<float>(fontSize_); }
  double FontObjectSize() const;
  bool FontBold() const { return fontBold_; }
  bool FontItalic() const { return fontItalic_; }
  void SetFontName(const std::string& name);
  void SetFontSize(float points);
  void SetFontObjectSize(double points);
  void SetFontBold(bool on);
  void SetFontItalic(bool on);

  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(const std::string& text);
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index) { tabIndex_ = index; }
  // MousePointer over the control (kPointerDefault, kPointerCross, ...).
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int pointer);

  // Focus, kept by the form's focus model.
  virtual bool CanTakeFocus() const { return false; }
  // Moves the focus here: LostFocus of the control that had it, then GotFocus.
  void SetFocus();
  bool HasFocus() const;

  // Event handlers, set by the panel that owns the control.
  std::function<void()> onClick, onDblClick, onGotFocus, onLostFocus, onChange;
  // KeyDown: keyCode may be changed (0 swallows the key).
  std::function<void(int& keyCode, int shift)> onKeyDown;
  // KeyUp: the key is released.
  std::function<void(int keyCode, int shift)> onKeyUp;
  // KeyPress: keyAscii may be changed (0 cancels the character).
  std::function<void(int& keyAscii)> onKeyPress;
  // Mouse events; x and y in the control's scale (twips, or a picture's user scale).
  std::function<void(int button, int shift, float x, float y)> onMouseDown, onMouseUp, onMouseMove;

  // Raising events from code as the user would. click() on a control that
  // takes the focus moves the focus to it first (its LostFocus/GotFocus run);
  // nothing happens on a disabled control.
  virtual void click();
  void dblClick();
  // A key pressed on this control: Tab moves the focus along the tab order;
  // Enter with a default button on the form clicks that button (in a
  // multi-line box that may be typed into, it is typed); any other
  // key runs KeyDown, and a key with a character runs KeyPress as well.
  void keyDown(int keyCode, int shift = 0);
  // A typed character: runs KeyPress and returns the character that stays
  // (0 when cancelled).
  int keyPress(int keyAscii);
  // The key is released: runs KeyUp.
  void keyUp(int keyCode, int shift = 0);
  void mouseDown(int button, int shift, float x, float y);
  void mouseUp(int button, int shift, float x, float y);
  void mouseMove(int button, int shift, float x, float y);

  // The widget that shows the control (for the platform layer itself).
  QWidget* widget() const { return widget_; }
  // Where the control's children go (frames and pictures); nullptr otherwise.
  virtual QWidget* childArea() const { return nullptr; }

 protected:
  Control(Form& form, Control* container, ControlKind kind, std::string name, int index);
  // Takes the widget made by the derived class, puts it into its container,
  // and connects its events.
  void AttachWidget(QWidget* widget);
  // Container's widget for children.
  QWidget* ParentWidget() const;

  // Runs a handler with the control's events; used by derived classes and the bridge.
  void RaiseClick();
  void RaiseChange();
  // After a change of the font, the geometry or the text: the widget is
  // placed again by the fitting rule (platform/qt/text_fit.h), and so are the
  // controls whose place depends on it (a frame's or picture's controls, the
  // text boxes beside a label).
  virtual void FontChanged() { GeometryChanged(); }
  virtual void GeometryChanged();
  // The font the program gave the control, as it is drawn (uncondensed).
  QFont DrawingFont() const;
  // A control whose widget shows exactly its twips (lines).
  virtual bool KeepsGivenRect() const { return false; }
  // Whether the text on show is the program's (a text box's typed text is not).
  virtual bool ShowsProgramText() const { return true; }
  // Places the widget alone by the fitting rule.
  void PlaceWidget();
  virtual void ApplyColours();
  void ApplyFont();
  // Converts a mouse position in pixels to the control's scale.
  virtual void PixelsToScale(double px, double py, float& x, float& y) const;
  // MouseDown (which 0), MouseUp (1) or MouseMove (2) at a position in
  // pixels; nothing on a disabled control.
  void RaiseMouse(int which, int button, int shift, double px, double py);
  // The keys the form takes before the control sees them: Tab moves the
  // focus along the tab order; Enter on a command button clicks that button;
  // in a control that types Enter (a multi-line box) Enter is the control's;
  // elsewhere Enter clicks the default button and Escape the cancel button,
  // when that button is on show and enabled. True when taken.
  bool FormTakesKey(int keyCode, int shift);
  // Whether Enter types into the control (a new line) rather than going to
  // the form.
  virtual bool TypesEnter() const { return false; }
  void RaiseKeyDown(int& keyCode, int shift);

 private:
  friend class Form;
  friend class ControlBridge;
  void RaiseGotFocus();
  void RaiseLostFocus();
  void PlaceTextBoxesBeside(const QRect& area);
  // The rectangle the twips give the widget, in its parent's pixels.
  QRect GivenRect() const;

  Form& form_;
  Control* container_;
  ControlKind kind_;
  std::string name_;
  int index_;
  QWidget* widget_ = nullptr;
  std::unique_ptr<ControlBridge> bridge_;

  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  int32_t foreColor_ = kDefaultColour;
  int32_t backColor_ = kDefaultColour;
  std::string fontName_ = "MS Sans Serif";
  double fontSize_ = 8.25;
  bool fontBold_ = false;
  bool fontItalic_ = false;
  std::string toolTip_;
  int tabIndex_ = 0;
  int mousePointer_ = 0;
};
