#include "platform/ui/form.h"

#include <QMenuBar>
#include <QScopedValueRollback>
#include <algorithm>

#include "platform/qt/font_mapping.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/window_grab.h"

namespace {

// The caption or text of any control (empty for those without).
std::string CaptionOf(const Control& c) {
  if (auto* x = dynamic_cast<const Label*>(&c)) return x->Caption();
  if (auto* x = dynamic_cast<const Frame*>(&c)) return x->Caption();
  if (auto* x = dynamic_cast<const TextBox*>(&c)) return x->Text();
  if (auto* x = dynamic_cast<const CommandButton*>(&c)) return x->Caption();
  if (auto* x = dynamic_cast<const OptionButton*>(&c)) return x->Caption();
  if (auto* x = dynamic_cast<const CheckBox*>(&c)) return x->Caption();
  return {};
}

}  // namespace

Form::Form(Host& host, std::string name) : host_(host), name_(std::move(name)), window_(std::make_unique<FormWindow>(*this)) {
  SetFont(fontName_, fontSize_);
  ApplyGeometry();
}

Form::~Form() {
  focus_ = nullptr;
  syncingQt_ = true;  // Qt's focus moves while widgets go are no user's moves
  defaultButton_ = cancelButton_ = nullptr;
  arrays_.clear();
  while (!controls_.empty()) controls_.pop_back();  // children before their containers
  while (!menus_.empty()) menus_.pop_back();        // items before their menus
  // Windows of forms this one owns belong to their own Form objects.
  for (QObject* child : window_->children())
    if (auto* owned = dynamic_cast<FormWindow*>(child)) owned->setParent(nullptr);
}

QWidget* Form::widget() const { return window_.get(); }
QWidget* Form::clientArea() const { return window_->client(); }
WindowImage Form::ClientImage() const { return GrabWindowImage(*clientArea()); }
QMenuBar* Form::menuBar() const { return window_->menuBar(); }
void Form::Relayout() { window_->Relayout(); }
void Form::RaiseResize() {
  if (loaded_ && onResize) onResize();
}
void Form::RaiseActivate() {
  if (onActivate) onActivate();
}

std::string Form::Describe(const std::string& name, int index) {
  return index >= 0 ? name + "(" + std::to_string(index) + ")" : name;
}

// ---- window properties

void Form::SetCaption(const std::string& caption) {
  caption_ = caption;
  window_->setWindowTitle(ToQ(caption));
}

void Form::ApplyGeometry() {
  // Left, Top, Width and Height are the outer window, frame and title bar
  // included; Qt places and sizes the inside. The frame is known before the
  // window shows, so that ScaleWidth and ScaleHeight read while it is hidden
  // (the layout at start-up) are those it shows with, and the inside is
  // placed by it: Qt would place the frame only once it has seen it.
  const QMargins frame = window_->FrameMargins();
  window_->setGeometry(TwipsToPixelsX(left_) + frame.left(), TwipsToPixelsY(top_) + frame.top(),
                       std::max(1, TwipsToPixelsX(width_) - frame.left() - frame.right()),
                       std::max(1, TwipsToPixelsY(height_) - frame.top() - frame.bottom()));
  window_->Relayout();
}

void Form::SetLeft(float twips) {
  left_ = twips;
  ApplyGeometry();
}
void Form::SetTop(float twips) {
  top_ = twips;
  ApplyGeometry();
}
void Form::SetWidth(float twips) {
  width_ = twips;
  ApplyGeometry();
}
void Form::SetHeight(float twips) {
  height_ = twips;
  ApplyGeometry();
}
void Form::Move(float left, float top, float width, float height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  ApplyGeometry();
}

float Form::ScaleWidth() const { return static_cast<float>(clientArea()->width() * TwipsPerPixelX()); }
float Form::ScaleHeight() const { return static_cast<float>(clientArea()->height() * TwipsPerPixelY()); }

void Form::SetVisible(bool on) {
  if (on)
    Show();
  else
    Hide();
}

