#include "montecarlo/random_variable_edit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "montecarlo/random_math.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(RandomVariableSlot, EachCallerEditsItsSlot) {
  struct Case {
    const char* caller;
    int16_t index;
    bool browser;
    int16_t slot;
  };
  const Case cases[] = {
      {"Material Data", 0, false, 1},      {"Material Data", 0, true, 4},
      {"Material Data", 3, true, 7},       {"Material Data", 3, false, 4},
      {"Loading Data", 0, false, 2},       {"Loading Data", 2, true, 2},
      {"Component Geometry", 0, true, 3},  {"Component Geometry", 5, false, 3},
      {"Material Data", 5, true, 0},       // beyond the eight slots
      {"Material Data", -2, false, 0},     {"Test Data", 0, false, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RandomVariableSlot(c.caller, c.index, c.browser), c.slot) << c.caller << " " << c.index << " " << c.browser;
  EXPECT_EQ(RandomVariableName("Loading Data"), "Scaling Factor,  k: ");
  EXPECT_EQ(RandomVariableName("Component Geometry"), "Stress Conc. Factor,  Kt: ");
  EXPECT_EQ(RandomVariableName("Material Data"), "Endurance Limit,  Se: ");
}

TEST(ParameterNamesOf, WeibullAndExponentialNameTheirOwn) {
  EXPECT_STREQ(ParameterNamesOf(3).b, "Shape:");
  EXPECT_STREQ(ParameterNamesOf(3).a, "Scale: ");
  EXPECT_STREQ(ParameterNamesOf(4).b, "Shape:");
  EXPECT_STREQ(ParameterNamesOf(4).a, "Shift:   ");
  for (int16_t t : {-1, 0, 1, 2, 5}) {
    EXPECT_STREQ(ParameterNamesOf(t).b, "STDV: ") << t;
    EXPECT_STREQ(ParameterNamesOf(t).a, "Mean: ") << t;
  }
}

TEST(OpenRandomVariable, WorkingRecordOfTheSlot) {
  RandomVariableTable t;
  t.RvType[3] = 1;
  t.RvCov[3] = 0.1f;
  t.RvXmin[3] = 0.6f;
  t.RvXmax[3] = 1.4f;
  RandomVariablePanel p;
  EXPECT_FLOAT_EQ(OpenRandomVariable(t, p, 3), 0.1f);
  EXPECT_EQ(p.PanelDistType, 1);
  EXPECT_FLOAT_EQ(p.PanelXmin, 0.6f);
  EXPECT_FLOAT_EQ(p.PanelXmax, 1.4f);
  EXPECT_FLOAT_EQ(p.PanelParA, 1.0f);
  EXPECT_FLOAT_EQ(p.PanelParB, 0.1f);

  // None shows no COV but keeps the stored one; a bound pair without Xmax is 1, 1.
  t.RvType[2] = 0;
  t.RvCov[2] = 0.25f;
  t.RvXmin[2] = 0.3f;
  t.RvXmax[2] = 0.0f;
  EXPECT_EQ(OpenRandomVariable(t, p, 2), 0.0f);
  EXPECT_FLOAT_EQ(p.PanelCov, 0.25f);
  EXPECT_EQ(p.PanelXmin, 1.0f);
  EXPECT_EQ(p.PanelXmax, 1.0f);
  EXPECT_EQ(p.PanelParB, 0.0f);

  // A type code that no dialog writes opens as None.
  t.RvType[5] = 9;
  EXPECT_EQ(OpenRandomVariable(t, p, 5), 0.0f);
  EXPECT_EQ(p.PanelDistType, 0);
  EXPECT_EQ(ShownDistributionType(-2), 0);
  EXPECT_EQ(ShownDistributionType(-1), -1);
}

