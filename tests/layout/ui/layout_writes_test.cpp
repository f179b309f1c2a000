// Which properties of which controls the button, option, job-summary,
// data-entry, frame-font and second-window passes write, how often and in
// which order: every element of every array once, none outside its range.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "layout/layout_scales.h"
#include "layout/ui/layout_tables.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "support/fake_host.h"

namespace {

using P = LayoutProp;
using Key = std::pair<std::string, int>;

// Every write of a set of passes, in order.
struct Writes {
  std::vector<std::pair<Key, P>> order;
  std::map<Key, std::vector<P>> byControl;

  void Record(Form& form, const LayoutScales& scales, std::span<const LayoutRow> rows) {
    RunLayoutRows(form, scales, rows, [this](const Control& c, P p) {
      order.push_back({{c.Name(), c.Index()}, p});
      byControl[{c.Name(), c.Index()}].push_back(p);
    });
  }
  // The controls in the order they were first written.
  std::vector<Key> Sequence(const std::set<std::string>& names) const {
    std::vector<Key> seq;
    for (const auto& [key, p] : order)
      if (names.count(key.first) && (seq.empty() || seq.back() != key)) seq.push_back(key);
    return seq;
  }
};

class LayoutWritesTest : public ::testing::TestWithParam<float> {
 protected:
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
  Writes w, second;  // the main window's, the second window's