void Form::SetMousePointer(int pointer) {
  mousePointer_ = pointer;
  if (pointer == kPointerDefault)
    window_->unsetCursor();
  else
    window_->setCursor(CursorShapeFor(pointer));
}

void Form::SetBackColor(int32_t colour) {
  backColor_ = colour;
  QPalette pal = window_->palette();
  pal.setColor(QPalette::Window, ToQColor(colour, window_.get()));
  window_->setPalette(pal);
  window_->setAutoFillBackground(true);
}

void Form::SetFont(const std::string& name, float size) {
  fontName_ = name;
  fontSize_ = size;
  window_->setFont(MakeDrawingFont(name, size, false, false));
}

// ---- life cycle

void Form::Load() {
  if (loaded_) return;
  if (unloadedOnce_) ResetToDesign();
  loaded_ = true;
  if (onLoad) onLoad();
}

void Form::Show(bool modal, Form* owner) {
  Load();
  if (owner && window_->parentWidget() != owner->widget()) {
    window_->setParent(owner->widget(), Qt::Window);
  }
  window_->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
  visible_ = true;
  window_->show();
  ApplyGeometry();
  if (modal) host_.RunModal([this] { return visible_; });
}

void Form::Hide() {
  visible_ = false;
  window_->hide();
}

bool Form::Unload(int unloadMode) {
  if (!loaded_) {
    Hide();
    return true;
  }
  int cancel = 0;
  if (onQueryUnload) onQueryUnload(cancel, unloadMode);
  if (cancel) return false;
  if (onUnload) onUnload(cancel);
  if (cancel) return false;
  Hide();
  loaded_ = false;
  unloadedOnce_ = true;
  focus_ = nullptr;
  return true;
}

// ---- controls

template <class T>
void Form::AdoptInto(Control& c) {
  ArrayFor<T>(c.Name()).Adopt(static_cast<T*>(&c), c.Index());
}

void Form::AddToArray(Control& c) {
  using K = ControlKind;
  switch (c.Kind()) {
    case K::Frame: return AdoptInto<Frame>(c);
    case K::Label: return AdoptInto<Label>(c);
    case K::TextBox: return AdoptInto<TextBox>(c);
    case K::CommandButton: return AdoptInto<CommandButton>(c);
    case K::OptionButton: return AdoptInto<OptionButton>(c);
    case K::CheckBox: return AdoptInto<CheckBox>(c);
    case K::PictureBox: return AdoptInto<PictureBox>(c);
    case K::HScrollBar:
    case K::VScrollBar: return AdoptInto<ScrollBar>(c);
    case K::Line: return AdoptInto<LineControl>(c);
    case K::DriveList: return AdoptInto<DriveList>(c);
    case K::DirList: return AdoptInto<DirList>(c);
  }
}

void Form::Register(std::unique_ptr<Control> control) {
  const auto key = std::make_pair(control->Name(), control->Index());
  if (byName_.count(key)) throw std::logic_error("Control " + Describe(key.first, key.second) + " made twice on form " + name_);
  Control& c = *control;
  controls_.push_back(std::move(control));
  byName_[key] = &c;
  if (c.Index() >= 0) AddToArray(c);
}

Control* Form::Find(const std::string& name, int index) const {
  auto it = byName_.find({name, index});
  return it == byName_.end() ? nullptr : it->second;
}

std::vector<Control*> Form::Controls() const {
  std::vector<Control*> v;
  v.reserve(controls_.size());
  for (const auto& c : controls_) v.push_back(c.get());
  return v;
}

