#include "loading/history_file.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "platform/host.h"
#include "platform/runtime/case_blind_path.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_stream.h"
#include "program_state.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kTitle = "Stress History";
constexpr const char* kWrongHistory = "Sorry, Wrong History Data...";

enum class HistoryOutcome {
  Read,     // all n values
  TooFew,   // a count below 3: the batch has no history any more
  Refused,  // a count that does not fit the database or the limit
  Fault,    // the runtime's error
};

std::string HistoryFileName(int k) { return "duvhs." + std::to_string(k); }

// The values 1 .. n of the open file into `points`, sized to what the rest
// of the file can hold.
void ReadValues(SeqStream& in, int32_t n, std::vector<float>& points) {
  const auto room = static_cast<int32_t>(std::min<std::uint64_t>(in.BytesLeft(), static_cast<std::uint64_t>(n)));
  points.assign(static_cast<std::size_t>(room) + 2, 0.0f);
  in.ReadSingles(points.data() + 1, static_cast<std::size_t>(room));
  if (room < n) {
    in.ReadSingle();  // no item is left for it
    throw RuntimeError(kErrInputPastEnd);
  }
}

HistoryOutcome ReadInto(ProgramState& s, Host& host, int k, std::vector<float>& points) {
  LoadingDatabase& db = s.loadingDatabase;
  try {
    if (k < 1 || k > kLoadingBatchMax) throw RuntimeError(kErrSubscriptOutOfRange);
    SeqStream in = SeqStream::Open(CaseBlindPath(s.fatigueDbState.DataDirectory[1], HistoryFileName(k)));
    in.SkipString();  // the title
    const int32_t n = in.ReadLong();
    db.BatchBlockTime[k] = in.ReadSingle();
    if (n < 3) {
      db.BatchPointCount[k] = 0;
      host.MsgBox(kWrongHistory, MsgButtons::OKOnly, MsgIcon::Critical, 1, kTitle);
      return HistoryOutcome::TooFew;
    }
    if (n != db.BatchPointCount[k] || n > kHistoryPointMax) {
      host.MsgBox(kWrongHistory, MsgButtons::OKOnly, MsgIcon::Critical, 1, kTitle);
      return HistoryOutcome::Refused;
    }
    ReadValues(in, n, points);
    return HistoryOutcome::Read;
  } catch (const RuntimeError& e) {
    AlertBox(s.shellState, host, RuntimeErrorText(e.code()), MsgButtons::OKOnly, MsgIcon::Exclamation, 1, kTitle);
    return HistoryOutcome::Fault;
  }
}

// ReadInto between the hourglass and the normal pointer.
HistoryOutcome ReadWithHourglass(ProgramState& s, Host& host, int k, std::vector<float>& points) {
  host.SetMousePointer(kPointerHourglass);
  const HistoryOutcome outcome = ReadInto(s, host, k, points);
  host.SetMousePointer(kPointerDefault);
  return outcome;
}

}  // namespace

std::string HistoryFilePath(const std::string& folder, int k) { return FileInFolder(folder, HistoryFileName(k)); }

int32_t ReadHistoryFile(ProgramState& s, Host& host, int k, std::vector<float>& points) {
  if (ReadWithHourglass(s, host, k, points) == HistoryOutcome::Read) return static_cast<int32_t>(points.size()) - 2;
  std::vector<float>().swap(points);
  return 0;
}

void ReadHistoryFile(ProgramState& s, Host& host, int k) {
  std::vector<float> staging;
  const HistoryOutcome outcome = ReadWithHourglass(s, host, k, staging);
  if (outcome == HistoryOutcome::Read) {
    const auto n = static_cast<int32_t>(staging.size()) - 2;
    TakeHistory(s.loadingData, std::move(staging), n);
  } else if (outcome != HistoryOutcome::TooFew) {
    s.loadingData.LoadedHistoryLength = 0;
  }
}

void TakeHistory(LoadingData& loading, std::vector<float>&& points, int32_t n) {
  loading.HistoryPoints = std::move(points);
  loading.HistoryScale = std::fabs(loading.HistoryPoints[1]) > 10.0f ? 1.0f : 10.0f;
  loading.LoadedHistoryLength = n;
  loading.HistoryStartFlag = 0;
}