  void SetUp() override {
    const float s = GetParam();
    state.layoutScales = ComputeLayoutScales(12000 * s, 9000 * s);
    for (auto rows : {DataBoxLabelLayoutRows(), CommandButtonLayoutRows(), OptionControlLayoutRows(),
                      DataEntryLayoutRows(), FrameFontLayoutRows()})
      w.Record(main, state.layoutScales, rows);
    second.Record(main.formShow(), state.layoutScales, ShowFormLayoutRows());
  }
  // The writes of a control of either window (the names of these passes are
  // unique but for the master-curve frames).
  std::vector<P> Of(const char* name, int index) {
    auto it = w.byControl.find({name, index});
    return it != w.byControl.end() ? it->second : second.byControl[{name, index}];
  }
};

TEST_P(LayoutWritesTest, EachPropertyOnceAndEveryElementOfEveryArray) {
  for (const Writes* window : {&w, &second})
    for (const auto& [control, props] : window->byControl)
      for (P p : props)
        EXPECT_EQ(std::count(props.begin(), props.end(), p), 1) << control.first << "(" << control.second << ")";
  struct Array {
    bool second;  // on the second window
    const char* name;
    int first, last;
  };
  const Array arrays[] = {
      {false, "ExtSN", 0, 1},     {false, "ExtSNt", 0, 1},     {false, "cmd_MCS_opt", 0, 1},
      {false, "DBmset", 0, 2},    {false, "DDBmse", 0, 2},     {false, "DBmse", 0, 1},
      {false, "SCF", 0, 0},       {false, "SCFt", 0, 0},       {false, "info_about", 0, 5},
      {false, "Graphics", 1, 6},  {false, "DT", 0, 1},         {false, "DTSmax", 0, 1},
      {false, "DTSmaxt", 0, 1},   {false, "DTt", 0, 1},        {false, "DTrng", 0, 1},
      {false, "SNSe", 0, 1},      {false, "SNset", 0, 1},      {false, "SNth", 0, 3},
      {false, "SNtht", 0, 3},     {true, "DMline", 0, 4},      {true, "chk_distr", 0, 6},
      {true, "Distr_Type", 0, 2}, {true, "Distr_par", 0, 4},   {true, "txt_distr", 0, 2},
      {true, "Res_prob", 0, 1},   {true, "Res_probT", 0, 3},   {true, "txt_label", 0, 4},
      {true, "txt_points", 0, 3}, {true, "lbl_CLOn", 0, 9},    {true, "txt_CLOx", 0, 9},
      {true, "txt_CLOn", 0, 9},
  };
  for (const Array& a : arrays) {
    const Form& form = a.second ? static_cast<const Form&>(main.formShow()) : main;
    const auto& written = (a.second ? second : w).byControl;
    for (int i = a.first; i <= a.last; ++i) EXPECT_TRUE(written.count({a.name, i})) << a.name << i;
    // The window has exactly these elements, and nothing outside them is asked for.
    for (int i : {a.first - 1, a.last + 1}) {
      EXPECT_EQ(form.Find(a.name, i), nullptr) << a.name << i;
      EXPECT_FALSE(written.count({a.name, i})) << a.name << i;
    }
  }
}

TEST_P(LayoutWritesTest, TheStepsOfEachKindOfControl) {
  const bool shrinking = GetParam() < 1;
  const std::vector<P> rule{P::FontObjectSize, P::Width, P::Top, P::Left, P::Height};
  const std::vector<P> fontLast{P::Width, P::Top, P::Left, P::Height, P::FontObjectSize};
  const std::vector<P> keepsHeight{P::Width, P::Top, P::Left, P::FontObjectSize};
  const std::vector<P> keepsLeft{P::FontObjectSize, P::Width, P::Top, P::Height};
  const std::vector<P> headerBox = shrinking ? rule : std::vector<P>{P::FontObjectSize, P::Width, P::Top, P::Left};
  struct Case {
    const char* name;
    int index;
    std::vector<P> steps;
  };
  const Case cases[] = {
      {"cmd_about", -1, rule},
      {"cmd_analysis_done", -1, keepsLeft},
      {"cmd_data_next", -1, keepsLeft},
      {"Select_anal_option", -1, keepsLeft},
      {"Select_settings_option", -1, keepsLeft},
      {"chk_new_Dbase", -1, rule},
      {"Dir1", -1, {P::Height, P::FontObjectSize, P::Width, P::Top, P::Left}},
      {"Drive1", -1, {P::FontObjectSize, P::Width, P::Top, P::Left}},
      {"ExtSNt", 1, fontLast},
      {"cmd_MCS_opt", 1, {P::FontSize, P::Width, P::Top, P::Left, P::Height}},
      {"DBmset", 2, {P::Height, P::Width, P::Top, P::Left, P::FontObjectSize}},
      {"DDBmse", 2, fontLast},
      {"DBmse", 1, rule},
      {"Subj", -1, rule},
      {"Subjt", -1, fontLast},
      {"Graphics", 6, rule},
      {"DTSmaxt", 1, keepsHeight},
      {"DTrng", 1, rule},
      {"DTvolumet", -1, fontLast},
      {"SNth", 3, fontLast},
      {"SNtht", 3, keepsHeight},
      {"SNEt", -1, keepsHeight},
      {"frm_set_graphics", -1, {P::FontSize}},
      {"frm_rand", -1, {P::FontSize}},
      {"DMline", 4, {P::X1, P::Y1, P::X2, P::Y2, P::BorderWidth}},
      {"cmd_draw", -1, rule},
      {"chk_corr", -1, rule},
      {"Distr_Type", 2, {P::Top, P::Left, P::FontObjectSize}},
      {"txt_distr", 2, {P::Top, P::Left, P::FontObjectSize}},
      {"Distr_Var", -1, {P::FontSize, P::Top, P::Left}},
      {"Res_prob", 1, {P::FontObjectSize}},
      {"Res_probT", 3, {P::FontObjectSize, P::Width}},
      {"txt_Name", -1, headerBox},
      {"txt_label", 4, headerBox},
      {"txt_points", 3, headerBox},
      {"pic_CLO", -1, rule},
      {"scroll_CLO", -1, {P::Width, P::Top, P::Left, P::Height}},
      {"lbl_CLOn", 9, {P::FontSize, P::Width, P::Top, P::Left}},
      {"txt_CLOn", 9, {P::FontObjectSize, P::Width, P::Top, P::Left}},
      {"cmd_CLO_open", -1, rule},
  };
  for (const Case& c : cases) EXPECT_EQ(Of(c.name, c.index), c.steps) << c.name << "(" << c.index << ")";
}

TEST_P(LayoutWritesTest, ArraysAreWalkedElementByElement) {
  using Seq = std::vector<Key>;
  EXPECT_EQ(w.Sequence({"SNSe", "SNset", "SNth", "SNtht", "SNPn", "SNPnt"}),
            (Seq{{"SNSe", 0}, {"SNset", 0}, {"SNSe", 1}, {"SNset", 1}, {"SNth", 0}, {"SNtht", 0}, {"SNth", 1},
                 {"SNtht", 1}, {"SNth", 2}, {"SNtht", 2}, {"SNth", 3}, {"SNtht", 3}, {"SNPn", -1}, {"SNPnt", -1}}));
  EXPECT_EQ(second.Sequence({"txt_label", "txt_points"}),
            (Seq{{"txt_label", 0}, {"txt_points", 0}, {"txt_label", 1}, {"txt_points", 1}, {"txt_label", 2},
                 {"txt_points", 2}, {"txt_label", 3}, {"txt_points", 3}, {"txt_label", 4}}));
  EXPECT_EQ(w.Sequence({"DBmset", "DDBmse", "DBmse"}),
            (Seq{{"DBmset", 0}, {"DDBmse", 0}, {"DBmse", 0}, {"DBmset", 1}, {"DDBmse", 1}, {"DBmse", 1},
                 {"DBmset", 2}, {"DDBmse", 2}}));
  EXPECT_EQ(second.Sequence({"Res_prob", "Res_probT"}),
            (Seq{{"Res_prob", 0}, {"Res_probT", 0}, {"Res_prob", 1}, {"Res_probT", 1}, {"Res_probT", 2},
                 {"Res_probT", 3}}));
  const Seq about = w.Sequence({"info_about", "Graphics"});
  ASSERT_EQ(about.size(), 12u);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(about[2 * i], Key("info_about", i));
    EXPECT_EQ(about[2 * i + 1], Key("Graphics", i + 1));
  }
}

INSTANTIATE_TEST_SUITE_P(SmallAndLargeScreens, LayoutWritesTest, ::testing::Values(0.8f, 1.5f));

}  // namespace