Control& Form::Create(const ControlDef& row) {
  Control* container = nullptr;
  if (row.parent && *row.parent) {
    container = Find(row.parent, row.parentIndex);
    if (!container) throw std::logic_error(std::string("Container ") + Describe(row.parent, row.parentIndex) + " of " + row.name + " not made yet");
  }
  using K = ControlKind;
  const std::string name = row.name;
  switch (row.kind) {
    case K::Frame: return Add<Frame>(name, row.index, container);
    case K::Label: return Add<Label>(name, row.index, container);
    case K::TextBox: {
      auto box = std::make_unique<TextBox>(*this, container, name, row.index, row.multiLine);
      TextBox& ref = *box;
      Register(std::move(box));
      return ref;
    }
    case K::CommandButton: return Add<CommandButton>(name, row.index, container);
    case K::OptionButton: return Add<OptionButton>(name, row.index, container);
    case K::CheckBox: return Add<CheckBox>(name, row.index, container);
    case K::PictureBox: return Add<PictureBox>(name, row.index, container);
    case K::HScrollBar: return Add<HScrollBar>(name, row.index, container);
    case K::VScrollBar: return Add<VScrollBar>(name, row.index, container);
    case K::Line: return Add<LineControl>(name, row.index, container);
    case K::DriveList: return Add<DriveList>(name, row.index, container);
    case K::DirList: return Add<DirList>(name, row.index, container);
  }
  throw std::logic_error("Unknown control kind");
}

// Design values: no event runs while they are set.
void Form::ApplyDesign(Control& c, const ControlDef& row) {
  c.fontName_ = row.fontName && *row.fontName ? row.fontName : fontName_;
  c.fontSize_ = row.fontSize > 0 ? row.fontSize : fontSize_;
  c.fontBold_ = row.bold;
  c.fontItalic_ = row.italic;
  c.ApplyFont();
  c.Move(row.left, row.top, row.width, row.height);
  c.foreColor_ = row.foreColor;
  c.backColor_ = row.backColor;
  c.ApplyColours();
  c.SetVisible(row.visible);
  c.SetEnabled(row.enabled);
  c.SetTabIndex(row.tabIndex);
  c.SetToolTipText(row.toolTip ? row.toolTip : "");
  const std::string caption = row.caption ? row.caption : "";
  if (auto* x = dynamic_cast<Label*>(&c)) {
    x->SetAlignment(row.alignment);
    x->SetBorderStyle(row.borderStyle < 0 ? kBorderNone : row.borderStyle);
    x->SetAutoSize(row.autoSize);
    x->SetCaption(caption);
  } else if (auto* x = dynamic_cast<Frame*>(&c)) {
    x->SetCaption(caption);
  } else if (auto* x = dynamic_cast<TextBox*>(&c)) {
    x->text_ = caption;
    x->ShowText();
    x->SetAlignment(row.alignment);
    x->SetBorderStyle(row.borderStyle < 0 ? kBorderFixedSingle : row.borderStyle);
    x->SetLocked(row.locked);
    x->SetMaxLength(row.maxLength);
  } else if (auto* x = dynamic_cast<CommandButton*>(&c)) {
    x->SetCaption(caption);
    if (row.isDefault) x->SetDefault(true);
    if (row.isCancel) x->SetCancel(true);
  } else if (auto* x = dynamic_cast<OptionButton*>(&c)) {
    x->SetCaption(caption);
    x->value_ = row.value != 0;
    x->ShowValue();
  } else if (auto* x = dynamic_cast<CheckBox*>(&c)) {
    x->SetCaption(caption);
    x->value_ = row.value;
    x->ShowValue();
  } else if (auto* x = dynamic_cast<ScrollBar*>(&c)) {
    x->min_ = row.min;
    x->max_ = row.max;
    x->smallChange_ = std::max(1, row.smallChange);
    x->largeChange_ = std::max(1, row.largeChange);
    x->value_ = std::clamp(row.value, std::min(row.min, row.max), std::max(row.min, row.max));
    x->ShowRange();
  } else if (auto* x = dynamic_cast<LineControl*>(&c)) {
    x->SetBorderColor(row.foreColor == kDefaultColour ? 0 : row.foreColor);
    x->SetBorderWidth(row.borderWidth);
    x->x1_ = row.x1;
    x->y1_ = row.y1;
    x->x2_ = row.x2;
    x->y2_ = row.y2;
    x->Place();
  } else if (auto* x = dynamic_cast<PictureBox*>(&c)) {
    x->SetBorderStyle(row.borderStyle < 0 ? kBorderFixedSingle : row.borderStyle);
  }
}

