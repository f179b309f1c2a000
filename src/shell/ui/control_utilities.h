#pragma once

#include <utility>

#include "platform/ui/control.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/option_button.h"

// Small routines the handlers of every frame share: switching a control or a
// menu item on or off, selecting an option button, exchanging two values.
inline void EnableControl(Control& c) { c.SetEnabled(true); }
inline void DisableControl(Control& c) { c.SetEnabled(false); }
inline void EnableControl(MenuItem& m) { m.SetEnabled(true); }
inline void DisableControl(MenuItem& m) { m.SetEnabled(false); }

// Selects the option button only when it is not selected yet, so that an
// option already selected does not run its Click again.
inline void SelectOption(OptionButton& opt) {
  if (!opt.Value()) opt.SetValue(true);
}

template <class T>
void SwapValues(T& a, T& b) {
  T t = std::move(a);
  a = std::move(b);
  b = std::move(t);
}
