// The copy of a results file: its header as read from ResultsPath, the lives
// and the reference life from memory, in the current layout.

#include "montecarlo/mcs_results_file.h"
#include "montecarlo/mcs_results_messages.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_writer.h"
#include "program_state.h"

bool SaveMCSResultsAs(ProgramState& s, Host& host) {
  McsResults& r = s.mcsResults;
  McsResultsHeader h;
  try {
    SeqReader in = SeqReader::Open(r.ResultsPath);
    h = ReadMcsResultsHeader(in);
  } catch (const RuntimeError& e) {
    ReportMcsFileFailure(s.shellState, host, "read", r.ResultsPath, RuntimeErrorText(e.code()));
    return false;
  }
  // The lives come from memory: the file's count must be the result's own.
  const int32_t n = h.SimulationCount;
  if (n < 0 || n != s.mcsSettings.SimulationsDone || r.SimulatedLives.size() <= static_cast<std::size_t>(n)) {
    ReportMcsFileFailure(s.shellState, host, "copy", r.ResultsPath, "the file no longer holds the results shown");
    return false;
  }
  r.ResultRvType = h.RvType;
  r.ResultRvCov = h.RvCov;
  r.ResultBlockTime = h.BlockTime;

  SeqWriter w;
  WriteMcsCopyHeader(w, h);
  for (int32_t k = 1; k <= n; ++k) WriteMcsLifeLine(w, r.SimulatedLives[k]);
  WriteMcsLifeLine(w, r.ReferenceLife);
  const SaveResult saved = w.Save(r.SaveAsPath);
  if (!saved) {
    ReportMcsFileFailure(s.shellState, host, "save", r.SaveAsPath, saved.errorText);
    return false;
  }
  return true;
}
