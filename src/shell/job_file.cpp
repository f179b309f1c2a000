#include "shell/job_file.h"

#include "platform/host.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_writer.h"
#include "program_state.h"

SaveResult WriteJobFile(const std::string& path, const ProgramState& state) {
  return JobFileWriter(JobFileOf(state)).Save(path);
}

bool SaveJobFile(const std::string& path, const ProgramState& state, Host& host) {
  const SaveResult saved = WriteJobFile(path, state);
  if (saved) return true;
  if (state.shellState.BeepEnabled == 1) host.Beep();
  host.MsgBox(saved.errorText, MsgButtons::OKOnly, MsgIcon::Exclamation, 1, kSaveJobTitle);
  return false;
}

std::optional<JobFile> ReadJobFile(const std::string& path, std::string& error) {
  try {
    SeqReader in = SeqReader::Open(path);
    JobFile job = ParseJobFile(in);
    CheckJobFile(job);
    return job;
  } catch (const RuntimeError& e) {  // the file could not be opened
    error = RuntimeErrorText(e.code());
  } catch (const JobFileError& e) {
    error = e.what();
  }
  return std::nullopt;
}

std::optional<JobFile> LoadJobFile(const std::string& path, Host& host, bool beepEnabled) {
  std::string error;
  std::optional<JobFile> job = ReadJobFile(path, error);
  if (job) return job;
  if (beepEnabled) host.Beep();
  host.MsgBox(error + "\rThe job was not opened.", MsgButtons::OKOnly, MsgIcon::Exclamation, 1,
              kOpenJobTitle);
  return std::nullopt;
}

JobSources JobSourcesOf(const JobFile& job) {
  JobSources s;
  s.materialFromDatabase = job.MaterialSource == 1;
  s.fatigueBatch = job.UsedFatigueBatch;
  s.fatigueSet = job.UsedFatigueSet;
  s.fatigueDbFolder = job.FatigueDbFolder;
  s.loadingFromDatabase = job.LoadingSource == 1;
  s.loadingBatch = job.LoadingBatch;
  s.loadingDbFolder = job.LoadingDbFolder;
  return s;
}

void CommitJobFile(const JobFile& job, ProgramState& state) {
  CommitJobMaterial(job, state);
  CommitJobLoading(job, state);
  CommitJobRandomDataAndUnits(job, state);
}
