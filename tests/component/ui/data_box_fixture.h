#pragma once

#include <gtest/gtest.h>

#include <string>

#include "component/ui/data_box_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "support/fake_host.h"
#include "support/message_trace.h"

// A fresh program with its main window and the job summary box on show.
class DataBoxTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{state, host};
  DataBoxPanel& box = main.dataBox();

  // The captions start-up gives the Kt labels; the summary shown as the input
  // view shows it.
  DataBoxTest() {
    main.Move(0, 0, 12000, 9000);
    box.frm_DBox.SetVisible(true);
    box.SCF(0).SetCaption("Stress Conc. Factor:  Kt = ");
    box.DDBmse(2).SetCaption("Kt = ");
  }

  // The options of a plain-specimen job, nominal stresses, notch sensitivity
  // as given, and the summary refilled.
  void PlainSpecimen(int16_t notchSensitivity) {
    AnalysisOptions& o = state.analysisOptions;
    o.SNDataSpecimen = 2;
    o.StressApproach = 1;
    o.NotchSensitivityMode = notchSensitivity;
    box.UpdateDataBox();
  }
  // Types `text` into the box and leaves it, as the user would.
  void Enter(TextBox& b, const std::string& text) {
    b.SetFocus();
    ASSERT_TRUE(b.HasFocus()) << b.Name() << " cannot take the focus";
    b.typeText(text);
    b.leave();
  }
  // The width a label of `like`'s font gives `caption`.
  float CaptionWidth(const Label& like, const std::string& caption) {
    Label& m = main.Add<Label>("measure" + std::to_string(++measures_), -1, &box.pic_DBox);
    m.SetFontName(like.FontName());
    m.SetFontSize(like.FontSize());
    m.SetAutoSize(true);
    m.SetCaption(caption);
    return m.Width();
  }
  const FakeHost::Message& Last() const { return host.messages.back(); }

 private:
  int measures_ = 0;
};
