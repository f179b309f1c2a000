#include "engine/problem_definition.h"

#include "engine/endurance_limit_range.h"
#include "engine/job_checks.h"
#include "loading/batch_selection.h"
#include "loading/loading_units.h"
#include "loading/selected_batch.h"
#include "program_state.h"
#include "shell/user_messages.h"

namespace {

void CommitTarget(ProgramState& s) {
  AnalysisOptions& ao = s.analysisOptions;
  const AnalysisDialogState& d = s.analysisDialogState;
  ao.AnalysisMode = d.DlgAnalysisMode;
  if (ao.AnalysisMode != analysis_mode::kMasterCurve) {
    ao.MasterCurveParameter = master_curve_parameter::kNone;
    ao.AnalysisKind = d.DlgParameter;
  } else {
    ao.MasterCurveParameter = d.DlgParameter;
    ao.AnalysisKind = analysis_kind::kDeterministic;
  }
}

void CommitSpecimen(ProgramState& s) {
  AnalysisOptions& ao = s.analysisOptions;
  ao.SNDataSpecimen = s.analysisDialogState.DlgSNDataSpecimen;
  ApplySpecimenNotchFactor(s);
  SetSpecimenTags(ao, ao.SNDataSpecimen);
}

void CommitNotchSensitivityAndApproach(ProgramState& s) {
  AnalysisOptions& ao = s.analysisOptions;
  const AnalysisDialogState& d = s.analysisDialogState;
  ao.NotchSensitivityMode = d.DlgNotchSensitivity;
  ao.JobNotchSensitivity = d.DlgNotchSensitivity;
  SetNotchSensitivityTags(ao, ao.NotchSensitivityMode);
  ao.StressApproach = d.DlgStressApproach;
  ao.JobStressApproach = d.DlgStressApproach;
  SetStressApproachTags(ao, ao.StressApproach);
}

void CommitLoadingType(ProgramState& s) {
  AnalysisOptions& ao = s.analysisOptions;
  ao.LoadingType = s.analysisDialogState.DlgLoadingType;
  ao.MeanStressOption = s.analysisDialogState.DlgMeanStressOption;
  if (ao.LoadingType == loading_type::kDistribution) {
    s.loadingData.StressInputMode = 1;
    s.loadingData.CyclesPerBlock = s.loadingData.BlockVolumeEntry;
  }
}

constexpr const char* kNoDistributionQuestion =
    "Sorry, There is no Distribution in the Data Batch!\r"
    "Would you like to abandon the data batch\r"
    "and input arbitrary parameters through the keyboard?";

}  // namespace

OptionTags StressApproachTagsOf(int16_t approach) {
  if (approach == stress_approach::kNominal) return {"NomS/", "Nominal Strs/Strn"};
  return {"LocS/", "Local Strs/Strn"};
}

OptionTags NotchSensitivityTagsOf(int16_t mode) {
  if (mode == notch_sensitivity::kNeglect) return {"NS(-)/", "Notch Sensitivity (-)"};
  return {"NS(+)/", "Notch Sensitivity (+)"};
}

OptionTags SpecimenTagsOf(int16_t specimen) {
  if (specimen == sn_data_specimen::kFeature) return {"FS/", "Feature Specimen"};
  return {"PS/", "Plain Specimen"};
}

void SetStressApproachTags(AnalysisOptions& ao, int16_t approach) {
  const OptionTags t = StressApproachTagsOf(approach);
  ao.StressApproachTag = t.tag;
  ao.StressApproachText = t.text;
}

void SetNotchSensitivityTags(AnalysisOptions& ao, int16_t mode) {
  const OptionTags t = NotchSensitivityTagsOf(mode);
  ao.NotchSensitivityTag = t.tag;
  ao.NotchSensitivityText = t.text;
}

void SetSpecimenTags(AnalysisOptions& ao, int16_t specimen) {
  const OptionTags t = SpecimenTagsOf(specimen);
  ao.SpecimenTag = t.tag;
  ao.SpecimenText = t.text;
}

