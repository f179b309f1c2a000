#include "montecarlo/fatigue_set_variable.h"

#include <gtest/gtest.h>

#include "program_state.h"

namespace {

// Batch 2 on show: set 1 (column 0) holds a normal variable, set 2 (column 1)
// none; column 1 is marked, column 0 current.
ProgramState Browsed() {
  ProgramState s;
  s.fatigueDbState.CurrentFatigueBatch = 2;
  s.fatigueDbState.CurrentFatigueSet = 0;
  s.fatigueDbState.MarkedFatigueSet = 1;
  FatigueDatabase& db = s.fatigueDatabase;
  db.FdbSeDistType[2][1] = 1.0f;
  db.FdbSeCov[2][1] = 0.08f;
  db.FdbSeParA[2][1] = 1.0f;
  db.FdbSeParB[2][1] = 0.08f;
  db.FdbSeXmin[2][1] = 0.7f;
  db.FdbSeXmax[2][1] = 1.3f;
  db.FdbSeCov[2][2] = 0.3f;
  return s;
}

TEST(FatigueSetOf, BrowseOptionChoosesTheCurrentSet) {
  const ProgramState s = Browsed();
  const FatigueSetRef current = FatigueSetOf(s, true);
  EXPECT_TRUE(current.valid);
  EXPECT_EQ(current.batch, 2);
  EXPECT_EQ(current.column, 0);
  EXPECT_EQ(current.set, 1);
  EXPECT_EQ(FatigueSetOf(s, false).set, 2);

  ProgramState none = Browsed();
  none.fatigueDbState.MarkedFatigueSet = -1;  // nothing marked yet
  EXPECT_FALSE(FatigueSetOf(none, false).valid);
  none.fatigueDbState.CurrentFatigueBatch = 21;
  EXPECT_FALSE(FatigueSetOf(none, true).valid);
  EXPECT_EQ(FatigueSetDistType(none, FatigueSetOf(none, true)), 0);
}

TEST(CopyFatigueSetVariableIn, TheSetsVariableOrASetWithAYieldStrength) {
  ProgramState s = Browsed();
  ASSERT_TRUE(CopyFatigueSetVariableIn(s, FatigueSetOf(s, true), 0.0f));
  const RandomVariableTable& t = s.randomVariableTable;
  EXPECT_EQ(t.RvType[7], 1);
  EXPECT_FLOAT_EQ(t.RvCov[7], 0.08f);
  EXPECT_FLOAT_EQ(t.RvXmin[7], 0.7f);
  EXPECT_FLOAT_EQ(t.RvXmax[7], 1.3f);
  EXPECT_FLOAT_EQ(t.RvParB[7], 0.08f);

  // Set 2 has no variable: without a yield strength nothing opens and slot 7
  // keeps set 1's copy; with one it opens with the COV 0.1 and none of set 1.
  const FatigueSetRef second = FatigueSetOf(s, false);
  const RandomVariableTable before = t;
  EXPECT_FALSE(CopyFatigueSetVariableIn(s, second, 0.0f));
  EXPECT_EQ(t, before);
  ASSERT_TRUE(CopyFatigueSetVariableIn(s, second, 355.0f));
  EXPECT_EQ(t.RvType[7], 0);
  EXPECT_FLOAT_EQ(t.RvCov[7], 0.1f);
  EXPECT_EQ(t.RvXmax[7], 0.0f);

  ProgramState unmarked = Browsed();
  unmarked.fatigueDbState.MarkedFatigueSet = -1;
  EXPECT_FALSE(CopyFatigueSetVariableIn(unmarked, FatigueSetOf(unmarked, false), 355.0f));
}

TEST(CopyFatigueSetVariableBack, TheSlotGoesIntoTheSet) {
  ProgramState s = Browsed();
  RandomVariableTable& t = s.randomVariableTable;
  t.RvType[7] = 3;
  t.RvCov[7] = 0.12f;
  t.RvParA[7] = 1.05f;
  t.RvParB[7] = 10.0f;
  t.RvXmin[7] = 0.5f;
  t.RvXmax[7] = 1.4f;
  const FatigueSetRef second = FatigueSetOf(s, false);
  CopyFatigueSetVariableBack(s, second, 7);
  const FatigueDatabase& db = s.fatigueDatabase;
  EXPECT_EQ(db.FdbSeDistType[2][2], 3.0f);
  EXPECT_FLOAT_EQ(db.FdbSeCov[2][2], 0.12f);
  EXPECT_FLOAT_EQ(db.FdbSeParA[2][2], 1.05f);
  EXPECT_FLOAT_EQ(db.FdbSeParB[2][2], 10.0f);
  EXPECT_FLOAT_EQ(db.FdbSeXmin[2][2], 0.5f);
  EXPECT_FLOAT_EQ(db.FdbSeXmax[2][2], 1.4f);
  EXPECT_EQ(s.fatigueDbState.FatigueDbModified, 1);
  EXPECT_EQ(db.FdbSeDistType[2][1], 1.0f);  // the other set stays

  ProgramState unmarked = Browsed();
  unmarked.fatigueDbState.MarkedFatigueSet = -1;
  const ProgramState before = unmarked;
  CopyFatigueSetVariableBack(unmarked, FatigueSetOf(unmarked, false), 7);
  EXPECT_EQ(unmarked, before);
}

TEST(SeVariableEditable, BrowserEditModeAndTheSourceOfTheData) {
  struct Case {
    bool browser, editOption, testData;
    int16_t source;
    bool editable;
  };
  const Case cases[] = {
      {true, true, false, 1, true},   {true, false, false, 2, false}, {true, true, true, 2, false},
      {false, false, false, 2, true}, {false, false, false, 1, false},  // the set's own variable in use
      {false, true, true, 1, false},
  };
  for (const Case& c : cases) {
    ProgramState s = Browsed();
    s.materialData.MaterialSource = c.source;
    if (c.testData) s.fatigueDatabase.FdbTestDataName[2][1] = "Set A";
    EXPECT_EQ(SeVariableEditable(s, FatigueSetOf(s, true), c.browser, c.editOption), c.editable)
        << c.browser << c.editOption << c.testData << c.source;
  }
  // Outside the browser a set without a variable leaves the dialog editable.
  ProgramState s = Browsed();
  s.materialData.MaterialSource = 1;
  EXPECT_TRUE(SeVariableEditable(s, FatigueSetOf(s, false), false, false));
}

}  // namespace