void Form::Build(std::span<const ControlDef> rows) {
  for (const ControlDef& row : rows) {
    ApplyDesign(Create(row), row);
    design_.push_back(row);
  }
}

// A new array element like `from`: same container and properties, hidden.
Control& Form::CloneControl(const Control& from, int index) {
  const std::string caption = CaptionOf(from);
  const std::string parent = from.Container() ? from.Container()->Name() : "";
  ControlDef row;
  row.name = from.Name().c_str();
  row.index = index;
  row.kind = from.Kind();
  row.parent = parent.c_str();
  row.parentIndex = from.Container() ? from.Container()->Index() : -1;
  row.left = from.Left();
  row.top = from.Top();
  row.width = from.Width();
  row.height = from.Height();
  row.caption = caption.c_str();
  row.fontName = from.FontName().c_str();
  row.fontSize = from.FontSize();
  row.bold = from.FontBold();
  row.italic = from.FontItalic();
  row.foreColor = from.ForeColor();
  row.backColor = from.BackColor();
  row.visible = false;
  row.enabled = from.Enabled();
  row.tabIndex = from.TabIndex();
  row.toolTip = from.ToolTipText().c_str();
  if (auto* x = dynamic_cast<const TextBox*>(&from)) {
    row.multiLine = x->MultiLine();
    row.locked = x->Locked();
    row.maxLength = x->MaxLength();
    row.alignment = x->Alignment();
    row.borderStyle = x->BorderStyle();
  } else if (auto* x = dynamic_cast<const Label*>(&from)) {
    row.alignment = x->Alignment();
    row.borderStyle = x->BorderStyle();
    row.autoSize = x->AutoSize();
  } else if (auto* x = dynamic_cast<const ScrollBar*>(&from)) {
    row.min = x->Min();
    row.max = x->Max();
    row.smallChange = x->SmallChange();
    row.largeChange = x->LargeChange();
  } else if (auto* x = dynamic_cast<const LineControl*>(&from)) {
    row.x1 = x->X1();
    row.y1 = x->Y1();
    row.x2 = x->X2();
    row.y2 = x->Y2();
    row.borderWidth = x->BorderWidth();
    row.foreColor = x->BorderColor();
  }
  Control& c = Create(row);
  ApplyDesign(c, row);
  return c;
}

void Form::Remove(Control& c) {
  for (const auto& other : controls_)
    if (other->Container() == &c) throw std::logic_error("Control " + Describe(c.Name(), c.Index()) + " still holds controls");
  if (focus_ == &c) focus_ = nullptr;
  if (defaultButton_ == &c) defaultButton_ = nullptr;
  if (cancelButton_ == &c) cancelButton_ = nullptr;
  if (c.Index() >= 0) {
    auto it = arrays_.find(c.Name());
    if (it != arrays_.end()) it->second->Forget(c.Index());
  }
  byName_.erase({c.Name(), c.Index()});
  const QScopedValueRollback syncing(syncingQt_, true);  // deleting a focused widget makes Qt move its focus
  std::erase_if(controls_, [&](const auto& p) { return p.get() == &c; });
}

bool Form::FirstRunOf(const std::string& task) { return tasksRun_.insert(task).second; }

void Form::ResetToDesign() {
  tasksRun_.clear();
  std::vector<Control*> loadedAtRunTime;
  for (const auto& c : controls_) {
    const bool designed = std::any_of(design_.begin(), design_.end(), [&](const ControlDef& r) {
      return c->Name() == r.name && c->Index() == r.index;
    });
    if (!designed) loadedAtRunTime.push_back(c.get());
  }
  for (auto it = loadedAtRunTime.rbegin(); it != loadedAtRunTime.rend(); ++it) Remove(**it);
  for (const ControlDef& row : design_) ApplyDesign(*Find(row.name, row.index), row);
  for (const MenuDef& row : menuDesign_) ApplyMenuDesign(menu(row.name, row.index), row);
}

