#include "engine/problem_definition.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/endurance_limit_range.h"
#include "engine/job_checks.h"
#include "program_state.h"
#include "support/fake_host.h"

namespace {

// The working copies of the problem-definition frame.
struct Working {
  int16_t mode, parameter, type, meanStress, specimen, approach, notchSensitivity;
};

ProgramState WithWorkingCopies(const Working& w) {
  ProgramState s;
  AnalysisDialogState& d = s.analysisDialogState;
  d.DlgAnalysisMode = w.mode;
  d.DlgParameter = w.parameter;
  d.DlgLoadingType = w.type;
  d.DlgMeanStressOption = w.meanStress;
  d.DlgSNDataSpecimen = w.specimen;
  d.DlgStressApproach = w.approach;
  d.DlgNotchSensitivity = w.notchSensitivity;
  s.componentData.Kt = 2.2f;
  s.componentData.Kf = 1.7f;
  s.loadingData.ScalingFactorMean = 1.25f;
  s.loadingData.StressMinOrMean = 40.0f;
  s.loadingData.StressMinOrMeanInput = 40.0f;
  s.loadingData.BlockVolumeEntry = 5000;
  return s;
}

TEST(CommitProblemDefinition, CommitsTheWorkingCopiesWithTheirTagsAndFactors) {
  struct Case {
    Working w;
    int16_t masterParameter, kind;
    const char* tags;  // stress approach, specimen, notch sensitivity
    const char* texts;
    float specimenFactor, kf;
  };
  const Case cases[] = {
      // A single case takes its kind from the parameter group and has no master-curve parameter.
      {{1, 1, 3, 2, 1, 1, 1}, 0, 1, "NomS/FS/NS(-)/", "Nominal Strs/Strn|Feature Specimen|Notch Sensitivity (-)",
       1.0f, 1.7f},
      {{1, 2, 2, 2, 2, 2, 2}, 0, 2, "LocS/PS/NS(+)/", "Local Strs/Strn|Plain Specimen|Notch Sensitivity (+)",
       2.2f, 2.2f},
      // A master curve takes the parameter and is deterministic.
      {{2, 2, 1, 2, 1, 2, 1}, 2, 1, "LocS/FS/NS(-)/", "Local Strs/Strn|Feature Specimen|Notch Sensitivity (-)",
       1.0f, 1.7f},
  };
  for (const Case& c : cases) {
    ProgramState s = WithWorkingCopies(c.w);
    CommitProblemDefinition(s);
    const AnalysisOptions& ao = s.analysisOptions;
    EXPECT_EQ(ao.AnalysisMode, c.w.mode);
    EXPECT_EQ(ao.MasterCurveParameter, c.masterParameter);
    EXPECT_EQ(ao.AnalysisKind, c.kind);
    EXPECT_EQ(ao.LoadingType, c.w.type);
    EXPECT_EQ(ao.MeanStressOption, c.w.meanStress);
    EXPECT_EQ(ao.SNDataSpecimen, c.w.specimen);
    EXPECT_EQ(ao.StressApproach, c.w.approach);
    EXPECT_EQ(ao.JobStressApproach, c.w.approach);
    EXPECT_EQ(ao.NotchSensitivityMode, c.w.notchSensitivity);
    EXPECT_EQ(ao.JobNotchSensitivity, c.w.notchSensitivity);
    EXPECT_EQ(ao.StressApproachTag + ao.SpecimenTag + ao.NotchSensitivityTag, c.tags);
    EXPECT_EQ(ao.StressApproachText + "|" + ao.SpecimenText + "|" + ao.NotchSensitivityText, c.texts);
    EXPECT_EQ(s.componentData.SpecimenNotchFactor, c.specimenFactor) << c.tags;
    EXPECT_EQ(s.componentData.Kf, c.kf) << c.tags;
    EXPECT_EQ(s.loadingData.ScalingFactorApplied, 1.25f);
    EXPECT_EQ(s.loadingData.StressMinOrMean, 40.0f);
  }
}

TEST(CommitProblemDefinition, ChangesNothingElse) {
  ProgramState s = WithWorkingCopies({1, 1, 3, 2, 1, 1, 1});
  ProgramState expected = s;
  CommitProblemDefinition(s);
  expected.analysisOptions = s.analysisOptions;
  expected.componentData.SpecimenNotchFactor = 1.0f;
  expected.loadingData.ScalingFactorApplied = 1.25f;
  EXPECT_EQ(s, expected);
}

TEST(CommitProblemDefinition, DistributionAndNeglectedMeanStress) {
  ProgramState s = WithWorkingCopies({1, 1, 4, 1, 1, 1, 1});
  s.loadingData.StressInputMode = 2;
  CommitProblemDefinition(s);
  EXPECT_EQ(s.loadingData.StressInputMode, 1);  // a distribution: range and minimum
  EXPECT_EQ(s.loadingData.CyclesPerBlock, 5000);
  EXPECT_EQ(s.loadingData.StressMinOrMean, 0.0f);
  EXPECT_EQ(s.loadingData.StressMinOrMeanInput, 0.0f);
}

TEST(CommitProblemDefinition, LoadingUnitsFollow) {
  ProgramState s = WithWorkingCopies({1, 1, 3, 2, 1, 1, 1});
  s.loadingUnits.LoadQuantity = "Strain ";
  CommitProblemDefinition(s);
  EXPECT_EQ(s.loadingUnits.LoadUnit, "\xC2\xB5str");
  EXPECT_EQ(s.loadingUnits.LoadUnitFactor, 1e6f / 210000.0f);
}

// The selected batch's strengths name its notch factor for a feature
// specimen only, whatever the specimen was when the batch was taken; a
// typed-in loading keeps its texts.
TEST(CommitProblemDefinition, TheBatchsMeanStressTextsFollowTheSpecimen) {
  struct Case {
    int16_t batch, specimen;
    const char* text;
    const char* text2;
  };
  const Case cases[] = {
      {3, 1, "DMSE(+): Su=600, Sy=400, Kf=1.5 ", "DMSE(+): 600/400/1.5 "},
      {3, 2, "DMSE(+): Su=600, Sy=400", "DMSE(+): 600/400"},
      {0, 2, "as typed", "as typed too"},
  };
  for (const Case& c : cases) {
    ProgramState s = WithWorkingCopies({1, 1, 2, 2, c.specimen, 1, 1});
    s.loadingDbState.SelectedLoadingBatch = c.batch;
    s.loadingDatabase.BatchSu[3] = 600;
    s.loadingDatabase.BatchSy[3] = 400;
    s.loadingDatabase.BatchKf[3] = 1.5f;
    s.loadingData.BatchMseText = "as typed";
    s.loadingData.BatchMseText2 = "as typed too";
    CommitProblemDefinition(s);
    EXPECT_EQ(s.loadingData.BatchMseText, c.text) << c.specimen;
    EXPECT_EQ(s.loadingData.BatchMseText2, c.text2) << c.specimen;
  }
}

TEST(ConfirmLoadingOnCommit, ReadyOrNotAndTheOfferOfTypedInParameters) {
  struct Case {
    int16_t type;
    float levels, r;
    int answer;  // 0: no question expected
    bool ready;
    int16_t source, batch;
  };
  const Case cases[] = {
      {3, 0, 0, 0, true, 1, 3},               // constant amplitude fits any batch
      {2, 4, 0, 0, true, 1, 3},               // a spectrum with levels
      {2, 0, 0, 0, false, 1, 3},              // a spectrum without levels: not ready, no question
      {4, 0, 2.5f, 0, true, 1, 3},            // a distribution batch with its R
      {4, 0, 0, kAnswerYes, true, 2, 0},      // without R: Yes types in the parameters
      {4, 0, 0, kAnswerNo, false, 1, 3},      // No keeps the batch, not ready
  };
  for (const Case& c : cases) {
    ProgramState s;
    FakeHost host;
    s.analysisOptions.LoadingType = c.type;
    s.loadingDbState.LoadingSource = 1;
    s.loadingDbState.SelectedLoadingBatch = 3;
    s.loadingDatabase.BatchLevelCount[3] = c.levels;
    s.loadingDatabase.BatchR[3] = c.r;
    s.loadingData.DistQInput = 7.0f;
    s.wizardFlags.LoadingDataReady = true;
    if (c.answer) host.QueueAnswer(c.answer);
    EXPECT_EQ(ConfirmLoadingOnCommit(s, host), c.ready) << c.type << " " << c.answer;
    EXPECT_EQ(s.wizardFlags.LoadingDataReady, c.ready) << c.type << " " << c.answer;
    EXPECT_EQ(s.loadingDbState.LoadingSource, c.source);
    EXPECT_EQ(s.loadingDbState.SelectedLoadingBatch, c.batch);
    ASSERT_EQ(host.messages.size(), c.answer ? 1u : 0u) << c.type;
    if (!c.answer) continue;
    const FakeHost::Message& m = host.messages[0];
    EXPECT_EQ(m.text,
              "Sorry, There is no Distribution in the Data Batch!\rWould you like to abandon the data batch\r"
              "and input arbitrary parameters through the keyboard?");
    EXPECT_EQ(m.title, " Loading Data");
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_EQ(m.icon, MsgIcon::Question);
    EXPECT_EQ(m.defaultButton, 1);
    EXPECT_EQ(host.beeps, 1);
    const bool typedIn = c.answer == kAnswerYes;
    EXPECT_EQ(s.loadingData.DistQInput, typedIn ? 3.0f : 7.0f);
    EXPECT_EQ(s.jobTexts.LoadingName, typedIn ? "???" : JobTexts{}.LoadingName);
  }
}

TEST(ConfirmMeanStressOnCommit, TheAnswerDecidesWhetherOkGoesOn) {
  struct Case {
    float su;     // the batch's ultimate strength: none with an accounted mean stress asks "Without"
    int answer;   // 0: no question
    bool goesOn, accepted;
    int16_t option, answered;
  };
  const Case cases[] = {
      {400.0f, 0, true, false, 2, 0},  // nothing to ask: ApplyAccepted stays as it was
      {0.0f, kAnswerNo, false, false, 1, 0},
      {0.0f, kAnswerYes, true, true, 2, 1},
  };
  for (const Case& c : cases) {
    ProgramState s;
    FakeHost host;
    s.analysisOptions.LoadingType = 2;
    s.analysisOptions.MeanStressOption = 2;
    s.loadingDbState.SelectedLoadingBatch = 2;
    s.loadingDatabase.BatchPointCount[2] = 5;
    s.loadingDatabase.BatchSu[2] = c.su;
    s.wizardFlags.ApplyAccepted = false;
    bool acceptedWhileAsking = true;
    host.onMessage = [&](const FakeHost::Message&) { acceptedWhileAsking = s.wizardFlags.ApplyAccepted; };
    if (c.answer) host.QueueAnswer(c.answer);
    EXPECT_EQ(ConfirmMeanStressOnCommit(s, host), c.goesOn) << c.answer;
    EXPECT_EQ(s.wizardFlags.ApplyAccepted, c.accepted) << c.answer;
    EXPECT_EQ(s.analysisOptions.MeanStressOption, c.option) << c.answer;
    EXPECT_EQ(s.results.MseQuestionAnswered, c.answered) << c.answer;
    ASSERT_EQ(host.messages.size(), c.answer ? 1u : 0u);
    if (!c.answer) continue;
    EXPECT_FALSE(acceptedWhileAsking);
    EXPECT_EQ(host.messages[0].text, "Data Without Mean Stress Effect!\r          Continue?");
    EXPECT_EQ(host.messages[0].title, "Current Data Batch");
    EXPECT_EQ(host.messages[0].defaultButton, 2);
    EXPECT_EQ(host.beeps, 1);
  }
}

TEST(CommitJobProblemDefinition, TheJobsCodesWinUnlessZero) {
  struct Case {
    int16_t jobApproach, jobSensitivity, specimen;
    int16_t approach, sensitivity;
    const char* tags;
  };
  const Case cases[] = {
      {1, 1, 1, 1, 1, "NomS/FS/NS(-)/"},
      {2, 2, 2, 2, 2, "LocS/PS/NS(+)/"},
      {0, 0, 2, 2, 1, "oldS/PS/oldNS/"},  // saved before any OK: the committed ones stay
  };
  for (const Case& c : cases) {
    AnalysisOptions ao;
    ao.StressApproach = 2;
    ao.NotchSensitivityMode = 1;
    ao.StressApproachTag = "oldS/";
    ao.NotchSensitivityTag = "oldNS/";
    ao.JobStressApproach = c.jobApproach;
    ao.JobNotchSensitivity = c.jobSensitivity;
    ao.SNDataSpecimen = c.specimen;
    CommitJobProblemDefinition(ao);
    EXPECT_EQ(ao.StressApproach, c.approach);
    EXPECT_EQ(ao.NotchSensitivityMode, c.sensitivity);
    EXPECT_EQ(ao.StressApproachTag + ao.SpecimenTag + ao.NotchSensitivityTag, c.tags);
  }
}

TEST(PresetDialogFromOptions, WorkingCopiesFollowTheOpenedJob) {
  for (int16_t committed : {0, 2}) {
    ProgramState s;
    AnalysisOptions& a = s.analysisOptions;
    a.AnalysisMode = 2;
    a.MasterCurveParameter = 2;
    a.LoadingType = 1;
    a.MeanStressOption = 1;
    a.SNDataSpecimen = 2;
    a.StressApproach = committed;
    a.NotchSensitivityMode = committed;
    PresetDialogFromOptions(s);
    AnalysisDialogState expected;
    expected.DlgAnalysisMode = 2;
    expected.DlgParameter = 2;
    expected.DlgLoadingType = 1;
    expected.DlgMeanStressOption = 1;
    expected.DlgSNDataSpecimen = 2;
    if (committed) expected.DlgStressApproach = expected.DlgNotchSensitivity = committed;  // else kept
    EXPECT_EQ(s.analysisDialogState, expected) << committed;
  }
}

TEST(ReapplyProblemDefinition, NotchFactorMeanStressAndReadiness) {
  for (int16_t option : {1, 2}) {
    ProgramState s;
    s.analysisOptions.SNDataSpecimen = 2;
    s.analysisOptions.MeanStressOption = option;
    s.componentData.Kt = 2.5f;
    s.loadingData.StressMinOrMean = 30.0f;
    s.loadingData.StressMinOrMeanInput = 30.0f;
    ReapplyProblemDefinition(s);
    EXPECT_EQ(s.componentData.SpecimenNotchFactor, 2.5f);
    EXPECT_EQ(s.componentData.Kf, 2.5f);
    EXPECT_EQ(s.loadingData.StressMinOrMean, option == 1 ? 0.0f : 30.0f);
    EXPECT_EQ(s.loadingData.StressMinOrMeanInput, 30.0f);  // only the value in use
    EXPECT_TRUE(s.wizardFlags.LoadingDataReady);
  }
}

}  // namespace

