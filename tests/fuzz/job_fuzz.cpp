// The job file (*.sns): whatever a file holds, a refused one leaves the job
// in memory as it was; an accepted one can be saved, and the saved file opens
// again and, saved once more, gives the same file: every text exactly, every
// number as the file keeps it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "program_state.h"
#include "shell/job_file.h"
#include "shell/job_fixtures.h"

namespace {

// The texts a job keeps, in the order of the file.
std::string Texts(const JobFile& j) {
  const std::string* texts[] = {&j.JobSubject,      &j.LoadUnitBracket, &j.LoadUnit,     &j.LoadQuantity,
                                &j.LoadingDbFolder, &j.FatigueDbFolder, &j.MaterialName, &j.LoadingName,
                                &j.BatchMseText,    &j.FastSimulationTag, &j.FatigueLimitTag};
  std::string all;
  for (const std::string* t : texts) all += *t + '\n';
  return all;
}

// Opens `path` into a fresh program state (as Open does without the database
// restores); nothing when the file is refused.
std::unique_ptr<ProgramState> Opened(const std::string& path) {
  std::string error;
  const std::optional<JobFile> job = ReadJobFile(path, error);
  if (!job) return nullptr;
  auto state = std::make_unique<ProgramState>();
  CommitJobFile(*job, *state);
  return state;
}

std::string Saved(const ProgramState& state, const std::string& name) {
  const std::string path = FuzzPath(name);
  FUZZ_CHECK(WriteJobFile(path, state));  // every job that opened can be saved
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzFolder().Write("job.sns", std::string(reinterpret_cast<const char*>(data), size));
  std::string error;
  auto state = TypedInConstantAmplitudeJob();
  const JobFile before = JobFileOf(*state);
  if (!ReadJobFile(FuzzPath("job.sns"), error)) {
    FUZZ_CHECK(!error.empty());
    FUZZ_CHECK(JobFileOf(*state) == before);
    return 0;
  }
  auto opened = Opened(FuzzPath("job.sns"));
  FUZZ_CHECK(opened != nullptr);
  auto reopened = Opened(Saved(*opened, "saved.sns"));
  FUZZ_CHECK(reopened != nullptr);  // a saved job opens again
  FUZZ_CHECK(Texts(JobFileOf(*reopened)) == Texts(JobFileOf(*opened)));
  auto third = Opened(Saved(*reopened, "again.sns"));
  FUZZ_CHECK(third != nullptr);
  FUZZ_CHECK(JobFileOf(*third) == JobFileOf(*reopened));
  return 0;
}