// ---- menus

MenuItem& Form::AddMenu(const std::string& name, const std::string& caption, MenuItem* parent, int index) {
  auto item = std::unique_ptr<MenuItem>(new MenuItem(*this, parent, name, index, caption));
  MenuItem& ref = *item;
  RegisterMenu(std::move(item));
  window_->Relayout();
  return ref;
}

void Form::RegisterMenu(std::unique_ptr<MenuItem> item) {
  const auto key = std::make_pair(item->Name(), item->Index());
  if (menusByName_.count(key)) throw std::logic_error("Menu " + Describe(key.first, key.second) + " made twice");
  MenuItem& m = *item;
  menus_.push_back(std::move(item));
  menusByName_[key] = &m;
  if (m.Index() >= 0) ArrayFor<MenuItem>(m.Name()).Adopt(&m, m.Index());
}

MenuItem& Form::menu(const std::string& name, int index) const {
  auto it = menusByName_.find({name, index});
  if (it == menusByName_.end()) throw std::logic_error("No menu " + Describe(name, index) + " on form " + name_);
  return *it->second;
}

void Form::ApplyMenuDesign(MenuItem& m, const MenuDef& row) {
  m.SetCaption(row.caption ? row.caption : "");
  m.SetChecked(row.checked);
  m.SetEnabled(row.enabled);
  m.SetVisible(row.visible);
  window_->Relayout();
}

void Form::BuildMenus(std::span<const MenuDef> rows) {
  for (const MenuDef& row : rows) {
    MenuItem* parent = row.parent && *row.parent ? &menu(row.parent, row.parentIndex) : nullptr;
    MenuItem& m = AddMenu(row.name, row.caption ? row.caption : "", parent, row.index);
    ApplyMenuDesign(m, row);
    menuDesign_.push_back(row);
  }
}

MenuItem& Form::CloneMenu(const MenuItem& from, int index) {
  MenuItem& m = AddMenu(from.Name(), from.Caption(), from.Parent(), index);
  m.SetChecked(from.Checked());
  m.SetEnabled(from.Enabled());
  m.SetVisible(from.Visible());
  return m;
}

void Form::Remove(MenuItem& m) {
  if (!m.Items().empty()) throw std::logic_error("Menu " + Describe(m.Name(), m.Index()) + " still holds items");
  if (m.Index() >= 0) {
    auto it = arrays_.find(m.Name());
    if (it != arrays_.end()) it->second->Forget(m.Index());
  }
  menusByName_.erase({m.Name(), m.Index()});
  std::erase_if(menus_, [&](const auto& p) { return p.get() == &m; });
  window_->Relayout();
}

void Form::PopupMenu(MenuItem& menu) {
  std::vector<PopupMenuItem> items;
  for (const MenuItem* m : menu.Items())
    items.push_back({m->Caption(), m->Checked(), m->IsEnabledInMenu(), m->Visible(), m->IsSeparator()});
  const int chosen = host_.PopupMenu(items);
  if (chosen < 0 || chosen >= static_cast<int>(menu.Items().size())) return;
  MenuItem* item = menu.Items()[static_cast<size_t>(chosen)];
  if (item->Visible()) item->click();
}

bool Form::PressDefaultOrCancel(int keyCode) {
  CommandButton* button = keyCode == kKeyReturn ? defaultButton_ : keyCode == kKeyEscape ? cancelButton_ : nullptr;
  if (!button || !button->IsShowing() || !button->IsEnabledInForm()) return false;
  // A button under a frame opened over its own (a database browser over the
  // data-service dialog) is out of the user's sight: the keys are not its.
  if (!FramesInFront(button).empty()) return false;
  button->click();
  return true;
}

// ---- focus

