#pragma once

#include <cstdint>

class Host;
struct AnalysisOptions;
struct ProgramState;

// The committed problem definition (AnalysisOptions) with its tags and texts:
// what the problem-definition frame's OK makes of the working copies
// (AnalysisDialogState), and what opening a job makes of the job's codes.

// The tag and text of a committed option, as the job summary shows them.
struct OptionTags {
  const char* tag;
  const char* text;
};
// Nominal (1): "NomS/" "Nominal Strs/Strn"; any other: "LocS/" "Local Strs/Strn".
OptionTags StressApproachTagsOf(int16_t approach);
// Neglect (1): "NS(-)/" "Notch Sensitivity (-)"; any other: "NS(+)/" "Notch Sensitivity (+)".
OptionTags NotchSensitivityTagsOf(int16_t mode);
// Feature specimen (1): "FS/" "Feature Specimen"; any other: "PS/" "Plain Specimen".
OptionTags SpecimenTagsOf(int16_t specimen);

// The tag and text of each option from its code.
void SetStressApproachTags(AnalysisOptions& ao, int16_t approach);
void SetNotchSensitivityTags(AnalysisOptions& ao, int16_t mode);
void SetSpecimenTags(AnalysisOptions& ao, int16_t specimen);

// The notch factor of the S-N data's specimen: S-N data of a plain specimen
// take the component's Kt (and Kf := Kt), those of a feature specimen 1.
void ApplySpecimenNotchFactor(ProgramState& s);

// OK's commit of the working copies, in this order:
// - target: AnalysisMode; a single case has no master-curve parameter (0) and
//   takes the analysis kind from the parameter group, a master curve takes
//   the parameter and is deterministic;
// - ScalingFactorApplied := ScalingFactorMean;
// - specimen with its tags and notch factor (ApplySpecimenNotchFactor);
// - notch sensitivity and stress approach, the committed and the job's
//   copies, with their tags;
// - loading type and mean-stress option; a distribution takes its stresses
//   as range and minimum (StressInputMode 1) and its block volume as the
//   cycles per block;
// - the loading units (FollowLoadingUnits);
// - a neglected mean stress: StressMinOrMean := StressMinOrMeanInput := 0.
void CommitProblemDefinition(ProgramState& s);

// OK's check of the loading against the committed loading type; false when
// it does not fit (LoadingDataReady := false). A distribution from a batch
// without its parameter R offers typed-in parameters ("Sorry, There is no
// Distribution in the Data Batch!...", Yes/No, " Loading Data"): Yes gives
// Q = R = 3 typed in (batch 0, LoadingSource 2, loading name "???") and fits.
bool ConfirmLoadingOnCommit(ProgramState& s, Host& host);

// OK's mean-stress question (AskMeanStressQuestion); false when the user
// declined. ApplyAccepted is false while the question waits and after No,
// true after Yes; without a question it stays as it was.
bool ConfirmMeanStressOnCommit(ProgramState& s, Host& host);

// Opening a job: the job's stress approach and notch sensitivity become the
// committed ones with their tags, as OK makes them; a 0 (a job saved before
// any OK) leaves the committed value as it is. The specimen's tags follow
// SNDataSpecimen.
void CommitJobProblemDefinition(AnalysisOptions& ao);

// The working copies follow the definition of a job just opened: target,
// parameter, loading type, mean-stress option and specimen; the stress
// approach and notch sensitivity where one is committed (not 0), so that the
// next OK keeps them.
void PresetDialogFromOptions(ProgramState& s);

// Re-applying the committed definition after a job was opened: the
// specimen's notch factor, a neglected mean stress (StressMinOrMean := 0),
// and the loading counts as ready.
void ReapplyProblemDefinition(ProgramState& s);
