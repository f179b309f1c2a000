#include "platform/ui/control.h"

#include <QFont>
#include <QPalette>
#include <QScopedValueRollback>
#include <QWidget>
#include <cmath>

#include "platform/qt/control_bridge.h"
#include "platform/qt/font_mapping.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/text_fit.h"
#include "platform/ui/form.h"

Control::Control(Form& form, Control* container, ControlKind kind, std::string name, int index)
    : form_(form), container_(container), kind_(kind), name_(std::move(name)), index_(index) {
  fontName_ = form.FontName();
  fontSize_ = form.FontSize();
}

Control::~Control() {
  if (form_.focus_ == this) form_.focus_ = nullptr;
  delete widget_;
}

QWidget* Control::ParentWidget() const {
  if (container_ && container_->childArea()) return container_->childArea();
  return form_.clientArea();
}

void Control::AttachWidget(QWidget* widget) {
  widget_ = widget;
  bridge_ = std::make_unique<ControlBridge>(*this);
  widget_->setFocusPolicy(CanTakeFocus() ? Qt::StrongFocus : Qt::NoFocus);
  bridge_->Attach(widget_);
  ApplyFont();
  GeometryChanged();
  widget_->setVisible(visible_);
}

void Control::SetLeft(float twips) {
  left_ = twips;
  GeometryChanged();
}
void Control::SetTop(float twips) {
  top_ = twips;
  GeometryChanged();
}
void Control::SetWidth(float twips) {
  width_ = twips;
  GeometryChanged();
}
void Control::SetHeight(float twips) {
  height_ = twips;
  GeometryChanged();
}
void Control::Move(float left, float top, float width, float height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  GeometryChanged();
}

void Control::GeometryChanged() {
  if (!widget_) return;
  const QRect before = widget_->geometry();
  PlaceWidget();
  if (childArea()) {
    for (const auto& c : form_.controls_)
      if (c->container_ == this) c->GeometryChanged();
  }
  if (kind_ == ControlKind::Label) PlaceTextBoxesBeside(before | widget_->geometry());
}

QRect Control::GivenRect() const {
  const int x = TwipsToPixelsX(left_), y = TwipsToPixelsY(top_);
  const int w = std::max(0, TwipsToPixelsX(left_ + width_) - x);
  const int h = std::max(0, TwipsToPixelsY(top_ + height_) - y);
  return {x, y, w, h};
}

void Control::PlaceWidget() {
  const QRect given = GivenRect();
  if (KeepsGivenRect()) {
    widget_->setGeometry(given);
    return;
  }
  // The labels on the box's row, as far as it might reach.
  std::vector<QWidget*> labels;
  if (kind_ == ControlKind::TextBox) {
    const QRect row(0, given.top(), QWIDGETSIZE_MAX, given.height());
    for (const auto& c : form_.controls_)
      if (c->kind_ == ControlKind::Label && c->container_ == container_ && c->widget_ && !c->widget_->isHidden() &&
          c->widget_->geometry().intersects(row))
        labels.push_back(c->widget_);
  }
  FitToText(*widget_, {given, DrawingFont(), ShowsProgramText(), labels});
}

// A label's text keeps the text boxes on its row (`area`: where it was and
// is) clear of it.
void Control::PlaceTextBoxesBeside(const QRect& area) {
  const QRect row(0, area.top(), QWIDGETSIZE_MAX, area.height());
  for (const auto& c : form_.controls_)
    if (c->kind_ == ControlKind::TextBox && c->container_ == container_ && c->widget_ &&
        (c->widget_->geometry().intersects(row) || c->GivenRect().intersects(row)))
      c->PlaceWidget();
}

QFont Control::DrawingFont() const {
  return MakeDrawingFont(fontName_, fontSize_ > 0 ? fontSize_ : 8.25, fontBold_, fontItalic_);
}

// Hiding or disabling the widget that has Qt's focus makes Qt pass the focus
// on; the form's focus model decides focus moves, so Qt's move is not taken
// as the user's.
void Control::SetVisible(bool on) {
  visible_ = on;
  if (!widget_) return;
  const QScopedValueRollback syncing(form_.syncingQt_, true);
  widget_->setVisible(on);
  if (kind_ == ControlKind::Label) PlaceTextBoxesBeside(widget_->geometry());
}

bool Control::IsShowing() const {
  for (const Control* c = this; c; c = c->container_)
    if (!c->visible_) return false;
  return true;
}

void Control::SetEnabled(bool on) {
  enabled_ = on;
  if (!widget_) return;
  const QScopedValueRollback syncing(form_.syncingQt_, true);
  widget_->setEnabled(on);
}

bool Control::IsEnabledInForm() const {
  for (const Control* c = this; c; c = c->container_)
    if (!c->enabled_) return false;
  return true;
}

void Control::SetForeColor(int32_t colour) {
  foreColor_ = colour;
  ApplyColours();
}
void Control::SetBackColor(int32_t colour) {
  backColor_ = colour;
  ApplyColours();
}