void Form::MoveFocus(Control* to) {
  if (to && (!to->CanTakeFocus() || !to->IsEnabledInForm() || !to->IsShowing())) return;
  if (to == focus_) {
    SyncQtFocus();
    return;
  }
  if (focusBusy_) {
    // Inside a LostFocus or GotFocus handler: the focus moves, no events.
    focus_ = to;
    SyncQtFocus();
    return;
  }
  focusBusy_ = true;
  Control* from = focus_;
  focus_ = to;
  if (from) from->RaiseLostFocus();
  if (to && focus_ == to) to->RaiseGotFocus();
  focusBusy_ = false;
  SyncQtFocus();
}

// Qt's focus goes where the form has it: to the active control, or, while
// no control that can have it has it, to the window itself, so that no
// control takes keys that the form does not know of.
void Form::SyncQtFocus() {
  const QScopedValueRollback syncing(syncingQt_, true);
  if (focus_ && focus_->widget() && focus_->IsShowing() && focus_->IsEnabledInForm())
    focus_->widget()->setFocus(Qt::OtherFocusReason);
  else if (window_->focusWidget() != window_.get())
    window_->setFocus(Qt::OtherFocusReason);
}

void Form::QtMovesFocusOn(bool next) {
  if (syncingQt_)
    SyncQtFocus();  // the program hid or disabled the control with the focus
  else
    MoveFocus(NextInTabOrder(focus_, !next));
}

namespace {

// The control's ancestor that lies on the form itself.
const Control* TopLevelOf(const Control* c) {
  while (c->Container()) c = c->Container();
  return c;
}

struct FormRect {
  float left, top, right, bottom;
  bool Overlaps(const FormRect& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

// The control's rectangle in the form's own twips.
FormRect RectOnForm(const Control* c) {
  float left = c->Left(), top = c->Top();
  for (const Control* p = c->Container(); p; p = p->Container()) {
    left += p->Left();
    top += p->Top();
  }
  return {left, top, left + c->Width(), top + c->Height()};
}

}  // namespace

std::vector<const Control*> Form::FramesInFront(const Control* c) const {
  const Control* own = TopLevelOf(c);
  const FormRect rect = RectOnForm(c);
  std::vector<const Control*> above;
  bool afterOwn = false;  // frames made later lie on top
  for (const auto& x : controls_) {
    if (x.get() == own) afterOwn = true;
    else if (afterOwn && !x->Container() && x->Kind() == ControlKind::Frame && x->IsShowing() && RectOnForm(x.get()).Overlaps(rect))
      above.push_back(x.get());
  }
  return above;
}

bool Form::CoversOthers(const Control* frame) const {
  const FormRect rect = RectOnForm(frame);
  for (const auto& x : controls_) {
    if (TopLevelOf(x.get()) == frame) return false;  // only what was made before lies under it
    if (x->CanTakeFocus() && x->IsShowing() && RectOnForm(x.get()).Overlaps(rect)) return true;
  }
  return false;
}

Control* Form::NextInTabOrder(Control* from, bool backwards) const {
  // Within a working frame (a frame over other controls, such as the problem
  // definition or a database frame) the focus stays in it; nowhere does it
  // reach a control that a frame made later covers.
  const Control* scope = from ? TopLevelOf(from) : nullptr;
  if (scope && (scope->Kind() != ControlKind::Frame || !CoversOthers(scope))) scope = nullptr;
  std::vector<Control*> order;
  for (const auto& c : controls_) {
    if (!c->CanTakeFocus() || !c->IsEnabledInForm() || !c->IsShowing()) continue;
    if ((scope && TopLevelOf(c.get()) != scope) || !FramesInFront(c.get()).empty()) continue;
    order.push_back(c.get());
  }
  std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
  if (order.empty()) return nullptr;
  auto it = std::find(order.begin(), order.end(), from);
  if (it == order.end()) return backwards ? order.back() : order.front();
  const auto n = static_cast<std::ptrdiff_t>(order.size());
  const auto pos = it - order.begin();
  return order[static_cast<size_t>((pos + (backwards ? n - 1 : 1)) % n)];
}
