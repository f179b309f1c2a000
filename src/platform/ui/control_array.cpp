#include "platform/ui/control_array.h"

#include "platform/ui/form.h"

void ControlArrayBase::Wire(Control& e) {
  const int i = e.Index();
  e.onClick = [this, i] { if (onClick) onClick(i); };
  e.onDblClick = [this, i] { if (onDblClick) onDblClick(i); };
  e.onGotFocus = [this, i] { if (onGotFocus) onGotFocus(i); };
  e.onLostFocus = [this, i] { if (onLostFocus) onLostFocus(i); };
  e.onChange = [this, i] { if (onChange) onChange(i); };
  e.onKeyDown = [this, i](int& code, int shift) { if (onKeyDown) onKeyDown(i, code, shift); };
  e.onKeyPress = [this, i](int& ascii) { if (onKeyPress) onKeyPress(i, ascii); };
  e.onKeyUp = [this, i](int code, int shift) { if (onKeyUp) onKeyUp(i, code, shift); };
  e.onMouseDown = [this, i](int b, int s, float x, float y) { if (onMouseDown) onMouseDown(i, b, s, x, y); };
  e.onMouseUp = [this, i](int b, int s, float x, float y) { if (onMouseUp) onMouseUp(i, b, s, x, y); };
  e.onMouseMove = [this, i](int b, int s, float x, float y) { if (onMouseMove) onMouseMove(i, b, s, x, y); };
}

void ControlArrayBase::Wire(MenuItem& e) {
  const int i = e.Index();
  e.onClick = [this, i] { if (onClick) onClick(i); };
}

Control& ControlArrayBase::LoadLike(Control& from, int index) { return form_.CloneControl(from, index); }
MenuItem& ControlArrayBase::LoadLike(MenuItem& from, int index) { return form_.CloneMenu(from, index); }
void ControlArrayBase::UnloadElement(Control& element) { form_.Remove(element); }
void ControlArrayBase::UnloadElement(MenuItem& element) { form_.Remove(element); }
