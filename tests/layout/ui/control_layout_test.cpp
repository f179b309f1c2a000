// The edit-box, label and loading-value passes at the scales of real screens.
#include <gtest/gtest.h>

#include <cfloat>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "layout/layout_scales.h"
#include "layout/ui/layout_services.h"
#include "layout/ui/layout_tables.h"
#include "platform/runtime/runtime_error.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "support/fake_host.h"

namespace {

class ControlLayoutTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  std::unique_ptr<FormMain> main = std::make_unique<FormMain>(state, host);

  // The scales of a window `scale` times the design size.
  void AtScale(float scale) { state.layoutScales = ComputeLayoutScales(12000 * scale, 9000 * scale); }
  void RunThePasses() {
    LayoutTextBoxes(*main);
    LayoutLabels(*main);
    LayoutSpectrumLabels(*main);
  }
  // A fresh window, as the next start would build it.
  void NewWindow() { main = std::make_unique<FormMain>(state, host); }

  Control& C(const char* name, int index = -1) const { return *main->Find(name, index); }
  LineControl& Line(const char* name, int index = -1) const { return main->line(name, index); }
};

TEST_F(ControlLayoutTest, TheGridScalesFromItsTopRowAndStaysAligned) {
  AtScale(1.25f);
  ASSERT_EQ(state.layoutScales.FontScale, 1.125f);
  RunThePasses();
  const Control& top = C("Text2", 0);
  EXPECT_EQ(top.Left(), 3600);
  EXPECT_EQ(top.Top(), 1650);
  EXPECT_EQ(top.Width(), 1368.75f);
  EXPECT_EQ(top.Height(), 468.75f);
  EXPECT_EQ(top.FontSize(), 9.45f);
  EXPECT_EQ(C("Text9", 0).Top(), 4800);
  for (int c = 0; c < 6; ++c)
    for (const char* row : {"Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9"}) {
      EXPECT_EQ(C(row, c).Left(), C("Text2", c).Left()) << row << c;
      EXPECT_EQ(C(row, c).Width(), C("Text2", c).Width()) << row << c;
      EXPECT_EQ(C(row, c).Height(), 468.75f) << row << c;
      EXPECT_EQ(C(row, c).FontSize(), 9.45f) << row << c;
    }
  // The header boxes and the loading database's record box.
  EXPECT_EQ(C("txt_Fatigue_Db").Left(), 1500);
  EXPECT_EQ(C("Txt1_Fatigue_DB").Width(), 3468.75f);
  EXPECT_EQ(C("txt_Load_Db").Height(), 431.25f);
}

TEST_F(ControlLayoutTest, TheSimulationOptionsKeepTheirHeightsButTheBoxShrinksOnASmallScreen) {
  struct Case {
    float scale;
    float boxHeight;
  };
  for (const Case& c : {Case{0.8f, 252}, Case{1.25f, 315}, Case{1.5f, 315}}) {
    NewWindow();
    AtScale(c.scale);
    RunThePasses();
    EXPECT_EQ(C("No_simult").Height(), c.boxHeight) << c.scale;
    EXPECT_EQ(C("No_simult").Width(), 735 * c.scale) << c.scale;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(C("chk_StartNo", i).Height(), 330) << c.scale;
    EXPECT_EQ(C("No_simul").Height(), 216) << c.scale;
    EXPECT_EQ(C("No_simul").Left(), 840 * c.scale) << c.scale;
    // The description box is placed when it opens; only its size scales here.
    EXPECT_EQ(C("refer_txt").Left(), 2760) << c.scale;
    EXPECT_EQ(C("refer_txt").Top(), 360) << c.scale;
    EXPECT_EQ(C("refer_txt").Width(), 3615 * c.scale) << c.scale;
  }
}

