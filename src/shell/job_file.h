#pragma once

#include <optional>
#include <string>

#include "platform/runtime/atomic_file.h"
#include "shell/job_file_format.h"

class Host;
struct FatigueDatabase;
struct FatigueDbState;
struct LoadingDatabase;
struct LoadingDbState;
struct ProgramState;

// The job file (*.sns): one job on disk. The "&Open..." and "&Save..."
// commands show the file dialog with this filter and these flags (prompt
// before overwriting, no read-only box), an empty file name and the current
// folder, and call the routines below.
inline constexpr const char* kJobFileFilter = "Duvak Job (*.sns)|*.sns";
inline constexpr int kJobFileDialogFlags = 6;
inline constexpr const char* kOpenJobTitle = " Opening an Existing Job";
inline constexpr const char* kSaveJobTitle = " Saving the Job";

// ---- Save ----

// Writes the job of `state` to `path` by atomic replacement: a failed write
// keeps the file that was there; the result carries the runtime's error text.
SaveResult WriteJobFile(const std::string& path, const ProgramState& state);

// "&Save...": writes the job; a failure beeps (when BeepEnabled is 1) and
// shows the runtime's error text (OK, exclamation, kSaveJobTitle). Changes
// nothing in `state`. Returns whether the file was written.
bool SaveJobFile(const std::string& path, const ProgramState& state, Host& host);

// ---- Open ----

// Reads and checks the whole file at `path` without touching the program's
// records. On failure returns nothing and `error` holds the message: the
// runtime's error text and the record being read, or the value out of range.
std::optional<JobFile> ReadJobFile(const std::string& path, std::string& error);

// ReadJobFile, with a failure reported: a beep when `beepEnabled`, the message,
// "The job was not opened." below it, OK, exclamation, kOpenJobTitle.
std::optional<JobFile> LoadJobFile(const std::string& path, Host& host, bool beepEnabled);

// Where a job's material and loading came from, so that Open can read the
// databases again and select the same set and batch.
struct JobSources {
  bool materialFromDatabase = false;  // MaterialSource 1
  int16_t fatigueBatch = 0;           // UsedFatigueBatch, 1..20 when from the database
  int16_t fatigueSet = 0;             // UsedFatigueSet, the 0-based column
  std::string fatigueDbFolder;        // DataDirectory(2)
  bool loadingFromDatabase = false;   // LoadingSource 1
  int16_t loadingBatch = 0;           // the job's batch, 1..20 (0 in files that lost it)
  std::string loadingDbFolder;        // DataDirectory(1)
};
JobSources JobSourcesOf(const JobFile& job);

// Committing a read job to the program's records, in three phases so that the
// Open command can restore the databases between them as a job is opened:
//   job = LoadJobFile(...)            nothing changes when it fails
//   CommitJobMaterial(job)            then the dialog's working copies from the options
//   material from the database:       ask about unsaved database edits first; read
//                                     "duvak.dat" from the job's folder; when
//                                     FatigueSetRestorable, the set is in use again and
//                                     its batch on show (the job keeps its own S-N data),
//                                     else GiveUpMaterialRestore
//   CommitJobLoading(job)
//   loading from the database:        read the loading database from the job's folder;
//                                     when LoadingBatchRestorable, show the batch and run
//                                     its OK under LoadingTypeToRetake, then
//                                     CommitJobLoadingOverBatch; else (or when the OK
//                                     does not take it) GiveUpLoadingRestore
//   CommitJobRandomDataAndUnits(job)  the job's random variables win over the set's
//   then the screen: sample size box, distribution tags, unit menu check marks,
//   ApplyAnalysisOptions and the input view.
// CommitJobFile runs the three phases without restores.

// Records 1 to 12 and 34: the options, job texts, units as read, loading
// units, folders and material; then SuUsed := Su, SyUsed := Sy, and SeFrom
// and SeTo := the ends of record 34 (the endurance limit the job calculated
// with, and the upper end of its master curve), or Se at both ends in files
// without it.
// The job's stress approach and notch sensitivity take effect at once
// (CommitJobProblemDefinition, engine/problem_definition.h), so a job
// calculated straight after Open uses them.
void CommitJobMaterial(const JobFile& job, ProgramState& state);

