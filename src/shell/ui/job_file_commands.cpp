#include "shell/ui/job_file_commands.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "diagrams/ui/result_frames_panel.h"
#include "engine/problem_definition.h"
#include "engine/ui/engine_commands.h"
#include "engine/ui/input_step_commands.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_services.h"
#include "material/fatigue_db_changes.h"
#include "material/fatigue_db_file.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/material_commands.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "montecarlo/ui/montecarlo_services.h"
#include "program_state.h"
#include "shell/job_file.h"
#include "shell/job_file_work.h"
#include "shell/ui/form_main.h"
#include "shell/ui/shell_commands.h"
#include "shell/user_messages.h"

namespace {

// The common dialog's request for a job file: the filter, the flags, no file
// name and the current folder.
FileDialogRequest JobFileRequest() {
  FileDialogRequest r;
  r.filter = kJobFileFilter;
  r.flags = kJobFileDialogFlags;
  std::error_code ec;
  const std::filesystem::path here = std::filesystem::current_path(ec);
  if (!ec) r.initDir = here.string();
  return r;
}

void SaveJob(FormMain& main) {
  const std::string path = main.host().ShowSave(JobFileRequest());
  if (path.empty()) return;
  SaveJobFile(path, main.state(), main.host());
}

// Re-reading the fatigue database for a job drops the database in memory:
// unsaved edits are lost unless the user keeps them (then the job is not
// opened). Returns whether the job may be opened.
bool MayReplaceFatigueDatabase(FormMain& main, const JobSources& sources) {
  return !sources.materialFromDatabase || MayLoseFatigueDbChanges(main.state(), main.host(), kOpenJobTitle);
}

// The job's set of the fatigue database is in use again, its database read
// again from the job's folder and its batch on show in the browser; the
// job's S-N data stay as saved, with what was typed over the set (the S-N
// extension, the upper Se of a master curve over Se, Sy and Su), whatever
// the browser showed before. When the set is gone, the job's values stay as
// typed-in data.
void RestoreMaterial(FormMain& main, const JobSources& sources) {
  ProgramState& s = main.state();
  FatigueDbState& fdb = s.fatigueDbState;
  // A database that cannot be read leaves the one in memory usable, with
  // its own folder and count.
  const FatigueDbState kept = fdb;
  fdb.FatigueBatchCount = 0;
  fdb.CurrentSetBatch = sources.fatigueBatch;
  fdb.CurrentFatigueSet = sources.fatigueSet;
  fdb.DatabaseDir = sources.fatigueDbFolder;
  const bool beep = s.shellState.BeepEnabled == 1;
  const bool read = ReadFatigueDatabase(s.fatigueDatabase, fdb, main.host(), beep);
  if (!read) {
    fdb = kept;
    GiveUpMaterialRestore(s, main.host());  // the reader has said why
  } else if (FatigueSetRestorable(sources, s.fatigueDatabase, fdb)) {
    fdb.CurrentFatigueBatch = sources.fatigueBatch;
    ShowFatigueDbBatch(main, sources.fatigueBatch);
  } else {
    GiveUpMaterialRestore(s, main.host(), MissingFatigueSetText(sources, fdb));
  }
}

// Takes the job's batch again with the browser's Select, under the loading
// type it was taken for (a history used as constant amplitude was taken as a
// history); the job's own loading type stays. True when the batch was taken.
bool RetakeLoadingBatch(FormMain& main, int16_t batch) {
  ProgramState& s = main.state();
  AnalysisOptions& ao = s.analysisOptions;
  const int16_t jobType = ao.LoadingType;
  LoadingDbPanel& browser = main.loadingDb();
  s.loadingDbState.BrowsedLoadingBatch = batch;
  browser.ShowLoadingDbBatch(batch);
  ao.LoadingType = LoadingTypeToRetake(s.loadingDatabase, batch, jobType);
  browser.TakeBatchOfOpenedJob();
  ao.LoadingType = jobType;
  UpdateStepButtons(main);  // ready or not for the job's own type
  return s.loadingDbState.SelectedLoadingBatch == batch && s.loadingDbState.LoadingSource == 1;
}

// The job's loading batch is selected again from the loading database of the
// job's folder, with the checks and questions of the browser's Select, and
// the job's own stresses and name go back over it; when the batch is gone,
// or the selection does not take it, the message says why and the job's
// stresses stay as a typed-in constant amplitude.
void RestoreLoading(FormMain& main, const JobFile& job, const JobSources& sources) {
  ProgramState& s = main.state();
  s.loadingDbState.LoadingBatchCount = 0;
  s.fatigueDbState.DatabaseDir = sources.loadingDbFolder;
  ReadLoadingDatabase(main);
  if (!LoadingBatchRestorable(sources, s.loadingDbState)) {
    GiveUpLoadingRestore(s, main.host(), MissingLoadingBatchText(sources, s.loadingDbState));
    return;
  }
  if (!RetakeLoadingBatch(main, sources.loadingBatch)) {
    GiveUpLoadingRestore(s, main.host(), BatchNotTakenText(sources.loadingBatch));
    return;
  }
  CommitJobLoadingOverBatch(job, s);
}

// The sample size, the random-variable tags, the damage frame's caption and
// the unit texts show the job just read: the caption names the job's damage
// display, whatever display was up before and whatever the batch's Select
// left on it; the unit texts are those of the job's system.
void ShowJobSettings(FormMain& main) {
  const ProgramState& s = main.state();
  main.results().ShowDamageDisplayCaption();
  main.mcsOptions().No_simult.SetText(std::to_string(s.mcsSettings.SimulationCount));
  ShowRandomVariableTags(main);
  ShowUnitTexts(main);
}

// The input view of the job just read, whatever was on show: over the
// master-curve screen the input step first only leaves that screen.
void ShowInputViewOfTheJob(FormMain& main) {
  const bool overMasterCurve = main.results().frm_master.Visible();
  mnu_calculations_Click(main);
  if (overMasterCurve) mnu_calculations_Click(main);
}

void OpenJob(FormMain& main) {
  ProgramState& s = main.state();
  const std::string path = main.host().ShowOpen(JobFileRequest());
  if (path.empty()) return;
  const std::optional<JobFile> job = LoadJobFile(path, main.host(), s.shellState.BeepEnabled == 1);
  if (!job) return;
  const JobSources sources = JobSourcesOf(*job);
  if (!MayReplaceFatigueDatabase(main, sources)) return;
  CommitJobMaterial(*job, s);
  PresetDialogFromOptions(s);
  if (sources.materialFromDatabase) RestoreMaterial(main, sources);
  CommitJobLoading(*job, s);
  if (sources.loadingFromDatabase) RestoreLoading(main, *job, sources);
  // The databases were read from the job's folders; the data services act
  // on the folder their list shows, as before.
  main.dataService().ActOnTheFolderShown();
  CommitJobRandomDataAndUnits(*job, s);
  ShowJobSettings(main);
  ApplyAnalysisOptions(main);
  ShowInputViewOfTheJob(main);
}

}  // namespace

void mnu_start_Click(FormMain& main, int Index) {
  if (Index == 2) {
    main.Unload();
    return;
  }
  const JobFileWork work(main.state().shellState);
  if (Index == 0) OpenJob(main);
  if (Index == 1) SaveJob(main);
}
