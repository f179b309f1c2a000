#include "report/summary_report.h"

#include "platform/host.h"
#include "platform/runtime/date_time.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_writer.h"
#include "program_state.h"
#include "report/report_builder.h"
#include "report/report_sections.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kFileReportTitle = "Printing to File ...";

}  // namespace

ReportLines SummaryReportLines(ProgramState& state, const ReportCaptions& captions, const std::string& date,
                               ReportVariant variant) {
  ReportBuilder r(variant);
  ReportLines out;
  try {
    WriteBannerSection(r, state, date);
    WriteMaterialSection(r, state);
    WriteLoadingSection(r, state);
    WriteComponentSection(r, state, captions);
    WriteOptionsSection(r, state, captions);
    WriteLifeSection(r, state, captions);
  } catch (const RuntimeError& e) {
    out.error = RuntimeErrorText(e.code());
  }
  out.lines = r.CompletedLines();
  return out;
}

bool WriteReportToFile(ProgramState& state, const ReportCaptions& captions, const std::string& path, Host& host) {
  const ReportLines report = SummaryReportLines(state, captions, DateText(LocalTimeNow()), ReportVariant::File);
  std::string error = report.error;
  if (error.empty()) {
    SeqWriter file;
    for (const std::string& line : report.lines) file.PrintLine(line);
    const SaveResult saved = file.Save(path);
    if (saved) return true;
    error = saved.errorText;
  }
  AlertBox(state.shellState, host, error, MsgButtons::OKOnly, MsgIcon::Exclamation, 1, kFileReportTitle);
  return false;
}