void Control::ApplyColours() {
  if (!widget_) return;
  QPalette pal = widget_->palette();
  if (foreColor_ != kDefaultColour) {
    const QColor c = ToQColor(foreColor_, widget_);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) pal.setColor(role, c);
  }
  if (backColor_ != kDefaultColour) {
    const QColor c = ToQColor(backColor_, widget_);
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) pal.setColor(role, c);
    widget_->setAutoFillBackground(true);
  }
  widget_->setPalette(pal);
}

double Control::FontObjectSize() const { return std::round(fontSize_ * 10000.0) / 10000.0; }

void Control::SetFontName(const std::string& name) {
  fontName_ = name;
  ApplyFont();
}
void Control::SetFontSize(float points) {
  fontSize_ = points;
  ApplyFont();
}
void Control::SetFontObjectSize(double points) {
  // The font object keeps its size to four decimal places.
  fontSize_ = std::round(points * 10000.0) / 10000.0;
  ApplyFont();
}
void Control::SetFontBold(bool on) {
  fontBold_ = on;
  ApplyFont();
}
void Control::SetFontItalic(bool on) {
  fontItalic_ = on;
  ApplyFont();
}

void Control::ApplyFont() {
  if (!widget_) return;
  widget_->setFont(DrawingFont());
  FontChanged();
}

void Control::SetToolTipText(const std::string& text) {
  toolTip_ = text;
  if (widget_) widget_->setToolTip(ToQ(text));
}

void Control::SetMousePointer(int pointer) {
  mousePointer_ = pointer;
  if (!widget_) return;
  if (pointer == kPointerDefault)
    widget_->unsetCursor();
  else
    widget_->setCursor(CursorShapeFor(pointer));
}

void Control::SetFocus() { form_.MoveFocus(this); }
bool Control::HasFocus() const { return form_.ActiveControl() == this; }

void Control::RaiseClick() {
  if (onClick) onClick();
}
void Control::RaiseChange() {
  if (onChange) onChange();
}
void Control::RaiseGotFocus() {
  if (onGotFocus) onGotFocus();
}
void Control::RaiseLostFocus() {
  if (onLostFocus) onLostFocus();
}

void Control::click() {
  if (!IsEnabledInForm()) return;
  if (CanTakeFocus()) form_.MoveFocus(this);
  RaiseClick();
}

void Control::dblClick() {
  if (IsEnabledInForm() && onDblClick) onDblClick();
}

bool Control::FormTakesKey(int keyCode, int shift) {
  if (keyCode == kKeyTab) {
    form_.MoveFocus(form_.NextInTabOrder(this, (shift & kShiftMask) != 0));
    return true;
  }
  // A command button with the focus is the one Enter presses, default or not.
  if (keyCode == kKeyReturn && kind_ == ControlKind::CommandButton) {
    RaiseClick();
    return true;
  }
  if (keyCode == kKeyReturn && TypesEnter()) return false;  // a new line
  return form_.PressDefaultOrCancel(keyCode);
}

void Control::RaiseKeyDown(int& keyCode, int shift) {
  if (onKeyDown) onKeyDown(keyCode, shift);
}

void Control::keyDown(int keyCode, int shift) {
  if (!IsEnabledInForm() || FormTakesKey(keyCode, shift)) return;
  int code = keyCode;
  RaiseKeyDown(code, shift);
  if (code == kKeyReturn || code == kKeyBack || code == kKeyEscape) keyPress(code);
}

int Control::keyPress(int keyAscii) {
  int ascii = keyAscii;
  if (IsEnabledInForm() && onKeyPress) onKeyPress(ascii);
  return ascii;
}

void Control::keyUp(int keyCode, int shift) {
  if (IsEnabledInForm() && onKeyUp) onKeyUp(keyCode, shift);
}

void Control::PixelsToScale(double px, double py, float& x, float& y) const {
  x = static_cast<float>(px * TwipsPerPixelX());
  y = static_cast<float>(py * TwipsPerPixelY());
}

void Control::RaiseMouse(int which, int button, int shift, double px, double py) {
  if (!IsEnabledInForm()) return;
  float x = 0, y = 0;
  PixelsToScale(px, py, x, y);
  const auto& handler = which == 0 ? onMouseDown : which == 1 ? onMouseUp : onMouseMove;
  if (handler) handler(button, shift, x, y);
}

void Control::mouseDown(int button, int shift, float x, float y) {
  if (!IsEnabledInForm()) return;
  if (CanTakeFocus() && (button & kLeftButton)) form_.MoveFocus(this);
  if (onMouseDown) onMouseDown(button, shift, x, y);
}
void Control::mouseUp(int button, int shift, float x, float y) {
  if (IsEnabledInForm() && onMouseUp) onMouseUp(button, shift, x, y);
}
void Control::mouseMove(int button, int shift, float x, float y) {
  if (IsEnabledInForm() && onMouseMove) onMouseMove(button, shift, x, y);
}