TEST_F(ControlLayoutTest, LabelsAndLinesAtOneAndAHalf) {
  AtScale(1.5f);
  RunThePasses();
  const Control& label8 = C("Label8", 0);
  EXPECT_EQ(label8.Left(), 1800);
  EXPECT_EQ(label8.Top(), 1980);
  EXPECT_EQ(label8.Width(), 3442.5f);
  EXPECT_EQ(label8.Height(), 382.5f);
  EXPECT_EQ(label8.FontSize(), 11.25f);
  const Control& lifeInf = C("Life_inf");
  EXPECT_EQ(lifeInf.FontSize(), 12.5f);
  EXPECT_EQ(lifeInf.Left(), 1800);
  EXPECT_EQ(lifeInf.Top(), 2880);
  EXPECT_EQ(lifeInf.Height(), 382.5f);
  EXPECT_EQ(lifeInf.Width(), 3255);
  const Control& lifelab = C("Lifelab", 0);
  EXPECT_EQ(lifelab.FontSize(), 11.25f);
  EXPECT_EQ(lifelab.Left(), 2160);
  EXPECT_EQ(lifelab.Top(), 5400);
  EXPECT_EQ(C("wait").FontSize(), 12.5f);
  // The title block through the font object.
  EXPECT_EQ(C("Label1").FontObjectSize(), 75);
  EXPECT_EQ(C("Label2").FontObjectSize(), 9.75);
  const LineControl& row8 = Line("Line3", 8);
  EXPECT_EQ(row8.X1(), 180);
  EXPECT_EQ(row8.Y1(), 6300);
  EXPECT_EQ(row8.X2(), 14040);
  EXPECT_EQ(row8.Y2(), 6300);
  EXPECT_EQ(Line("Line5", 0).Y2(), 6300);
  EXPECT_EQ(Line("Line2").X2(), 10620);
}

TEST_F(ControlLayoutTest, LoadingValuesAtOneAndAHalf) {
  AtScale(1.5f);
  RunThePasses();
  const Control& maxBox = C("SSmaxt", 0);
  EXPECT_EQ(maxBox.Left(), 1620);
  EXPECT_EQ(maxBox.Top(), 540);
  EXPECT_EQ(maxBox.Width(), 742.5f);
  EXPECT_EQ(maxBox.Height(), 240);
  EXPECT_EQ(maxBox.FontObjectSize(), 11.25);
  const Control& meanBox = C("SSmeant");
  EXPECT_EQ(meanBox.Left(), 5220);
  EXPECT_EQ(meanBox.Top(), 1800);
  EXPECT_EQ(meanBox.Width(), 922.5f);
  EXPECT_EQ(meanBox.Height(), 360);
  EXPECT_EQ(C("SSmse").FontObjectSize(), 9.75);
  const LineControl& dm1 = Line("DMline", 1);
  EXPECT_EQ(dm1.X1(), 22.5f);
  EXPECT_EQ(dm1.X2(), 4522.5f);
  EXPECT_EQ(dm1.Y1(), 7357.5f);
  EXPECT_EQ(dm1.Y2(), 7357.5f);
  EXPECT_EQ(C("SHSmax").Width(), 6142.5f);
}

TEST_F(ControlLayoutTest, FixedFontSizesOnASmallScreen) {
  AtScale(0.8f);
  RunThePasses();
  EXPECT_EQ(C("Life_inf").FontSize(), 8);
  EXPECT_EQ(C("wait").FontSize(), 8);
  EXPECT_FLOAT_EQ(C("Lifelab", 0).FontSize(), 7.2f);
  EXPECT_FLOAT_EQ(C("Label8", 0).FontSize(), 7.2f);
}

TEST_F(ControlLayoutTest, LineWidthsRoundHalvesToEvenAndNeverVanish) {
  struct Case {
    float scaleY;
    double width;
    int16_t expected;
  };
  const Case cases[] = {{1.25f, 10, 12}, {1.25f, 2, 2}, {1.5f, 10, 15}, {1.5f, 1, 2}, {0.4f, 1, 1}, {0.3f, 2, 1}};
  for (const Case& c : cases) {
    NewWindow();
    state.layoutScales = LayoutScales{c.scaleY, c.scaleY, c.scaleY};
    for (int i = 0; i < 3; ++i) Line("DMline", i).SetBorderWidth(c.width);
    LayoutSpectrumLabels(*main);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Line("DMline", i).BorderWidth(), c.expected) << c.scaleY << " " << c.width;
  }
}