TEST(BoxRules, RangesAndOrderOfTheBounds) {
  struct Case {
    int box;  // 0 COV, 1 Xmin, 2 Xmax
    int16_t type;
    float v, other;
    const char* text;
  };
  const Case cases[] = {
      {0, 1, 0.01f, 0, ""},
      {0, 1, 1.0f, 0, ""},
      {0, 1, 0.005f, 0, "C.O.V. out of range (0.01-1.0)."},
      {0, 2, 1.001f, 0, "C.O.V. out of range (0.01-1.0)."},
      {0, 3, 0.0f, 0, "C.O.V. out of range (0.01-1.0)."},  // text that is not a number reads 0
      {0, 0, 5.0f, 0, ""},                                    // None takes any number
      {0, -1, 0.0f, 0, ""},
      {0, 5, kNaN, 0, "C.O.V. out of range (0.01-1.0)."},
      {1, 1, 1.0f, 1.01f, ""},
      {1, 1, 0.01f, 1.4f, ""},
      {1, 1, 0.005f, 1.4f, "Xmin out of range (0.01 - 1.0)."},
      {1, 4, 1.001f, 1.4f, "Xmin out of range (0.01 - 1.0)."},
      {1, 1, 0.9f, 0.8f, "Xmin greater than Xmax."},
      {1, 1, 0.8f, 0.8f, ""},
      {1, 0, 7.0f, 1.0f, ""},
      {1, 2, kNaN, 1.4f, "Xmin out of range (0.01 - 1.0)."},
      {2, 1, 1.01f, 1.0f, ""},
      {2, 1, 3.0f, 0.6f, ""},
      {2, 1, 1.0f, 0.6f, "Xmax out of range (1.01 - 3.0)."},
      {2, 1, 3.01f, 0.6f, "Xmax out of range (1.01 - 3.0)."},
      {2, 5, 1.2f, 1.2f, "Xmax smaller than Xmin."},  // the rule of Xmin lets Xmin reach 1.0 only
      {2, 0, 0.0f, 1.0f, ""},
  };
  for (const Case& c : cases) {
    const EntryRefusal r = c.box == 0   ? CovRefusal(c.type, c.v)
                           : c.box == 1 ? XminRefusal(c.type, c.v, c.other)
                                        : XmaxRefusal(c.type, c.v, c.other);
    EXPECT_EQ(r.text, c.text) << "box " << c.box << " type " << c.type << " value " << c.v;
    EXPECT_EQ(r.title, !*c.text ? "" : c.box == 0 ? "Coefficienf of Variation" : "Truncate Distribution");
  }
}

TEST(AcceptCov, ParametersAndBoundsFollowTheType) {
  RandomVariablePanel p;
  p.PanelDistType = 3;
  p.PanelXmin = 0.6f;
  p.PanelXmax = 1.4f;
  AcceptCov(p, 0.1f);
  EXPECT_FLOAT_EQ(p.PanelCov, 0.1f);
  EXPECT_NEAR(p.PanelParB, 12.06f, 0.01f);
  EXPECT_NEAR(p.PanelParA, 1.04f, 0.005f);
  EXPECT_NEAR(p.PanelXmin, 0.553f, 0.0005f);
  EXPECT_NEAR(p.PanelXmax, 1.361f, 0.0005f);

  // None keeps its COV; its bounds are those of a point mass at 1.
  RandomVariablePanel none;
  none.PanelCov = 0.2f;
  AcceptCov(none, 0.0f);
  EXPECT_EQ(none.PanelCov, 0.2f);
  EXPECT_EQ(none.PanelXmin, 1.0f);
  EXPECT_EQ(none.PanelXmax, 1.0f);
}

TEST(CommitRandomVariable, OnlyTheSlotTakesTheWorkingRecord) {
  RandomVariableTable t;
  const RandomVariableTable before = t;
  RandomVariablePanel p;
  p.PanelParA = -0.01f;
  p.PanelParB = 0.15f;
  p.PanelCov = 0.15f;
  p.PanelXmin = 0.3f;  // the bounds come from the boxes, not from here
  p.PanelXmax = 2.9f;
  CommitRandomVariable(t, 2, 2, 0.5f, 2.5f, p);
  RandomVariableTable expected = before;
  expected.RvType[2] = 2;
  expected.RvXmin[2] = 0.5f;
  expected.RvXmax[2] = 2.5f;
  expected.RvParA[2] = -0.01f;
  expected.RvParB[2] = 0.15f;
  expected.RvCov[2] = 0.15f;
  EXPECT_EQ(t, expected);
}

TEST(WithDistributionTag, ReplacesTheTagAtTheEnd) {
  struct Case {
    const char* caption;
    int option;
    float cov;
    const char* result;
  };
  const Case cases[] = {
      {"Variability of the Scaling Factor,  k: {N10}", 3, 0.15f, "Variability of the Scaling Factor,  k: {L15}"},
      {"Variability of the Kt: {\u2013}", 4, 0.1f, "Variability of the Kt: {W10}"},
      {"Variability of the Kt: {N10}", 1, 0.1f, "Variability of the Kt: {\u2013}"},
      {"Variability of the Kt: {N10}", 0, 0.1f, "Variability of the Kt: {C}"},
      {"Variability of the Kt: {N10}", 6, 0.125f, "Variability of the Kt: {U12}"},  // halves to even
      {"a {b} c {N5}", 2, 0.05f, "a {b} c {N5}"},                                    // the last brace only
      {"Variability of the Kt: {N10}", 9, 0.1f, "Variability of the Kt: "},          // no tag of that index
      {"Variability of the Kt: ", 5, 0.2f, "Variability of the Kt: {E20}"},          // no tag yet: appended
      {"ends in {", 2, 0.1f, "ends in {{N10}"},  // the last character is not looked at
      {"", 2, 0.1f, "{N10}"},
  };
  for (const Case& c : cases) EXPECT_EQ(WithDistributionTag(c.caption, c.option, c.cov), c.result) << c.caption;
  EXPECT_EQ(TrailingTag("Variability of the Scaling Factor,  k: {L15}"), "{L15}");
  EXPECT_EQ(TrailingTag("no tag"), "");
}

}  // namespace
