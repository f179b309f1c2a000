#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/draw/window_image.h"
#include "platform/host.h"
#include "platform/ui/check_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/control.h"
#include "platform/ui/control_array.h"
#include "platform/ui/dir_list.h"
#include "platform/ui/drive_list.h"
#include "platform/ui/form_definition.h"
#include "platform/ui/frame.h"
#include "platform/ui/label.h"
#include "platform/ui/line_control.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/option_button.h"
#include "platform/ui/picture_box.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/text_box.h"

class FormWindow;
class QMenuBar;

// A top-level window with its controls and menus.
//
// Geometry is in twips: Left/Top/Width/Height are the outer window, ScaleWidth
// and ScaleHeight the inner area where the controls sit (below the menu bar).
// The form keeps an explicit focus model (ActiveControl): LostFocus and
// GotFocus run when the focus moves from one control to another, whether the
// user moved it or code did, and never re-enter: a SetFocus or message box
// from inside LostFocus/GotFocus moves the focus silently.
class Form {
 public:
  explicit Form(Host& host, std::string name = "");
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  Host& host() const { return host_; }
  const std::string& Name() const { return name_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  void SetLeft(float twips);
  void SetTop(float twips);
  void SetWidth(float twips);
  void SetHeight(float twips);
  void Move(float left, float top, float width, float height);
  float ScaleWidth() const;
  float ScaleHeight() const;
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int pointer);
  int32_t BackColor() const { return backColor_; }
  void SetBackColor(int32_t colour);
  // The font new controls take when their definition names none.
  const std::string& FontName() const { return fontName_; }
  float FontSize() const { return fontSize_; }
  void SetFont(const std::string& name, float size);
  // A pixel copy of the client area (below the menu bar) as the screen shows
  // it, controls and all; a hidden window is rendered as it would show.
  WindowImage ClientImage() const;

  // Life cycle. Load runs onLoad once (Show loads first); after an Unload the
  // next Load starts again from the design values of the definition table.
  std::function<void()> onLoad, onResize, onActivate;
  std::function<void(int& cancel)> onUnload;
  std::function<void(int& cancel, int unloadMode)> onQueryUnload;
  void Load();
  bool IsLoaded() const { return loaded_; }
  // Shows the form; a modal form is shown over its owner and Show returns
  // when it is hidden (through Host::RunModal); a modeless form with an owner
  // stays above the owner.
  void Show(bool modal = false, Form* owner = nullptr);
  void Hide();
  // QueryUnload and Unload (either may cancel); then hides the form. Returns
  // false when cancelled.
  bool Unload(int unloadMode = kUnloadFormCode);
  // The user closes the window (the close box).
  bool close() { return Unload(kUnloadFormControlMenu); }

  // Work that must be done at most once on the controls as they stand (the
  // screen layout multiplies their current values): the first call with a
  // task's name returns true, every later one false, until an unload and a
  // fresh load put the controls back to their design values.
  bool FirstRunOf(const std::string& task);

  // Controls from a definition table. May be called more than once.
  void Build(std::span<const ControlDef> rows);
  void BuildMenus(std::span<const MenuDef> rows);
  // A single control made by code.
  template <class T>
  T& Add(const std::string& name, int index = -1, Control* container = nullptr) {
    auto c = std::unique_ptr<T>(new T(*this, container, name, index));
    T& ref = *c;
    Register(std::move(c));
    return ref;
  }
  MenuItem& AddMenu(const std::string& name, const std::string& caption, MenuItem* parent = nullptr,
                    int index = -1);

  // Finding controls by name and index (-1 for a control that is not an
  // array element). A missing control or one of another kind is a
  // programming error (std::logic_error).
  Control* Find(const std::string& name, int index = -1) const;
  template <class T>
  T& get(const std::string& name, int index = -1) const {
    T* c = dynamic_cast<T*>(Find(name, index));
    if (!c) throw std::logic_error("No control " + Describe(name, index) + " of that kind on form " + name_);
    return *c;
  }
  template <class T>
  ControlArray<T>& array(const std::string& name) const {
    auto it = arrays_.find(name);
    auto* a = it == arrays_.end() ? nullptr : dynamic_cast<ControlArray<T>*>(it->second.get());
    if (!a) throw std::logic_error("No control array " + name + " of that kind on form " + name_);
    return *a;
  }
  Label& label(const std::string& n, int i = -1) const { return get<Label>(n, i); }
  TextBox& textBox(const std::string& n, int i = -1) const { return get<TextBox>(n, i); }
  CommandButton& button(const std::string& n, int i = -1) const { return get<CommandButton>(n, i); }
  OptionButton& option(const std::string& n, int i = -1) const { return get<OptionButton>(n, i); }
  CheckBox& checkBox(const std::string& n, int i = -1) const { return get<CheckBox>(n, i); }
  Frame& frame(const std::string& n, int i = -1) const { return get<Frame>(n, i); }
  PictureBox& picture(const std::string& n, int i = -1) const { return get<PictureBox>(n, i); }
  ScrollBar& scrollBar(const std::string& n, int i = -1) const { return get<ScrollBar>(n, i); }
  LineControl& line(const std::string& n, int i = -1) const { return get<LineControl>(n, i); }
  DriveList& driveList(const std::string& n, int i = -1) const { return get<DriveList>(n, i); }
  DirList& dirList(const std::string& n, int i = -1) const { return get<DirList>(n, i); }
  MenuItem& menu(const std::string& name, int index = -1) const;
  ControlArray<MenuItem>& menuArray(const std::string& name) const { return array<MenuItem>(name); }
  // Every control in the order made.
  std::vector<Control*> Controls() const;

