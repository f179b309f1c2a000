#include "layout/ui/layout_step_interpreter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runtime/runtime_error.h"
#include "platform/ui/form.h"
#include "shell/ui/control_rows.h"
#include "support/fake_host.h"

namespace {
using namespace layout_steps;

constexpr ControlDef kControls[] = {
    rows::LabelDef("A", 0, "", 100, 100, 1000, 200, "a"), rows::LabelDef("A", 1, "", 200, 100, 1000, 200, "a"),
    rows::LabelDef("A", 2, "", 300, 100, 1000, 200, "a"), rows::LabelDef("B", 0, "", 400, 100, 1000, 200, "b"),
    rows::LabelDef("B", 1, "", 500, 100, 1000, 200, "b"), rows::LineDef("Ln", -1, "", 10, 20, 30, 40),
};

class LayoutStepInterpreterTest : public ::testing::Test {
 protected:
  FakeHost host;
  Form form{host, "test"};
  LayoutScales scales{2.0f, 0.5f, 1.5f};
  std::vector<std::string> order;

  void SetUp() override { form.Build(kControls); }

  void Run(std::span<const LayoutRow> rows) {
    RunLayoutRows(form, scales, rows, [this](const Control& c, LayoutProp) {
      order.push_back(c.Name() + std::to_string(c.Index()));
    });
  }
  int FailureOf(std::span<const LayoutRow> rows) {
    try {
      Run(rows);
    } catch (const RuntimeError& e) {
      return e.code();
    }
    return 0;
  }
};

TEST_F(LayoutStepInterpreterTest, RowsOfOneLoopRunElementByElement) {
  const LayoutRow rows[] = {Row("A", Each(0, 2), Steps(L)), In("B", Each(0, 1), Steps(L)), Row("Ln", kLine),
                            Row("A", Each(0, 1, 1), Steps(T))};
  Run(rows);
  EXPECT_EQ(order, (std::vector<std::string>{"A0", "B0", "A1", "B1", "A2", "Ln-1", "Ln-1", "Ln-1", "Ln-1", "A1",
                                             "A2"}));
  EXPECT_EQ(form.label("A", 0).Top(), 100);
  EXPECT_EQ(form.label("A", 2).Top(), 50);
  EXPECT_EQ(form.label("A", 2).Left(), 600);
  EXPECT_EQ(form.label("B", 1).Left(), 1000);
  EXPECT_EQ(form.line("Ln").X2(), 60);
  EXPECT_EQ(form.line("Ln").Y2(), 20);
}

TEST_F(LayoutStepInterpreterTest, StepKinds) {
  const LayoutRow rows[] = {
      Row("A", At(0), Steps(W, FontOf(10), WhenShrinking(H), T)),
      // Follows the already scaled Width of A(0), and scales with ScaleY where a table says so.
      Row("B", At(0), Steps(CopyOf(LayoutProp::Width, "A"), Scaled(LayoutProp::Left, LayoutFactor::ScaleY))),
  };
  Run(rows);
  const Label& a = form.label("A", 0);
  EXPECT_EQ(a.Width(), 2000);
  EXPECT_EQ(a.FontSize(), 15);
  EXPECT_EQ(a.Height(), 100);  // ScaleY 0.5 < 1
  EXPECT_EQ(a.Top(), 50);
  EXPECT_EQ(form.label("B", 0).Width(), 2000);
  EXPECT_EQ(form.label("B", 0).Left(), 200);
  // On a larger screen the shrinking-only step is left out.
  LayoutScales larger{2.0f, 1.0f, 1.5f};
  const LayoutRow heightOnly[] = {Row("A", At(1), Steps(WhenShrinking(H)))};
  RunLayoutRows(form, larger, heightOnly);
  EXPECT_EQ(form.label("A", 1).Height(), 200);
}

TEST_F(LayoutStepInterpreterTest, AStepThatCannotBeDoneEndsThePassThere) {
  const LayoutRow missing[] = {Row("B", Each(0, 2), Steps(L)), Row("A", At(0), Steps(L))};
  EXPECT_EQ(FailureOf(missing), kErrNoSuchElement);
  EXPECT_EQ(form.label("B", 1).Left(), 1000);  // written before
  EXPECT_EQ(form.label("A", 0).Left(), 100);   // never reached
  const LayoutRow noLeader[] = {Row("A", At(1), Steps(CopyOf(LayoutProp::Width, "Z")))};
  EXPECT_EQ(FailureOf(noLeader), kErrNoSuchElement);
  const LayoutRow notALine[] = {Row("A", At(1), Steps(X1))};
  EXPECT_EQ(FailureOf(notALine), kErrNoSuchProperty);
  scales.FontScale = 1e38f;
  form.label("A", 2).SetFontSize(1e10f);
  const LayoutRow tooLarge[] = {Row("A", At(2), Steps(S))};
  EXPECT_EQ(FailureOf(tooLarge), kErrOverflow);
  EXPECT_EQ(form.label("A", 2).FontSize(), 1e10f);
}

TEST_F(LayoutStepInterpreterTest, APassRunsOnceForTheControlsAsTheyStand) {
  const LayoutRow rows[] = {Row("A", At(0), Steps(L))};
  form.Load();
  RunLayoutPass(form, "pass", scales, rows);
  RunLayoutPass(form, "pass", scales, rows);
  EXPECT_EQ(form.label("A", 0).Left(), 200);
  RunLayoutPass(form, "other pass", scales, rows);
  EXPECT_EQ(form.label("A", 0).Left(), 400);
  // A fresh load starts again from the design values, and the pass runs again.
  form.Unload();
  form.Load();
  RunLayoutPass(form, "pass", scales, rows);
  EXPECT_EQ(form.label("A", 0).Left(), 200);
}

}  // namespace