// Records 13 to 19, 33 and 36: loading name, source and batch, stresses,
// notch factors, scaling factors, the batch's mean-stress text, the notch
// radius (a file without it keeps the radius in use) and the distribution's
// law and block volume (a file without them keeps those in use; a
// distribution's cycles per block := its block volume); then
// StressMinOrMeanInput := StressMinOrMean, Kf := KtInput,
// SpecimenNotchFactor := Kt, MseNotchFactor := the job's own shown notch
// factor (ShownNotchFactorOf), LoadSmax = -LoadSmin := StressRangeTo / 2, the
// selected batch's level count := 0, BrowsedLoadingBatch := the job's batch.
// The job's batch is selected for a database loading only: a typed-in
// loading selects none (no row of the database in memory is taken as its
// data) and is restored as constant amplitude (LoadingType 3), but for a
// typed-in distribution whose law and block volume the file keeps.
void CommitJobLoading(const JobFile& job, ProgramState& state);

// Records 20 to 32: the random variables and simulation settings; then
// ScalingFactorApplied := ScalingFactorMean, the unit system from the length
// factor (exactly 1 SI, else US: every text and factor of UnitSettings), and
// the loading units from LoadQuantity in memory (stress: the stress unit;
// strain: micro-strain texts and factors by the selected batch's points).
void CommitJobRandomDataAndUnits(const JobFile& job, ProgramState& state);

// Once the job's batch is taken again (which fills the loading from the
// batch): what the job holds of its own over the batch comes back, the
// loading name, the damage display mode, the stresses (record 16: the range, its master-curve ends,
// the minimum or mean and the input mode) and the scaling factors (record
// 18), with the stress pair derived from them (for a history the scaled
// extremes of the batch's history). The batch gives its levels, history and
// distribution.
void CommitJobLoadingOverBatch(const JobFile& job, ProgramState& state);

void CommitJobFile(const JobFile& job, ProgramState& state);

// ---- Restoring the database sources (between the commit phases) ----

inline constexpr const char* kCantRestoreFatigueData = "Can't restore the Fatigue Data";
inline constexpr const char* kCantRestoreLoadingData = "Can't restore the Loading Data";

// Whether the fatigue database in memory (read again from the job's folder)
// holds the job's batch and set: batch 1..FatigueBatchCount, set column
// 0..FdbSetCount(batch) - 1. A database that changed since the job was saved
// may not; the set is then not restored rather than a wrong or empty one taken.
bool FatigueSetRestorable(const JobSources& sources, const FatigueDatabase& db,
                          const FatigueDbState& state);

// Whether the loading database in memory holds the job's batch (1..LoadingBatchCount).
bool LoadingBatchRestorable(const JobSources& sources, const LoadingDbState& state);

// Why a database read again does not hold the job's set or batch, for the
// second line of the message: "The Fatigue Database holds no batch 3",
// "Batch 2 of the Fatigue Database holds no set 4" (sets counted from 1),
// "The Loading Database holds no batch 7"; "" when the database holds no
// batch at all (the message then stands alone). A job that names no batch
// (batch 0, saved by earlier versions after a database read had given up
// the batch): "The job names no batch of the Loading Database".
std::string MissingFatigueSetText(const JobSources& sources, const FatigueDbState& state);
std::string MissingLoadingBatchText(const JobSources& sources, const LoadingDbState& state);
// Why a batch the database holds was not restored: the browser's Select did
// not take it (its own message, or the user's No, came first).
std::string BatchNotTakenText(int batch);

// The loading type under which the job's batch is taken again: the job's
// own type when the batch holds what that type needs (as the browser's
// Select asks); otherwise the type the batch was taken for before the
// problem definition changed the loading type, the batch being used as
// another one (a history first, then a spectrum, then a distribution). The
// job's type when the batch holds none of them.
int16_t LoadingTypeToRetake(const LoadingDatabase& db, int batch, int16_t jobType);

// A material restore that failed: "Can't restore the Fatigue Data" (OK,
// exclamation, kOpenJobTitle), with `why` below it and that the S-N data are
// kept as typed in; the values read from the job stay as typed-in data
// (MaterialSource 2) under the job's material name.
void GiveUpMaterialRestore(ProgramState& state, Host& host, const std::string& why = "");

// A loading restore that failed: "Can't restore the Loading Data" (OK,
// exclamation, kOpenJobTitle), with `why` below it and that the stresses are
// kept as a typed-in constant amplitude; the loading becomes typed in
// (LoadingSource 2, no batch selected) and constant amplitude (LoadingType
// 3). The job's loading name and its batch (BrowsedLoadingBatch) stay, so
// that the job saved again keeps them, as a material given up keeps its name.
void GiveUpLoadingRestore(ProgramState& state, Host& host, const std::string& why = "");
