#pragma once

#include <gtest/gtest.h>

#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "support/fake_host.h"
#include "support/message_trace.h"

// A fresh program with its main window, the loading frame of a loading type
// on show (as the diagrams' redraw leaves it) and the loading data ready.
class LoadingInputs : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{state, host};
  LoadingFramesPanel& lf = main.loadingFrames();
  MainMenus& menus = main.menus();

  LoadingInputs() {
    main.Move(0, 0, 12000, 9000);
    state.wizardFlags.LoadingDataReady = true;
  }

  // The frame of `loadingType` drawn and shown.
  void Show(int16_t loadingType) {
    state.analysisOptions.LoadingType = loadingType;
    RedrawDiagrams(main);
  }
  // Types `text` into the box and leaves it, as the user would.
  void Enter(TextBox& box, const std::string& text) {
    ASSERT_TRUE(box.IsShowing()) << box.Name() << " is not on show";
    box.SetFocus();
    ASSERT_TRUE(box.HasFocus()) << box.Name() << " did not take the focus";
    box.typeText(text);
    box.leave();
  }
  // Results on show, as after a calculation, with the print menus on.
  void ShowResults() {
    main.dataBox().Result.SetVisible(true);
    main.dataBox().ScattFact.SetVisible(true);
    main.results().Pic_Dam.SetVisible(true);
    main.results().Pic_Rel.SetVisible(true);
    menus.mnu_form.SetEnabled(true);
    menus.mnu_report.SetEnabled(true);
  }
  bool LifeShown() const { return main.dataBox().Result.Visible() || main.results().Pic_Dam.Visible(); }
  bool ReliabilityShown() const { return main.dataBox().ScattFact.Visible() || main.results().Pic_Rel.Visible(); }
  bool PrintMenusOn() const { return menus.mnu_form.Enabled() || menus.mnu_report.Enabled(); }
  const FakeHost::Message& Last() const { return host.messages.back(); }
  void Forget() {
    host.messages.clear();
    host.events.clear();
    host.beeps = 0;
  }
};
