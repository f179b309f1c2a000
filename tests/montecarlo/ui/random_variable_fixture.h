#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/ui/problem_definition_panel.h"
#include "montecarlo/ui/random_variable_dialog.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "support/fake_host.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"

// The program started, its problem definition done: the main view is idle.
// `OpenFrom` clicks a tag label and runs `whileOpen` while the random-variable
// dialog is up, as the user acts in the modal dialog.
class RandomVariableUi : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"random_variable_ui"};
  Program program;
  ProgramState& state = program.state;
  FakeHost& host = program.host;
  FormMain& main = program.main;
  FormShow& show = main.formShow();
  RandomVariableDialog& dlg = show.randomVariables();
  RandomVariableTable& table = state.randomVariableTable;

  void SetUp() override {
    Press(main.problemDefinition().Cmd_analysis_next);
    ASSERT_EQ(state.shellState.UiState, 1);
    host.messages.clear();
    host.modalRuns = 0;
  }

  void OpenFrom(Control& tag, const std::function<void()>& whileOpen) {
    int runs = host.modalRuns;
    host.onModal = [&] {
      ASSERT_TRUE(show.Visible()) << "the dialog is not up";
      whileOpen();
    };
    tag.click();
    EXPECT_EQ(host.modalRuns, runs + 1) << "the dialog did not open";
    host.onModal = nullptr;
  }

  // A variable in a slot, as a job file leaves it.
  void Put(int slot, int16_t type, float cov, float xmin, float xmax) {
    table.RvType[slot] = type;
    table.RvCov[slot] = cov;
    table.RvXmin[slot] = xmin;
    table.RvXmax[slot] = xmax;
  }

  // Types into a dialog box and leaves it, as the user would.
  void Enter(int box, const std::string& text) {
    TextBox& b = dlg.txt_distr(box);
    ASSERT_TRUE(b.IsShowing());
    ASSERT_FALSE(b.Locked()) << b.Name() << " is read-only";
    b.SetFocus();
    b.typeText(text);
    b.leave();
  }
};