  // Focus model.
  Control* ActiveControl() const { return focus_; }
  // Moves the focus (nullptr: to no control). See the class comment.
  void MoveFocus(Control* to);
  // Next control in tab order that can take the focus (wrapping). A frame on
  // the form that lies over controls that could take the focus (made before
  // it) is a working frame: from inside it, Tab cycles within it. Tab never
  // reaches a control that a visible frame made later covers.
  Control* NextInTabOrder(Control* from, bool backwards = false) const;
  // The visible frames on the form, made after `c`'s own top-level control,
  // that overlap `c`: the frames that lie over it.
  std::vector<const Control*> FramesInFront(const Control* c) const;
  // Whether a frame on the form lies over a visible control made before it
  // that could take the focus.
  bool CoversOthers(const Control* frame) const;

  CommandButton* DefaultButton() const { return defaultButton_; }
  CommandButton* CancelButton() const { return cancelButton_; }
  // Enter clicks the default button, Escape the cancel button, when that
  // button is on show and enabled and no frame made later lies over it.
  // True when a button was clicked.
  bool PressDefaultOrCancel(int keyCode);

  // Shows `menu`'s items as a popup menu at the pointer (through
  // Host::PopupMenu) and runs the Click of the chosen item.
  void PopupMenu(MenuItem& menu);

  // Qt side, for the platform layer.
  QWidget* widget() const;
  QWidget* clientArea() const;
  QMenuBar* menuBar() const;
  // Re-lays out the menu bar and the client area (the window's resize).
  void Relayout();
  void RaiseResize();
  void RaiseActivate();

 private:
  friend class Control;
  friend class CommandButton;
  friend class MenuItem;
  friend class ControlArrayBase;
  void Register(std::unique_ptr<Control> control);
  void RegisterMenu(std::unique_ptr<MenuItem> item);
  Control& Create(const ControlDef& row);
  void ApplyDesign(Control& c, const ControlDef& row);
  void ApplyMenuDesign(MenuItem& m, const MenuDef& row);
  void ResetToDesign();
  void Remove(Control& c);
  void Remove(MenuItem& m);
  Control& CloneControl(const Control& from, int index);
  MenuItem& CloneMenu(const MenuItem& from, int index);
  template <class T>
  void AdoptInto(Control& c);
  void SyncQtFocus();
  // Qt would move its focus to the next (or previous) widget of the window:
  // a Tab that no control took, or the control with the focus is hidden or
  // disabled by the program.
  void QtMovesFocusOn(bool next);
  void ApplyGeometry();
  static std::string Describe(const std::string& name, int index);
  template <class T>
  ControlArray<T>& ArrayFor(const std::string& name) {
    auto& slot = arrays_[name];
    if (!slot) slot.reset(new ControlArray<T>(*this, name));
    auto* a = dynamic_cast<ControlArray<T>*>(slot.get());
    if (!a) throw std::logic_error("Control array " + name + " holds controls of another kind");
    return *a;
  }
  void AddToArray(Control& c);

  Host& host_;
  std::string name_;
  std::unique_ptr<FormWindow> window_;
  std::string caption_;
  float left_ = 0, top_ = 0, width_ = 6000, height_ = 4500;
  bool visible_ = false;
  bool loaded_ = false;
  bool unloadedOnce_ = false;
  int mousePointer_ = 0;
  int32_t backColor_ = kDefaultColour;
  std::string fontName_ = "MS Sans Serif";
  float fontSize_ = 8.25f;

  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::pair<std::string, int>, Control*> byName_;
  std::vector<std::unique_ptr<MenuItem>> menus_;
  std::map<std::pair<std::string, int>, MenuItem*> menusByName_;
  std::map<std::string, std::unique_ptr<ControlArrayBase>> arrays_;
  std::vector<ControlDef> design_;
  std::set<std::string> tasksRun_;
  std::vector<MenuDef> menuDesign_;

  Control* focus_ = nullptr;
  bool focusBusy_ = false;
  bool syncingQt_ = false;
  CommandButton* defaultButton_ = nullptr;
  CommandButton* cancelButton_ = nullptr;
  friend class ControlBridge;
  friend class FormWindow;
};
