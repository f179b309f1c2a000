#include "engine/job_checks.h"

#include <gtest/gtest.h>

#include "program_state.h"
#include "support/fake_host.h"

namespace {

TEST(LoadingReadyFor, FollowsTheSelectedBatch) {
  struct Case {
    int type;
    int16_t source;
    int32_t points;
    float levels, r;
    bool ready;
  };
  const Case cases[] = {
      {3, 1, 0, 0, 0, true},   {2, 1, 0, 0, 0, false},  {2, 1, 0, 4, 0, true},  {1, 1, 0, 4, 0, false},
      {1, 1, 1, 0, 0, true},   {4, 2, 0, 0, 0, true},   {4, 1, 0, 0, 0, false}, {4, 1, 0, 0, 2.5f, true},
      {5, 2, 9, 9, 9, false},
  };
  for (const Case& c : cases) {
    ProgramState s;
    s.loadingDbState.SelectedLoadingBatch = 7;
    s.loadingDbState.LoadingSource = c.source;
    s.loadingDatabase.BatchPointCount[7] = c.points;
    s.loadingDatabase.BatchLevelCount[7] = c.levels;
    s.loadingDatabase.BatchR[7] = c.r;
    EXPECT_EQ(LoadingReadyFor(c.type, s), c.ready) << c.type << " " << c.source << " " << c.points;
  }
}

TEST(LoadingReadyFor, ABatchNumberOutsideTheDatabaseFitsOnlyConstantAmplitude) {
  for (int16_t batch : {-1, 21, 25}) {
    ProgramState s;
    s.loadingDbState.SelectedLoadingBatch = batch;
    s.loadingDbState.LoadingSource = 1;
    EXPECT_TRUE(LoadingReadyFor(3, s)) << batch;
    for (int type : {1, 2, 4}) EXPECT_FALSE(LoadingReadyFor(type, s)) << batch << " " << type;
  }
}

TEST(MeanStressQuestionWord, AskedOnlyWhereBatchAndOptionDisagree) {
  struct Case {
    int16_t type, option;
    float su;
    int32_t points;
    int16_t answered;
    const char* word;
  };
  const Case cases[] = {
      {2, 2, 0.0f, 1, 0, "Without"}, {2, 2, 1.0f, 1, 0, "Without"}, {4, 2, 0.0f, 1, 0, ""},
      {2, 1, 400.0f, 1, 0, "With"},  {4, 1, 400.0f, 1, 0, "With"},  {2, 2, 400.0f, 1, 0, ""},
      {2, 2, 0.0f, 0, 0, ""},        {2, 2, 0.0f, 1, 1, ""},        {3, 1, 400.0f, 1, 0, ""},
  };
  for (const Case& c : cases) {
    ProgramState s;
    s.analysisOptions.LoadingType = c.type;
    s.analysisOptions.MeanStressOption = c.option;
    s.loadingDbState.SelectedLoadingBatch = 1;
    s.loadingDatabase.BatchSu[1] = c.su;
    s.loadingDatabase.BatchPointCount[1] = c.points;
    s.results.MseQuestionAnswered = c.answered;
    EXPECT_EQ(MeanStressQuestionWord(s), c.word) << c.type << " " << c.option << " " << c.su;
  }
}

TEST(CyclesPerBlockFor, RefusesACountBeyondThirtyTwoBits) {
  ProgramState s;
  s.analysisOptions.LoadingType = 2;
  s.loadingDbState.SelectedLoadingBatch = 1;
  s.loadingDatabase.BatchBlockCycles[1] = 3.0e9f;
  int32_t cycles = 5;
  EXPECT_FALSE(CyclesPerBlockFor(s, cycles));
  EXPECT_EQ(cycles, 5);
}

TEST(AskMeanStressQuestion, YesMarksTheBatchNoNeglectsTheMeanStress) {
  struct Case {
    float su;
    int answer;
    MeanStressAnswer result;
    int16_t option, answered;
  };
  const Case cases[] = {
      {400.0f, 0, MeanStressAnswer::NotAsked, 2, 0},
      {0.0f, kAnswerYes, MeanStressAnswer::Yes, 2, 1},
      {0.0f, kAnswerNo, MeanStressAnswer::No, 1, 0},
  };
  for (const Case& c : cases) {
    ProgramState s;
    FakeHost host;
    s.analysisOptions.LoadingType = 2;
    s.loadingDbState.SelectedLoadingBatch = 1;
    s.loadingDatabase.BatchSu[1] = c.su;
    s.loadingDatabase.BatchPointCount[1] = 1;
    if (c.answer) host.QueueAnswer(c.answer);
    EXPECT_EQ(AskMeanStressQuestion(s, host), c.result) << c.answer;
    EXPECT_EQ(s.analysisOptions.MeanStressOption, c.option);
    EXPECT_EQ(s.results.MseQuestionAnswered, c.answered);
    ASSERT_EQ(host.messages.size(), c.answer ? 1u : 0u);
    if (!c.answer) continue;
    EXPECT_EQ(host.messages[0].text, "Data Without Mean Stress Effect!\r          Continue?");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(host.messages[0].defaultButton, 2);
    EXPECT_EQ(host.messages[0].title, "Current Data Batch");
    EXPECT_EQ(host.beeps, 1);
  }
}

}  // namespace