void ApplySpecimenNotchFactor(ProgramState& s) {
  ComponentData& cd = s.componentData;
  if (s.analysisOptions.SNDataSpecimen != sn_data_specimen::kFeature) {
    cd.SpecimenNotchFactor = cd.Kt;
    cd.Kf = cd.SpecimenNotchFactor;
  } else {
    cd.SpecimenNotchFactor = 1.0f;
  }
}

void CommitProblemDefinition(ProgramState& s) {
  CommitTarget(s);
  s.loadingData.ScalingFactorApplied = s.loadingData.ScalingFactorMean;
  CommitSpecimen(s);
  CommitNotchSensitivityAndApproach(s);
  CommitLoadingType(s);
  // A single case made after a master curve over Se works at its lower end.
  SettleEnduranceLimit(s.materialData, s.analysisOptions);
  FollowLoadingUnits(s);
  // The batch's strengths name its notch factor for a feature specimen only.
  FollowBatchStrengthTexts(s);
  if (s.analysisOptions.MeanStressOption == mean_stress_option::kNeglect) {
    s.loadingData.StressMinOrMean = 0.0f;
    s.loadingData.StressMinOrMeanInput = 0.0f;
  }
}

bool ConfirmLoadingOnCommit(ProgramState& s, Host& host) {
  const int16_t type = s.analysisOptions.LoadingType;
  if (LoadingReadyFor(type, s)) return true;
  if (type == loading_type::kDistribution && s.loadingDatabase.BatchR[SelectedBatchOf(s)] == 0.0f) {
    const int answer = AlertBox(s.shellState, host, kNoDistributionQuestion, MsgButtons::YesNo, MsgIcon::Question, 1,
                                " Loading Data");
    if (answer == kAnswerYes) {
      s.loadingData.DistQInput = 3.0f;
      s.loadingData.DistRInput = 3.0f;
      LeaveBatchForKeyboard(s);
      return true;
    }
  }
  s.wizardFlags.LoadingDataReady = false;
  return false;
}

bool ConfirmMeanStressOnCommit(ProgramState& s, Host& host) {
  if (MeanStressQuestionWord(s).empty()) return true;
  s.wizardFlags.ApplyAccepted = false;  // while the question waits
  s.wizardFlags.ApplyAccepted = AskMeanStressQuestion(s, host) == MeanStressAnswer::Yes;
  return s.wizardFlags.ApplyAccepted;
}

void CommitJobProblemDefinition(AnalysisOptions& ao) {
  if (ao.JobStressApproach != 0) {
    ao.StressApproach = ao.JobStressApproach;
    SetStressApproachTags(ao, ao.StressApproach);
  }
  if (ao.JobNotchSensitivity != 0) {
    ao.NotchSensitivityMode = ao.JobNotchSensitivity;
    SetNotchSensitivityTags(ao, ao.NotchSensitivityMode);
  }
  SetSpecimenTags(ao, ao.SNDataSpecimen);
}

void PresetDialogFromOptions(ProgramState& s) {
  const AnalysisOptions& a = s.analysisOptions;
  AnalysisDialogState& d = s.analysisDialogState;
  d.DlgAnalysisMode = a.AnalysisMode;
  d.DlgParameter = a.MasterCurveParameter;
  d.DlgLoadingType = a.LoadingType;
  d.DlgMeanStressOption = a.MeanStressOption;
  d.DlgSNDataSpecimen = a.SNDataSpecimen;
  if (a.StressApproach != 0) d.DlgStressApproach = a.StressApproach;
  if (a.NotchSensitivityMode != 0) d.DlgNotchSensitivity = a.NotchSensitivityMode;
}

void ReapplyProblemDefinition(ProgramState& s) {
  ApplySpecimenNotchFactor(s);
  if (s.analysisOptions.MeanStressOption == mean_stress_option::kNeglect) s.loadingData.StressMinOrMean = 0.0f;
  s.wizardFlags.LoadingDataReady = true;
}
