// The job summary as it stands on the screens at hand: the program started on
// the screen, the job defined through the problem definition, the summary
// shown with the input view.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/warranty_dialog.h"
#include "support/control_ink.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/user_road.h"

namespace {

struct Screen {
  const char* name;
  double widthTwips, heightTwips;
};
constexpr Screen kScreens[] = {
    {"1024 x 768", 15360, 11520},
    {"1280 x 1024", 19200, 15360},
    {"1920 x 1080", 28800, 16200},
    {"2560 x 1440", 38400, 21600},
};

// The program started on `screen` with the warranty accepted.
struct ProgramOnScreen {
  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  std::unique_ptr<FormMain> main;

  explicit ProgramOnScreen(const Screen& screen) {
    host.screenWidthTwips = screen.widthTwips;
    host.screenHeightTwips = screen.heightTwips;
    main = std::make_unique<FormMain>(state, host);
    main->onProgramEnd = [] {};
    host.onModal = [this] { main->dialog().Dialog_OKButton.click(); };
    main->Load();
  }
  // From the input view of the start values, the problem defined again with
  // `options` and confirmed: the summary shows the new job.
  void Define(const std::vector<const char*>& options) {
    Press(main->problemDefinition().Cmd_analysis_next);
    Choose(main->menus().mnu_target);
    for (const char* o : options) Press(main->option(o));
    Press(main->problemDefinition().cmd_analysis_done);
  }
};

struct Rect {
  std::string name;
  float left, top, right, bottom;
};
Rect RectOf(const Control& c) {
  std::string name = c.Name();
  if (c.Index() >= 0) name.append("(").append(std::to_string(c.Index())).append(")");
  return {name, c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()};
}
// Overlapping by more than a rounding of the scaled geometry.
bool Overlap(const Rect& a, const Rect& b) {
  constexpr float kRounding = 0.5f;
  return a.left < b.right - kRounding && b.left < a.right - kRounding && a.top < b.bottom - kRounding &&
         b.top < a.bottom - kRounding;
}

// Every box on show in the summary is clear of every other box, and of every
// label of another row: the boxes fit the rows' steps at every scale.
TEST(DataBoxScreens, NoBoxReachesIntoAnotherRow) {
  const std::vector<std::vector<const char*>> jobs = {
      {"chk_spectrum"},                                    // S-N extension rows, thickness, notch factor
      {"chk_history", "chk_unnotch", "chk_ns_account"},    // notch radius under Kt
      {"chk_spectrum", "chk_local", "chk_unnotch", "chk_ns_account"},
  };
  for (const Screen& screen : kScreens)
    for (const auto& job : jobs) {
      ProgramOnScreen p(screen);
      p.Define(job);
      DataBoxPanel& box = p.main->dataBox();
      ASSERT_TRUE(box.pic_DBox.IsShowing()) << screen.name;
      std::vector<Rect> boxes, labels;
      for (const Control* c : p.main->Controls()) {
        if (c->Container() != &box.pic_DBox || !c->IsShowing()) continue;
        if (c->Kind() == ControlKind::TextBox) boxes.push_back(RectOf(*c));
        if (c->Kind() == ControlKind::Label) labels.push_back(RectOf(*c));
      }
      ASSERT_GE(boxes.size(), 3u) << screen.name;
      for (size_t i = 0; i < boxes.size(); ++i) {
        for (size_t j = i + 1; j < boxes.size(); ++j)
          EXPECT_FALSE(Overlap(boxes[i], boxes[j])) << screen.name << ": " << boxes[i].name << " and " << boxes[j].name;
        for (const Rect& l : labels) {
          if (std::abs(l.top - boxes[i].top) <= 1) continue;  // the box's own row
          EXPECT_FALSE(Overlap(boxes[i], l)) << screen.name << ": " << boxes[i].name << " and " << l.name;
        }
      }
    }
}

// A label and the value box beside it show their texts on one line.
TEST(DataBoxScreens, LabelsAndTheirBoxesReadOnOneLine) {
  for (const Screen& screen : kScreens) {
    ProgramOnScreen p(screen);
    p.Define({"chk_spectrum"});
    DataBoxPanel& box = p.main->dataBox();
    const std::pair<const Control*, const Control*> pairs[] = {
        {&box.ExtSN(0), &box.ExtSNt(0)}, {&box.ExtSN(1), &box.ExtSNt(1)}, {&box.DTFf, &box.DTFft}};
    for (const auto& [label, value] : pairs) {
      ASSERT_TRUE(value->IsShowing()) << value->Name();
      const int labelTop = InkTopInWindow(*p.main, *label);
      const int boxTop = InkTopInWindow(*p.main, *value, 1);
      ASSERT_GE(labelTop, 0) << label->Name();
      ASSERT_GE(boxTop, 0) << value->Name();
      EXPECT_NEAR(boxTop, labelTop, 2) << screen.name << ": " << label->Name();
    }
  }
}

}  // namespace
