#include "loading/history_file.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "platform/event_pump.h"
#include "platform/host.h"
#include "platform/runtime/case_blind_path.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_stream.h"
#include "program_state.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kTitle = "Stress History";
constexpr const char* kWrongHistory = "Sorry, Wrong History Data...";

// The values read between two looks at the pending events: a few
// milliseconds of work on every core.
constexpr std::size_t kPiece = std::size_t{1} << 18;

// Reading pieces, every run of values that is worth it goes to the cores,
// also the last part of a piece.
SeqStream::Options PieceOptions() {
  SeqStream::Options o;
  o.parallelFrom = std::size_t{1} << 14;
  return o;
}

enum class HistoryOutcome {
  Read,     // all n values
  TooFew,   // a count below 3: the batch has no history any more
  Refused,  // a count that does not fit the database or the limit
  Fault,    // the runtime's error
  Stopped,  // the caller no longer wants the history
};

std::string HistoryFileName(int k) { return "duvhs." + std::to_string(k); }

// The values 1 .. n of the open file into `points` (element 0 and n + 1 are
// 0), piece by piece with a tick of `pump` between two pieces; the array
// grows with the pieces, never beyond what the rest of the file can hold
// values for. False when the pump stops the read.
bool ReadValues(SeqStream& in, int32_t n, std::vector<float>& points, EventPump& pump) {
  const auto room = static_cast<std::size_t>(std::min<std::uint64_t>(in.BytesLeft(), static_cast<std::uint64_t>(n)));
  points.clear();
  points.reserve(room + 2);
  points.push_back(0.0f);
  for (std::size_t done = 0; done < room;) {
    if (done > 0 && !pump.Tick()) return false;
    const std::size_t piece = std::min(kPiece, room - done);
    points.resize(points.size() + piece);
    in.ReadSingles(points.data() + 1 + done, piece);
    done += piece;
  }
  if (room < static_cast<std::size_t>(n)) {
    in.ReadSingle();  // no item is left for it
    throw RuntimeError(kErrInputPastEnd);
  }
  points.push_back(0.0f);
  return true;
}

HistoryOutcome ReadInto(ProgramState& s, Host& host, int k, std::vector<float>& points, EventPump& pump) {
  LoadingDatabase& db = s.loadingDatabase;
  try {
    if (k < 1 || k > kLoadingBatchMax) throw RuntimeError(kErrSubscriptOutOfRange);
    const std::string path = CaseBlindPath(s.loadingDbState.LoadingDbOwnFolder, HistoryFileName(k));
    SeqStream in = SeqStream::Open(path, PieceOptions());
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
    return ReadValues(in, n, points, pump) ? HistoryOutcome::Read : HistoryOutcome::Stopped;
  } catch (const RuntimeError& e) {
    AlertBox(s.shellState, host, RuntimeErrorText(e.code()), MsgButtons::OKOnly, MsgIcon::Exclamation, 1, kTitle);
    return HistoryOutcome::Fault;
  }
}

// ReadInto between the hourglass and the normal pointer.
HistoryOutcome ReadWithHourglass(ProgramState& s, Host& host, int k, std::vector<float>& points,
                                 const std::function<bool()>& goOn) {
  EventPump pump(host, 1, goOn);
  host.SetMousePointer(kPointerHourglass);
  const HistoryOutcome outcome = ReadInto(s, host, k, points, pump);
  host.SetMousePointer(kPointerDefault);
  return outcome;
}

}  // namespace

std::string HistoryFilePath(const std::string& folder, int k) { return FileInFolder(folder, HistoryFileName(k)); }

int32_t ReadHistoryFile(ProgramState& s, Host& host, int k, std::vector<float>& points,
                        const std::function<bool()>& goOn) {
  if (ReadWithHourglass(s, host, k, points, goOn) == HistoryOutcome::Read)
    return static_cast<int32_t>(points.size()) - 2;
  std::vector<float>().swap(points);
  return 0;
}

void ReadHistoryFile(ProgramState& s, Host& host, int k, const std::function<bool()>& goOn) {
  std::vector<float> staging;
  const HistoryOutcome outcome = ReadWithHourglass(s, host, k, staging, goOn);
  if (outcome == HistoryOutcome::Read) {
    const auto n = static_cast<int32_t>(staging.size()) - 2;
    TakeHistory(s.loadingData, std::move(staging), n);
  } else if (outcome != HistoryOutcome::TooFew && outcome != HistoryOutcome::Stopped) {
    s.loadingData.LoadedHistoryLength = 0;
  }
}

void TakeHistory(LoadingData& loading, std::vector<float>&& points, int32_t n) {
  loading.HistoryPoints = std::move(points);
  loading.HistoryScale = std::fabs(loading.HistoryPoints[1]) > 10.0f ? 1.0f : 10.0f;
  loading.LoadedHistoryLength = n;
  loading.HistoryStartFlag = 0;
}