TEST_F(ControlLayoutTest, AProductBeyondTheRangeEndsThePassAtThatStep) {
  AtScale(1.5f);
  // A line width beyond 16 bits: the line's end points before it are scaled.
  Line("DMline", 1).SetBorderWidth(30000);
  try {
    LayoutSpectrumLabels(*main);
    FAIL() << "no overflow";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code(), kErrOverflow);
  }
  EXPECT_EQ(Line("DMline", 1).X2(), 4522.5f);
  EXPECT_EQ(Line("DMline", 1).BorderWidth(), 30000);
  EXPECT_EQ(Line("DMline", 2).X2(), 3000);
  // A size beyond Single stays as it was: no infinity is written.
  C("Text5", 2).SetTop(FLT_MAX);
  EXPECT_THROW(LayoutTextBoxes(*main), RuntimeError);
  EXPECT_EQ(C("Text5", 2).Top(), FLT_MAX);
  EXPECT_EQ(C("Text5", 2).Width(), C("Text2", 2).Width());  // copied before the failing step
  EXPECT_EQ(C("Text5", 1).Top(), 3600);                     // the column before
  EXPECT_EQ(C("Text6", 2).Top(), 2760);                     // not reached
}

TEST_F(ControlLayoutTest, ASecondCallDoesNothing) {
  AtScale(1.5f);
  RunThePasses();
  RunThePasses();
  EXPECT_EQ(C("Text2", 0).Left(), 4320);
  EXPECT_EQ(C("Label8", 0).FontSize(), 11.25f);
  EXPECT_EQ(C("SSmse").FontObjectSize(), 9.75);
  EXPECT_EQ(Line("Line3", 8).X2(), 14040);
}

// Which properties of which controls a pass writes, and how often.
using Writes = std::map<std::pair<std::string, int>, std::multiset<LayoutProp>>;

Writes Record(FormMain& main, std::span<const LayoutRow> rows, const LayoutScales& scales) {
  Writes w;
  RunLayoutRows(main, scales, rows, [&](const Control& c, LayoutProp p) { w[{c.Name(), c.Index()}].insert(p); });
  return w;
}

TEST_F(ControlLayoutTest, EachListedPropertyIsWrittenOnceAndNoOtherElement) {
  using P = LayoutProp;
  const std::multiset<P> label{P::FontSize, P::Width, P::Top, P::Left, P::Height};
  const std::multiset<P> line{P::X1, P::Y1, P::X2, P::Y2};
  for (float scale : {0.8f, 1.5f}) {
    NewWindow();
    AtScale(scale);
    Writes w;
    auto at = [&w](const std::string& name, int index) { return w[{name, index}]; };
    for (auto rows : {TextBoxLayoutRows(), LabelLayoutRows(), SpectrumLabelLayoutRows()}) w.merge(Record(*main, rows, state.layoutScales));
    for (const auto& [control, props] : w)
      for (P p : props) EXPECT_EQ(props.count(p), 1u) << control.first << "(" << control.second << ")";
    // Elements as far as the loops reach.
    for (auto [name, last] : {std::pair{"Label14", 1}, {"Label16", 1}, {"Label28", 2}, {"Line5", 0}, {"Line3", 8}}) {
      for (int i = 0; i <= last; ++i) EXPECT_TRUE(w.count({name, i})) << name << i;
      EXPECT_FALSE(w.count({name, last + 1})) << name;
    }
    // The auto-sized labels get every label statement; wait and the life label no Width.
    EXPECT_EQ(at("Label15", 1), label);
    EXPECT_EQ(at("Label15", 2), label);
    EXPECT_EQ(at("wait", -1), (std::multiset<P>{P::FontSize, P::Top, P::Left, P::Height}));
    EXPECT_EQ(at("Lifelab", 0), (std::multiset<P>{P::FontSize, P::Top, P::Left}));
    EXPECT_EQ(at("Line7", -1), line);
    EXPECT_EQ(at("SSmaxt", 1), (std::multiset<P>{P::Width, P::Top, P::Left, P::FontObjectSize}));
    // Fonts only: the tags and the scaling-factor labels.
    for (auto [name, index] : {std::pair{"dN_distr", 0}, {"dN_distr", 3}, {"SCF_distr", -1}, {"load_distr", 2}, {"SHscal", 3}})
      EXPECT_EQ(at(name, index), std::multiset<P>{P::FontSize}) << name << index;
    EXPECT_EQ(at("No_simult", -1).count(P::Height), scale < 1 ? 1u : 0u);
  }
}

}  // namespace
