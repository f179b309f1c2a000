#pragma once

// The whole program driven as a user drives it: started through its start-up
// (warranty accepted), then led through the menus, the buttons and the boxes
// only where a user can reach them.

#include <gtest/gtest.h>

#include <string>

#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"
#include "support/message_trace.h"

// One run of the program: its records, its host and its main window, started
// with the warranty accepted.
struct Program {
  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{state, host};
  int programEnds = 0;

  Program() {
    main.onProgramEnd = [this] { ++programEnds; };
    host.onModal = [this] { main.dialog().Dialog_OKButton.click(); };
    main.Load();
  }
};

// A press the user can make: the control shows and can be reached.
inline void Press(Control& c) {
  ASSERT_TRUE(c.IsShowing()) << c.Name() << " is not on show";
  ASSERT_TRUE(c.IsEnabledInForm()) << c.Name() << " is disabled";
  c.click();
}

// A right click on a control on show, choosing `choice` from the popup menu
// it opens ("" chooses nothing).
inline void RightClick(FakeHost& host, Control& c, const std::string& choice) {
  ASSERT_TRUE(c.IsShowing()) << c.Name() << " is not on show";
  if (!choice.empty()) host.QueueMenuChoice(choice);
  c.mouseDown(kRightButton, 0, 100, 100);
}

// A menu command the user can choose: the item and its menus are enabled.
inline void Choose(MenuItem& item) {
  ASSERT_TRUE(item.Visible()) << item.Caption() << " is not in the menu";
  ASSERT_TRUE(item.IsEnabledInMenu()) << item.Caption() << " is disabled";
  item.click();
}

// Types a value into a box on show and moves on, as the user would.
inline void Enter(TextBox& box, const std::string& text) {
  ASSERT_TRUE(box.IsShowing()) << box.Name() << " is not on show";
  ASSERT_TRUE(box.IsEnabledInForm()) << box.Name() << " is disabled";
  box.SetFocus();
  box.typeText(text);
  box.leave();
}

// Types a value into a box on show and presses Enter in it (the boxes that
// take their value on Enter, such as the results view's).
inline void EnterByReturn(TextBox& box, const std::string& text) {
  ASSERT_TRUE(box.IsShowing()) << box.Name() << " is not on show";
  box.SetFocus();
  box.typeText(text);
  box.keyDown(kKeyReturn);
}