// The endurance limit a job calculates with: a master curve over Se keeps
// its range (not running backwards), every other job its lower end; Se is
// the one calculated with.
TEST(SettleEnduranceLimit, KeepsTheRangeOfAMasterCurveOverSeOnly) {
  const struct {
    int16_t mode, parameter;
    float se, from, to;
    float settledTo;
    bool empty;
  } cases[] = {
      {2, 2, 240, 160, 240, 240, false},  // the upper end typed last
      {2, 2, 160, 160, 120, 160, true},   // an upper end below the lower
      {2, 2, 160, 160, 160, 160, true},
      {2, 1, 240, 160, 240, 160, false},  // over the load level
      {1, 0, 140, 80, 140, 80, false},    // a single case after a range
      {1, 0, 80, 80, 80, 80, false},
  };
  for (const auto& c : cases) {
    MaterialData m;
    m.Se = c.se;
    m.SeFrom = c.from;
    m.SeTo = c.to;
    AnalysisOptions a;
    a.AnalysisMode = c.mode;
    a.MasterCurveParameter = c.parameter;
    EXPECT_EQ(SettleEnduranceLimit(m, a), c.empty) << c.mode << " " << c.parameter << " " << c.to;
    EXPECT_EQ(m.SeFrom, c.from);
    EXPECT_EQ(m.SeTo, c.settledTo) << c.mode << " " << c.parameter << " " << c.to;
    EXPECT_EQ(m.Se, c.from);
  }
}

// The problem definition's commit of a single case after a master curve
// over Se: the job works at the lower end at once, not only once the input
// view is built again.
TEST(CommitProblemDefinition, ASingleCaseWorksAtTheLowerEndOfTheRange) {
  ProgramState s = WithWorkingCopies({1, 1, 3, 1, 1, 1, 1});
  s.materialData.Se = 140;
  s.materialData.SeFrom = 80;
  s.materialData.SeTo = 140;
  CommitProblemDefinition(s);
  EXPECT_EQ(s.materialData.Se, 80);
  EXPECT_EQ(s.materialData.SeTo, 80);
}
